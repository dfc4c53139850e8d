#pragma once

#include "core/engine.h"
#include "ui/main/tweak_places.h"

#include <QObject>

#include <array>
#include <vector>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quarvel::ui {

class FieldKeyFilter;

// The widgets that show the engine's editors, made as the pages ask for them and kept by editor
// id: each hands what the player does to its editor, and shows the editor's state whenever the
// engine tells that it changed. The pages decide only where the widgets stand.
class TweakWidgets : public QObject {
    Q_OBJECT
public:
    // The editor id that an editor or DEFAULT button carries, for F1.
    static constexpr const char* tweakProperty = "quarvelTweak";

    TweakWidgets(Engine& engine, QObject* parent);

    // The ON/OFF rows of a block: marker (in `markerColumn`), DEFAULT button, pair and caption.
    void addToggleRows(QGridLayout* grid, QWidget* parent, Block block, bool markerColumn);
    // The lists and fields of a block, each a caption line above its editor, in two columns.
    void addCells(QGridLayout* grid, QWidget* parent, Block block);
    // The column heads "D", "1" and "0" above ON/OFF rows.
    QWidget* legendRow(QWidget* parent, bool markerColumn, const char* defaultName,
                       const char* onName, const char* offName);
    // ON/OFF rows under their legend (named: the "D", "1" and "0" heads) on the left, and the
    // lists and fields of another block on the right, in a frame of their own.
    QWidget* togglesBesideCells(QWidget* parent, const std::array<const char*, 3>& legendNames,
                                Block toggles, Block cells);
    QComboBox* listBox(EditorId id, QWidget* parent);
    QLineEdit* numericField(EditorId id, QWidget* parent);
    // A label that shows an editor's text: the unit beside a speed field.
    void showsEditor(EditorId id, QLabel* label);

    // Shows an editor's state, without reporting it back as the player's pick.
    void refresh(EditorId id);
    // Enables what the game version in force offers and disables the rest.
    void refreshOffered();
    // The widget of an editor, once its page is built; null before.
    [[nodiscard]] QWidget* widget(EditorId id) const;

signals:
    void captionClicked(EditorId id);
    void defaultPressed(EditorId id);

private:
    QLabel* captionLabel(const TweakPlace& place, QWidget* parent);
    QPushButton* defaultButtonFor(EditorId id, QWidget* parent);
    // Names the widget of a list or field after its editor, for the tests and screen readers, and
    // keeps it.
    void keepEditor(EditorId id, QWidget* shown);

    Engine& engine_;
    FieldKeyFilter* keyFilter_;
    std::vector<QWidget*> editors_;        // indexed by editor id
    std::vector<QWidget*> defaultButtons_; // indexed by editor id
};

} // namespace quarvel::ui
