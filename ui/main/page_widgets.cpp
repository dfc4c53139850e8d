#include "ui/main/page_widgets.h"

#include "ui/style/pictures.h"
#include "ui/style/style.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <array>

namespace quarvel::ui {

namespace {

// The badge of each marker, an element of its picture array (imgCS_N), with what it says.
struct Badge {
    Marker marker;
    const char* array;
    const char* resource;
    const char* toolTip;
};

constexpr std::array badges{
    Badge{Marker::CS, "imgCS", "badge-cs",
          QT_TRANSLATE_NOOP("quarvel::ui::MainWindow", "This tweak only works for CS!")},
    // Cheating-Death runs with CS, so its badge is an element of the CS array.
    Badge{Marker::CheatingDeath, "imgCS", "badge-cd",
          QT_TRANSLATE_NOOP("quarvel::ui::MainWindow",
                            "This tweak only works when you're using C-D!")},
    Badge{Marker::DoD, "imgDoD", "badge-dod",
          QT_TRANSLATE_NOOP("quarvel::ui::MainWindow", "This tweak only works for DoD!")},
    Badge{Marker::Ati, "imgAti", "badge-ati",
          QT_TRANSLATE_NOOP("quarvel::ui::MainWindow",
                            "This tweak only works for ATi Radeon cards!")},
};

} // namespace

QLabel* boldLabel(const QString& text, QWidget* parent) {
    QLabel* label = plainLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

void prepareToggleGrid(QGridLayout* grid) {
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(toggleGap);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(3, 1);
}

QLabel* colouredLabel(const QString& text, ColourRole colour, bool bold, QWidget* parent) {
    QLabel* label = bold ? boldLabel(text, parent) : plainLabel(text, parent);
    setTextColour(label, colour);
    return label;
}

QLabel* legendHead(const QString& name, const QString& text, ColourRole colour,
                   const QString& toolTip, QWidget* parent) {
    QLabel* head = colouredLabel(text, colour, true, parent);
    head->setObjectName(name);
    head->setToolTip(toolTip);
    head->setAlignment(Qt::AlignCenter);
    return head;
}

QLabel* markerPicture(Marker marker, int index, QWidget* parent) {
    const auto badge = std::ranges::find(badges, marker, &Badge::marker);
    if (badge == badges.end()) {
        return nullptr;
    }
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(badge->array)).arg(index));
    label->setPixmap(picture(QLatin1String(badge->resource), markerSize));
    label->setToolTip(QCoreApplication::translate("quarvel::ui::MainWindow", badge->toolTip));
    label->setFixedSize(markerSize);
    return label;
}

QPushButton* defaultButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("D"), parent);
    button->setObjectName(name);
    button->setToolTip(
        QCoreApplication::translate("quarvel::ui::MainWindow", "Select the DEFAULT value."));
    button->setAccessibleName(
        QCoreApplication::translate("quarvel::ui::MainWindow", "%1: DEFAULT").arg(caption));
    const int side = defaultButtonSide(*button);
    button->setFixedSize(side, side);
    return button;
}

int defaultButtonSide(const QWidget& reference) {
    // Asked for by every "D" button of a window with the same font: measure once per font.
    static QFont measured;
    static int side = 0;
    if (side == 0 || reference.font() != measured) {
        measured = reference.font();
        const QFontMetrics metrics(measured);
        side = std::max(metrics.height() + 6, metrics.horizontalAdvance(QLatin1Char('D')) + 10);
    }
    return side;
}

QFrame* decorativeLine(const QString& name, QFrame::Shape shape, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace quarvel::ui
