#pragma once

#include "core/catalogue.h"

#include <array>
#include <string_view>

// Which editor of the connection-speed calculator feeds which: a speed gives a byte rate, a byte
// rate gives a packet rate, and every rate has the cap the game's servers accept.
namespace quarvel {

// A rate field's cap, and the packet-rate field derived from it (if any).
struct RateRule {
    EditorId field;
    double limit;
    std::string_view limitText;
    EditorId derived; // noEditor: nothing is derived
    double divisor;
};

inline constexpr std::array rateRules{
    RateRule{editorId("txtRate"), 20000, "20000", editorId("txtURate"), 280},
    RateRule{editorId("txtClRate"), 20000, "20000", editorId("txtCMDRate"), 140},
    RateRule{editorId("txtURate"), 45, "45", noEditor, 0},
    RateRule{editorId("txtCMDRate"), 100, "100", noEditor, 0},
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

} // namespace quarvel
