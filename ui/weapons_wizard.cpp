#include "ui/weapons_wizard.h"
#include "ui/text.h"

#include "core/product.h"

namespace quarvel::ui {

// What tells this wizard from the other; translated in this wizard's own context.
ModelWizardTexts WeaponsWizard::texts() {
    return {
        tr("Hi FPS Weapon Models"),
        QStringLiteral("2"),
        tr("Remove Hi FPS Weapon Models"),
        tr("Install Hi FPS Weapon Models"),
        tr("Weapon Models."),
        {tr("Then find the 'models' folder. In the models folder you have to delete ALL .mdl "
            "files."),
         tr("Don't delete the .mdl files in the 'player' folder however.")},
        QUrl(qs(product::weaponModelsPack)),
    };
}

WeaponsWizard::WeaponsWizard(UserDialogs& dialogs, QWidget* parent)
    : ModelWizard(texts(), dialogs, parent) {
    setObjectName(QStringLiteral("QVLWeapons"));
}

} // namespace quarvel::ui
