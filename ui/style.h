#pragma once

#include <QFont>

namespace quarvel::ui {

// Verdana 8.25 pt, or the closest sans-serif font the system has.
QFont verdana(qreal pointSize = 8.25, bool bold = false);

} // namespace quarvel::ui
