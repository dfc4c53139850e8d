#pragma once

#include "core/catalogue.h"
#include "core/game_version.h"

#include <array>
#include <string_view>

// Which editor of the connection-speed calculator feeds which: a speed gives a byte rate, a byte
// rate gives a packet rate, and every rate has the cap the game's servers accept, the least value
// the game keeps and the value it starts at, all after the game version. Since 2013 the Steam
// build takes rate from 1000 to 100000, cl_updaterate from 10 to 102 and cl_cmdrate from 10 up to
// the frame rate, so at most 1000; it starts at rate 30000 and 60 updates and commands a second.
// The classic game's caps are the ones the tweaks were first written for, with no least value.
// cl_rate is reset to 20000 on connecting, so its cap stays; it keeps 9999, as the game resets it
// on connecting anyway.
namespace quarvel {

struct RateLimit {
    double value;
    std::string_view text; // what the field is set to when beyond it; empty: no such limit
};

// A rate field's cap, least value and start value under each game version, and the packet-rate
// field derived from it (if any). A typed value is only capped: the least value is what the game
// raises a lower one to, so the calculator derives no less and the script writes no less, but a
// player typing "50" passes through "5".
struct RateRule {
    EditorId field;
    std::array<RateLimit, gameVersionCount> limits;
    std::array<RateLimit, gameVersionCount> floors;
    std::array<std::string_view, gameVersionCount> starts;
    EditorId derived; // noEditor: nothing is derived
    double divisor;

    [[nodiscard]] constexpr const RateLimit& limit(GameVersion version) const {
        return limits[static_cast<std::size_t>(version)];
    }
    // The least value the game keeps; one with an empty text means none.
    [[nodiscard]] constexpr const RateLimit& floor(GameVersion version) const {
        return floors[static_cast<std::size_t>(version)];
    }
    [[nodiscard]] constexpr std::string_view start(GameVersion version) const {
        return starts[static_cast<std::size_t>(version)];
    }
};

// Byte rates first: a byte rate is capped, and derives its packet rate, before the packet rate
// itself is looked at.
inline constexpr RateLimit noFloor{0, ""};

inline constexpr std::array rateRules{
    RateRule{editorId("txtRate"),
             {{{20000, "20000"}, {100000, "100000"}}},
             {{noFloor, {1000, "1000"}}},
             {"7500", "30000"},
             editorId("txtURate"),
             280},
    RateRule{editorId("txtClRate"),
             {{{20000, "20000"}, {20000, "20000"}}},
             {{noFloor, noFloor}},
             {"9999", "9999"},
             editorId("txtCMDRate"),
             140},
    RateRule{editorId("txtURate"),
             {{{45, "45"}, {102, "102"}}},
             {{noFloor, {10, "10"}}},
             {"20", "60"},
             noEditor,
             0},
    RateRule{editorId("txtCMDRate"),
             {{{100, "100"}, {1000, "1000"}}},
             {{noFloor, {10, "10"}}},
             {"30", "60"},
             noEditor,
             0},
};

// A speed field, the unit list it is read in, the label that names the unit and the byte rate
// it fills in.
struct SpeedRule {
    EditorId speedField;
    EditorId unitList;
    EditorId unitLabel;
    EditorId rateField;
};

inline constexpr std::array speedRules{
    SpeedRule{editorId("txtUSpeed"), editorId("cmbSpeed"), editorId("lblUSpeed"),
              editorId("txtClRate")},
    SpeedRule{editorId("txtDSpeed"), editorId("cmbSpeed2"), editorId("lblDSpeed"),
              editorId("txtRate")},
};

// The index of a rate field's rule, or -1. (Indexes rather than pointers: GCC cannot test a
// pointer in a constant expression under its undefined-behaviour sanitizer.)
constexpr int rateRuleIndex(EditorId id) {
    for (std::size_t rule = 0; rule < rateRules.size(); ++rule) {
        if (rateRules[rule].field == id) {
            return static_cast<int>(rule);
        }
    }
    return -1;
}

// The index of the rule a speed field or unit list belongs to, or -1.
constexpr int speedRuleIndex(EditorId id) {
    for (std::size_t rule = 0; rule < speedRules.size(); ++rule) {
        if (speedRules[rule].speedField == id || speedRules[rule].unitList == id) {
            return static_cast<int>(rule);
        }
    }
    return -1;
}

// The rule of a rate field; null for any other editor.
inline const RateRule* rateRuleOf(EditorId id) {
    const int index = rateRuleIndex(id);
    return index < 0 ? nullptr : &rateRules[static_cast<std::size_t>(index)];
}

} // namespace quarvel
