#include "ui/QVLInstall.h"
#include "ui/text.h"

#include "config/check.h"
#include "config/install.h"
#include "config/script.h"
#include "config/uninstall.h"
#include "process/held_signals.h"
#include "ui/folder_chooser.h"
#include "ui/style.h"

#include <QCheckBox>
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
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <filesystem>

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

// A failure of an install, uninstall or check as the window tells it: with what was done before
// it, or the sentence of its own that a busy folder or a safety copy left behind has.
QString messageOf(const Failure& failure) {
    if (failure.problem == FileProblem::Busy) {
        return translated("Failure", busyWords)
            .arg(QDir::toNativeSeparators(fromPath(failure.file)));
    }
    if (failure.problem == FileProblem::CopyLeft) {
        return translated("Failure", copyLeftWords)
            .arg(fromPath(failure.file), fromPath(failure.copy),
                 fromEngine(systemReason(failure.code)));
    }
    QString text = failureText(failure);
    if (failure.done) {
        text.prepend(sentencesText("Failure", {*failure.done}) + QStringLiteral(": "));
    }
    return text;
}

// The message, then the safety copies left behind.
QString withWarnings(QString text, const std::vector<Failure>& warnings) {
    for (const Failure& warning : warnings) {
        text += QStringLiteral("\n\n") + messageOf(warning);
    }
    return text;
}

} // namespace

QVLInstall::QVLInstall(std::string script, GameVersion version, UserDialogs& dialogs,
                       GameFinder findGames, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs), version_(version) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("QVLInstall"));
    setWindowTitle(tr("Install Tweaks"));
    setFont(roleFont(FontRole::Text));

    auto* right = new QVBoxLayout;
    QWidget* directoryStep = buildDirectoryStep();
    addDetectedGames(directoryStep->layout(), directoryStep, std::move(findGames));
    chooser_ = new FolderChooser(directoryStep);
    directoryStep->layout()->addWidget(chooser_);
    right->addWidget(directoryStep, 1);
    right->addWidget(buildInstallStep());

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildEditor(), 3);
    layout->addLayout(right, 2);

    setTabOrder(txtTweaks_, gamesList_);
    setTabOrder(gamesList_, chooser_);
    setTabOrder(chooser_, cmdInstall_);

    showScript(script);
    setDirectory(QDir::currentPath());
    // The script shows its longest line whole.
    txtTweaks_->setMinimumWidth(widthForLines(*txtTweaks_));
    fitToScreen(this, QSize(780, 540));
}

QWidget* QVLInstall::buildEditor() {
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
    txtTweaks_ = new QPlainTextEdit(frame);
    txtTweaks_->setObjectName(QStringLiteral("txtTweaks"));
    txtTweaks_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtTweaks_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A script has no use for tab characters; Tab moves on to the directory.
    txtTweaks_->setTabChangesFocus(true);
    inner->addWidget(txtTweaks_);
    layout->addWidget(frame, 1);
    return editor;
}

QWidget* QVLInstall::buildDirectoryStep() {
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
    return frame;
}

void QVLInstall::addDetectedGames(QLayout* layout, QWidget* frame, GameFinder findGames) {
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

void QVLInstall::showGames(std::vector<games::DetectedGame> found) {
    games_ = std::move(found);
    for (const auto& game : games_) {
        gamesList_->addItem(QStringLiteral("%1 (%2)").arg(
            qs(game.name), QDir::toNativeSeparators(fromPath(game.directory))));
    }
    // Nothing is chosen at first: the folder chooser stays where it is.
    gamesList_->setCurrentIndex(-1);
    gamesList_->setPlaceholderText(games_.empty() ? tr("No games found") : tr("Choose a game..."));
    gamesList_->setEnabled(!games_.empty());
}

QWidget* QVLInstall::buildInstallStep() {
    QGroupBox* frame = stepFrame(tr("[Step 2]"), this);
    frame->setObjectName(QStringLiteral("Frame3"));
    auto* layout = new QVBoxLayout(frame);
    auto* hint =
        plainLabel(tr("Click on [Install Tweaks] once you have finished [Step 1]."), frame);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    chkUserconfig_ =
        new QCheckBox(tr("Also run after the game's own settings (&userconfig.cfg)"), frame);
    chkUserconfig_->setObjectName(QStringLiteral("chkUserconfig"));
    chkUserconfig_->setToolTip(
        tr("The game runs config.cfg, the settings it saved at its last exit, after autoexec.cfg, "
           "and userconfig.cfg after that. Tick this when a tweak does not hold because the game "
           "saved another value."));
    // Today's game saves every setting it has in config.cfg: only what runs after it holds.
    chkUserconfig_->setChecked(version_ == GameVersion::Steam);
    layout->addWidget(chkUserconfig_);

    cmdInstall_ = new QPushButton(tr("&Install Tweaks"), frame);
    cmdInstall_->setObjectName(QStringLiteral("cmdInstall"));
    cmdInstall_->setDefault(true);
    connect(cmdInstall_, &QPushButton::clicked, this, &QVLInstall::cmdInstall_Click);
    layout->addWidget(cmdInstall_, 0, Qt::AlignHCenter);

    // What is done with tweaks already in the folder.
    auto* others = new QHBoxLayout;
    auto* check = new QPushButton(tr("&Check"), frame);
    check->setObjectName(QStringLiteral("cmdCheck"));
    check->setToolTip(tr("Tells whether the tweaks in the folder are installed, run and held."));
    connect(check, &QPushButton::clicked, this, &QVLInstall::cmdCheck_Click);
    auto* remove = new QPushButton(tr("&Remove Tweaks"), frame);
    remove->setObjectName(QStringLiteral("cmdRemove"));
    remove->setToolTip(tr("Deletes quarvel.cfg from the folder and the line that runs it from "
                          "autoexec.cfg and userconfig.cfg."));
    connect(remove, &QPushButton::clicked, this, &QVLInstall::cmdRemove_Click);
    others->addStretch();
    others->addWidget(check);
    others->addWidget(remove);
    others->addStretch();
    layout->addLayout(others);
    return frame;
}

void QVLInstall::showScript(const std::string& text) {
    QString shown = fromEngine(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtTweaks_->setPlainText(shown);
}

QString QVLInstall::scriptText() const {
    return withCrLf(txtTweaks_->toPlainText());
}

QString QVLInstall::directory() const {
    return fromPath(chooser_->folder());
}

void QVLInstall::setDirectory(const QString& path) {
    setDirectory(toPath(QDir::cleanPath(QDir(path).absolutePath())));
}

void QVLInstall::setDirectory(const std::filesystem::path& path) {
    chooser_->setFolder(path);
}

void QVLInstall::keyPressEvent(QKeyEvent* event) {
    // Only the Install button installs; Escape closes the window, as in any dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

std::optional<std::filesystem::path> QVLInstall::chosenFolder() {
    if (!chooser_->acceptTypedPath()) {
        return std::nullopt;
    }
    return chooser_->folder();
}

void QVLInstall::cmdInstall_Click() {
    const auto chosen = chosenFolder();
    if (!chosen) {
        return;
    }
    const std::filesystem::path& directory_ = *chosen;
    if (scriptExists(directory_) &&
        !dialogs_.askYesNo(this, tr("Warning!"), translated("Install", overwriteQuestion))) {
        return;
    }
    InstallResult result;
    try {
        result = InstallTweaks(directory_, toEngine(scriptText()), systemFileIo(),
                               {.userconfig = chkUserconfig_->isChecked()}, whileSignalsHeld);
    } catch (const std::bad_alloc&) {
        result.failure =
            Failure{.problem = FileProblem::OutOfMemory, .file = directory_ / scriptFileName};
    }
    if (!result.installed()) {
        dialogs_.warn(this, tr("Install failed"),
                      withWarnings(messageOf(*result.failure), result.warnings));
        return;
    }
    showScript(result.installedText);
    dialogs_.inform(this, tr("Quarvel"),
                    withWarnings(translated("Install", installedText)
                                     .arg(QDir::toNativeSeparators(fromPath(directory_))),
                                 result.warnings));
    close();
}

void QVLInstall::cmdRemove_Click() {
    const auto chosen = chosenFolder();
    if (!chosen || !dialogs_.askYesNo(this, tr("Remove Tweaks"),
                                      translated("Install", uninstallQuestion)
                                          .arg(QDir::toNativeSeparators(fromPath(*chosen))))) {
        return;
    }
    const UninstallResult result = UninstallTweaks(*chosen, systemFileIo(), whileSignalsHeld);
    if (result.failure) {
        dialogs_.warn(this, tr("Remove failed"),
                      withWarnings(messageOf(*result.failure), result.warnings));
        return;
    }
    dialogs_.inform(
        this, tr("Quarvel"),
        withWarnings(sentencesText("Install", uninstallReport(*chosen, result)), result.warnings));
}

void QVLInstall::cmdCheck_Click() {
    const auto chosen = chosenFolder();
    if (!chosen) {
        return;
    }
    const CheckReport report = checkTweaks(*chosen, version_);
    const QString found = sentencesText("Check", report.lines);
    if (report.failure) {
        dialogs_.warn(this, tr("Check failed"), messageOf(*report.failure));
    } else if (report.runAfterSettings) {
        if (dialogs_.offer(this, tr("Check"), found, tr("Run after the game's settings"))) {
            chkUserconfig_->setChecked(true);
            cmdInstall_Click(); // asks before it overwrites, as every install does
        }
    } else if (report.findings) {
        dialogs_.warn(this, tr("Check"), found);
    } else {
        dialogs_.inform(this, tr("Check"), found);
    }
}

} // namespace quarvel::ui
