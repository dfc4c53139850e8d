#pragma once

#include "core/engine.h"
#include "games/game_detection.h"
#include "ui/user_dialogs.h"

#include <QWidget>

#include <filesystem>

class QComboBox;
class QLayout;
class QFileSystemModel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QTreeView;

namespace quarvel::ui {

// The install window: the script to edit on the left, the game directory and the Install
// button on the right. An install writes quarvel.cfg and the exec line in autoexec.cfg.
class QVLInstall : public QWidget {
    Q_OBJECT
public:
    // `games` are the detected game directories the player may pick from.
    explicit QVLInstall(const quarvel::TweakLines& lines, UserDialogs& dialogs,
                        std::vector<games::DetectedGame> games = {}, QWidget* parent = nullptr);

    // The directory an install writes into, as the window shows it.
    [[nodiscard]] QString directory() const;
    // Makes a directory the install's target; one that does not exist is kept as typed.
    void setDirectory(const QString& path);
    void setDirectory(const std::filesystem::path& path);
    // The script as the file would receive it, with CR LF line ends.
    [[nodiscard]] QString scriptText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* buildEditor();
    QWidget* buildDirectoryStep();
    void addDetectedGames(QLayout* layout, QWidget* frame);
    QWidget* buildInstallStep();
    void showScript(const std::string& text);
    void showTarget();
    void Dir1_Change(const QModelIndex& current);
    void Drive1_Change(int index);
    void cmdInstall_Click();

    UserDialogs& dialogs_;
    std::vector<games::DetectedGame> games_;
    std::filesystem::path directory_; // as bytes, so that any folder name works
    QPlainTextEdit* txtTweaks_ = nullptr;
    QComboBox* gamesList_ = nullptr;
    QComboBox* drive1_ = nullptr;
    QTreeView* dir1_ = nullptr;
    QFileSystemModel* dirModel_ = nullptr;
    QLineEdit* target_ = nullptr;
    QTimer* scrollTimer_ = nullptr;
    bool followTarget_ = true;
    QPushButton* cmdInstall_ = nullptr;
};

} // namespace quarvel::ui
