#pragma once

#include "ui/wizards/model_wizard.h"

namespace quarvel::ui {

// The wizard for the high-FPS player models.
class ModelsWizard : public ModelWizard {
    Q_OBJECT
public:
    // `game` is the Counter-Strike folder found, if any.
    explicit ModelsWizard(UserDialogs& dialogs, std::optional<std::filesystem::path> game = {},
                          QWidget* parent = nullptr);

    // What tells this wizard from the other.
    static ModelWizardTexts texts();
};

} // namespace quarvel::ui
