#include "ui/QVLWeapons.h"

namespace quarvel::ui {

QVLWeapons::QVLWeapons(UserDialogs& dialogs, QWidget* parent) : ModelWizard({}, dialogs, parent) {}

} // namespace quarvel::ui
