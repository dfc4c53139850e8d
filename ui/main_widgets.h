#pragma once

#include "ui/main_layout.h"
#include "ui/text.h"

#include <QColor>
#include <QFrame>
#include <QSize>
#include <QString>

#include <string>
#include <string_view>

class QLabel;
class QPushButton;

// Small pieces the main window's pages are built from.
namespace quarvel::ui {

inline const QColor orange{0xe0, 0x70, 0x00};
inline const QColor green{0x00, 0x80, 0x00};
inline const QColor red{0xe0, 0x00, 0x00};
inline const QColor linkBlue{0x00, 0x00, 0xff};

// A plain-text label in the given colour; bold for headings.
QLabel* colouredLabel(const QString& text, const QColor& colour, bool bold, QWidget* parent);

// One of the column heads "D", "1" and "0" above the ON/OFF rows.
QLabel* legendHead(const QString& name, const QString& text, const QColor& colour,
                   const QString& toolTip, QWidget* parent);

inline constexpr QSize markerSize{32, 16};
// Gap between the columns of the ON/OFF rows and their legend.
inline constexpr int toggleGap = 6;

// The game or card badge beside a tweak, named after its picture array (imgCS_2).
QLabel* markerPicture(Marker marker, int index, QWidget* parent);

// A small "D" button that puts a tweak back to its default; square, `defaultButtonSide` wide.
QPushButton* defaultButton(const QString& name, const QString& caption, QWidget* parent);
[[nodiscard]] int defaultButtonSide(const QWidget& reference);

// A decorative line, HLine or VLine.
QFrame* decorativeLine(const QString& name, QFrame::Shape shape, QWidget* parent);

// A picture from the program's resources at its own size, sharp on high-density screens.
QPixmap picture(const QString& resource, QSize size);

} // namespace quarvel::ui
