#include "ui/QVLMain.h"

#include "config/loader.h"
#include "config/script.h"
#include "core/product.h"
#include "ui/QVLAbout.h"
#include "ui/QVLInstall.h"
#include "ui/QVLModels.h"
#include "ui/QVLWeapons.h"
#include "ui/descriptions.h"
#include "ui/main_key_filter.h"
#include "ui/main_option_pair.h"
#include "ui/main_widgets.h"
#include "ui/page_scroller.h"
#include "ui/style.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <filesystem>

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

void showText(QLineEdit* field, const QString& text) {
    if (field->text() == text) {
        return;
    }
    const QSignalBlocker block(field);
    // A limit may change the text under the user's fingers: keep the cursor where it was.
    const bool editing = field->hasFocus();
    const int cursor = field->cursorPosition();
    field->setText(text);
    if (editing) {
        field->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
    }
}

QAction* addItem(QWidget* menu, std::string_view name, const QString& text, QObject* owner) {
    auto* action = new QAction(text, owner);
    action->setObjectName(qs(name));
    menu->addAction(action);
    return action;
}

} // namespace

QVLMain::QVLMain(UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs),
      editors_(static_cast<std::size_t>(editorCount), nullptr),
      defaultButtons_(static_cast<std::size_t>(editorCount), nullptr),
      keyFilter_(new FieldKeyFilter(this)), lastFolder_(std::make_shared<LastFolder>()) {
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
    for (const QString& title :
         {tr("FPS Tweaks"), tr("Ping Tweaks"), tr("CS 1.6 Models"), tr("Today's Game")}) {
        tabs_->addTab(new PageScroller(tabs_), title);
    }
    // Only the page that is shown is built at start; the others when they are first shown.
    showPage(0);
    connect(tabs_, &QTabWidget::currentChanged, this, &QVLMain::showPage);
    column->addWidget(tabs_, 1);
    column->addWidget(buildDescriptionPanel(central));
    buildMenus();
    statusBar()->setObjectName(QStringLiteral("sbrStatus"));
    statusBar()->setFont(roleFont(FontRole::Text));
    // The keyboard's way to a description: F1 on a tweak's editor or DEFAULT button does what a
    // click on its caption does.
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &QVLMain::describeFocusedTweak);

    // The engine has started up already; from now on every state it sets shows at once.
    refreshAll();
    engine_.observe({.editorChanged = [this](EditorId id) { refresh(id); },
                     .slotWritten = {},
                     .versionChanged = [this] { refreshVersion(); }});
}

void QVLMain::showPage(int index) {
    auto* scroller = static_cast<PageScroller*>(tabs_->widget(index));
    if (scroller->widget() != nullptr) {
        return;
    }
    // Not a table of member pointers: GCC's bounds check misreads an index into one.
    scroller->setWidget(index == 0   ? buildFpsPage()
                        : index == 1 ? buildPingPage()
                        : index == 2 ? buildModelsPage()
                                     : buildTodayPage());
    refreshAll();
}

void QVLMain::showEvent(QShowEvent* event) {
    // Opens at the size the pages ask for, but never larger than the screen; they scroll.
    if (!sized_) {
        sized_ = true;
        fitToScreen(this, sizeHint());
    }
    QMainWindow::showEvent(event);
}

QVLMain::~QVLMain() {
    // The widgets outlive the engine by a moment: they must not be refreshed from it.
    engine_.observe({});
}

void QVLMain::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(addItem(file, "mnuLoad", tr("&Load *.cfg Settings"), this), &QAction::triggered, this,
            &QVLMain::loadSettings);
    connect(addItem(file, "mnuUpdate", tr("&Update Quarvel"), this), &QAction::triggered, this,
            [this] { openUrl(product::downloadPage); });
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
            this, &QVLMain::openInstall);
    connect(addItem(menuBar(), "mnuAbout", tr("&About"), this), &QAction::triggered, this,
            &QVLMain::openAbout);
}

void QVLMain::refresh(EditorId id) {
    QWidget* widget = editors_.at(static_cast<std::size_t>(id));
    if (!widget) {
        return;
    }
    switch (editor(id).kind) {
    case EditorKind::OptionPair:
        static_cast<OptionPair*>(widget)->showSelected(engine_.selected(id));
        break;
    case EditorKind::List: {
        auto* list = static_cast<QComboBox*>(widget);
        const QSignalBlocker block(list);
        list->setCurrentIndex(engine_.selected(id));
        break;
    }
    case EditorKind::Field:
        showText(static_cast<QLineEdit*>(widget), fromEngine(engine_.text(id)));
        break;
    case EditorKind::Label:
        // The unit labels, whose words are the catalogue's.
        static_cast<QLabel*>(widget)->setText(catalogueText(engine_.text(id)));
        break;
    }
}

void QVLMain::refreshAll() {
    for (EditorId id = 0; id < editorCount; ++id) {
        refresh(id);
    }
    refreshVersion();
}

void QVLMain::refreshVersion() {
    const GameVersion version = engine_.gameVersion();
    if (cmbLimits_) {
        const QSignalBlocker block(cmbLimits_);
        cmbLimits_->setCurrentIndex(static_cast<int>(version));
    }
    for (EditorId id = 0; id < slotCount; ++id) {
        for (QWidget* widget : {editors_[static_cast<std::size_t>(id)],
                                defaultButtons_[static_cast<std::size_t>(id)]}) {
            if (widget) {
                widget->setEnabled(engine_.offers(id));
            }
        }
    }
    if (QWidget* ztrick = editors_[static_cast<std::size_t>(editorId("optZTrick"))]) {
        ztrick->setToolTip(engine_.offers(editorId("optZTrick"))
                               ? QString()
                               : tr("Today's game no longer knows gl_ztrick, so Quarvel does not "
                                    "write it."));
    }
    if (todayNote_) {
        todayNote_->setVisible(version == GameVersion::Classic);
    }
    for (const RateRule& rule : rateRules) {
        if (QWidget* field = editors_.at(static_cast<std::size_t>(rule.field))) {
            field->setToolTip(limitSentence(rule));
        }
    }
    if (!DescriptionKey.empty()) {
        ShowDescription(); // what the game does with a tweak depends on its version
    }
}

QString QVLMain::limitSentence(const RateRule& rule) const {
    const QString limit = qs(engine_.limitOf(rule).text);
    return engine_.gameVersion() == GameVersion::Classic
               ? tr("In the classic game Quarvel keeps it at most %1.").arg(limit)
               : tr("In today's Steam game Quarvel keeps it at most %1.").arg(limit);
}

void QVLMain::captionClicked(EditorId id) {
    DescriptionKey = std::string(editor(id).key);
    ShowDescription();
}

void QVLMain::describeFocusedTweak() {
    for (QWidget* widget = focusWidget(); widget != nullptr; widget = widget->parentWidget()) {
        const QVariant id = widget->property(tweakProperty);
        if (id.isValid()) {
            captionClicked(id.toInt());
            return;
        }
    }
}

void QVLMain::ShowDescription() {
    if (const auto text = descriptionText(DescriptionKey, engine_.gameVersion())) {
        QString shown = *text;
        for (const RateRule& rule : rateRules) {
            if (editor(rule.field).key == DescriptionKey) {
                shown += QStringLiteral("\r\n\r\n") + limitSentence(rule);
            }
        }
        lblDes_->setText(shown);
    }
}

void QVLMain::loadSettings() {
    const QString file = dialogs_.openFileName(this, tr("Config File (*.cfg)"));
    if (file.isEmpty()) {
        return;
    }
    // A file that cannot be read, or is no regular file, changes nothing and says why.
    const Expected<std::size_t> loaded = loadConfig(engine_, toPath(file));
    if (!loaded) {
        dialogs_.warn(this, tr("Load failed"), failureText(loaded.failure()));
        return;
    }
    const QString name = QFileInfo(file).fileName();
    const int count = static_cast<int>(*loaded);
    tell(count == 1 ? tr("Loaded 1 setting from %1").arg(name)
                    : tr("Loaded %n settings from %1", nullptr, count).arg(name));
}

void QVLMain::tell(const QString& text) {
    statusBar()->showMessage(text);
}

void QVLMain::openUrl(std::string_view address) {
    dialogs_.openUrl(QUrl(qs(address)));
}

// The secondary windows are top-level, so that closing the main window leaves them open.
void QVLMain::openInstall() {
    if (!install_) {
        // The games are looked for when the window opens, as the script is built then.
        install_ = new QVLInstall(
            buildScript(engine_.tweakLines(), engine_.gameVersion()), engine_.gameVersion(),
            dialogs_, [] { return games::detectGames(games::defaultDetectOptions()).games; },
            lastFolder_);
    }
    bringToFront(install_);
}
void QVLMain::openAbout() {
    showOnce(about_, dialogs_);
}
void QVLMain::openModels() {
    showOnce(models_, dialogs_);
}
void QVLMain::openWeapons() {
    showOnce(weapons_, dialogs_);
}

QVLInstall* QVLMain::installWindow() const {
    return install_;
}
QVLAbout* QVLMain::aboutWindow() const {
    return about_;
}
QVLModels* QVLMain::modelsWindow() const {
    return models_;
}
QVLWeapons* QVLMain::weaponsWindow() const {
    return weapons_;
}

} // namespace quarvel::ui
