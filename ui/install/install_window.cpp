#include "ui/install/install_window.h"

#include "config/check.h"
#include "config/install.h"
#include "config/script.h"
#include "config/uninstall.h"
#include "config/userconfig_hook.h"
#include "games/game_folder.h"
#include "games/game_process.h"
#include "process/held_signals.h"
#include "ui/host_system.h"
#include "ui/install/folder_chooser.h"
#include "ui/style/style.h"
#include "ui/text.h"
#include "ui/widgets/window_geometry.h"
#include "ui/widgets/window_memory.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFutureWatcher>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <new>
#include <optional>

#include <QtConcurrent/QtConcurrentRun>

namespace quarvel::ui {

namespace {

// The field ends its lines with '\n' (a pasted text may bring CR too); the game's files use
// CR LF.
QString withCrLf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(u'\r'), QChar(u'\n'));
    text.replace(QChar(u'\n'), QStringLiteral("\r\n"));
    return text;
}

QString nativePath(const std::filesystem::path& path) {
    return QDir::toNativeSeparators(fromPath(path));
}

// A caption as a sentence names it: without its access key.
QString withoutAccessKey(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

// The message, then the safety copies left behind.
QString withWarnings(QString text, const std::vector<Failure>& warnings) {
    for (const Failure& warning : warnings) {
        text += QStringLiteral("\n\n") + failureText(warning);
    }
    return text;
}

// The script as the engine writes it; nothing when there is not memory enough for it.
std::optional<std::string> engineText(const QString& text) {
    try {
        return toEngine(text);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace

InstallWindow::InstallWindow(std::string script, GameVersion version, UserDialogs& dialogs,
                             GameFinder findGames, std::shared_ptr<LastFolder> lastFolder,
                             QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), lastFolder_(std::move(lastFolder)), version_(version) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("QVLInstall"));
    setWindowTitle(tr("Install Tweaks"));
    setFont(roleFont(FontRole::Text));

    auto* right = new QVBoxLayout;
    QWidget* directoryStep = buildDirectoryStep(std::move(findGames));
    right->addWidget(scrollingStep(directoryStep), 1);
    QWidget* installStep = buildInstallStep();
    right->addWidget(installStep);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildEditor(), 3);
    layout->addLayout(right, 2);

    setTabOrder(scriptEdit_, gamesList_);
    setTabOrder(gamesList_, chooser_);
    setTabOrder(chooser_, installButton_);

    showScript(script);
    if (lastFolder_ && lastFolder_->folder) {
        setDirectory(*lastFolder_->folder);
    } else {
        setDirectory(QDir::currentPath());
    }
    openedAt_ = chooser_->folder();
    // The script shows its longest line whole.
    scriptEdit_->setMinimumWidth(widthForLines(*scriptEdit_));
    // Tall enough for both steps unscrolled, where the screen has room.
    const int steps = directoryStep->sizeHint().height() + installStep->sizeHint().height() +
                      right->spacing() + 2 * layout->contentsMargins().top();
    fitToScreen(this, QSize(780, std::max(540, steps)));
    rememberPlacement(this);
}

QWidget* InstallWindow::buildEditor() {
    auto* editor = new QWidget(this);
    auto* layout = new QVBoxLayout(editor);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* note = plainLabel(tr("Any changes made to the following code will be saved once "
                               "you INSTALL the tweaks using Step 1 and 2."),
                            editor);
    note->setObjectName(QStringLiteral("lblNote"));
    note->setWordWrap(true);
    setTextColour(note, ColourRole::Warning);
    layout->addWidget(note);

    auto* frame = new QGroupBox(tr("CUSTOM CONFIG EDITING"), editor);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* inner = new QVBoxLayout(frame);
    scriptEdit_ = new QPlainTextEdit(frame);
    scriptEdit_->setObjectName(QStringLiteral("txtTweaks"));
    scriptEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scriptEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A script has no use for tab characters; Tab moves on to the directory.
    scriptEdit_->setTabChangesFocus(true);
    inner->addWidget(scriptEdit_);
    layout->addWidget(frame, 1);
    return editor;
}

QWidget* InstallWindow::buildDirectoryStep(GameFinder findGames) {
    QGroupBox* frame = stepFrame(tr("[Step 1]"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    auto* layout = new QVBoxLayout(frame);

    auto* prompt = plainLabel(tr("Please select the path to the game directory."), frame);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);

    auto* examples = new QVBoxLayout;
    examples->setSpacing(1);
    examples->addWidget(plainLabel(tr("Steam example:"), frame));
    examples->addWidget(plainLabel(tr("C:\\Program Files\\Steam\\SteamApps\\"), frame));
    auto* account = new QHBoxLayout;
    account->setSpacing(0);
    account->addWidget(plainLabel(tr("ACCOUNT@NAME"), frame));
    account->addWidget(plainLabel(tr("\\Counter-Strike\\cstrike"), frame));
    account->addStretch();
    examples->addLayout(account);
    examples->addSpacing(4);
    examples->addWidget(plainLabel(tr("Non-Steam example:"), frame));
    examples->addWidget(plainLabel(tr("C:\\Sierra\\Half-Life\\cstrike"), frame));
    layout->addLayout(examples);

    addDetectedGames(layout, frame, std::move(findGames));
    chooser_ = new FolderChooser(frame);
    layout->addWidget(chooser_);
    layout->addWidget(buildNotGameNote(frame));
    layout->addWidget(buildSteamNote(frame));
    connect(chooser_, &FolderChooser::folderChanged, this, &InstallWindow::folderChanged);
    return frame;
}

QWidget* InstallWindow::scrollingStep(QWidget* step) {
    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("scrStep1"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidget(step);
    area->setMinimumWidth(step->minimumSizeHint().width() +
                          area->verticalScrollBar()->sizeHint().width());
    return area;
}

void InstallWindow::addDetectedGames(QLayout* layout, QWidget* frame, GameFinder findGames) {
    auto* caption = plainLabel(tr("Detected games:"), frame);
    gamesList_ = new QComboBox(frame);
    gamesList_->setObjectName(QStringLiteral("cmbGames"));
    gamesList_->setToolTip(tr("Game directories found in your Steam libraries."));
    caption->setBuddy(gamesList_);
    connect(gamesList_, &QComboBox::activated, this, [this](int index) {
        setDirectory(games_.at(static_cast<std::size_t>(index)).directory);
    });
    layout->addWidget(caption);
    layout->addWidget(gamesList_);
    if (!findGames) {
        showGames({});
        return;
    }
    // Steam's libraries may lie on slow drives: the window never waits for them.
    gamesList_->setEnabled(false);
    gamesList_->setPlaceholderText(tr("Searching for games..."));
    gamesList_->setCurrentIndex(-1);
    auto* search = new QFutureWatcher<std::vector<games::DetectedGame>>(this);
    connect(search, &QFutureWatcherBase::finished, this,
            [this, search] { showGames(search->result()); });
    search->setFuture(QtConcurrent::run(std::move(findGames)));
}

void InstallWindow::showGames(std::vector<games::DetectedGame> found) {
    games_ = std::move(found);
    for (const auto& game : games_) {
        gamesList_->addItem(
            QStringLiteral("%1 (%2)").arg(qs(game.name), nativePath(game.directory)));
    }
    gamesList_->setCurrentIndex(-1);
    gamesList_->setPlaceholderText(games_.empty() ? tr("No games found") : tr("Choose a game..."));
    gamesList_->setEnabled(!games_.empty());
    // The working folder is the home folder for a program started from the menu, no place for
    // the tweaks. A folder worked on before, or one the player chose meanwhile, stays.
    const bool remembered = lastFolder_ && lastFolder_->folder;
    if (chooser_ && !games_.empty() && !remembered && chooser_->folder() == openedAt_) {
        setDirectory(games_.front().directory);
    } else if (chooser_) {
        folderChanged();
    }
}

void InstallWindow::folderChanged() {
    const auto game =
        std::ranges::find(games_, chooser_->folder(), &games::DetectedGame::directory);
    gamesList_->setCurrentIndex(game == games_.end() ? -1
                                                     : static_cast<int>(game - games_.begin()));
    notGameNote_->setVisible(games::looksUnlikeGameFolder(chooser_->folder()));
    steamNote_->setVisible(switchVersion_ && version_ == GameVersion::Classic &&
                           games::inSteamLibrary(chooser_->folder()));
    showUserconfigHook();
}

void InstallWindow::showUserconfigHook() {
    switch (userconfigHookState(chooser_->folder())) {
    case UserconfigHookState::Hooked:
        userconfigBox_->setChecked(true);
        break;
    case UserconfigHookState::NotHooked:
        userconfigBox_->setChecked(false);
        break;
    case UserconfigHookState::NothingInstalled:
        // Today's game saves every setting it has in config.cfg: only what runs after it holds.
        userconfigBox_->setChecked(version_ == GameVersion::Steam);
        break;
    }
}

QWidget* InstallWindow::buildNotGameNote(QWidget* parent) {
    notGameNote_ = plainLabel(
        translated("Install", games::notGameFolderWords).arg(qs(games::modFileName)), parent, true);
    notGameNote_->setObjectName(QStringLiteral("lblNotGame"));
    notGameNote_->setToolTip(tr("Every mod folder of the game, such as cstrike or valve, holds %1. "
                                "The game runs the tweaks only from there.")
                                 .arg(qs(games::modFileName)));
    setTextColour(notGameNote_, ColourRole::Warning);
    return notGameNote_;
}

QWidget* InstallWindow::buildSteamNote(QWidget* parent) {
    steamNote_ = new QWidget(parent);
    auto* row = new QHBoxLayout(steamNote_);
    row->setContentsMargins(0, 0, 0, 0);
    QLabel* note = plainLabel(tr("This folder lies in a Steam library, where Steam runs today's "
                                 "game, not the classic one."),
                              steamNote_, true);
    note->setObjectName(QStringLiteral("lblSteamGame"));
    setTextColour(note, ColourRole::Warning);
    row->addWidget(note, 1);
    auto* change = new QPushButton(tr("&Switch to today's Steam game"), steamNote_);
    change->setObjectName(QStringLiteral("cmdTodaysGame"));
    change->setToolTip(tr("Sets the game version to today's Steam game and builds the script "
                          "for it anew."));
    connect(change, &QPushButton::clicked, this, &InstallWindow::switchToTodaysGame);
    row->addWidget(change, 0, Qt::AlignVCenter);
    steamNote_->setVisible(false);
    return steamNote_;
}

void InstallWindow::offerTodaysGame(std::function<std::string()> switchVersion) {
    switchVersion_ = std::move(switchVersion);
    folderChanged();
}

void InstallWindow::switchToTodaysGame() {
    if (!mayDropEdits(tr("Switch to today's Steam game"),
                      tr("The script is built anew for today's Steam game, and your changes to "
                         "it are lost. Switch?"))) {
        return;
    }
    version_ = GameVersion::Steam;
    showScript(switchVersion_());
    folderChanged();
}

bool InstallWindow::edited() const {
    return scriptEdit_->toPlainText() != shownScript_;
}

bool InstallWindow::mayDropEdits(const QString& title, const QString& question) {
    return !edited() || dialogs_.askYesNo(this, title, question);
}

void InstallWindow::reject() {
    if (dropAgreed_ || mayDropEdits(tr("Install Tweaks"), tr("Your changes to the script have "
                                                             "not been installed. Throw them "
                                                             "away?"))) {
        dropAgreed_ = true;
        QDialog::reject();
    }
}

void InstallWindow::closeEvent(QCloseEvent* event) {
    // The close box, or Escape through reject(): asked once.
    if (!dropAgreed_ && !mayDropEdits(tr("Install Tweaks"), tr("Your changes to the script have "
                                                               "not been installed. Throw them "
                                                               "away?"))) {
        event->ignore();
        return;
    }
    dropAgreed_ = true;
    QDialog::closeEvent(event);
}

QWidget* InstallWindow::buildInstallStep() {
    QGroupBox* frame = stepFrame(tr("[Step 2]"), this);
    frame->setObjectName(QStringLiteral("Frame3"));
    auto* layout = new QVBoxLayout(frame);
    auto* hint =
        plainLabel(tr("Click on [Install Tweaks] once you have finished [Step 1]."), frame);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    userconfigBox_ =
        new QCheckBox(tr("Also run after the game's own settings (&userconfig.cfg)"), frame);
    // Ticked, an install makes userconfig.cfg run the script; unticked, it takes Quarvel's line
    // out of it. The box shows what the chosen folder does.
    userconfigBox_->setObjectName(QStringLiteral("chkUserconfig"));
    userconfigBox_->setToolTip(tr(
        "The game runs config.cfg, the settings it saved at its last exit, after autoexec.cfg, "
        "and userconfig.cfg after that. Tick this when a tweak does not hold because the game "
        "saved another value. Unticked, an install takes Quarvel's line out of userconfig.cfg."));
    userconfigBox_->setChecked(version_ == GameVersion::Steam);
    layout->addWidget(userconfigBox_);

    installButton_ = new QPushButton(tr("&Install Tweaks"), frame);
    installButton_->setObjectName(QStringLiteral("cmdInstall"));
    installButton_->setDefault(true);
    connect(installButton_, &QPushButton::clicked, this, &InstallWindow::install);
    layout->addWidget(installButton_, 0, Qt::AlignHCenter);

    // What is done with tweaks already in the folder.
    auto* others = new QHBoxLayout;
    auto* check = new QPushButton(tr("&Check"), frame);
    check->setObjectName(QStringLiteral("cmdCheck"));
    check->setToolTip(tr("Tells whether the tweaks in the folder are installed, run and held."));
    connect(check, &QPushButton::clicked, this, &InstallWindow::checkFolder);
    auto* remove = new QPushButton(tr("&Remove Tweaks"), frame);
    remove->setObjectName(QStringLiteral("cmdRemove"));
    remove->setToolTip(tr("Deletes quarvel.cfg from the folder and the line that runs it from "
                          "autoexec.cfg and userconfig.cfg."));
    connect(remove, &QPushButton::clicked, this, &InstallWindow::removeTweaks);
    others->addStretch();
    others->addWidget(check);
    others->addWidget(remove);
    others->addStretch();
    layout->addLayout(others);
    return frame;
}

void InstallWindow::showScript(const std::string& text) {
    QString shown = fromEngine(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    scriptEdit_->setPlainText(shown);
    shownScript_ = scriptEdit_->toPlainText();
}

QString InstallWindow::scriptText() const {
    return withCrLf(scriptEdit_->toPlainText());
}

QString InstallWindow::directory() const {
    return fromPath(chooser_->folder());
}

void InstallWindow::setDirectory(const QString& path) {
    setDirectory(toPath(QDir::cleanPath(QDir(path).absolutePath())));
}

void InstallWindow::setDirectory(const std::filesystem::path& path) {
    chooser_->setFolder(path);
}

void InstallWindow::keyPressEvent(QKeyEvent* event) {
    // Enter in the path field or the game list must not write into a folder the player has not
    // looked at yet: only the Install button itself installs (Alt+I, or Enter on it).
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

std::optional<std::filesystem::path> InstallWindow::chosenFolder() {
    if (!chooser_->acceptTypedPath()) {
        return std::nullopt;
    }
    return chooser_->folder();
}

void InstallWindow::remember(const std::filesystem::path& folder) {
    if (lastFolder_) {
        lastFolder_->folder = folder;
    }
}

void InstallWindow::install() {
    const auto chosen = chosenFolder();
    if (!chosen) {
        return;
    }
    const std::filesystem::path& folder = *chosen;
    if (games::looksUnlikeGameFolder(folder) &&
        !dialogs_.askYesNo(this, tr("Install into %1").arg(nativePath(folder)),
                           tr("Install into a folder that does not look like a game folder?"))) {
        return;
    }
    const std::optional<std::string> text = engineText(scriptText());
    InstallOptions options{.userconfig = userconfigBox_->isChecked() ? UserconfigChange::Add
                                                                     : UserconfigChange::TakeOut,
                           .overwrite = false};
    const auto installScript = [&] {
        return text ? installTweaks(folder, *text, systemFileIo(), options, whileSignalsHeld)
                    : InstallResult{.failure = Failure{.problem = FileProblem::OutOfMemory,
                                                       .file = folder / scriptFileName}};
    };
    InstallResult result = installScript();
    // Asked once the install held the folder and found a script there, so that one another run
    // put there meanwhile is asked about too.
    if (result.wouldOverwrite) {
        if (!dialogs_.askYesNo(this, tr("Warning!"),
                               tr("quarvel.cfg is already in %1.").arg(nativePath(folder)) +
                                   QLatin1Char('\n') + translated("Install", overwriteQuestion))) {
            return;
        }
        options.overwrite = true;
        result = installScript();
    }
    remember(folder);
    if (!result.installed()) {
        dialogs_.warn(this, tr("Install failed"),
                      withWarnings(failureText(*result.failure), result.warnings));
        return;
    }
    showScript(result.installedText);
    QString said = translated("Install", installedText).arg(nativePath(folder));
    if (result.unhooked) {
        said += QLatin1Char('\n') + sentencesText("Install", {unhookedSentence()});
    }
    if (games::gameIsRunning()) {
        said += QStringLiteral("\n\n") + translated("Install", gameRunsWords);
    }
    dialogs_.inform(this, tr("Quarvel"), withWarnings(said, result.warnings));
    close();
}

void InstallWindow::removeTweaks() {
    const auto chosen = chosenFolder();
    if (!chosen) {
        return;
    }
    const UninstallOptions options{.gameRunning = [] { return games::gameIsRunning(); }};
    // The question says what config.cfg gets back before anything changes.
    const UninstallResult plan = planUninstall(*chosen, systemFileIo(), options);
    if (plan.failure) {
        dialogs_.warn(this, tr("Remove failed"), failureText(*plan.failure));
        return;
    }
    QString question = translated("Install", uninstallQuestion).arg(nativePath(*chosen));
    if (const auto settings = savedSettingsReport(plan); !settings.empty()) {
        question += QStringLiteral("\n\n") + sentencesText("Install", settings);
    }
    if (!dialogs_.askYesNo(this, tr("Remove Tweaks"), question)) {
        return;
    }
    remember(*chosen);
    const UninstallResult result =
        uninstallTweaks(*chosen, systemFileIo(), options, whileSignalsHeld);
    if (result.failure) {
        dialogs_.warn(this, tr("Remove failed"),
                      withWarnings(failureText(*result.failure), result.warnings));
        return;
    }
    dialogs_.inform(
        this, tr("Quarvel"),
        withWarnings(sentencesText("Install", uninstallReport(*chosen, result)), result.warnings));
}

void InstallWindow::checkFolder() {
    const auto chosen = chosenFolder();
    if (!chosen) {
        return;
    }
    remember(*chosen);
    const CheckReport report = checkTweaks(*chosen, checkOptions(*chosen));
    if (report.failure) {
        dialogs_.warn(this, tr("Check failed"), failureText(*report.failure));
    } else if (report.runAfterSettings) {
        dialogs_.offer(this, tr("Check"), checkText(*chosen, report),
                       tr("&Run after the game's settings"),
                       [this, folder = *chosen] { return runAfterSettings(folder); });
    } else if (report.findings) {
        dialogs_.warn(this, tr("Check"), checkText(*chosen, report));
    } else {
        dialogs_.inform(this, tr("Check"), checkText(*chosen, report));
    }
}

QString InstallWindow::checkText(const std::filesystem::path& folder,
                                 const CheckReport& report) const {
    QStringList lines{tr("Check of %1:").arg(nativePath(folder))};
    for (std::size_t i = 0; i < report.lines.size(); ++i) {
        // The remedy names the option by the window's own caption, not quarvel-cli's.
        lines << (report.remedyLine == i
                      ? tr("To make them hold, \"%1\" makes userconfig.cfg run quarvel.cfg, "
                           "which the game runs after config.cfg.")
                            .arg(withoutAccessKey(userconfigBox_->text()))
                      : sentencesText("Check", {report.lines[i]}));
    }
    return lines.join(QLatin1Char('\n'));
}

CheckOptions InstallWindow::checkOptions(const std::filesystem::path& folder) const {
    return {.version = version_, .inSteamLibrary = games::inSteamLibrary(folder)};
}

UserDialogs::Message InstallWindow::runAfterSettings(const std::filesystem::path& folder) {
    const HookResult hooked = hookUserconfig(folder, systemFileIo(), whileSignalsHeld);
    if (hooked.failure) {
        return {withWarnings(failureText(*hooked.failure), hooked.warnings), true};
    }
    showUserconfigHook();
    const CheckReport again = checkTweaks(folder, checkOptions(folder));
    if (again.failure) {
        return {failureText(*again.failure), true};
    }
    return {withWarnings(checkText(folder, again), hooked.warnings), again.findings};
}

} // namespace quarvel::ui
