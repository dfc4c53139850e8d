#pragma once

#include "core/catalogue.h"
#include "core/game_version.h"

#include <array>
#include <string_view>

// Which editor of the connection-speed calculator feeds which: a speed gives a byte rate, a byte
// rate gives a packet rate, and every rate has the cap the game's servers accept and the value it
// starts at, both after the game version. Since 2013 the Steam build takes rate up to 100000 and
// cl_updaterate up to 102, and starts at rate 30000 and 60 updates and commands a second. cl_rate
// is reset to 20000 on connecting and the command rate is bounded by the frame rate, so their caps
// stay; cl_rate keeps 9999, as the game resets it on connecting anyway.
namespace quarvel {

struct RateLimit {
    double value;
    std::string_view text; // what the field is set to when above it
};

// A rate field's cap and start value under each game version, and the packet-rate field derived
// from it (if any).
struct RateRule {
    EditorId field;
    std::array<RateLimit, gameVersionCount> limits;
    std::array<std::string_view, gameVersionCount> starts;
    EditorId derived; // noEditor: nothing is derived
    double divisor;

    [[nodiscard]] constexpr const RateLimit& limit(GameVersion version) const {
        return limits[static_cast<std::size_t>(version)];
    }
    [[nodiscard]] constexpr std::string_view start(GameVersion version) const {
        return starts[static_cast<std::size_t>(version)];
    }
};

// Byte rates first: a byte rate is capped, and derives its packet rate, before the packet rate
// itself is looked at.
inline constexpr std::array rateRules{
    RateRule{editorId("txtRate"),
             {{{20000, "20000"}, {100000, "100000"}}},
             {"7500", "30000"},
             editorId("txtURate"),
             280},
    RateRule{editorId("txtClRate"),
             {{{20000, "20000"}, {20000, "20000"}}},
             {"9999", "9999"},
             editorId("txtCMDRate"),
             140},
    RateRule{editorId("txtURate"), {{{45, "45"}, {102, "102"}}}, {"20", "60"}, noEditor, 0},
    RateRule{editorId("txtCMDRate"), {{{100, "100"}, {100, "100"}}}, {"30", "60"}, noEditor, 0},
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
