#pragma once

#include "core/catalogue.h"
#include "core/rate_rules.h"
#include "core/translatable.h"

#include <array>
#include <string_view>

// The four presets. Each row names an editor and the state each preset puts it into, written as
// an editor state text: "1" or "0" for an option pair (ON, OFF), the item index for a list, the
// text for a field. An empty state leaves the editor alone. Rows stand in the order in which a
// preset applies them: slot order, with the speed-unit lists between the FPS and Ping tweaks, so
// the packet rates come after the rates they are derived from.
namespace quarvel {

enum class Preset { HighQuality, Default, HighFps, DieHardFps };

// How a preset is named: on the command line, in words, and in the Presets menu.
struct PresetName {
    Preset preset;
    std::string_view shortName; // "hiq"
    std::string_view caption;   // "High Quality"
    std::string_view menuText;  // QVL_TRANSLATABLE("Presets", "High &Quality"), with its access key
    std::string_view menuItem;  // the menu item's control name
};

inline constexpr std::array presetNames{
    PresetName{Preset::HighQuality, "hiq", "High Quality",
               QVL_TRANSLATABLE("Presets", "High &Quality"), "mnuPreHiQ"},
    PresetName{Preset::Default, "default", "Default", QVL_TRANSLATABLE("Presets", "&Default"),
               "mnuPreDefault"},
    PresetName{Preset::HighFps, "fps", "High FPS", QVL_TRANSLATABLE("Presets", "High &FPS"),
               "mnuPreFPS"},
    PresetName{Preset::DieHardFps, "dhfps", "Die Hard FPS",
               QVL_TRANSLATABLE("Presets", "Die &Hard FPS"), "mnuPreDHFPS"},
};

struct PresetRow {
    EditorId editor;
    std::array<std::string_view, presetNames.size()> states; // indexed by Preset
};

namespace detail {
inline constexpr std::string_view ON = "1";
inline constexpr std::string_view OFF = "0";
inline constexpr std::string_view keep = "";
} // namespace detail

// A rate field's state in the Default preset: the value it starts at under the game version in
// force (see rateRules).
inline constexpr std::string_view versionStart = "start";

inline constexpr auto presetTable = [] {
    using namespace detail;
    // clang-format off
    return std::array{
        //  editor                           High Quality  Default   High FPS  Die Hard FPS
        PresetRow{editorId("optHimodels"),   {ON,          OFF,      OFF,      OFF}},
        PresetRow{editorId("optClear"),      {ON,          OFF,      OFF,      OFF}},
        PresetRow{editorId("optCull"),       {ON,          ON,       ON,       ON}},
        PresetRow{editorId("optDither"),     {OFF,         ON,       ON,       ON}},
        PresetRow{editorId("optLightholes"), {ON,          ON,       OFF,      OFF}},
        PresetRow{editorId("optPalt"),       {ON,          ON,       ON,       ON}},
        PresetRow{editorId("optSpriteblend"),{ON,          ON,       ON,       ON}},
        PresetRow{editorId("optZTrick"),     {OFF,         OFF,      OFF,      ON}},
        PresetRow{editorId("optDetTex"),     {ON,          OFF,      OFF,      OFF}},
        PresetRow{editorId("optMirror"),     {ON,          ON,       OFF,      OFF}},
        PresetRow{editorId("optMMX"),        {ON,          OFF,      ON,       ON}},
        PresetRow{editorId("optBlood"),      {ON,          ON,       ON,       ON}},
        PresetRow{editorId("optGibs"),       {ON,          ON,       OFF,      OFF}},
        PresetRow{editorId("optPrecache"),   {ON,          OFF,      ON,       ON}},
        PresetRow{editorId("optLPrecache"),  {OFF,         OFF,      ON,       ON}},
        PresetRow{editorId("optDynamic"),    {ON,          ON,       OFF,      OFF}},
        PresetRow{editorId("optShadows"),    {ON,          ON,       OFF,      OFF}},
        PresetRow{editorId("optMinmodels"),  {OFF,         OFF,      ON,       ON}},
        PresetRow{editorId("optA3d"),        {OFF,         OFF,      OFF,      OFF}},
        PresetRow{editorId("optEAX"),        {ON,          OFF,      OFF,      OFF}},
        PresetRow{editorId("optReverb"),     {OFF,         ON,       OFF,      OFF}},
        PresetRow{editorId("optDCVoice"),    {ON,          ON,       ON,       ON}},
        PresetRow{editorId("cmbTextureq"),   {"0",         "1",      "3",      "3"}},
        PresetRow{editorId("cmbRnd"),        {"0",         "3",      "4",      "4"}},
        PresetRow{editorId("cmbMapq"),       {"0",         "0",      "1",      "2"}},
        PresetRow{editorId("cmbModelq"),     {"0",         "0",      "2",      "2"}},
        PresetRow{editorId("cmbTextureS"),   {"0",         "1",      "3",      "3"}},
        PresetRow{editorId("cmbSpriteq"),    {"0",         "0",      "2",      "2"}},
        PresetRow{editorId("cmbSpriteSkip"), {"0",         "0",      "2",      "2"}},
        PresetRow{editorId("cmbTruform"),    {"1",         "2",      "0",      "0"}},
        PresetRow{editorId("cmbIconMode"),   {"2",         "2",      "2",      "1"}},
        PresetRow{editorId("cmbPFX"),        {"2",         "2",      "0",      "0"}},
        PresetRow{editorId("cmbWeather"),    {"2",         "2",      "3",      "3"}},
        PresetRow{editorId("cmbCDFPS"),      {"5",         "5",      "0",      "0"}},
        PresetRow{editorId("txtCorpsestay"), {"10",        "10",     "1",      "1"}},
        PresetRow{editorId("txtHPKMax"),     {"1",         "4",      "1",      "1"}},
        PresetRow{editorId("txtWallPuffs"),  {"120",       "120",    "1",      "1"}},
        PresetRow{editorId("txtRubble"),     {"240",       "240",    "1",      "1"}},
        PresetRow{editorId("txtShells"),     {"120",       "120",    "1",      "1"}},
        PresetRow{editorId("txtSmokePuffs"), {"120",       "120",    "1",      "1"}},
        PresetRow{editorId("cmbSpeed"),      {keep,        "1",      keep,     "1"}},
        PresetRow{editorId("cmbSpeed2"),     {keep,        "1",      keep,     "1"}},
        PresetRow{editorId("optClPred"),     {keep,        ON,       keep,     keep}},
        PresetRow{editorId("optFireC"),      {keep,        ON,       keep,     keep}},
        PresetRow{editorId("optHitC"),       {keep,        ON,       keep,     keep}},
        PresetRow{editorId("optLagC"),       {keep,        ON,       keep,     keep}},
        PresetRow{editorId("optDownIG"),     {keep,        ON,       OFF,      OFF}},
        PresetRow{editorId("optUpload"),     {keep,        ON,       OFF,      OFF}},
        PresetRow{editorId("optVoice"),      {keep,        ON,       keep,     keep}},
        PresetRow{editorId("txtRate"),       {keep,        versionStart, keep,  keep}},
        PresetRow{editorId("txtURate"),      {keep,        versionStart, keep,  keep}},
        PresetRow{editorId("txtDecals"),     {"300",       "300",    "20",     "1"}},
        PresetRow{editorId("txtClRate"),     {keep,        versionStart, keep,  keep}},
        PresetRow{editorId("txtCMDRate"),    {keep,        versionStart, keep,  keep}},
        PresetRow{editorId("txtCMDBackup"),  {keep,        "2",      keep,     keep}},
        PresetRow{editorId("optFpsOverride"),{OFF,         OFF,      OFF,      ON}},
        PresetRow{editorId("txtFpsMax"),     {"100",       "100",    "100",    "200"}},
        PresetRow{editorId("optVsync"),      {ON,          ON,       OFF,      OFF}},
        PresetRow{editorId("optRawInput"),   {ON,          ON,       ON,       ON}},
        PresetRow{editorId("optFilterCmd"),  {OFF,         OFF,      ON,       ON}},
        PresetRow{editorId("txtExInterp"),   {"0.1",       "0.1",    "0.01",   "0.01"}},
    };
    // clang-format on
}();

// The Default preset sets every tweak once, and both speed-unit lists, which makes it the state
// the program starts in and every DEFAULT button's default. Rows stand in slot order, the
// speed-unit lists (upload first) between the FPS tweaks and the Ping tweaks.
static_assert([] {
    const auto defaults = static_cast<std::size_t>(Preset::Default);
    const std::array unitLists{editorId("cmbSpeed"), editorId("cmbSpeed2")};
    EditorId last = noEditor;
    std::size_t units = 0;
    for (const PresetRow& row : presetTable) {
        if (row.states[defaults].empty()) {
            return false;
        }
        if (isTweak(row.editor)) {
            if (row.editor != last + 1) {
                return false;
            }
            last = row.editor;
        } else if (units == unitLists.size() || row.editor != unitLists[units++] ||
                   last != firstPingSlot - 1) {
            return false;
        }
    }
    return last == slotCount - 1 && units == unitLists.size();
}());

// The rate fields, and only they, start at their game version's value, in the Default preset.
static_assert([] {
    for (const PresetRow& row : presetTable) {
        for (std::size_t column = 0; column < row.states.size(); ++column) {
            const bool start = row.states[column] == versionStart;
            if (start != (rateRuleIndex(row.editor) >= 0 &&
                          column == static_cast<std::size_t>(Preset::Default))) {
                return false;
            }
        }
    }
    return true;
}());

} // namespace quarvel
