#pragma once

#include "core/engine.h"
#include "ui/main_layout.h"
#include "ui/user_dialogs.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace quarvel::ui {

class FieldKeyFilter;
class QVLAbout;
class QVLInstall;
struct LastFolder;
class QVLModels;
class QVLWeapons;

// The main window: the tweaks on three tabs, the menus and the description panel. It shows the
// engine's editors and hands every user action to them; the settings live in the engine.
class QVLMain : public QMainWindow {
    Q_OBJECT
public:
    explicit QVLMain(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~QVLMain() override;

    [[nodiscard]] quarvel::Engine& engine() { return engine_; }
    [[nodiscard]] const std::string& descriptionKey() const { return DescriptionKey; }

    // The secondary windows while they are open.
    [[nodiscard]] QVLInstall* installWindow() const;
    [[nodiscard]] QVLAbout* aboutWindow() const;
    [[nodiscard]] QVLModels* modelsWindow() const;
    [[nodiscard]] QVLWeapons* weaponsWindow() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showPage(int index);

    // Pages (main_pages.cpp)
    QWidget* buildFpsPage();
    QWidget* buildPingPage();
    QWidget* buildModelsPage();
    QWidget* buildTodayPage();
    QWidget* buildVersionRow(QWidget* parent);
    QWidget* buildSpeedEntry(QWidget* parent);
    QWidget* buildSpeedHelp(QWidget* parent);
    QWidget* buildDescriptionPanel(QWidget* parent);
    // The ON/OFF rows of a tab: `markerColumn` when any of them has a marker.
    QWidget* legendRow(QWidget* parent, bool markerColumn, const char* defaultName,
                       const char* onName, const char* offName);
    void addToggleRows(QGridLayout* grid, QWidget* parent, Block block, bool markerColumn);
    void addCells(QGridLayout* grid, QWidget* parent, Block block);
    QLabel* captionLabel(const TweakPlace& place, QWidget* parent);
    QPushButton* defaultButtonFor(EditorId id, QWidget* parent);
    QComboBox* listBox(EditorId id, QWidget* parent);
    QLineEdit* numericField(EditorId id, QWidget* parent);

    // Behaviour (QVLMain.cpp)
    void buildMenus();
    void refresh(EditorId id);
    void refreshAll();
    // Shows what the game version in force offers: its editors enabled, the others not, and the
    // rate fields' caps.
    void refreshVersion();
    // What the game version in force allows a rate field, for its tooltip and description.
    [[nodiscard]] QString limitSentence(const RateRule& rule) const;
    void captionClicked(EditorId id);
    void describeFocusedTweak();
    void ShowDescription();
    void loadSettings();
    // Says on the status line what the last action did.
    void tell(const QString& text);
    void openUrl(std::string_view address);
    void openInstall();
    void openAbout();
    void openModels();
    void openWeapons();

    // The editor id that an editor or DEFAULT button carries, for F1.
    static constexpr const char* tweakProperty = "quarvelTweak";

    UserDialogs& dialogs_;
    quarvel::Engine engine_;
    // The key of the last caption clicked.
    std::string DescriptionKey;

    std::vector<QWidget*> editors_;        // indexed by editor id
    std::vector<QWidget*> defaultButtons_; // indexed by editor id
    FieldKeyFilter* keyFilter_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    bool sized_ = false;
    QLabel* lblDes_ = nullptr;
    QComboBox* cmbLimits_ = nullptr;
    QLabel* todayNote_ = nullptr;

    QPointer<QVLInstall> install_;
    std::shared_ptr<LastFolder> lastFolder_;
    QPointer<QVLAbout> about_;
    QPointer<QVLModels> models_;
    QPointer<QVLWeapons> weapons_;
};

} // namespace quarvel::ui
