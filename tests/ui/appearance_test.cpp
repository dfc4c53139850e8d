// Every coloured text of the five windows stays readable, on Qt's Fusion style with its light
// palette and with a dark one: the darkest or lightest pixel of the text stands out from the
// background it is drawn on by 4.5 to 1 at least.

#include "config/script.h"
#include "dark_palette.h"
#include "fake_dialogs.h"
#include "ui/about/about_window.h"
#include "ui/install/install_window.h"
#include "ui/main/main_window.h"
#include "ui/main/tweak_places.h"
#include "ui/main/tweak_widgets.h"
#include "ui/widgets/focus_ring.h"
#include "ui/wizards/pack_wizard.h"
#include "window_support.h"

#include <cmath>

using namespace quarvel::ui;

namespace {

// A colour's relative luminance, plus 0.05: the ratio of two is their contrast, as the
// accessibility guidelines for the web measure it.
double luminance(QRgb c) {
    const auto linear = [](int value) {
        const double v = value / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c)) + 0.05;
}

// The contrast between the most common colour of what a coloured widget shows of its text (the
// background; of a frame, only its caption is looked at) and the colour that stands out most.
double textContrast(QWidget* widget) {
    QRect area = widget->rect();
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        area = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                              QStyle::SC_GroupBoxLabel, frame);
    }
    const QImage image = widget->grab(area).toImage();
    QHash<QRgb, int> counts;
    for (int at = 0; at < image.width() * image.height(); ++at) {
        ++counts[image.pixel(at % image.width(), at / image.width())];
    }
    const QList<QRgb> colours = counts.keys();
    const QRgb background =
        *std::ranges::max_element(colours, {}, [&](QRgb c) { return counts[c]; });
    double most = 1;
    for (const QRgb colour : colours) {
        const double ratio = luminance(colour) / luminance(background);
        most = std::max({most, ratio, 1 / ratio});
    }
    return most;
}

} // namespace

class AppearanceTest : public QObject {
    Q_OBJECT

    int checked_ = 0; // coloured texts found readable
    // Every coloured text that a window shows stands out by 4.5 to 1 at least.
    void checkColouredTexts(QWidget& window, const QString& palette) {
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (widget->property("quarvelColourRole").isValid() && widget->isVisible()) {
                const double measured = textContrast(widget);
                QVERIFY2(measured >= 4.5, qPrintable(QStringLiteral("%1 on %2: contrast %3")
                                                         .arg(widget->objectName(), palette)
                                                         .arg(measured)));
                ++checked_;
            }
        }
    }

    // The ring around the focused control shows whole around it and stands out from the window by
    // 3 to 1 at least; the name of the editor Tab reached, or nothing for another control.
    QString checkRing(QWidget& window, const QString& palette) {
        QWidget* focused = QApplication::focusWidget();
        FocusRing* ring = FocusRing::current();
        if (!focused || !ring || ring->target() != focused || !ring->isVisible()) {
            QTest::qFail(qPrintable(palette + QStringLiteral(": no ring around ") +
                                    (focused ? focused->objectName() : QStringLiteral("nothing"))),
                         __FILE__, __LINE__);
            return {};
        }
        const QRect around(ring->mapTo(&window, QPoint()), ring->size());
        const QRect control(focused->mapTo(&window, QPoint()), focused->size());
        const QImage image = ring->grab().toImage();
        const double contrast = luminance(image.pixel(0, image.height() / 2)) /
                                luminance(window.palette().color(QPalette::Window).rgb());
        if (!around.contains(control) || std::max(contrast, 1 / contrast) < 3) {
            QTest::qFail(qPrintable(QStringLiteral("%1: the ring of %2 has contrast %3")
                                        .arg(palette, focused->objectName())
                                        .arg(std::max(contrast, 1 / contrast))),
                         __FILE__, __LINE__);
        }
        for (QWidget* up = focused; up != nullptr; up = up->parentWidget()) {
            const QVariant id = up->property(TweakWidgets::tweakProperty);
            if (id.isValid() && quarvel::isTweak(id.toInt())) {
                const auto name = QString::fromUtf8(quarvel::editor(id.toInt()).name.data(),
                                                    quarvel::editor(id.toInt()).name.size());
                return up->objectName().startsWith(QStringLiteral("cmd")) ? QString() : name;
            }
        }
        return {};
    }

private slots:
    void initTestCase() {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        FocusRing::follow();
    }

    // Tab goes through every editor of a page in reading order, each with a ring the player sees,
    // on a light and a dark theme.
    void tabReachesEveryEditorOfAPageInOrderAndTheFocusShows() {
        const QPalette light = QApplication::style()->standardPalette();
        FakeDialogs dialogs;
        const std::vector<std::vector<Block>> pages{
            {Block::FpsToggles, Block::FpsSoundToggles, Block::FpsLists},
            {Block::PingToggles, Block::PingFields, Block::PingVoice},
            {},
            {Block::TodayToggles, Block::TodayFields}};
        for (const auto& [name, palette] :
             {std::pair{QStringLiteral("light"), light}, {QStringLiteral("dark"), darkPalette()}}) {
            QApplication::setPalette(palette);
            MainWindow main(dialogs);
            main.engine().setGameVersion(quarvel::GameVersion::Steam);
            window_support::showOwned(main);
            QVERIFY(QTest::qWaitForWindowActive(&main));
            auto& tabs = window_support::child<QTabWidget>(main, QStringLiteral("tabTweaks"));
            for (int page = 0; page < tabs.count(); ++page) {
                QStringList expected;
                for (const Block block : pages.at(static_cast<std::size_t>(page))) {
                    for (const TweakPlace& place : tweakPlaces) {
                        if (place.block == block && main.engine().offers(place.editor)) {
                            expected << window_support::qs(quarvel::editor(place.editor).name);
                        }
                    }
                }
                if (expected.isEmpty()) {
                    continue;
                }
                tabs.setCurrentIndex(page);
                tabs.currentWidget()->setFocus();
                QStringList reached;
                for (int key = 0; key < 200 && reached.size() < expected.size(); ++key) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                    const QString editor = checkRing(main, name);
                    if (!editor.isEmpty() && !reached.contains(editor)) {
                        reached << editor;
                    }
                }
                QCOMPARE(reached, expected);
            }
        }
        QApplication::setPalette(light);
    }

    void colouredTextsAreReadableOnLightAndDarkThemes() {
        const QPalette light = QApplication::style()->standardPalette();
        FakeDialogs dialogs;
        for (const auto& [name, palette] :
             {std::pair{QStringLiteral("light"), light}, {QStringLiteral("dark"), darkPalette()}}) {
            QApplication::setPalette(palette);
            checked_ = 0;
            MainWindow main(dialogs);
            window_support::showOwned(main);
            auto& tabs = window_support::child<QTabWidget>(main, QStringLiteral("tabTweaks"));
            for (int page = 0; page < tabs.count(); ++page) {
                tabs.setCurrentIndex(page);
                checkColouredTexts(main, name);
            }
            InstallWindow install(quarvel::buildScript(main.engine().tweakLines()),
                                  quarvel::GameVersion::Classic, dialogs);
            ModelsWizard models(dialogs);
            AboutWindow about(dialogs);
            for (QWidget* window : std::initializer_list<QWidget*>{&install, &models, &about}) {
                window_support::showOwned(*window);
                checkColouredTexts(*window, name);
            }
            QTest::mouseClick(
                &window_support::child<QPushButton>(models, QStringLiteral("cmdNext")),
                Qt::LeftButton); // the download step with its link
            checkColouredTexts(models, name);

            QVERIFY2(checked_ >= 15, qPrintable(name)); // 17 on each theme today
        }
    }
};

QTEST_MAIN(AppearanceTest)
#include "appearance_test.moc"
