#include "ui/wizards/models_wizard.h"

#include "core/product.h"
#include "ui/text.h"

namespace quarvel::ui {

// What tells this wizard from the other; translated in this wizard's own context.
ModelWizardTexts ModelsWizard::texts() {
    return {
        tr("Hi FPS Player Models"),
        QString(),
        tr("Remove Hi FPS Player Models"),
        tr("Install Hi FPS Player Models"),
        tr("Player Models."),
        QStringLiteral("models/player"),
        tr("the player models in %1, one .mdl file in the folder of each team"),
        QUrl(qs(product::playerModelsPack)),
    };
}

ModelsWizard::ModelsWizard(UserDialogs& dialogs, std::optional<std::filesystem::path> game,
                           QWidget* parent)
    : ModelWizard(texts(), dialogs, std::move(game), parent) {
    setObjectName(QStringLiteral("QVLModels"));
}

} // namespace quarvel::ui
