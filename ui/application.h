#pragma once

#include <functional>

class QWidget;

namespace quarvel::ui {

// The whole program: the application object, its name, icon and translation, and the main
// window. `firstFrame`, when given, is called once the main window has drawn its first frame.
int runQuarvel(int argc, char** argv, const std::function<void(QWidget*)>& firstFrame = {});

} // namespace quarvel::ui
