#pragma once

#include <QSize>

class QFontMetrics;
class QPlainTextEdit;
class QString;
class QWidget;

// The size of a window and of what it shows, within the screen it opens on.
namespace quarvel::ui {

// Gives a window the size it asks for, but no more than the free area of its screen allows, and
// keeps a window already placed inside that area. What a window holds scrolls when even its
// smallest size is too large.
void fitToScreen(QWidget* window, QSize wanted);

// Makes the smallest size of a window whose wrapped texts decide its height the narrowest width,
// from `narrowest` on, at which that height fits its screen: wider on a low screen.
void fitWrappedText(QWidget* window, int narrowest);

// The width an editor needs to show its longest line whole.
[[nodiscard]] int widthForLines(const QPlainTextEdit& editor);
// The width of the longest of a text's lines in a font.
[[nodiscard]] int longestLineWidth(const QFontMetrics& metrics, const QString& text);

} // namespace quarvel::ui
