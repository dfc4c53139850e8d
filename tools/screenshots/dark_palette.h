#pragma once

#include <QPalette>

// A dark desktop theme, as many players have one: Fusion's roles in dark greys with white text.
// The README's dark picture is drawn with it, and the windows are tested with it.
inline QPalette darkPalette() {
    QPalette dark;
    const QColor window(53, 53, 53), base(35, 35, 35), text(Qt::white);
    for (const auto& [role, colour] : {std::pair{QPalette::Window, window},
                                       {QPalette::WindowText, text},
                                       {QPalette::Base, base},
                                       {QPalette::AlternateBase, window},
                                       {QPalette::Text, text},
                                       {QPalette::Button, window},
                                       {QPalette::ButtonText, text},
                                       {QPalette::ToolTipBase, base},
                                       {QPalette::ToolTipText, text},
                                       {QPalette::Link, QColor(42, 130, 218)}}) {
        dark.setColor(role, colour);
    }
    return dark;
}
