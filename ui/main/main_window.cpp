#include "ui/main/main_window.h"

#include "config/loader.h"
#include "config/script.h"
#include "core/product.h"
#include "games/game_folder.h"
#include "ui/about/about_window.h"
#include "ui/first_frame.h"
#include "ui/host_system.h"
#include "ui/install/install_window.h"
#include "ui/main/descriptions.h"
#include "ui/main/fps_page.h"
#include "ui/main/models_page.h"
#include "ui/main/page_scroller.h"
#include "ui/main/page_widgets.h"
#include "ui/main/ping_page.h"
#include "ui/main/today_page.h"
#include "ui/main/tweak_widgets.h"
#include "ui/style/style.h"
#include "ui/widgets/window_geometry.h"
#include "ui/wizards/pack_wizard.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>

#include <QtConcurrent/QtConcurrentRun>

namespace quarvel::ui {

namespace {

// A secondary window exists at most once: opening it again brings the same one to the front.
void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

template <typename Window, typename... Args>
void showOnce(QPointer<Window>& window, Args&&... args) {
    if (!window) {
        window = new Window(std::forward<Args>(args)...);
    }
    bringToFront(window);
}

QAction* addItem(QWidget* menu, std::string_view name, const QString& text, QObject* owner) {
    auto* action = new QAction(text, owner);
    action->setObjectName(qs(name));
    menu->addAction(action);
    return action;
}

} // namespace

std::span<const MainWindow::Page> MainWindow::pages() {
    static constexpr std::array table{
        Page{QT_TR_NOOP("FPS Tweaks"), &MainWindow::buildFpsPage},
        Page{QT_TR_NOOP("Ping Tweaks"), &MainWindow::buildPingPage},
        Page{QT_TR_NOOP("CS 1.6 Models"), &MainWindow::buildModelsPage},
        Page{QT_TR_NOOP("Today's Game"), &MainWindow::buildTodayPage},
    };
    return table;
}

MainWindow::MainWindow(UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), tweaks_(new TweakWidgets(engine_, this)),
      lastFolder_(std::make_shared<LastFolder>()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("QVLMain"));
    setWindowTitle(QStringLiteral("[%1] %2").arg(qs(product::name), qs(product::version)));

    // The font goes on first, so that every control is sized for it as it is made.
    auto* central = new QWidget(this);
    central->setFont(roleFont(FontRole::Text));
    setCentralWidget(central);
    auto* column = new QVBoxLayout(central);
    // The game version decides what every tab offers, so it stands above them all.
    column->addWidget(buildVersionRow(central));
    tabs_ = new QTabWidget(central);
    tabs_->setObjectName(QStringLiteral("tabTweaks"));
    for (const Page& page : pages()) {
        tabs_->addTab(new PageScroller(tabs_), tr(page.title));
    }
    // Only the page that is shown is built at start; the others when they are first shown.
    showPage(0);
    // A keyboard user starts at the first tweak.
    if (QWidget* first = tweaks_->widget(tweakPlaces.front().editor)) {
        first->setFocus();
    }
    connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::showPage);
    column->addWidget(tabs_, 1);
    column->addWidget(buildDescriptionPanel(central));
    buildMenus();
    statusBar()->setObjectName(QStringLiteral("sbrStatus"));
    statusBar()->setFont(roleFont(FontRole::Text));
    // The keyboard's way to a description: F1 on a tweak's editor or DEFAULT button does what a
    // click on its caption does.
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &MainWindow::describeFocusedTweak);

    connect(tweaks_, &TweakWidgets::captionClicked, this, &MainWindow::captionClicked);
    connect(tweaks_, &TweakWidgets::defaultPressed, this, [this](EditorId id) {
        tell(tr("%1 set to its default").arg(catalogueText(editor(id).caption)));
    });

    // The engine has started up already; from now on every state it sets shows at once.
    refreshAll();
    startLines_ = engine_.tweakLines();
    engine_.observe({.editorChanged = [this](EditorId id) { tweaks_->refresh(id); },
                     .slotWritten = {},
                     .versionChanged = [this] { refreshVersion(); }});
}

void MainWindow::showPage(int index) {
    auto* scroller = static_cast<PageScroller*>(tabs_->widget(index));
    if (scroller->widget() != nullptr) {
        return;
    }
    scroller->setWidget(std::invoke(pages()[static_cast<std::size_t>(index)].build, this));
    refreshAll();
    // A page built later that is wider than the window widens it, where the screen has room.
    if (sized_ && scroller->sizeHint().width() > scroller->width()) {
        fitToScreen(this, size() + QSize(scroller->sizeHint().width() - scroller->width(), 0));
    }
}

QWidget* MainWindow::buildFpsPage() {
    return new FpsPage(*tweaks_, tabs_);
}

QWidget* MainWindow::buildPingPage() {
    auto* page = new PingPage(*tweaks_, tabs_);
    connect(page, &PingPage::speedTestRequested, this, [this] { openUrl(product::speedTestPage); });
    return page;
}

QWidget* MainWindow::buildModelsPage() {
    auto* page = new ModelsPage(tabs_);
    connect(page, &ModelsPage::playerModelsChosen, this, &MainWindow::openModels);
    connect(page, &ModelsPage::weaponModelsChosen, this, &MainWindow::openWeapons);
    return page;
}

QWidget* MainWindow::buildTodayPage() {
    todayPage_ = new TodayPage(*tweaks_, tabs_);
    return todayPage_;
}

void MainWindow::showEvent(QShowEvent* event) {
    // Opens at the size the pages ask for, but never larger than the screen; they scroll.
    if (!sized_) {
        sized_ = true;
        fitToScreen(this, sizeHint());
    }
    QMainWindow::showEvent(event);
}

MainWindow::~MainWindow() {
    // The widgets outlive the engine by a moment: they must not be refreshed from it.
    engine_.observe({});
    // An install window may stay open: it can no longer switch this window's game version.
    if (install_) {
        install_->offerTodaysGame({});
    }
}

void MainWindow::findGamesAfterFirstFrame(GameFinder findGames) {
    // Steam's libraries may lie on slow drives: the first frame never waits for them.
    afterFirstFrame(this, [this, findGames = std::move(findGames)](QWidget*) {
        auto* search = new QFutureWatcher<std::vector<games::DetectedGame>>(this);
        connect(search, &QFutureWatcherBase::finished, this, [this, search] {
            showGamesFound(search->result());
            search->deleteLater();
        });
        search->setFuture(QtConcurrent::run(findGames));
    });
}

void MainWindow::showGamesFound(std::vector<games::DetectedGame> found) {
    games_ = std::move(found);
    const auto steam = std::ranges::find_if(*games_, [](const games::DetectedGame& game) {
        return games::inSteamLibrary(game.directory);
    });
    // Only while the player has changed nothing, not even the script in the install window: a
    // change of version would rebuild what he made. The install window offers it otherwise.
    if (steam != games_->end() && engine_.gameVersion() == GameVersion::Classic &&
        engine_.tweakLines() == startLines_ && !install_) {
        useTodaysGame(*steam);
    }
    emit gamesFound();
}

void MainWindow::useTodaysGame(const games::DetectedGame& game) {
    engine_.setGameVersion(GameVersion::Steam);
    tell(tr("Today's Steam game: %1 was found in your Steam library").arg(qs(game.name)));
}

void MainWindow::openUpdatePage() {
    const QString address = qs(product::downloadPage);
    if (!dialogs_.openUrl(QUrl(address))) {
        // The address can be copied from the message into a browser started by hand.
        dialogs_.inform(
            this, tr("Update Quarvel"),
            tr("No web browser could be started. Quarvel's download page is:\n%1").arg(address));
    }
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(addItem(file, "mnuLoad", tr("&Load *.cfg Settings"), this), &QAction::triggered, this,
            &MainWindow::loadSettings);
    connect(addItem(file, "mnuUpdate", tr("&Update Quarvel"), this), &QAction::triggered, this,
            &MainWindow::openUpdatePage);
    connect(addItem(file, "mnuQuit", tr("Q&uit"), this), &QAction::triggered, this,
            &QWidget::close);

    QMenu* presets = menuBar()->addMenu(tr("&Presets"));
    presets->setObjectName(QStringLiteral("mnuPresets"));
    for (const PresetName& item : presetNames) {
        QAction* action =
            addItem(presets, item.menuItem, translated("Presets", item.menuText), this);
        connect(action, &QAction::triggered, this, [this, action, preset = item.preset] {
            engine_.applyPreset(preset);
            // The preset as the menu names it, without its access key.
            tell(tr("%1 preset applied").arg(QString(action->text()).remove(QLatin1Char('&'))));
        });
    }

    connect(addItem(menuBar(), "mnuInstall", tr("&Install Tweaks"), this), &QAction::triggered,
            this, &MainWindow::openInstall);
    connect(addItem(menuBar(), "mnuAbout", tr("&About"), this), &QAction::triggered, this,
            &MainWindow::openAbout);
}

void MainWindow::refreshAll() {
    for (EditorId id = 0; id < editorCount; ++id) {
        tweaks_->refresh(id);
    }
    refreshVersion();
}

void MainWindow::refreshVersion() {
    const GameVersion version = engine_.gameVersion();
    if (versionList_) {
        const QSignalBlocker block(versionList_);
        versionList_->setCurrentIndex(static_cast<int>(version));
    }
    tweaks_->refreshOffered();
    if (QWidget* ztrick = tweaks_->widget(editorId("optZTrick"))) {
        ztrick->setToolTip(engine_.offers(editorId("optZTrick"))
                               ? QString()
                               : tr("Today's game no longer knows gl_ztrick, so Quarvel does not "
                                    "write it."));
    }
    if (todayPage_) {
        todayPage_->showNote(version == GameVersion::Classic);
    }
    for (const RateRule& rule : rateRules) {
        if (QWidget* field = tweaks_->widget(rule.field)) {
            field->setToolTip(limitSentence(rule));
        }
    }
    if (!describedKey_.empty()) {
        showDescription(); // what the game does with a tweak depends on its version
    }
}

QString MainWindow::limitSentence(const RateRule& rule) const {
    const QString limit = qs(engine_.limitOf(rule).text);
    return engine_.gameVersion() == GameVersion::Classic
               ? tr("In the classic game Quarvel keeps it at most %1.").arg(limit)
               : tr("In today's Steam game Quarvel keeps it at most %1.").arg(limit);
}

void MainWindow::captionClicked(EditorId id) {
    describedKey_ = std::string(editor(id).key);
    showDescription();
}

void MainWindow::describeFocusedTweak() {
    for (QWidget* widget = focusWidget(); widget != nullptr; widget = widget->parentWidget()) {
        const QVariant id = widget->property(TweakWidgets::tweakProperty);
        if (id.isValid()) {
            captionClicked(id.toInt());
            return;
        }
    }
}

void MainWindow::showDescription() {
    if (const auto text = descriptionText(describedKey_, engine_.gameVersion())) {
        QString shown = *text;
        for (const RateRule& rule : rateRules) {
            if (editor(rule.field).key == describedKey_) {
                shown += QStringLiteral("\r\n\r\n") + limitSentence(rule);
            }
        }
        description_->setText(shown);
    }
}

void MainWindow::loadSettings() {
    // The game's own folder, where its configs are, until the player has chosen another.
    if (loadFolder_.isEmpty()) {
        loadFolder_ =
            games_ && !games_->empty() ? fromPath(games_->front().directory) : QDir::homePath();
    }
    const QString file = dialogs_.openFileName(this, tr("Config File (*.cfg)"), loadFolder_);
    if (file.isEmpty()) {
        return;
    }
    loadFolder_ = QFileInfo(file).absolutePath();
    // A file that cannot be read, or is no regular file, changes nothing and says why.
    const Expected<LoadReport> loaded = loadConfig(engine_, toPath(file));
    if (!loaded) {
        dialogs_.warn(this, tr("Load failed"), failureText(loaded.failure()));
        return;
    }
    const QString name = QFileInfo(file).fileName();
    const int count = static_cast<int>(loaded->applied);
    QString text = count == 1 ? tr("Loaded 1 setting from %1").arg(name)
                              : tr("Loaded %n settings from %1", nullptr, count).arg(name);
    if (const QString changes = loadChanges(*loaded); !changes.isEmpty()) {
        text += QStringLiteral("; ") + changes + QLatin1Char('.');
    }
    tell(text);
}

QString MainWindow::loadChanges(const LoadReport& report) const {
    QStringList lowered;
    for (const LoweredSetting& setting : report.lowered) {
        lowered << tr("%1 %2 lowered to %3")
                       .arg(qs(setting.cvar), fromEngine(setting.value), qs(setting.limit));
    }
    QString changes = lowered.join(QStringLiteral(", "));
    if (report.skipped.empty()) {
        return changes;
    }
    const int count = static_cast<int>(report.skipped.size());
    const bool classic = engine_.gameVersion() == GameVersion::Classic;
    const QString other = translated(
        "GameVersion", nameOf(classic ? GameVersion::Steam : GameVersion::Classic).caption);
    QString skipped;
    if (classic) {
        skipped =
            count == 1
                ? tr("1 setting of today's game skipped: choose %1 to keep it").arg(other)
                : tr("%n settings of today's game skipped: choose %1 to keep them", nullptr, count)
                      .arg(other);
    } else {
        skipped = count == 1
                      ? tr("1 setting of the classic game skipped: choose %1 to keep it").arg(other)
                      : tr("%n settings of the classic game skipped: choose %1 to keep "
                           "them",
                           nullptr, count)
                            .arg(other);
    }
    return changes.isEmpty() ? skipped : tr("%1 and %2").arg(changes, skipped);
}

void MainWindow::tell(const QString& text) {
    statusBar()->showMessage(text);
}

void MainWindow::openUrl(std::string_view address) {
    dialogs_.openUrl(QUrl(qs(address)));
}

// The secondary windows are top-level, so that closing the main window leaves them open.
void MainWindow::openInstall() {
    if (!install_) {
        // The games the search at start found; while it runs, the window looks for them itself.
        InstallWindow::GameFinder finder =
            games_ ? InstallWindow::GameFinder([found = *games_] { return found; })
                   : InstallWindow::GameFinder(
                         [] { return games::detectGames(games::defaultDetectOptions()).games; });
        install_ =
            new InstallWindow(buildScript(engine_.tweakLines(), engine_.gameVersion()),
                              engine_.gameVersion(), dialogs_, std::move(finder), lastFolder_);
        install_->offerTodaysGame([this] {
            engine_.setGameVersion(GameVersion::Steam);
            tell(tr("Game version set to %1").arg(versionList_->currentText()));
            return buildScript(engine_.tweakLines(), engine_.gameVersion());
        });
    }
    bringToFront(install_);
}
void MainWindow::openAbout() {
    showOnce(about_, dialogs_);
}
void MainWindow::openModels() {
    showOnce(models_, dialogs_, counterStrike());
}
void MainWindow::openWeapons() {
    showOnce(weapons_, dialogs_, counterStrike());
}

std::optional<std::filesystem::path> MainWindow::counterStrike() const {
    const games::DetectedGame* game = games_ ? games::firstGameForMod(*games_, "cstrike") : nullptr;
    return game ? std::optional(game->directory) : std::nullopt;
}

QWidget* MainWindow::buildDescriptionPanel(QWidget* parent) {
    auto* frame = new QGroupBox(tr("Description"), parent);
    frame->setObjectName(QStringLiteral("frameDes"));
    auto* inside = new QVBoxLayout(frame);
    description_ = plainLabel(QString(), frame, true);
    description_->setObjectName(QStringLiteral("lblDes"));
    description_->setFont(roleFont(FontRole::Text));
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A fixed height, so that the window keeps its size whatever the text; a text longer than
    // that, in a narrow window or a wordy language, scrolls.
    auto* scroller = new QScrollArea(frame);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setBackgroundRole(QPalette::Window);
    scroller->setFixedHeight(7 * description_->fontMetrics().lineSpacing());
    scroller->setWidget(description_);
    inside->addWidget(scroller);
    return frame;
}

// The game the settings are made for: the caption beside the list.
QWidget* MainWindow::buildVersionRow(QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = bareLayout(new QHBoxLayout(row), 6);
    QLabel* caption = plainLabel(tr("&Game version:"), row);
    caption->setObjectName(QStringLiteral("lblLimits"));
    versionList_ = new QComboBox(row);
    versionList_->setObjectName(QStringLiteral("cmbLimits"));
    for (const GameVersionName& name : gameVersionNames) {
        versionList_->addItem(translated("GameVersion", name.caption));
    }
    const auto cap = [](EditorId field, GameVersion version) {
        return qs(rateRuleOf(field)->limit(version).text);
    };
    versionList_->setToolTip(
        tr("The game the settings are made for. The classic game takes rate up to %1 and "
           "cl_updaterate up to %2. Today's Steam game takes rate up to %3 and cl_updaterate "
           "up to %4, starts at its own rates, knows the settings of the Today's Game tab and no "
           "longer knows gl_ztrick.")
            .arg(cap(editorId("txtRate"), GameVersion::Classic),
                 cap(editorId("txtURate"), GameVersion::Classic),
                 cap(editorId("txtRate"), GameVersion::Steam),
                 cap(editorId("txtURate"), GameVersion::Steam)));
    caption->setBuddy(versionList_);
    connect(versionList_, &QComboBox::activated, this, [this](int index) {
        engine_.setGameVersion(gameVersionNames.at(static_cast<std::size_t>(index)).version);
        tell(tr("Game version set to %1").arg(versionList_->itemText(index)));
    });
    layout->addWidget(caption);
    layout->addWidget(versionList_);
    layout->addStretch(1);
    return row;
}

InstallWindow* MainWindow::installWindow() const {
    return install_;
}

} // namespace quarvel::ui
