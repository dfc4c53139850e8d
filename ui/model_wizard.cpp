#include "ui/model_wizard.h"

namespace quarvel::ui {

ModelWizard::ModelWizard(const ModelWizardTexts&, UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), dialogs_(dialogs) {
    setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace quarvel::ui
