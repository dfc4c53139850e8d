#include "ui/models_wizard.h"
#include "ui/text.h"

#include "core/product.h"

namespace quarvel::ui {

// What tells this wizard from the other; translated in this wizard's own context.
ModelWizardTexts ModelsWizard::texts() {
    return {
        tr("Hi FPS Player Models"),
        QString(),
        tr("Remove Hi FPS Player Models"),
        tr("Install Hi FPS Player Models"),
        tr("Player Models."),
        {tr("Then find the 'models' folder. In the models folder you should see another folder "
            "called 'player'."),
         tr("Right-click on the player folder and select Delete. Confirm the deletion.")},
        QUrl(qs(product::playerModelsPack)),
    };
}

ModelsWizard::ModelsWizard(UserDialogs& dialogs, QWidget* parent)
    : ModelWizard(texts(), dialogs, parent) {
    setObjectName(QStringLiteral("QVLModels"));
}

} // namespace quarvel::ui
