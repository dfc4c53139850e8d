#include "ui/style/style.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace quarvel::ui {

namespace {

// The first of `families` that the system has, alone; all of them when it has none, for the
// system to choose. Qt looks long for substitutes of a family the system lacks, and for the
// fallbacks of each family in a list. The list of installed families is read once the font
// database is up; asking for each family by name would resolve aliases through fontconfig.
QStringList installedFamily(const QStringList& families) {
    const QStringList installed = QFontDatabase::families();
    const auto found = std::ranges::find_if(families, [&installed](const QString& family) {
        return installed.contains(family, Qt::CaseInsensitive);
    });
    return found != families.end() ? QStringList{*found} : families;
}

QFont firstOf(const QStringList& families, qreal pointSize, bool bold) {
    QFont chosen;
    chosen.setFamilies(families);
    // Latin and Cyrillic captions need no OpenType shaping, and Qt still shapes a script that
    // does. Shaping every caption twice, to size it and to draw it, was a tenth of the start.
    chosen.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    chosen.setPointSizeF(pointSize);
    chosen.setBold(bold);
    return chosen;
}

// Verdana, or DejaVu Sans, its close relative and Debian's default font.
QFont verdana(qreal pointSize, bool bold = false) {
    static const QStringList families =
        installedFamily({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                         QStringLiteral("Bitstream Vera Sans"), QStringLiteral("Sans Serif")});
    return firstOf(families, pointSize, bold);
}

// Arial, or the metric-compatible and plain sans-serif fonts Linux systems have instead.
QFont arial(qreal pointSize, bool bold) {
    static const QStringList families =
        installedFamily({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    return firstOf(families, pointSize, bold);
}

QColor hueOf(ColourRole role) {
    switch (role) {
    case ColourRole::DefaultHead:
    case ColourRole::Heading:
        return {0xE0, 0x70, 0x00};
    case ColourRole::OnHead:
        return {0x00, 0x90, 0x00};
    case ColourRole::OffHead:
    case ColourRole::Warning:
        return {0xE0, 0x00, 0x00};
    case ColourRole::Link:
    case ColourRole::InlineLink:
        return {0x00, 0x00, 0xFF};
    case ColourRole::Focus:
        return {0x1E, 0x64, 0xDC};
    }
    return {};
}

double luminance(const QColor& colour) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

constexpr char roleProperty[] = "quarvelColourRole";

void applyColour(QWidget* widget, ColourRole role) {
    QPalette palette = widget->palette();
    const QColor colour = colourOn(role, palette.color(QPalette::Window));
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        // A style sheet reaches the frame's caption only, not the labels in it.
        frame->setStyleSheet(
            QStringLiteral("QGroupBox { color: %1; font-weight: bold; }").arg(colour.name()));
        return;
    }
    palette.setColor(role == ColourRole::InlineLink ? QPalette::Link : QPalette::WindowText,
                     colour);
    widget->setPalette(palette);
}

// Gives every coloured widget its colour again when the desktop's theme changes.
class ThemeFollower : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange && watched->isWidgetType()) {
            const QVariant role = watched->property(roleProperty);
            if (role.isValid()) {
                applyColour(static_cast<QWidget*>(watched), static_cast<ColourRole>(role.toInt()));
            }
        }
        return false;
    }
};

} // namespace

QFont roleFont(FontRole role) {
    switch (role) {
    case FontRole::Text:
        return verdana(8.25);
    case FontRole::Bold:
        return verdana(8.25, true);
    case FontRole::Small:
        return verdana(7.5);
    case FontRole::Title:
        return verdana(10, true);
    case FontRole::Name:
        return arial(24, true);
    case FontRole::Version:
        return arial(12, true);
    case FontRole::Address:
        return verdana(12, true);
    case FontRole::Brace:
        return verdana(24, true);
    }
    return verdana(8.25);
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

QColor colourOn(ColourRole role, const QColor& background) {
    // A little more than 4.5, so that rounding to 8-bit channels cannot take it below.
    constexpr double wanted = 4.6;
    const bool darkBackground = luminance(background) < 0.18;
    QColor colour = hueOf(role).toHsl();
    for (int step = 0; step < 100 && contrastRatio(colour, background) < wanted; ++step) {
        const double lightness = colour.lightnessF() + (darkBackground ? 0.02 : -0.02);
        colour.setHslF(colour.hslHueF(), colour.hslSaturationF(), std::clamp(lightness, 0.0, 1.0));
    }
    return colour.toRgb();
}

void setTextColour(QWidget* widget, ColourRole role) {
    // One follower for the whole program, made with the first coloured widget.
    [[maybe_unused]] static const bool following = [] {
        qApp->installEventFilter(new ThemeFollower(qApp));
        return true;
    }();
    widget->setProperty(roleProperty, static_cast<int>(role));
    applyColour(widget, role);
}

QGroupBox* stepFrame(const QString& caption, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    setTextColour(frame, ColourRole::Heading);
    return frame;
}

QLabel* plainLabel(const QString& text, QWidget* parent, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    return label;
}

} // namespace quarvel::ui
