// The main window, driven as a player would: clicks, keys and menu commands. The settings
// themselves are the engine's and are tested with it, and the soak test keeps every widget in
// step with its editor; here the window must hand the engine what the player does, and only that.

#include "core/product.h"
#include "fake_dialogs.h"
#include "ui/QVLAbout.h"
#include "ui/QVLMain.h"
#include "ui/QVLModels.h"
#include "ui/descriptions.h"
#include "ui/main_layout.h"
#include "window_support.h"

#include <memory>

using quarvel::ui::QVLMain;

using namespace window_support;

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeDialogs> dialogs_;
    QPointer<QVLMain> window_;

    template <typename T> T& child(const QString& name) {
        return window_support::child<T>(*window_, name);
    }
    std::string slot(const char* editor) {
        return window_->engine().slot(quarvel::findEditor(editor));
    }
    bool checked(const QString& button) { return child<QRadioButton>(button).isChecked(); }
    QString description() { return child<QLabel>("lblDes").text(); }
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

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init() {
        dialogs_ = std::make_unique<FakeDialogs>();
        window_ = new QVLMain(*dialogs_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        showEveryPage(*window_);
    }

    void cleanup() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            widget->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete window_;
    }

    void typedPastedAndDroppedTextKeepsOnlyWhatTheKeyRuleAllows() {
        auto& corpses = focus<QLineEdit>("txtCorpsestay");
        QTest::keyClicks(&corpses, QStringLiteral("."));
        QCOMPARE(corpses.text(), QStringLiteral("10"));
        QTest::keyClicks(&focus("txtHPKMax"), QStringLiteral(".5"));
        QCOMPARE(slot("txtHPKMax"), "hpk_maxsize 4.5");

        // Ctrl+V as the desktop delivers it, with its control character: no paste.
        QApplication::clipboard()->setText(QStringLiteral("7"));
        QKeyEvent ctrlV(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
        QApplication::sendEvent(&corpses, &ctrlV);
        QCOMPARE(corpses.text(), QStringLiteral("10"));

        // However it arrives, a pasted text keeps only what could have been typed: no command
        // can ride into the script on a paste.
        QApplication::clipboard()->setText(QStringLiteral("12;quit\t3x"));
        auto& decals = focus<QLineEdit>("txtDecals");
        decals.selectAll();
        QTest::keyClick(&decals, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(decals.text(), QStringLiteral("123"));

        decals.selectAll();
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                    decals.mapToGlobal(QPoint(2, 2)));
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

    void everyCaptionNamesItsEditorAndDescribesItsOwnTweak() {
        for (const auto& place : quarvel::ui::tweakPlaces) {
            const auto& def = quarvel::editor(place.editor);
            click(qs(place.label));
            const auto expected = quarvel::ui::descriptionText(def.key);
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
        // F1 on a pair, a DEFAULT button or a list shows what a click on its caption shows.
        const std::pair<const char*, const char*> helped[] = {
            {"optClear_0", "Label2"}, {"cmdCull", "Label3"}, {"cmbTextureq", "Label19"}};
        for (const auto& [focused, caption] : helped) {
            click(caption);
            const QString shown = description();
            click("Label1");
            QTest::keyClick(&focus(focused), Qt::Key_F1);
            QCOMPARE(description(), shown);
        }
    }

    void theRateDescriptionsFollowTheChosenLimits() {
        auto& limits = focus<QComboBox>("cmbLimits");
        QCOMPARE(child<QLabel>("lblLimits").buddy(), &limits);
        QTest::keyClick(&limits, Qt::Key_Down);
        QCOMPARE(window_->engine().rateLimits(), quarvel::RateLimits::Steam);
        click("Label55");
        QVERIFY(description().endsWith(
            QStringLiteral("\r\n\r\nWith Steam limits Quarvel keeps it at most 100000.")));
        QTest::keyClick(&limits, Qt::Key_Up);
        const QString rate = description();
        QVERIFY(
            rate.endsWith(QStringLiteral("With Classic limits Quarvel keeps it at most 20000.")));
        QCOMPARE(child<QLineEdit>("txtURate").toolTip(),
                 QStringLiteral("With Classic limits Quarvel keeps it at most 45."));

        // The speed test's link, taken with the keyboard, opens its page; the panel keeps its text.
        QTest::keyClick(&focus("Label63"), Qt::Key_Tab); // to the link within the label
        QTest::keyClick(&child<QLabel>("Label63"), Qt::Key_Return);
        QCOMPARE(description(), rate);
        trigger("mnuUpdate");
        QCOMPARE(dialogs_->openedUrls, (std::vector{QUrl(qs(quarvel::product::speedTestPage)),
                                                    QUrl(qs(quarvel::product::downloadPage))}));
    }

    void aPairIsOneTabStopAndItsButtonsTheArrowsAndDefaultSetIt() {
        focus("cmdHimodels");
        QStringList stops;
        for (int key = 0; key < 6; ++key) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            stops << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(stops, (QStringList{QStringLiteral("optHimodels_0"), QStringLiteral("cmdClear"),
                                     QStringLiteral("optClear_0"), QStringLiteral("cmdCull"),
                                     QStringLiteral("optCull_1"), QStringLiteral("cmdDither")}));
        QTest::keyClick(&focus("optClear_0"), Qt::Key_Left);
        QVERIFY(checked("optClear_1"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optClear_1"));
        QCOMPARE(slot("optClear"), "gl_clear 1");

        click("optClPred_0");
        QCOMPARE(slot("optClPred"), "cl_nopred 1");
        click("cmdClPred");
        QVERIFY(checked("optClPred_1"));
        QCOMPARE(slot("optClPred"), "cl_nopred 0");
    }

    void presetMenuItemsApplyTheirPresets() {
        for (const auto& item : quarvel::presetNames) {
            child<QAction>(qs(item.menuItem)).trigger();
            quarvel::Engine expected;
            expected.applyPreset(item.preset);
            QCOMPARE(window_->engine().tweakLines(), expected.tweakLines());
        }
    }

    void loadsAConfigFile() {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("autoexec.cfg")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("cl_rate 7000\r\ngl_picmip 2\r\n");
        file.close();
        dialogs_->fileToOpen = file.fileName();
        trigger("mnuLoad");
        QCOMPARE(dialogs_->lastFilter, QStringLiteral("Config File (*.cfg)"));
        QCOMPARE(child<QLineEdit>("txtClRate").text(), QStringLiteral("7000"));
        QCOMPARE(child<QComboBox>("cmbMapq").currentIndex(), 2);
        QCOMPARE(slot("txtClRate"), "cl_rate 7000");
    }

    void secondaryWindowsOpenOnceAndQuitClosesOnlyTheMain() {
        trigger("mnuAbout");
        trigger("mnuAbout");
        click("Image2");
        click("Image2");
        trigger("mnuQuit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window_.isNull());
        QCOMPARE(countWindows<quarvel::ui::QVLAbout>(), 1);
        QCOMPARE(countWindows<quarvel::ui::QVLModels>(), 1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
