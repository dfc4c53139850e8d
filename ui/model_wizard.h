#pragma once

#include "ui/user_dialogs.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QUrl>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace quarvel::ui {

// What tells one model wizard from the other: its texts, the suffix of its control names and
// the pack it downloads.
struct ModelWizardTexts {
    QString caption;         // window caption
    QString nameSuffix;      // appended to the names of the step field, buttons and frames
    QString removeChoice;    // "Remove Hi FPS Player Models"
    QString installChoice;   // "Install Hi FPS Player Models"
    QString models;          // "Player Models." ending the download sentence
    QStringList removeSteps; // what to delete, said after the example path
    QUrl pack;               // the download that "Click here" opens
};

// Two steps: choose Install or Remove, then read how to do it by hand. The wizard itself
// touches no files. Modeless; Escape cancels it and Enter presses Next or Finish.
class ModelWizard : public QDialog {
    Q_OBJECT
public:
    ModelWizard(const ModelWizardTexts& texts, UserDialogs& dialogs, QWidget* parent = nullptr);

private:
    QGroupBox* buildInstallFrame(const ModelWizardTexts& texts);
    QGroupBox* buildDownloadFrame(const ModelWizardTexts& texts);
    QGroupBox* buildRemoveFrame(const ModelWizardTexts& texts);
    QWidget* buildButtons(const QString& suffix);
    // Shows step 0 (the choice) or 1 (how to do it).
    void setStep(int step);
    void showDefault(QPushButton* button);

    UserDialogs& dialogs_;
    QUrl pack_;
    int step_ = 0;
    QGroupBox* framInstall_ = nullptr;
    QGroupBox* framDownload_ = nullptr;
    QGroupBox* framRemove_ = nullptr;
    QRadioButton* optRemove_ = nullptr;
    QRadioButton* optInstall_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
    QPushButton* cmdNext_ = nullptr;
    QPushButton* cmdFinish_ = nullptr;
};

} // namespace quarvel::ui
