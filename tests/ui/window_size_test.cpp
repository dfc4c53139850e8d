// The windows fit the screen they open on. Run on a screen of 1920x1080 less a 48-pixel panel at
// 100, 150 and 200 %, and on one of 1366x768 less the panel (see CMakeLists.txt): each window
// opens inside the screen's free area, and the main window stays usable down to its smallest
// size, where its pages scroll and the description panel is still in view.

#include "config/script.h"
#include "fake_dialogs.h"
#include "ui/QVLAbout.h"
#include "ui/QVLInstall.h"
#include "ui/QVLMain.h"
#include "ui/QVLModels.h"
#include "window_support.h"

using namespace quarvel::ui;

class WindowSizeTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowOpensInsideTheScreenAndTheMainOneStaysUsableAtItsSmallestSize() {
        const QRect freeArea = QGuiApplication::primaryScreen()->availableGeometry();
        FakeDialogs dialogs;
        QVLMain main(dialogs);
        QVLInstall install(quarvel::buildScript(main.engine().tweakLines()),
                           quarvel::GameVersion::Classic, dialogs);
        QVLModels models(dialogs);
        QVLAbout about(dialogs);
        for (QWidget* window : std::initializer_list<QWidget*>{&main, &install, &models, &about}) {
            window_support::showOwned(*window);
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QVERIFY2(freeArea.contains(window->frameGeometry()), qPrintable(window->objectName()));
        }

        const QSize smallest = main.minimumSizeHint().expandedTo(main.minimumSize());
        QVERIFY(smallest.width() <= std::min(1024, freeArea.width()));
        QVERIFY(smallest.height() <= std::min(700, freeArea.height()));
        main.resize(smallest);
        QTest::qWait(20);
        const auto& panel = window_support::child<QLabel>(main, QStringLiteral("lblDes"));
        QVERIFY(main.rect().contains(QRect(panel.mapTo(&main, QPoint(0, 0)), panel.size())));
        QVERIFY(panel.height() >= 3 * panel.fontMetrics().lineSpacing());
        auto& tabs = window_support::child<QTabWidget>(main, QStringLiteral("tabTweaks"));
        auto* page = qobject_cast<QScrollArea*>(tabs.currentWidget());
        QVERIFY(page && page->verticalScrollBar()->maximum() > 0); // the page scrolls
    }
};

QTEST_MAIN(WindowSizeTest)
#include "window_size_test.moc"
