#pragma once

#include "core/catalogue.h"
#include "core/presets.h"
#include "core/rate_rules.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel {

// The settings store: for every tweak, the script text its editor's state stands for. One config
// line, or two joined by CR LF for the tweaks that drive two cvars.
using TweakLines = std::array<std::string, slotCount>;

// Who hears of the engine's changes: a window that shows its editors, or a test.
struct EngineObserver {
    std::function<void(EditorId)> editorChanged; // an editor's state was set
    std::function<void(int slot)> slotWritten;   // a slot of the store was written
    std::function<void()> versionChanged;        // another game version was chosen
};

// The editors of the main window, as objects with a state and a handler. Setting an editor's state
// from code runs its handler before the setter returns, exactly as a user's click or keystroke
// would, so handlers nest: a speed sets a rate, the rate caps itself and derives a packet rate,
// which caps itself in turn. The handlers are the only writers of the store.
class Engine {
public:
    // Start-up: every editor goes to the state of the Default preset, which fills every slot.
    Engine();

    [[nodiscard]] const TweakLines& tweakLines() const { return tweakLines_; }
    [[nodiscard]] const std::string& slot(int index) const { return tweakLines_.at(index); }

    // State of an editor: the selected member of an option pair (1 ON, 0 OFF) or item of a list,
    // -1 while none is; the text of a field or the caption of a label.
    [[nodiscard]] int selected(EditorId id) const { return states_.at(id).selected; }
    [[nodiscard]] const std::string& text(EditorId id) const { return states_.at(id).text; }
    // The state as "1"/"0" for an option pair, the index for a list, the text otherwise.
    [[nodiscard]] std::string stateText(EditorId id) const;

    // Setting editors from code. Each runs the editor's handler before it returns; a field whose
    // text does not change runs nothing.
    void selectOption(EditorId pair, int element);
    void selectItem(EditorId list, int index);
    void setText(EditorId field, std::string text);
    // Puts an editor into the state a state text names (see stateText). False, and nothing
    // changes, when the editor cannot take that state.
    bool setState(EditorId id, std::string_view state);

    // The key filter of a field: the character code itself when typing it is allowed, else 0.
    // Backspace (8) is always allowed.
    [[nodiscard]] static int filterKey(EditorId field, int code);
    // Types one character at the end of a field, through its key filter. False if refused.
    bool typeCharacter(EditorId field, int code);

    // The DEFAULT button of an editor: puts it back to its default state. False when the editor
    // has no such button.
    bool pressDefault(EditorId editor);
    void applyPreset(Preset preset);

    // The game the settings are made for; the classic one at start, like every setting. It caps
    // the rates, gives the rate fields their start values and decides which tweaks the script
    // holds.
    [[nodiscard]] GameVersion gameVersion() const { return version_; }
    // Chooses the game version. A typed speed gives its rates again, exactly as if it were typed
    // anew; otherwise each rate field that held the old version's start value takes the new one's,
    // and any other is kept, lowered to its new cap if above it. The fields are set in slot order
    // through their handlers, so an explicit value wins over one derived from an earlier field.
    void setGameVersion(GameVersion version);
    [[nodiscard]] const RateLimit& limitOf(const RateRule& rule) const {
        return rule.limit(version_);
    }
    // Whether the game version in force knows what an editor writes.
    [[nodiscard]] bool offers(EditorId id) const { return offered(id, version_); }

    // The state the Default preset gives an editor under the game version in force; empty for the
    // speed fields and labels.
    [[nodiscard]] std::string_view defaultState(EditorId id) const;

    // Depth of the handlers running right now; 0 once a chain has settled.
    [[nodiscard]] int handlerDepth() const { return depth_; }

    // Tells the observer about every change from now on; an empty one tells no one.
    void observe(EngineObserver observer) { observer_ = std::move(observer); }

private:
    struct EditorState {
        int selected = -1;
        std::string text;
    };

    [[nodiscard]] std::string_view presetState(const PresetRow& row, Preset preset) const;
    // Types a speed anew: its byte rate is set, and its handler runs, even when the text stays.
    void retypeSpeed(const SpeedRule& rule);
    void changed(EditorId id);
    void runHandler(EditorId id);
    void optionPairHandler(EditorId id);
    void listHandler(EditorId id);
    void fieldHandler(EditorId id);
    void rateFieldHandler(EditorId id);
    void speedFieldHandler(EditorId id);
    void unitListHandler(EditorId id);
    void writeSlot(int slot, std::string text);

    TweakLines tweakLines_;
    std::vector<EditorState> states_;
    int depth_ = 0;
    GameVersion version_ = GameVersion::Classic;
    EngineObserver observer_;
};

} // namespace quarvel
