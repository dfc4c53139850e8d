// The main window, driven as a player would: clicks, keys and menu commands. The settings
// themselves are the engine's and are tested with it; here the window must hand the engine what
// the player does, and only that, and every widget must show its editor's state.

#include "ui/main/main_window.h"

#include "core/product.h"
#include "fake_dialogs.h"
#include "ui/about/about_window.h"
#include "ui/host_system.h"
#include "ui/install/install_window.h"
#include "ui/main/descriptions.h"
#include "ui/main/tweak_places.h"
#include "ui/text.h"
#include "ui/wizards/pack_wizard.h"
#include "window_support.h"

#include <memory>

using quarvel::ui::MainWindow;

using namespace window_support;

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeDialogs> dialogs_;
    QPointer<MainWindow> window_;

    template <typename T> T& child(const QString& name) {
        return window_support::child<T>(*window_, name);
    }
    std::string slot(const char* editor) {
        return window_->engine().slot(quarvel::findEditor(editor));
    }
    bool checked(const QString& button) { return child<QRadioButton>(button).isChecked(); }
    QString description() { return child<QLabel>("lblDes").text(); }
    QString status() { return child<QStatusBar>("sbrStatus").currentMessage(); }
    // Every editor's state, one CONTROL=VALUE a line.
    QString states() {
        QString text;
        for (quarvel::EditorId id = 0; id < quarvel::editorCount; ++id) {
            text += qs(quarvel::editor(id).name) + QLatin1Char('=') +
                    QString::fromStdString(window_->engine().stateText(id)) + QLatin1Char('\n');
        }
        return text;
    }
    void trigger(const char* action) { child<QAction>(action).trigger(); }
    // Brings up the tab that holds the control, as a player must, and clicks it.
    void click(const QString& name) {
        auto& control = child<QWidget>(name);
        bringUp(&control);
        QTest::mouseClick(&control, Qt::LeftButton);
    }
    template <typename T = QWidget> T& focus(const QString& name) {
        auto& control = child<T>(name);
        bringUp(&control);
        control.setFocus();
        return control;
    }
    // What the widgets of an editor show, in the form of Engine::stateText.
    QString shownState(const quarvel::EditorDef& def) {
        const QString name = qs(def.name);
        if (def.kind == quarvel::EditorKind::OptionPair) {
            return checked(name + "_1") ? "1" : checked(name + "_0") ? "0" : "neither";
        }
        const auto& widget = child<QWidget>(name);
        const QVariant index = widget.property("currentIndex"); // a list's
        return index.isValid() ? QString::number(index.toInt())
                               : widget.property("text").toString();
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init() {
        dialogs_ = std::make_unique<FakeDialogs>();
        window_ = new MainWindow(*dialogs_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        showEveryPage(*window_);
    }

    // After whatever a test did, every widget shows the state of its editor, or none while the
    // game version does not offer it.
    void cleanup() {
        for (quarvel::EditorId id = 0; window_ && id < quarvel::editorCount; ++id) {
            const quarvel::EditorDef& def = quarvel::editor(id);
            const QString name = qs(def.name) + QLatin1Char(' ');
            const QString none = def.kind == quarvel::EditorKind::OptionPair ? "neither"
                                 : def.kind == quarvel::EditorKind::List     ? "-1"
                                                                             : "";
            QCOMPARE(name + shownState(def),
                     name + (window_->engine().offers(id)
                                 ? QString::fromStdString(window_->engine().stateText(id))
                                 : none));
        }
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            widget->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete window_;
    }

    void typedPastedAndDroppedTextKeepsOnlyWhatTheKeyRuleAllows() {
        auto& corpses = focus<QLineEdit>("txtCorpsestay");
        QTest::keyClicks(&corpses, QStringLiteral("."));
        QTest::keyClicks(&focus("txtHPKMax"), QStringLiteral(".5"));
        QCOMPARE(slot("txtHPKMax"), "hpk_maxsize 4.5");
        // Ctrl+V as the desktop delivers it, with its control character: a paste, filtered.
        QApplication::clipboard()->setText(QStringLiteral("7.x"));
        QKeyEvent ctrlV(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
        QApplication::sendEvent(&corpses, &ctrlV);
        QCOMPARE(slot("txtCorpsestay"), "cl_corpsestay 107");

        // Shift+Insert, the context menu's Paste and a drop keep only what could have been typed:
        // no command can ride into the script on a paste.
        QApplication::clipboard()->setText(QStringLiteral("12;quit\t3x"));
        auto& decals = focus<QLineEdit>("txtDecals");
        decals.selectAll();
        QTest::keyClick(&decals, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(decals.text(), QStringLiteral("123"));
        decals.selectAll();
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, {}, decals.mapToGlobal(QPoint()));
        QApplication::sendEvent(&decals, &menuEvent);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions()) {
            if (action->text().contains(QStringLiteral("Paste"))) {
                action->trigger();
            }
        }
        menu->close();
        QCOMPARE(decals.text(), QStringLiteral("123"));

        QMimeData dropped;
        dropped.setText(QStringLiteral("4;echo 5"));
        decals.deselect();
        const QPoint start(1, decals.height() / 2);
        QDragEnterEvent enter(start, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&decals, &enter);
        QDropEvent drop(start, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&decals, &drop);
        QCOMPARE(slot("txtDecals"), "mp_decals 45123");
    }

    void theEditingKeysWorkInTheFieldsAndEachEditReachesTheEngine_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted"); // what a paste of "4;.5x" leaves after "12"
        QTest::newRow("speed") << "txtDSpeed"
                               << "1245";
        QTest::newRow("rate") << "txtRate"
                              << "1245";
        QTest::newRow("size with a point") << "txtHPKMax"
                                           << "124.5";
    }
    void theEditingKeysWorkInTheFieldsAndEachEditReachesTheEngine() {
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        auto& edit = focus<QLineEdit>(field);
        const QString before = edit.text();
        const auto engineText = [&] {
            return QString::fromStdString(
                window_->engine().stateText(quarvel::findEditor(field.toStdString())));
        };
        // Select all, then typing replaces the text rather than adding to it.
        window_support::pressKeys(edit, {QKeySequence::SelectAll});
        QTest::keyClicks(&edit, QStringLiteral("1234"));
        QCOMPARE(engineText(), QStringLiteral("1234"));
        window_support::pressKeys(edit, {QKeySequence::Undo});
        QCOMPARE(engineText(), before);
        window_support::pressKeys(edit, {QKeySequence::Redo});
        QCOMPARE(engineText(), QStringLiteral("1234"));
        // Home, Shift+Right twice and Cut; End and Paste. Copy leaves the text as it is.
        QTest::keyClick(&edit, Qt::Key_Home);
        QTest::keyClick(&edit, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(&edit, Qt::Key_Right, Qt::ShiftModifier);
        window_support::pressKeys(edit, {QKeySequence::Copy});
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12"));
        window_support::pressKeys(edit, {QKeySequence::Cut});
        QCOMPARE(engineText(), QStringLiteral("34"));
        window_support::pressKeys(edit, {QKeySequence::Undo, QKeySequence::SelectAll});
        QTest::keyClicks(&edit, QStringLiteral("12x;"));
        QApplication::clipboard()->setText(QStringLiteral("4;.5x"));
        window_support::pressKeys(edit, {QKeySequence::Paste});
        QCOMPARE(edit.text(), pasted);
        QCOMPARE(engineText(), pasted);
        window_support::pressKeys(edit, {QKeySequence::Undo}); // the typing and the paste
        QCOMPARE(engineText(), QStringLiteral("1234"));
    }

    void everyCaptionNamesItsEditorAndDescribesItsOwnTweak() {
        for (const auto& place : quarvel::ui::tweakPlaces) {
            const auto& def = quarvel::editor(place.editor);
            click(qs(place.label));
            const auto expected =
                quarvel::ui::descriptionText(def.key, quarvel::GameVersion::Classic);
            QVERIFY2(expected && description().startsWith(*expected), place.label.data());
            QVERIFY2(description().contains(QStringLiteral("Command: ") + qs(def.cvar)),
                     place.label.data());
            // A screen reader names the editor, or the pair of buttons, by its caption.
            const QWidget* buddy = child<QLabel>(qs(place.label)).buddy();
            QVERIFY2(buddy && (buddy->objectName() == qs(def.name) ||
                               buddy->isAncestorOf(window_->findChild<QWidget*>(
                                   qs(def.name) + QStringLiteral("_1")))),
                     place.label.data());
        }
    }

    void theGameVersionDecidesWhatTheTabsOfferAndWhatTheyDescribe() {
        auto& version = focus<QComboBox>("cmbLimits");
        QCOMPARE(child<QLabel>("lblLimits").buddy(), &version);
        const auto offered = [&](const char* name) { return child<QWidget>(name).isEnabled(); };
        QVERIFY(!offered("optVsync_1") && !offered("txtFpsMax") && !offered("cmdFpsMax"));
        QVERIFY(offered("optZTrick_1") && !child<QLabel>("lblTodayNote").isHidden());

        QTest::keyClick(&version, Qt::Key_Down);
        QCOMPARE(window_->engine().gameVersion(), quarvel::GameVersion::Steam);
        QCOMPARE(status(), QStringLiteral("Game version set to Today's Steam game"));
        QCOMPARE(child<QLineEdit>("txtRate").text(), QStringLiteral("30000"));
        QVERIFY(offered("optVsync_1") && offered("txtFpsMax") && offered("cmdFpsMax"));
        QVERIFY(!offered("optZTrick_1") && !offered("cmdZTrick"));
        QVERIFY(child<QLabel>("lblTodayNote").isHidden());
        click("Label55");
        QVERIFY(description().endsWith(
            QStringLiteral("\r\n\r\nIn today's Steam game Quarvel keeps it at most 100000.")));
        click("Label18");
        QVERIFY(description().endsWith(QStringLiteral("so Quarvel does not write it.")));

        // The settings of today's game through a preset, a DEFAULT button and a loaded config.
        trigger("mnuPreDHFPS");
        QCOMPARE(child<QLineEdit>("txtFpsMax").text(), QStringLiteral("200"));
        QVERIFY(checked("optFpsOverride_1"));
        click("cmdFpsMax");
        QCOMPARE(slot("txtFpsMax"), "fps_max 100");
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("userconfig.cfg")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("fps_max 144\r\ngl_vsync 1\r\ngl_ztrick 0\r\n");
        file.close();
        dialogs_->fileToOpen = file.fileName();
        trigger("mnuLoad");
        QCOMPARE(slot("txtFpsMax"), "fps_max 144");
        // gl_ztrick, unknown to the game, is not read, and shows no state while nothing writes it.
        QVERIFY(checked("optVsync_1") && !checked("optZTrick_1") && !checked("optZTrick_0"));

        QTest::keyClick(&version, Qt::Key_Up);
        QVERIFY(checked("optZTrick_1") && !checked("optVsync_1") && !checked("optVsync_0"));
        QVERIFY(description().endsWith(QStringLiteral("Newer video cards should turn this off.")));
        QCOMPARE(child<QLineEdit>("txtURate").toolTip(),
                 QStringLiteral("In the classic game Quarvel keeps it at most 45."));
        file.open(QIODevice::WriteOnly);
        file.write("fps_max 300\r\n");
        file.close();
        trigger("mnuLoad"); // the classic game knows no such setting of Quarvel's
        QCOMPARE(slot("txtFpsMax"), "fps_max 144");
    }

    void aPairIsOneTabStopAndItsButtonsTheArrowsAndDefaultSetIt() {
        focus("cmdHimodels");
        QStringList stops;
        for (int key = 0; key < 6; ++key) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            stops << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(stops.join(' '), "optHimodels_0 cmdClear optClear_0 cmdCull optCull_1 cmdDither");
        QTest::keyClick(&focus("optClear_0"), Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optClear_1"));
        QCOMPARE(slot("optClear"), "gl_clear 1");

        click("optClPred_0");
        QCOMPARE(slot("optClPred"), "cl_nopred 1");
        click("cmdClPred");
        QCOMPARE(slot("optClPred"), "cl_nopred 0");
    }

    void presetMenuItemsApplyTheirPresetsAndSaySo() {
        for (const auto& item : quarvel::presetNames) {
            child<QAction>(qs(item.menuItem)).trigger();
            quarvel::Engine expected;
            expected.applyPreset(item.preset);
            QCOMPARE(window_->engine().tweakLines(), expected.tweakLines());
            QCOMPARE(status(), qs(item.caption) + QStringLiteral(" preset applied"));
        }
        QCOMPARE(status(), QStringLiteral("Die Hard FPS preset applied"));
    }

    void aLoadThatFailsSaysWhyAndChangesNoEditor_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing.cfg"
                                 << "No such file or directory";
        QTest::newRow("a folder") << "folder.cfg"
                                  << "it is not a regular file";
    }
    void aLoadThatFailsSaysWhyAndChangesNoEditor() {
        QFETCH(QString, name);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.cfg")));
        trigger("mnuPreDHFPS");
        click("cmdClPred");
        const QString before = states();
        dialogs_->fileToOpen = folder.filePath(name);
        trigger("mnuLoad");
        QCOMPARE(dialogs_->shown, QStringList(QStringLiteral("warning: Could not read \"%1\": %2.")
                                                  .arg(folder.filePath(name), reason)));
        QCOMPARE(states(), before);
        QCOMPARE(status(), QStringLiteral("Client Side Prediction set to its default"));
    }

    void aGameInASteamLibraryFoundAtStartIsTodaysGameUntilThePlayerChangesSomething_data() {
        QTest::addColumn<QString>("library");
        QTest::addColumn<bool>("changedFirst");
        QTest::addColumn<bool>("steam");
        QTest::newRow("Steam") << "Steam/steamapps/common/Half-Life" << false << true;
        QTest::newRow("Steam, after a change")
            << "Steam/steamapps/common/Half-Life" << true << false;
        QTest::newRow("without Steam") << "Games/Half-Life" << false << false;
    }
    void aGameInASteamLibraryFoundAtStartIsTodaysGameUntilThePlayerChangesSomething() {
        QFETCH(QString, library);
        QFETCH(bool, changedFirst);
        QFETCH(bool, steam);
        // The first editor has the focus at start.
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optHimodels_0"));
        delete window_;
        QTemporaryDir home;
        const QString cstrike = home.filePath(library + QStringLiteral("/cstrike"));
        window_ = new MainWindow(*dialogs_);
        if (changedFirst) {
            window_->engine().applyPreset(quarvel::Preset::HighFps);
        }
        window_->findGamesAfterFirstFrame([cstrike] {
            return std::vector<quarvel::games::DetectedGame>{
                {"Counter-Strike", quarvel::ui::toPath(cstrike), "cstrike"}};
        });
        QSignalSpy found(window_.data(), &MainWindow::gamesFound);
        window_->show();
        QVERIFY(found.wait(2000));
        QCOMPARE(window_->engine().gameVersion() == quarvel::GameVersion::Steam, steam);
        QCOMPARE(status(), steam ? QStringLiteral("Today's Steam game: Counter-Strike was found in "
                                                  "your Steam library")
                                 : QString());
        // The file dialog and the wizards open at the game's folder.
        trigger("mnuLoad");
        QCOMPARE(dialogs_->lastFolder, cstrike);
        showEveryPage(*window_);
        click("Image2");
        QPointer<QDialog> wizard;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QStringLiteral("QVLModels")) {
                wizard = qobject_cast<QDialog*>(top);
            }
        }
        QVERIFY(wizard);
        QCOMPARE(window_support::child<QLabel>(*wizard, QStringLiteral("lblGameFolder")).text(),
                 QDir::toNativeSeparators(cstrike));
        window_support::child<QPushButton>(*wizard, QStringLiteral("cmdOpenFolder")).click();
        QCOMPARE(dialogs_->openedUrls.back(), QUrl::fromLocalFile(cstrike));
        wizard->close();
    }

    void updateWithoutABrowserShowsTheAddress() {
        dialogs_->browser = false;
        trigger("mnuUpdate");
        QCOMPARE(dialogs_->openedUrls.back().toString(), qs(quarvel::product::downloadPage));
        QCOMPARE(dialogs_->shown.back(), "information: No web browser could be started. Quarvel's "
                                         "download page is:\n" +
                                             qs(quarvel::product::downloadPage));
    }

    void theMenusLoadAConfigOpenWindowsOnceAndQuitClosesOnlyTheMain() {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("autoexec.cfg")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("cl_rate 7000\r\ngl_picmip 2\r\ncl_updaterate 101\r\nfps_max 144\r\n");
        file.close();
        dialogs_->fileToOpen = file.fileName();
        trigger("mnuLoad");
        QCOMPARE(status(), QStringLiteral("Loaded 3 settings from autoexec.cfg; cl_updaterate 101 "
                                          "lowered to 45 and 1 setting of today's game skipped: "
                                          "choose Today's Steam game to keep it."));
        QCOMPARE(dialogs_->lastFilter, QStringLiteral("Config File (*.cfg)"));
        QCOMPARE(dialogs_->lastFolder, QDir::homePath()); // no game was looked for
        trigger("mnuLoad");
        QCOMPARE(dialogs_->lastFolder, folder.path()); // the last folder, in this run
        QCOMPARE(child<QLineEdit>("txtClRate").text(), QStringLiteral("7000"));
        QCOMPARE(child<QComboBox>("cmbMapq").currentIndex(), 2);
        QCOMPARE(slot("txtClRate"), "cl_rate 7000");

        // The install window opens again where the player checked last.
        trigger("mnuInstall");
        window_->installWindow()->setDirectory(folder.path());
        QTest::mouseClick(
            &window_support::child<QPushButton>(*window_->installWindow(), "cmdCheck"),
            Qt::LeftButton);
        window_->installWindow()->close();
        QTRY_VERIFY(!window_->installWindow());
        trigger("mnuInstall");
        QCOMPARE(window_->installWindow()->directory(), folder.path());

        // Secondary windows open once; Quit closes only the main one.
        trigger("mnuAbout");
        trigger("mnuAbout");
        click("Image2");
        click("Image2");
        trigger("mnuQuit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window_.isNull());
        QStringList shown;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            shown << (window->isVisible() ? window->metaObject()->className() : "");
        }
        shown.sort();
        QCOMPARE(shown.filter(QStringLiteral("::")).join(' '),
                 "quarvel::ui::AboutWindow quarvel::ui::InstallWindow quarvel::ui::ModelsWizard");
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
