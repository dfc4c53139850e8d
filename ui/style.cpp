#include "ui/style.h"

#include <QLabel>
#include <QStringList>

namespace quarvel::ui {

namespace {

QFont firstOf(const QStringList& families, qreal pointSize, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont verdana(qreal pointSize, bool bold) {
    // DejaVu Sans is Verdana's close relative and Debian's default font.
    return firstOf({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                    QStringLiteral("Bitstream Vera Sans"), QStringLiteral("Sans Serif")},
                   pointSize, bold);
}

QFont arial(qreal pointSize, bool bold) {
    return firstOf({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")},
                   pointSize, bold);
}

QLabel* plainLabel(const QString& text, QWidget* parent, bool wrap) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    return label;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace quarvel::ui
