#include "ui/main_widgets.h"

#include "ui/style.h"

#include <QIcon>
#include <QLabel>
#include <QPixmapCache>
#include <QPushButton>

namespace quarvel::ui {

QLabel* colouredLabel(const QString& text, const QColor& colour, bool bold, QWidget* parent) {
    QLabel* label = plainLabel(text, parent);
    setTextColour(label, colour);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QLabel* legendHead(const QString& name, const QString& text, const QColor& colour,
                   const QString& toolTip, QWidget* parent) {
    QLabel* head = colouredLabel(text, colour, true, parent);
    head->setObjectName(name);
    head->setToolTip(toolTip);
    head->setAlignment(Qt::AlignCenter);
    return head;
}

QLabel* markerPicture(Marker marker, int index, QWidget* parent) {
    struct Badge {
        const char* array;
        const char* resource;
        const char* toolTip;
    };
    Badge badge{};
    switch (marker) {
    case Marker::CS:
        badge = {"imgCS", ":/images/badge-cs.svg", "This tweak only works for CS!"};
        break;
    case Marker::CheatingDeath:
        // Cheating-Death runs with CS, so its badge is an element of the CS array.
        badge = {"imgCS", ":/images/badge-cd.svg", "This tweak only works when you're using C-D!"};
        break;
    case Marker::DoD:
        badge = {"imgDoD", ":/images/badge-dod.svg", "This tweak only works for DoD!"};
        break;
    case Marker::Ati:
        badge = {"imgAti", ":/images/badge-ati.svg", "This tweak only works for ATi Radeon cards!"};
        break;
    case Marker::None:
        return nullptr;
    }
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(badge.array)).arg(index));
    label->setPixmap(picture(QLatin1String(badge.resource), markerSize));
    label->setToolTip(QString::fromUtf8(badge.toolTip));
    label->setFixedSize(markerSize);
    return label;
}

QPushButton* defaultButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("D"), parent);
    button->setObjectName(name);
    button->setToolTip(QStringLiteral("Select the DEFAULT value."));
    button->setAccessibleName(QStringLiteral("%1: DEFAULT").arg(caption));
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

QPixmap picture(const QString& resource, QSize size) {
    // A badge stands beside many tweaks: read its drawing once.
    const QString key =
        QStringLiteral("%1@%2x%3").arg(resource).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QIcon(resource).pixmap(size);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

} // namespace quarvel::ui
