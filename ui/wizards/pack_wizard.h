#pragma once

#include "ui/wizards/model_wizard.h"

#include <filesystem>
#include <optional>
#include <utility>

namespace quarvel::ui {

// The two packs of models a wizard tells the player how to install.
enum class ModelPack { Player, Weapon };

// What tells the wizard of a pack from the other, in the player's language.
[[nodiscard]] ModelWizardTexts packTexts(ModelPack pack);

// The wizard of a pack. Each pack's wizard is a class of its own, below: its texts are translated
// in the context of its class's name.
template <ModelPack pack> class PackWizard : public ModelWizard {
public:
    // `game` is the Counter-Strike folder found, if any.
    explicit PackWizard(UserDialogs& dialogs, std::optional<std::filesystem::path> game = {},
                        QWidget* parent = nullptr)
        : ModelWizard(packTexts(pack), dialogs, std::move(game), parent) {}

    // What tells this wizard from the other.
    [[nodiscard]] static ModelWizardTexts texts() { return packTexts(pack); }
};

// The wizard for the high-FPS player models.
class ModelsWizard : public PackWizard<ModelPack::Player> {
    Q_OBJECT
public:
    using PackWizard::PackWizard;
};

// The wizard for the high-FPS weapon models.
class WeaponsWizard : public PackWizard<ModelPack::Weapon> {
    Q_OBJECT
public:
    using PackWizard::PackWizard;
};

} // namespace quarvel::ui
