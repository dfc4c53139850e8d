#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace quarvel::ui {

// Verdana 8.25 pt, or the closest sans-serif font the system has.
QFont verdana(qreal pointSize = 8.25, bool bold = false);

// Arial, or the metric-compatible and plain sans-serif fonts Linux systems have instead.
QFont arial(qreal pointSize, bool bold = false);

// A label that shows its text as it is, never as rich text.
QLabel* plainLabel(const QString& text, QWidget* parent = nullptr, bool wrap = false);

// The colour a label's text is drawn in.
void setTextColour(QWidget* widget, const QColor& colour);

} // namespace quarvel::ui
