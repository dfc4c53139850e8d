#pragma once

#include "config/check.h"
#include "core/engine.h"
#include "games/game_detection.h"
#include "ui/dialogs/user_dialogs.h"
#include "ui/install/last_folder.h"

#include <QDialog>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QPlainTextEdit;
class QPushButton;

namespace quarvel::ui {

class FolderChooser;

// The install window: the script to edit on the left, the game directory and the Install
// button on the right. An install writes quarvel.cfg and the exec line in autoexec.cfg (and in
// userconfig.cfg, when asked); the window can also take the tweaks out again and check whether
// they held.
class InstallWindow : public QDialog {
    Q_OBJECT
public:
    // Finds the game directories the player may pick from; it runs on a worker thread.
    using GameFinder = std::function<std::vector<games::DetectedGame>()>;

    // Shows the script for the game version; installing for today's Steam game makes
    // userconfig.cfg run the script too, unless the player says otherwise. Opens at the folder
    // in `lastFolder`, else at the first game found, else at the working folder.
    InstallWindow(std::string script, GameVersion version, UserDialogs& dialogs,
                  GameFinder findGames = {}, std::shared_ptr<LastFolder> lastFolder = {},
                  QWidget* parent = nullptr);

    // The directory an install writes into, as the window shows it.
    [[nodiscard]] QString directory() const;
    // Makes a directory the install's target; one that does not exist is kept as typed.
    void setDirectory(const QString& path);
    void setDirectory(const std::filesystem::path& path);
    // The script as the file would receive it, with CR LF line ends.
    [[nodiscard]] QString scriptText() const;

    // Offers, while the folder lies in a Steam library and the classic game is chosen, to switch
    // to today's Steam game; `switchVersion` switches the program to it and gives the script
    // built for it.
    void offerTodaysGame(std::function<std::string()> switchVersion);

public slots:
    // Escape: asks first when the script holds edits that were not installed.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildEditor();
    // Step 1: where the tweaks go, with the games found, the folder chooser and its notes.
    QWidget* buildDirectoryStep(GameFinder findGames);
    // On a low screen Step 1 scrolls on its own, so that the actions of Step 2 stay in view.
    QWidget* scrollingStep(QWidget* step);
    void addDetectedGames(QLayout* layout, QWidget* frame, GameFinder findGames);
    void showGames(std::vector<games::DetectedGame> found);
    // The game list and the note under the path follow the folder.
    void folderChanged();
    QWidget* buildInstallStep();
    // The note that the folder does not look like a game's, shown while it does not.
    QWidget* buildNotGameNote(QWidget* parent);
    QWidget* buildSteamNote(QWidget* parent);
    void showScript(const std::string& text);
    // The script holds edits that were not installed.
    [[nodiscard]] bool edited() const;
    // True when there are no edits, or the player agrees to lose them.
    bool mayDropEdits(const QString& title, const QString& question);
    // The option shows whether userconfig.cfg of the folder runs the script.
    void showUserconfigHook();
    void switchToTodaysGame();
    void install();
    void removeTweaks();
    void checkFolder();
    // What a check found, in the window's words; the option is named by its caption.
    [[nodiscard]] QString checkText(const std::filesystem::path& folder,
                                    const CheckReport& report) const;
    // What the check is told of the folder: the game version, and whether Steam installed it.
    [[nodiscard]] CheckOptions checkOptions(const std::filesystem::path& folder) const;
    // The remedy of a check: userconfig.cfg made to run the script, and the check again.
    UserDialogs::Message runAfterSettings(const std::filesystem::path& folder);
    // The folder the chooser shows, once it holds one; nothing when the typed path is none.
    [[nodiscard]] std::optional<std::filesystem::path> chosenFolder();
    // The folder an action was taken on, for the next window.
    void remember(const std::filesystem::path& folder);

    UserDialogs& dialogs_;
    std::vector<games::DetectedGame> games_;
    QPlainTextEdit* scriptEdit_ = nullptr;
    QComboBox* gamesList_ = nullptr;
    FolderChooser* chooser_ = nullptr;
    QLabel* notGameNote_ = nullptr;
    std::shared_ptr<LastFolder> lastFolder_;
    // Where the window opened; it moves to the first game found only while it is still there.
    std::filesystem::path openedAt_;
    QPushButton* installButton_ = nullptr;
    QCheckBox* userconfigBox_ = nullptr;
    QWidget* steamNote_ = nullptr;
    std::function<std::string()> switchVersion_;
    // The script as it was last built or installed: what differs from it are the player's edits.
    QString shownScript_;
    bool dropAgreed_ = false;
    GameVersion version_;
};

} // namespace quarvel::ui
