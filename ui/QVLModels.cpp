#include "ui/QVLModels.h"
#include "ui/text.h"

#include "core/product.h"

namespace quarvel::ui {

namespace {

ModelWizardTexts playerModels() {
    return {
        QStringLiteral("Hi FPS Player Models"),
        QString(),
        QStringLiteral("Player Models"),
        {QStringLiteral("Then find the 'models' folder. In the models folder you should see "
                        "another folder called 'player'."),
         QStringLiteral("Right-click on the player folder and select Delete. Confirm the "
                        "deletion.")},
        QUrl(qs(product::playerModelsPack)),
    };
}

} // namespace

QVLModels::QVLModels(UserDialogs& dialogs, QWidget* parent)
    : ModelWizard(playerModels(), dialogs, parent) {
    setObjectName(QStringLiteral("QVLModels"));
}

} // namespace quarvel::ui
