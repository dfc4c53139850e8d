#pragma once

#include "ui/main/tweak_places.h"
#include "ui/style/style.h"
#include "ui/text.h"

#include <QColor>
#include <QFrame>
#include <QSize>
#include <QString>

#include <string>
#include <string_view>

class QGridLayout;
class QLabel;
class QPushButton;

// Small pieces the main window's pages are built from.
namespace quarvel::ui {

// A plain-text label in bold.
QLabel* boldLabel(const QString& text, QWidget* parent);

// A layout without margins, with the given spacing between its items.
template <typename Layout> Layout* bareLayout(Layout* layout, int spacing) {
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

// A grid for ON/OFF rows: marker, DEFAULT button, pair and caption, the caption taking the room.
void prepareToggleGrid(QGridLayout* grid);

// A plain-text label in the given colour; bold for headings.
QLabel* colouredLabel(const QString& text, ColourRole colour, bool bold, QWidget* parent);

// One of the column heads "D", "1" and "0" above the ON/OFF rows.
QLabel* legendHead(const QString& name, const QString& text, ColourRole colour,
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

} // namespace quarvel::ui
