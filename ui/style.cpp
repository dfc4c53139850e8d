#include "ui/style.h"

#include <QStringList>

namespace quarvel::ui {

QFont verdana(qreal pointSize, bool bold) {
    QFont font;
    // DejaVu Sans is Verdana's close relative and Debian's default font.
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("Bitstream Vera Sans"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace quarvel::ui
