// The main window, driven as a player would: clicks, keys and menu commands. The settings
// themselves are the engine's and are tested with it; here the widgets must mirror the engine
// and hand it what the player does.

#include "core/product.h"
#include "fake_dialogs.h"
#include "ui/QVLAbout.h"
#include "ui/QVLMain.h"
#include "ui/QVLModels.h"
#include "ui/descriptions.h"
#include "ui/main_layout.h"
#include "window_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

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
    QString text(const char* field) { return child<QLineEdit>(field).text(); }
    std::string slot(int index) { return window_->engine().slot(index); }
    bool checked(const QString& button) { return child<QRadioButton>(button).isChecked(); }
    void trigger(const char* action) { child<QAction>(action).trigger(); }
    // Brings up the tab that holds the control, as a player must, and clicks it.
    void click(const char* name) {
        auto& control = child<QWidget>(name);
        bringUp(&control);
        QTest::mouseClick(&control, Qt::LeftButton);
    }
    // Types at the end of the field, or over its whole text.
    QLineEdit& typeInto(const char* name, const QString& typed, bool replace = false) {
        auto& field = child<QLineEdit>(name);
        field.setFocus();
        QTest::keyClick(&field, Qt::Key_End);
        if (replace) {
            QTest::keyClick(&field, Qt::Key_Home, Qt::ShiftModifier);
        }
        QTest::keyClicks(&field, typed);
        return field;
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

    void startsInTheDefaultState() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("[Quarvel] v3.2"));
        QCOMPARE(child<QTabWidget>("tabTweaks").currentIndex(), 0);
        QVERIFY(child<QLabel>("lblDes").text().isEmpty());
        QVERIFY(checked("optHimodels_0") && !checked("optHimodels_1"));
        QVERIFY(checked("optCull_1") && !checked("optCull_0"));
        QCOMPARE(child<QComboBox>("cmbTextureq").currentText(),
                 QStringLiteral("Trilinear Medium [default]"));
        QCOMPARE(text("txtCorpsestay"), QStringLiteral("10"));
        QCOMPARE(text("txtRate"), QStringLiteral("7500"));
        QCOMPARE(text("txtURate"), QStringLiteral("20"));
        QVERIFY(text("txtDSpeed").isEmpty());
        QCOMPARE(child<QLabel>("lblDSpeed").text(), QStringLiteral("KBits/s"));
    }

    void presetsChangeTheWidgetsAndTheStore() {
        trigger("mnuPreFPS");
        QCOMPARE(child<QComboBox>("cmbTextureS").currentIndex(), 3);
        QCOMPARE(slot(26), "gl_max_size 64");
        QVERIFY(checked("optDownIG_0"));
        QCOMPARE(slot(44), "cl_download_ingame 0");

        // A preset that moves most editors moves their widgets too.
        trigger("mnuPreHiQ");
        QVERIFY(checked("optHimodels_1") && checked("optDither_0"));
        QCOMPARE(child<QComboBox>("cmbTruform").currentIndex(), 1);
        QCOMPARE(text("txtHPKMax"), QStringLiteral("1"));
    }

    void typingFollowsTheKeyRules() {
        typeInto("txtURate", QStringLiteral("50"), true);
        QCOMPARE(text("txtURate"), QStringLiteral("45"));
        QCOMPARE(slot(48), "cl_updaterate 45");

        auto& corpses = typeInto("txtCorpsestay", QStringLiteral("."));
        QCOMPARE(corpses.text(), QStringLiteral("10"));
        typeInto("txtHPKMax", QStringLiteral(".5"));
        QCOMPARE(slot(35), "hpk_maxsize 4.5");

        // Ctrl+V as the desktop delivers it, with its control character: no paste.
        QApplication::clipboard()->setText(QStringLiteral("7"));
        QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
        QApplication::sendEvent(&corpses, &paste);
        QCOMPARE(corpses.text(), QStringLiteral("10"));
    }

    void pastingGoesThroughTheKeyRulesToo() {
        // However it arrives, a pasted text keeps only what could have been typed: no command
        // can ride into the script on a paste.
        QApplication::clipboard()->setText(QStringLiteral("12;quit\t3x"));
        auto& decals = child<QLineEdit>("txtDecals");
        decals.setFocus();
        decals.selectAll();
        QTest::keyClick(&decals, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(decals.text(), QStringLiteral("123"));
        QCOMPARE(slot(49), "mp_decals 123");

        decals.selectAll();
        QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, QPoint(2, 2),
                                    decals.mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(&decals, &menuEvent);
        QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction* paste = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text().contains(QStringLiteral("Paste"))) {
                paste = action;
            }
        }
        QVERIFY(paste);
        paste->trigger();
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
        QCOMPARE(decals.text(), QStringLiteral("45123"));
        QCOMPARE(slot(49), "mp_decals 45123");
    }

    void aSpeedFillsTheRates() {
        QCOMPARE(child<QComboBox>("cmbSpeed2").currentText(), QStringLiteral("KBits/sec"));
        typeInto("txtDSpeed", QStringLiteral("56"), true);
        QCOMPARE(text("txtRate"), QStringLiteral("6451"));
        QCOMPARE(text("txtURate"), QStringLiteral("23"));
    }

    void optionAndDefaultButtonsWriteTheirLines() {
        click("optClPred_0");
        QVERIFY(!checked("optClPred_1"));
        QCOMPARE(slot(40), "cl_nopred 1");
        click("cmdClPred");
        QVERIFY(checked("optClPred_1"));
        QCOMPARE(slot(40), "cl_nopred 0");
    }

    void everyCaptionFillsTheDescriptionPanelWithItsOwnTweak() {
        for (const auto& place : quarvel::ui::tweakPlaces) {
            const auto& def = quarvel::editor(place.editor);
            click(std::string(place.label).c_str());
            const auto expected = quarvel::ui::descriptionText(def.key);
            QVERIFY2(expected && child<QLabel>("lblDes").text().startsWith(*expected),
                     place.label.data());
            QCOMPARE(window_->descriptionKey(), std::string(def.key));
        }
        click("Label12");
        QVERIFY(child<QLabel>("lblDes").text().contains(
            QStringLiteral("Command: violence_ablood / violence_hblood")));
        // The rate fields say what the game build's limits let them hold, and follow a change.
        auto& limits = child<QComboBox>("cmbLimits");
        QCOMPARE(child<QLabel>("lblLimits").buddy(), &limits);
        bringUp(&limits);
        limits.setFocus();
        QTest::keyClick(&limits, Qt::Key_Down);
        QCOMPARE(window_->engine().rateLimits(), quarvel::RateLimits::Steam);
        click("Label55");
        QVERIFY(child<QLabel>("lblDes").text().endsWith(
            QStringLiteral("\r\n\r\nWith Steam limits Quarvel keeps it at most 100000.")));
        QTest::keyClick(&limits, Qt::Key_Up);
        const QString rate = child<QLabel>("lblDes").text();
        QVERIFY(rate.contains(QStringLiteral("Command: rate\r\nMaximum amount of bytes")));
        QVERIFY(
            rate.endsWith(QStringLiteral("With Classic limits Quarvel keeps it at most 20000.")));
        QCOMPARE(child<QLineEdit>("txtURate").toolTip(),
                 QStringLiteral("With Classic limits Quarvel keeps it at most 45."));

        // "this site." is a link at the end of its sentence, no caption: the panel keeps its text.
        auto& link = child<QLabel>("Label63");
        QVERIFY(link.text().contains(QStringLiteral("you can use&nbsp;<a")));
        QVERIFY(link.text().endsWith(QStringLiteral(">this&nbsp;site.</a>")));
        bringUp(&link);
        link.setFocus();
        QTest::keyClick(&link, Qt::Key_Tab); // to the link within the label
        QTest::keyClick(&link, Qt::Key_Return);
        QCOMPARE(child<QLabel>("lblDes").text(), rate);
        QCOMPARE(dialogs_->openedUrls,
                 std::vector<QUrl>{QUrl(qs(quarvel::product::speedTestPage))});
        trigger("mnuUpdate");
        QCOMPARE(dialogs_->openedUrls.back(), QUrl(qs(quarvel::product::downloadPage)));
    }

    void aPairIsOneTabStopAndTheArrowsSwitchIt() {
        auto& hiModels = child<QPushButton>("cmdHimodels");
        hiModels.setFocus();
        QStringList stops;
        for (int key = 0; key < 6; ++key) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            stops << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(stops, (QStringList{QStringLiteral("optHimodels_0"), QStringLiteral("cmdClear"),
                                     QStringLiteral("optClear_0"), QStringLiteral("cmdCull"),
                                     QStringLiteral("optCull_1"), QStringLiteral("cmdDither")}));
        // F1 on a pair, a DEFAULT button or a list shows what a click on its caption shows.
        const std::pair<const char*, const char*> helped[] = {
            {"optClear_0", "Label2"}, {"cmdCull", "Label3"}, {"cmbTextureq", "Label19"}};
        for (const auto& [focused, caption] : helped) {
            click(caption);
            const QString description = child<QLabel>("lblDes").text();
            click("Label1");
            QVERIFY(child<QLabel>("lblDes").text() != description);
            auto& widget = child<QWidget>(focused);
            bringUp(&widget);
            widget.setFocus();
            QTest::keyClick(&widget, Qt::Key_F1);
            QCOMPARE(child<QLabel>("lblDes").text(), description);
        }
        auto& off = child<QRadioButton>("optClear_0");
        off.setFocus();
        QTest::keyClick(&off, Qt::Key_Left);
        QVERIFY(checked("optClear_1"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("optClear_1"));
        QCOMPARE(slot(1), "gl_clear 1");
        QCOMPARE(child<QLabel>("Label2").buddy(), child<QRadioButton>("optClear_1").parentWidget());
        QCOMPARE(child<QLabel>("Label19").buddy(), &child<QComboBox>("cmbTextureq"));
    }

    void loadsAConfigFile() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("autoexec.cfg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("cl_rate 7000\r\ngl_picmip 2\r\n");
        file.close();

        dialogs_->fileToOpen = path;
        trigger("mnuLoad");
        QCOMPARE(dialogs_->lastFilter, QStringLiteral("Config File (*.cfg)"));
        QCOMPARE(text("txtClRate"), QStringLiteral("7000"));
        QCOMPARE(child<QComboBox>("cmbMapq").currentIndex(), 2);
        QCOMPARE(slot(50), "cl_rate 7000");

        // Cancelling changes nothing.
        const quarvel::TweakLines loaded = window_->engine().tweakLines();
        dialogs_->fileToOpen.clear();
        trigger("mnuLoad");
        QCOMPARE(dialogs_->fileDialogs, 2);
        QCOMPARE(window_->engine().tweakLines(), loaded);
        QCOMPARE(text("txtClRate"), QStringLiteral("7000"));
    }

    void secondaryWindowsOpenOnceAndQuitClosesOnlyTheMain() {
        trigger("mnuAbout");
        trigger("mnuAbout");
        QCOMPARE(countWindows<quarvel::ui::QVLAbout>(), 1);
        click("Image2");
        click("Image2");
        QCOMPARE(countWindows<quarvel::ui::QVLModels>(), 1);

        trigger("mnuQuit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window_.isNull());
        QCOMPARE(countWindows<quarvel::ui::QVLAbout>(), 1);
        QCOMPARE(countWindows<quarvel::ui::QVLModels>(), 1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
