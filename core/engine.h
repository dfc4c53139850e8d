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
    std::function<void()> limitsChanged;         // the game build's rate limits were chosen
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

    // The game build whose rate limits are in force; classic at start, like every setting.
    [[nodiscard]] RateLimits rateLimits() const { return rateLimits_; }
    // Chooses the limits: each rate field above its new limit is set to that limit, through its
    // handler, which derives as usual. A field within its limit keeps its value; nothing is
    // raised.
    void setRateLimits(RateLimits limits);
    [[nodiscard]] const RateLimit& limitOf(const RateRule& rule) const {
        return rule.limit(rateLimits_);
    }

    // The state the Default preset gives an editor; empty for the speed fields and labels.
    [[nodiscard]] static std::string_view defaultState(EditorId id);

    // Depth of the handlers running right now; 0 once a chain has settled.
    [[nodiscard]] int handlerDepth() const { return depth_; }

    // Tells the observer about every change from now on; an empty one tells no one.
    void observe(EngineObserver observer) { observer_ = std::move(observer); }

private:
    struct EditorState {
        int selected = -1;
        std::string text;
    };

    // Puts the editor whose tweak key is the DEFAULT key back to its default state.
    void applyDefault();
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
    RateLimits rateLimits_ = RateLimits::Classic;
    EngineObserver observer_;
    // The key of the last DEFAULT button pressed.
    std::string DefaultKey;
};

} // namespace quarvel
