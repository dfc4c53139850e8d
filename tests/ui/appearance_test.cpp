// Every coloured text of the five windows stays readable, on Qt's Fusion style with its light
// palette and with a dark one: the darkest or lightest pixel of the text stands out from the
// background it is drawn on by 4.5 to 1 at least.

#include "config/script.h"
#include "fake_dialogs.h"
#include "tools/screenshots/dark_palette.h"
#include "ui/about_window.h"
#include "ui/install_window.h"
#include "ui/main_window.h"
#include "ui/models_wizard.h"
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

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

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
