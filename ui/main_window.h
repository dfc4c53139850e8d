#pragma once

#include "config/loader.h"
#include "core/engine.h"
#include "core/rate_rules.h"
#include "ui/user_dialogs.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <string>

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

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showPage(int index);

    // The tab at `index`, built when it is first shown.
    QWidget* buildPage(int index);
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
    // Says on the status line what the last action did.
    void tell(const QString& text);
    void openUrl(std::string_view address);
    void openInstall();
    void openAbout();
    void openModels();
    void openWeapons();

    UserDialogs& dialogs_;
    quarvel::Engine engine_;
    // The key of the tweak whose description is shown.
    std::string describedKey_;

    TweakWidgets* tweaks_;
    QTabWidget* tabs_ = nullptr;
    bool sized_ = false;
    QLabel* lblDes_ = nullptr;
    QComboBox* cmbLimits_ = nullptr;
    TodayPage* todayPage_ = nullptr;

    QPointer<InstallWindow> install_;
    std::shared_ptr<LastFolder> lastFolder_;
    QPointer<AboutWindow> about_;
    QPointer<ModelsWizard> models_;
    QPointer<WeaponsWizard> weapons_;
};

} // namespace quarvel::ui
