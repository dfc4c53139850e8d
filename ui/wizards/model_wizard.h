#pragma once

#include "ui/dialogs/user_dialogs.h"
#include "ui/host_system.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <filesystem>
#include <optional>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace quarvel::ui {

// What tells one model wizard from the other: its texts, the suffix of its control names and
// the pack it downloads.
struct ModelWizardTexts {
    QString windowName;    // the window's object name: QVLModels
    QString caption;       // window caption
    QString nameSuffix;    // appended to the names of the step field, buttons and frames
    QString removeChoice;  // "Remove Hi FPS Player Models"
    QString installChoice; // "Install Hi FPS Player Models"
    QString models;        // "Player Models." ending the download sentence
    QString packFolder;    // where in the game folder the pack's files go: "models/player"
    QString replaced;      // the game's files the pack replaces; %1 is packFolder
    QUrl pack;             // the download that "Click here" opens
};

// What a wizard tells the player to do by hand, for his game and his system.
struct ModelSteps {
    QString folder;     // the game folder as the system writes it; empty when none was found
    QString browse;     // how to see it: the button that opens it, and what it opens in
    QStringList before; // before extracting the pack
    QStringList remove; // taking it out again
};

// A Steam game gets its files back from Steam; any other copy from the player's own copy of the
// files the pack replaces, which he is told to make first. No step deletes the game's own files.
ModelSteps modelSteps(const ModelWizardTexts& texts,
                      const std::optional<std::filesystem::path>& game, HostSystem system);

// Two steps: choose Install or Remove, then read how to do it by hand. The wizard itself
// touches no files. Modeless; Escape cancels it and Enter presses Next or Finish.
// Not a QWizard: each QWizard style adds a rule or a side panel and places the buttons its own way.
class ModelWizard : public QDialog {
    Q_OBJECT
public:
    // `game` is the Counter-Strike folder the game search found, if any.
    ModelWizard(const ModelWizardTexts& texts, UserDialogs& dialogs,
                std::optional<std::filesystem::path> game, QWidget* parent = nullptr);

private:
    QGroupBox* buildChoiceFrame(const ModelWizardTexts& texts);
    QGroupBox* buildDownloadFrame(const ModelWizardTexts& texts);
    QGroupBox* buildRemoveFrame();
    // The game folder's path, and the button that opens it in the file manager.
    void addGameFolder(QVBoxLayout* layout);
    void openGameFolder();
    QWidget* buildButtons(const QString& suffix);
    // Shows step 0 (the choice) or 1 (how to do it).
    void setStep(int step);
    void showDefault(QPushButton* button);

    UserDialogs& dialogs_;
    QUrl pack_;
    std::optional<std::filesystem::path> game_;
    ModelSteps steps_;
    int step_ = 0;
    QGroupBox* choiceFrame_ = nullptr;
    QGroupBox* downloadFrame_ = nullptr;
    QGroupBox* removeFrame_ = nullptr;
    QRadioButton* removeChoice_ = nullptr;
    QRadioButton* installChoice_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* backButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* finishButton_ = nullptr;
};

} // namespace quarvel::ui
