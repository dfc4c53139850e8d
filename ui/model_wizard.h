#pragma once

#include "ui/user_dialogs.h"

#include <QString>
#include <QUrl>
#include <QWidget>

namespace quarvel::ui {

// What tells the player-model wizard from the weapon-model wizard.
struct ModelWizardTexts {
    QString caption;
    QUrl pack;
};

// Two steps: choose Install or Remove, then read how to do it.
class ModelWizard : public QWidget {
    Q_OBJECT
public:
    ModelWizard(const ModelWizardTexts& texts, UserDialogs& dialogs, QWidget* parent = nullptr);

private:
    UserDialogs& dialogs_;
};

} // namespace quarvel::ui
