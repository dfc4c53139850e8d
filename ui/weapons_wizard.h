#pragma once

#include "ui/model_wizard.h"

namespace quarvel::ui {

// The wizard for the high-FPS weapon models.
class WeaponsWizard : public ModelWizard {
    Q_OBJECT
public:
    explicit WeaponsWizard(UserDialogs& dialogs, QWidget* parent = nullptr);

private:
    static ModelWizardTexts texts();
};

} // namespace quarvel::ui
