#include "ui/QVLWeapons.h"
#include "ui/text.h"

#include "core/product.h"

namespace quarvel::ui {

namespace {

ModelWizardTexts weaponModels() {
    return {
        QStringLiteral("Hi FPS Weapon Models"),
        QStringLiteral("2"),
        QStringLiteral("Weapon Models"),
        {QStringLiteral("Then find the 'models' folder. In the models folder you have to delete "
                        "ALL .mdl files."),
         QStringLiteral("Don't delete the .mdl files in the 'player' folder however.")},
        QUrl(qs(product::weaponModelsPack)),
    };
}

} // namespace

QVLWeapons::QVLWeapons(UserDialogs& dialogs, QWidget* parent)
    : ModelWizard(weaponModels(), dialogs, parent) {
    setObjectName(QStringLiteral("QVLWeapons"));
}

} // namespace quarvel::ui
