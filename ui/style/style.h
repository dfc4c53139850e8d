#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QGroupBox;
class QLabel;
class QWidget;

// The program's one set of fonts and colours. Every colour a window sets is a role here, drawn so
// that it stays readable on the background it stands on, in a light theme and a dark one alike.
namespace quarvel::ui {

enum class FontRole {
    Text,    // captions, lists and fields: Verdana 8.25 pt or its closest kin
    Bold,    // headings within a page
    Small,   // the About window's fine print
    Title,   // the title of a model section
    Name,    // "QUARVEL WORKS": Arial 24 pt bold
    Version, // "v3.2" beside it
    Address, // the web address in the About window
    Brace,   // the large brace of the credits
};
[[nodiscard]] QFont roleFont(FontRole role);

enum class ColourRole {
    DefaultHead, // the "D" column head: orange
    OnHead,      // the "1" column head: green
    OffHead,     // the "0" column head: red
    Heading,     // step headings and titles: orange
    Link,        // links: blue
    InlineLink,  // a link within a text, whose other words keep the text colour
    Warning,     // notes that warn: red
    Focus,       // the ring around the control with the keyboard focus: blue
};

// The colour a role is drawn in on a background: its own hue, darkened on a light background and
// lightened on a dark one until it stands out from it by a contrast of at least 4.5 to 1.
[[nodiscard]] QColor colourOn(ColourRole role, const QColor& background);

// Draws a widget's text in a role's colour, on its own window colour, now and whenever the
// desktop's theme changes.
void setTextColour(QWidget* widget, ColourRole role);

// A frame whose caption is a bold heading, while what it holds keeps its own font and colour.
QGroupBox* stepFrame(const QString& caption, QWidget* parent = nullptr);

// The contrast of two colours, as WCAG defines it: from 1 (the same) to 21 (black on white).
[[nodiscard]] double contrastRatio(const QColor& a, const QColor& b);

// A label that shows its text as it is, never as rich text.
QLabel* plainLabel(const QString& text, QWidget* parent = nullptr, bool wrap = false);

} // namespace quarvel::ui
