#pragma once

#include <QFont>

namespace quarvel::ui {

// Verdana 8.25 pt, or the closest sans-serif font the system has.
QFont verdana(qreal pointSize = 8.25, bool bold = false);

// Arial, or the metric-compatible and plain sans-serif fonts Linux systems have instead.
QFont arial(qreal pointSize, bool bold = false);

} // namespace quarvel::ui
