#pragma once

#include <functional>

class QLocale;
class QWidget;

namespace quarvel::ui {

// Shows the windows made from now on in the language of `locale`, when Quarvel has a translation
// for it (and Qt's own dialog buttons, when Qt's translations are installed); English otherwise.
// False when there is no translation of Quarvel for it.
bool useLanguage(const QLocale& locale);

// The whole program: the application object, its name, icon and translation, and the main
// window. `firstFrame`, when given, is called once the main window has drawn its first frame.
int runQuarvel(int argc, char** argv, const std::function<void(QWidget*)>& firstFrame = {});

} // namespace quarvel::ui
