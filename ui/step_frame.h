#pragma once

#include <QColor>
#include <QString>

class QGroupBox;
class QWidget;

namespace quarvel::ui {

// The orange of step headings and titles in the secondary windows.
inline const QColor stepOrange{0xFF, 0x80, 0x00};

// A frame whose caption is orange and bold, while what it holds keeps its own font.
QGroupBox* stepFrame(const QString& caption, QWidget* parent = nullptr);

} // namespace quarvel::ui
