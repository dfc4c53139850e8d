#pragma once

#include <functional>

class QWidget;

namespace quarvel::ui {

// Calls `then` once `window` has drawn its first frame.
void afterFirstFrame(QWidget* window, std::function<void(QWidget*)> then);

} // namespace quarvel::ui
