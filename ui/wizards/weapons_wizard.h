#pragma once

#include "ui/wizards/model_wizard.h"

namespace quarvel::ui {

// The wizard for the high-FPS weapon models.
class WeaponsWizard : public ModelWizard {
    Q_OBJECT
public:
    // `game` is the Counter-Strike folder found, if any.
    explicit WeaponsWizard(UserDialogs& dialogs, std::optional<std::filesystem::path> game = {},
                           QWidget* parent = nullptr);

    // What tells this wizard from the other.
    static ModelWizardTexts texts();
};

} // namespace quarvel::ui
