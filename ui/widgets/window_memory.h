#pragma once

class QWidget;

namespace quarvel::ui {

// A secondary window opened again in the same run opens at the size it had when it closed, with
// its named scroll areas scrolled as they were. Call once its content is built.
void rememberPlacement(QWidget* window);

} // namespace quarvel::ui
