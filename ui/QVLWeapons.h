#pragma once

#include "ui/model_wizard.h"

namespace quarvel::ui {

// The wizard for the high-FPS weapon models.
class QVLWeapons : public ModelWizard {
    Q_OBJECT
public:
    explicit QVLWeapons(UserDialogs& dialogs, QWidget* parent = nullptr);

private:
    static ModelWizardTexts texts();
};

} // namespace quarvel::ui
