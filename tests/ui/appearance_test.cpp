// Every coloured text of the five windows stays readable, on Qt's Fusion style with its light
// palette and with a dark one, also when the theme changes while a window is open: the darkest or
// lightest pixel of the text stands out from the background it is drawn on by 4.5 to 1 at least.

#include "fake_dialogs.h"
#include "tools/screenshots/dark_palette.h"
#include "ui/QVLAbout.h"
#include "ui/QVLInstall.h"
#include "ui/QVLMain.h"
#include "ui/QVLModels.h"
#include "window_support.h"

#include <cmath>

using namespace quarvel::ui;

namespace {

// The contrast of two colours, as the accessibility guidelines for the web measure it.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The contrast between the most common colour of a picture (its background) and the colour that
// stands out from it most (the text).
double textContrast(const QImage& image) {
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(background)) {
            background = it.key();
        }
    }
    double most = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        most = std::max(most, contrast(QColor(it.key()), QColor(background)));
    }
    return most;
}

// What a coloured widget shows of its text: a frame only its caption.
QImage shownText(QWidget* widget) {
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        return frame
            ->grab(frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                  QStyle::SC_GroupBoxLabel, frame))
            .toImage();
    }
    return widget->grab().toImage();
}

// Checks every coloured text that a window shows; how many there were, or -1000 on a failure.
int checkColouredTexts(QWidget& window, const QString& palette) {
    int checked = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->property("quarvelColourRole").isValid() || !widget->isVisible()) {
            continue;
        }
        const double measured = textContrast(shownText(widget));
        if (measured < 4.5) {
            qWarning("%s on %s: contrast %.2f", qPrintable(widget->objectName()),
                     qPrintable(palette), measured);
            return -1000;
        }
        ++checked;
    }
    return checked;
}

} // namespace

class AppearanceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }

    void colouredTextsAreReadableOnLightAndDarkThemes() {
        const QPalette light = QApplication::style()->standardPalette();
        FakeDialogs dialogs;
        for (const auto& [name, palette] :
             {std::pair{QStringLiteral("light"), light}, {QStringLiteral("dark"), darkPalette()}}) {
            QApplication::setPalette(palette);
            QVLMain main(dialogs);
            window_support::showOwned(main);
            auto& tabs = window_support::child<QTabWidget>(main, QStringLiteral("tabTweaks"));
            int checked = 0;
            for (int page = 0; page < tabs.count(); ++page) {
                tabs.setCurrentIndex(page);
                checked += checkColouredTexts(main, name);
            }
            QVLInstall install(main.engine().tweakLines(), dialogs);
            QVLModels models(dialogs);
            QVLAbout about(dialogs);
            for (QWidget* window : std::initializer_list<QWidget*>{&install, &models, &about}) {
                window_support::showOwned(*window);
                checked += checkColouredTexts(*window, name);
            }
            QTest::mouseClick(
                &window_support::child<QPushButton>(models, QStringLiteral("cmdNext")),
                Qt::LeftButton); // the download step with its link
            checked += checkColouredTexts(models, name);

            // The other theme, while the windows are open.
            QApplication::setPalette(name == QStringLiteral("light") ? darkPalette() : light);
            checked += checkColouredTexts(about, name + QStringLiteral(" then the other"));
            tabs.setCurrentIndex(0);
            checked += checkColouredTexts(main, name + QStringLiteral(" then the other"));
            QVERIFY2(checked >= 20, qPrintable(name));
        }
    }
};

QTEST_MAIN(AppearanceTest)
#include "appearance_test.moc"
