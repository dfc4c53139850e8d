#pragma once

#include "ui/model_wizard.h"

namespace quarvel::ui {

// The wizard for the high-FPS player models.
class ModelsWizard : public ModelWizard {
    Q_OBJECT
public:
    explicit ModelsWizard(UserDialogs& dialogs, QWidget* parent = nullptr);

private:
    static ModelWizardTexts texts();
};

} // namespace quarvel::ui
