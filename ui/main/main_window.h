#pragma once

#include "config/loader.h"
#include "core/engine.h"
#include "core/rate_rules.h"
#include "games/game_detection.h"
#include "ui/dialogs/user_dialogs.h"

#include <QMainWindow>
#include <QPointer>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QTabWidget;

namespace quarvel::ui {

class AboutWindow;
class InstallWindow;
struct LastFolder;
class ModelsWizard;
class TodayPage;
class TweakWidgets;
class WeaponsWizard;

// The main window: the game version, the tweaks on four tabs, the menus, the description panel
// and the status line. It shows the
// engine's editors and hands every user action to them; the settings live in the engine.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] quarvel::Engine& engine() { return engine_; }

    // The install window while it is open.
    [[nodiscard]] InstallWindow* installWindow() const;

    // Looks for the player's games off the window's thread once the window has drawn its first
    // frame; the program passes the search, a window made without it looks for none.
    using GameFinder = std::function<std::vector<games::DetectedGame>()>;
    void findGamesAfterFirstFrame(GameFinder findGames);
    // The games found, once the search has ended.
    [[nodiscard]] const std::optional<std::vector<games::DetectedGame>>& games() const {
        return games_;
    }

signals:
    void gamesFound();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // A tab: its title, and what builds its page when the tab is first shown.
    struct Page {
        const char* title;
        QWidget* (MainWindow::*build)();
    };
    // The tabs, in their order.
    static std::span<const Page> pages();

    void showPage(int index);
    QWidget* buildFpsPage();
    QWidget* buildPingPage();
    QWidget* buildModelsPage();
    QWidget* buildTodayPage();
    QWidget* buildVersionRow(QWidget* parent);
    QWidget* buildDescriptionPanel(QWidget* parent);

    void buildMenus();
    void refreshAll();
    // Shows what the game version in force offers: its editors enabled, the others not, and the
    // rate fields' caps.
    void refreshVersion();
    // What the game version in force allows a rate field, for its tooltip and description.
    [[nodiscard]] QString limitSentence(const RateRule& rule) const;
    void captionClicked(EditorId id);
    void describeFocusedTweak();
    void showDescription();
    void loadSettings();
    // What a load changed of the file's own values, for the status line; empty when nothing.
    [[nodiscard]] QString loadChanges(const LoadReport& report) const;
    // What the search found: a game in a Steam library is today's Steam game, which Quarvel
    // starts on unless the player has changed anything yet.
    void showGamesFound(std::vector<games::DetectedGame> found);
    // Switches to today's Steam game, and says why.
    void useTodaysGame(const games::DetectedGame& game);
    void openUpdatePage();
    // Says on the status line what the last action did.
    void tell(const QString& text);
    void openUrl(std::string_view address);
    void openInstall();
    void openAbout();
    void openModels();
    void openWeapons();
    // The first Counter-Strike found, where the model packs go.
    [[nodiscard]] std::optional<std::filesystem::path> counterStrike() const;

    UserDialogs& dialogs_;
    quarvel::Engine engine_;
    // The key of the tweak whose description is shown.
    std::string describedKey_;

    TweakWidgets* tweaks_;
    QTabWidget* tabs_ = nullptr;
    bool sized_ = false;
    QLabel* description_ = nullptr;
    QComboBox* versionList_ = nullptr;
    TodayPage* todayPage_ = nullptr;

    QPointer<InstallWindow> install_;
    std::optional<std::vector<games::DetectedGame>> games_;
    // The settings the program started with: until they change, the player has changed nothing.
    TweakLines startLines_{};
    // Where the file dialog of "Load *.cfg Settings" opened last, in this run.
    QString loadFolder_;
    std::shared_ptr<LastFolder> lastFolder_;
    QPointer<AboutWindow> about_;
    QPointer<ModelsWizard> models_;
    QPointer<WeaponsWizard> weapons_;
};

} // namespace quarvel::ui
