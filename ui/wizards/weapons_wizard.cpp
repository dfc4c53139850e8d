#include "ui/wizards/weapons_wizard.h"

#include "core/product.h"
#include "ui/text.h"

namespace quarvel::ui {

// What tells this wizard from the other; translated in this wizard's own context.
ModelWizardTexts WeaponsWizard::texts() {
    return {
        tr("Hi FPS Weapon Models"),
        QStringLiteral("2"),
        tr("Remove Hi FPS Weapon Models"),
        tr("Install Hi FPS Weapon Models"),
        tr("Weapon Models."),
        QStringLiteral("models"),
        tr("the weapon models in %1, the v_*.mdl files"),
        QUrl(qs(product::weaponModelsPack)),
    };
}

WeaponsWizard::WeaponsWizard(UserDialogs& dialogs, std::optional<std::filesystem::path> game,
                             QWidget* parent)
    : ModelWizard(texts(), dialogs, std::move(game), parent) {
    setObjectName(QStringLiteral("QVLWeapons"));
}

} // namespace quarvel::ui
