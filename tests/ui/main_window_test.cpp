// The main window, driven as a player would: clicks, keys and menu commands.

#include "core/product.h"
#include "fake_dialogs.h"
#include "ui/QVLAbout.h"
#include "ui/QVLInstall.h"
#include "ui/QVLMain.h"
#include "ui/QVLModels.h"
#include "ui/QVLWeapons.h"
#include "ui/clickable_label.h"
#include "ui/descriptions.h"
#include "ui/main_layout.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using quarvel::findEditor;
using quarvel::ui::QVLMain;

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

template <typename T> int countWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += qobject_cast<T*>(widget) != nullptr && widget->isVisible();
    }
    return count;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeDialogs> dialogs_;
    QPointer<QVLMain> window_;

    template <typename T> T& child(const char* name) {
        T* found = window_->findChild<T*>(QString::fromLatin1(name));
        if (!found) {
            qFatal("the main window has no %s", name);
        }
        return *found;
    }
    QString text(const char* field) { return child<QLineEdit>(field).text(); }
    std::string slot(int index) { return window_->engine().slot(index); }
    bool checked(const char* button) { return child<QRadioButton>(button).isChecked(); }
    void trigger(const char* action) { child<QAction>(action).trigger(); }
    // Brings up the tab that holds a control, as a player must before using it.
    QWidget& onItsTab(QWidget& control) {
        auto& tabs = child<QTabWidget>("tabTweaks");
        for (int tab = 0; tab < tabs.count(); ++tab) {
            if (tabs.widget(tab)->isAncestorOf(&control)) {
                tabs.setCurrentIndex(tab);
            }
        }
        return control;
    }
    void click(const char* name) {
        QTest::mouseClick(&onItsTab(child<QWidget>(name)), Qt::LeftButton);
    }

    // Selects the field's text with the keyboard, then types over it.
    void typeInto(const char* name, const QString& typed) {
        auto& field = child<QLineEdit>(name);
        field.setFocus();
        QTest::keyClick(&field, Qt::Key_End);
        QTest::keyClick(&field, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClicks(&field, typed);
    }
    // Walks a list to an item with the arrow keys.
    void pickItem(const char* name, int index) {
        auto& list = child<QComboBox>(name);
        while (list.currentIndex() != index) {
            QTest::keyClick(&list, list.currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
        }
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init() {
        dialogs_ = std::make_unique<FakeDialogs>();
        window_ = new QVLMain(*dialogs_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_));
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
        auto& tabs = child<QTabWidget>("tabTweaks");
        QCOMPARE(tabs.count(), 3);
        QCOMPARE(tabs.tabText(0), QStringLiteral("FPS Tweaks"));
        QCOMPARE(tabs.tabText(1), QStringLiteral("Ping Tweaks"));
        QCOMPARE(tabs.tabText(2), QStringLiteral("CS 1.6 Models"));
        QCOMPARE(tabs.currentIndex(), 0);
        QCOMPARE(child<QGroupBox>("frameDes").title(), QStringLiteral("Description"));
        QVERIFY(child<QLabel>("lblDes").text().isEmpty());

        QVERIFY(checked("optHimodels_0") && !checked("optHimodels_1"));
        QVERIFY(checked("optCull_1") && !checked("optCull_0"));
        QVERIFY(checked("optClPred_1"));
        QCOMPARE(child<QComboBox>("cmbTextureq").currentText(),
                 QStringLiteral("Trilinear Medium [default]"));
        QCOMPARE(child<QComboBox>("cmbTruform").count(), 8);
        QCOMPARE(child<QComboBox>("cmbCDFPS").currentText(),
                 QStringLiteral("Level 6 Tests [default]"));
        QCOMPARE(text("txtCorpsestay"), QStringLiteral("10"));
        QCOMPARE(text("txtRate"), QStringLiteral("7500"));
        QCOMPARE(text("txtURate"), QStringLiteral("20"));
        QCOMPARE(text("txtCMDRate"), QStringLiteral("30"));
        QVERIFY(text("txtDSpeed").isEmpty());
        QCOMPARE(child<QComboBox>("cmbSpeed").currentText(), QStringLiteral("KBits/sec"));
        QCOMPARE(child<QLabel>("lblUSpeed").text(), QStringLiteral("KBits/s"));
        QCOMPARE(child<QLabel>("lblDSpeed").text(), QStringLiteral("KBits/s"));
    }

    void showsTheMenusLegendsAndMarkers() {
        QCOMPARE(child<QMenu>("mnuFile").title(), QStringLiteral("&File"));
        QCOMPARE(child<QAction>("mnuLoad").text(), QStringLiteral("&Load *.cfg Settings"));
        QCOMPARE(child<QAction>("mnuQuit").text(), QStringLiteral("Q&uit"));
        QCOMPARE(child<QAction>("mnuPreDHFPS").text(), QStringLiteral("Die &Hard FPS"));
        // Install and About stand on the menu bar itself, after the two menus.
        const auto barItems = window_->menuBar()->actions();
        QCOMPARE(barItems.size(), 4);
        QCOMPARE(barItems[2], &child<QAction>("mnuInstall"));
        QCOMPARE(barItems[3]->text(), QStringLiteral("&About"));
        QVERIFY(barItems[3]->menu() == nullptr);

        QCOMPARE(child<QLabel>("Label37").text(), QStringLiteral("1"));
        QCOMPARE(child<QLabel>("Label47").toolTip(), QStringLiteral("Turns a command OFF."));
        QCOMPARE(child<QLabel>("Label39").toolTip(), QStringLiteral("Select the DEFAULT value."));
        QCOMPARE(child<QLabel>("imgCS_5").toolTip(),
                 QStringLiteral("This tweak only works when you're using C-D!"));
        QCOMPARE(child<QLabel>("imgAti_5").toolTip(),
                 QStringLiteral("This tweak only works for ATi Radeon cards!"));
        QVERIFY(!child<QLabel>("imgDoD_4").pixmap().isNull());
        QCOMPARE(child<QLabel>("Label80").text(), QStringLiteral("Cheating-Death FPS"));
        QCOMPARE(child<QLabel>("Label12").cursor().shape(), Qt::PointingHandCursor);
    }

    void everyPairShowsOnLeftOfOffInItsContainer() {
        int pairs = 0;
        for (const auto& place : quarvel::ui::tweakPlaces) {
            if (place.blnCmd < 0) {
                continue;
            }
            ++pairs;
            const QString name = qs(place.editor);
            auto* container =
                window_->findChild<QWidget*>(QStringLiteral("blnCmd_%1").arg(place.blnCmd));
            QVERIFY2(container, qPrintable(name));
            onItsTab(*container);
            auto* on = container->findChild<QRadioButton*>(name + QStringLiteral("_1"));
            auto* off = container->findChild<QRadioButton*>(name + QStringLiteral("_0"));
            QVERIFY2(on && off, qPrintable(name));
            QVERIFY2(on->x() < off->x(), qPrintable(name));
            QVERIFY(on->accessibleName().endsWith(QStringLiteral(": ON")));
        }
        QCOMPARE(pairs, 29);
    }

    void presetsChangeTheWidgetsAndTheStore() {
        trigger("mnuPreFPS");
        QCOMPARE(child<QComboBox>("cmbTextureS").currentIndex(), 3);
        QCOMPARE(slot(26), "gl_max_size 64");
        QVERIFY(checked("optDownIG_0"));
        QCOMPARE(slot(44), "cl_download_ingame 0");
        QCOMPARE(text("txtDecals"), QStringLiteral("20"));

        trigger("mnuPreDHFPS");
        QVERIFY(checked("optZTrick_1"));
        QCOMPARE(child<QComboBox>("cmbMapq").currentText(), QStringLiteral("Low [die hard]"));

        trigger("mnuPreHiQ");
        QVERIFY(checked("optHimodels_1"));
        QCOMPARE(slot(29), "ati_npatch 1\r\nati_subdiv 1");

        trigger("mnuPreDefault");
        QCOMPARE(window_->engine().tweakLines(), quarvel::Engine().tweakLines());
        QCOMPARE(child<QComboBox>("cmbTextureS").currentIndex(), 1);
        QVERIFY(checked("optHimodels_0"));
    }

    void everyWidgetShowsTheEngineState() {
        // After a preset that moves most editors, no widget may lag behind its editor.
        trigger("mnuPreHiQ");
        const quarvel::Engine& engine = window_->engine();
        for (int id = 0; id < quarvel::editorCount; ++id) {
            const auto& def = quarvel::editor(id);
            const QString name = qs(def.name);
            switch (def.kind) {
            case quarvel::EditorKind::OptionPair:
                QCOMPARE(checked(qPrintable(name + QStringLiteral("_1"))),
                         engine.selected(id) == 1);
                QCOMPARE(checked(qPrintable(name + QStringLiteral("_0"))),
                         engine.selected(id) == 0);
                break;
            case quarvel::EditorKind::List:
                QCOMPARE(child<QComboBox>(qPrintable(name)).currentIndex(), engine.selected(id));
                break;
            case quarvel::EditorKind::Field:
                QCOMPARE(text(qPrintable(name)), qs(engine.text(id)));
                break;
            case quarvel::EditorKind::Label:
                QCOMPARE(child<QLabel>(qPrintable(name)).text(), qs(engine.text(id)));
                break;
            }
        }
    }

    void typingFollowsTheKeyRules() {
        typeInto("txtURate", QStringLiteral("50"));
        QCOMPARE(text("txtURate"), QStringLiteral("45"));
        QCOMPARE(slot(48), "cl_updaterate 45");

        auto& corpses = child<QLineEdit>("txtCorpsestay");
        QTest::keyClick(&corpses, Qt::Key_End);
        QTest::keyClick(&corpses, '.');
        QTest::keyClick(&corpses, Qt::Key_A);
        QCOMPARE(corpses.text(), QStringLiteral("10"));
        // Arrows type nothing and move the cursor as usual.
        QTest::keyClick(&corpses, Qt::Key_Left);
        QTest::keyClick(&corpses, '5');
        QCOMPARE(corpses.text(), QStringLiteral("150"));
        QCOMPARE(slot(34), "cl_corpsestay 150");

        auto& hpk = child<QLineEdit>("txtHPKMax");
        QTest::keyClick(&hpk, Qt::Key_End);
        QTest::keyClicks(&hpk, QStringLiteral(".5"));
        QCOMPARE(slot(35), "hpk_maxsize 4.5");

        auto& shells = child<QLineEdit>("txtShells");
        QTest::keyClick(&shells, Qt::Key_End);
        QTest::keyClick(&shells, Qt::Key_Backspace);
        QCOMPARE(slot(38), "max_shells 12");
        // Ctrl+V as the desktop delivers it, with its control character: no paste.
        QApplication::clipboard()->setText(QStringLiteral("7"));
        QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
        QApplication::sendEvent(&shells, &paste);
        QCOMPARE(shells.text(), QStringLiteral("12"));
    }

    void speedsDeriveTheRates() {
        QCOMPARE(child<QComboBox>("cmbSpeed2").currentText(), QStringLiteral("KBits/sec"));
        typeInto("txtDSpeed", QStringLiteral("56"));
        QCOMPARE(text("txtRate"), QStringLiteral("6451"));
        QCOMPARE(text("txtURate"), QStringLiteral("23"));
        QCOMPARE(slot(47), "rate 6451");

        // A new unit shows at once; the rate waits for the next speed.
        pickItem("cmbSpeed2", 0);
        QCOMPARE(child<QLabel>("lblDSpeed").text(), QStringLiteral("Bits/s"));
        QCOMPARE(text("txtRate"), QStringLiteral("6451"));

        typeInto("txtUSpeed", QStringLiteral("128"));
        QCOMPARE(text("txtClRate"), QStringLiteral("14746"));
        QCOMPARE(text("txtCMDRate"), QStringLiteral("100"));
        QCOMPARE(slot(51), "cl_cmdrate 100");
    }

    void clicksOnEditorsWriteTheStore() {
        click("optClPred_0");
        QVERIFY(!checked("optClPred_1"));
        QCOMPARE(slot(40), "cl_nopred 1");
        click("optBlood_0");
        QCOMPARE(slot(11), "violence_ablood 0\r\nviolence_hblood 0");

        pickItem("cmbWeather", 0);
        QCOMPARE(slot(32), "cl_weather 3");

        typeInto("txtRate", QStringLiteral("12000"));
        QCOMPARE(text("txtURate"), QStringLiteral("43"));
        click("cmdRate");
        QCOMPARE(text("txtRate"), QStringLiteral("7500"));
        QCOMPARE(text("txtURate"), QStringLiteral("27"));
        QCOMPARE(slot(47), "rate 7500");
        QCOMPARE(slot(48), "cl_updaterate 27");

        click("cmdClPred");
        QVERIFY(checked("optClPred_1"));
        QCOMPARE(slot(40), "cl_nopred 0");
    }

    void captionsShowTheirDescriptions() {
        click("Label12");
        const QString blood = child<QLabel>("lblDes").text();
        QVERIFY(blood.contains(QStringLiteral("Command: violence_ablood / violence_hblood")));
        QCOMPARE(window_->descriptionKey(), std::string("violence_blood"));
        click("Label12");
        QCOMPARE(child<QLabel>("lblDes").text(), blood);

        // Every caption explains its own tweak.
        for (const auto& place : quarvel::ui::tweakPlaces) {
            const std::string_view key = quarvel::editor(findEditor(place.editor)).key;
            click(std::string(place.label).c_str());
            QCOMPARE(child<QLabel>("lblDes").text(), *quarvel::ui::descriptionText(key));
        }

        // The link is no caption: the panel keeps its text.
        const QString last = child<QLabel>("lblDes").text();
        click("Label63");
        QCOMPARE(child<QLabel>("lblDes").text(), last);
        QCOMPARE(dialogs_->openedUrls.back(), QUrl(qs(quarvel::product::speedTestPage)));
        trigger("mnuUpdate");
        QCOMPARE(dialogs_->openedUrls.back(), QUrl(qs(quarvel::product::downloadPage)));
    }

    void loadsAConfigFile() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("autoexec.cfg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("cl_rate 7000\r\ngl_picmip 2\r\n");
        file.close();

        dialogs_->fileToOpen = path;
        trigger("mnuLoad");
        QCOMPARE(dialogs_->lastFilter, QStringLiteral("Config File (*.cfg)"));
        QCOMPARE(text("txtClRate"), QStringLiteral("7000"));
        QCOMPARE(text("txtCMDRate"), QStringLiteral("50"));
        QCOMPARE(child<QComboBox>("cmbMapq").currentIndex(), 2);
        QCOMPARE(slot(50), "cl_rate 7000");

        // Cancelling, or a file that cannot be read, changes nothing.
        const quarvel::TweakLines loaded = window_->engine().tweakLines();
        dialogs_->fileToOpen.clear();
        trigger("mnuLoad");
        dialogs_->fileToOpen = folder.filePath(QStringLiteral("missing.cfg"));
        trigger("mnuLoad");
        QCOMPARE(dialogs_->fileDialogs, 3);
        QCOMPARE(window_->engine().tweakLines(), loaded);
        QCOMPARE(text("txtClRate"), QStringLiteral("7000"));
        QVERIFY(dialogs_->shown.empty());
    }

    void secondaryWindowsOpenOnce() {
        trigger("mnuAbout");
        trigger("mnuAbout");
        QCOMPARE(countWindows<quarvel::ui::QVLAbout>(), 1);
        QVERIFY(window_->aboutWindow()->parent() == nullptr);

        click("Image2");
        QPointer<quarvel::ui::QVLModels> models = window_->modelsWindow();
        click("Image2");
        QCOMPARE(window_->modelsWindow(), models.data());
        QCOMPARE(countWindows<quarvel::ui::QVLModels>(), 1);
        click("Image3");
        QCOMPARE(countWindows<quarvel::ui::QVLWeapons>(), 1);
        trigger("mnuInstall");
        QCOMPARE(countWindows<quarvel::ui::QVLInstall>(), 1);

        // A closed window opens afresh.
        models->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(models.isNull());
        click("Image2");
        QCOMPARE(countWindows<quarvel::ui::QVLModels>(), 1);
    }

    void quitClosesOnlyTheMainWindow() {
        trigger("mnuAbout");
        trigger("mnuQuit");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window_.isNull());
        QCOMPARE(countWindows<quarvel::ui::QVLAbout>(), 1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
