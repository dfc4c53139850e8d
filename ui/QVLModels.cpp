#include "ui/QVLModels.h"

namespace quarvel::ui {

QVLModels::QVLModels(UserDialogs& dialogs, QWidget* parent) : ModelWizard({}, dialogs, parent) {}

} // namespace quarvel::ui
