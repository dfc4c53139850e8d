#pragma once

#include <array>
#include <string_view>

// The four presets. Each row names an editor and the state each preset puts it into, written as
// an editor state text: "1" or "0" for an option pair (ON, OFF), the item index for a list, the
// text for a field. An empty state leaves the editor alone. Rows stand in the order in which a
// preset applies them: slot order, with the speed-unit lists between the FPS and Ping tweaks, so
// the packet rates come after the rates they are derived from.
namespace quarvel {

enum class Preset { HighQuality, Default, HighFps, DieHardFps };

inline constexpr std::array<Preset, 4> allPresets{Preset::HighQuality, Preset::Default,
                                                  Preset::HighFps, Preset::DieHardFps};

struct PresetRow {
    std::string_view editor;
    std::array<std::string_view, 4> states; // indexed by Preset
};

namespace detail {
inline constexpr std::string_view ON = "1";
inline constexpr std::string_view OFF = "0";
inline constexpr std::string_view keep = "";
} // namespace detail

inline constexpr auto presetTable = [] {
    using namespace detail;
    // clang-format off
    return std::array<PresetRow, 55>{{
        //  editor             High Quality  Default   High FPS  Die Hard FPS
        {"optHimodels",      {ON,          OFF,      OFF,      OFF}},
        {"optClear",         {ON,          OFF,      OFF,      OFF}},
        {"optCull",          {ON,          ON,       ON,       ON}},
        {"optDither",        {OFF,         ON,       ON,       ON}},
        {"optLightholes",    {ON,          ON,       OFF,      OFF}},
        {"optPalt",          {ON,          ON,       ON,       ON}},
        {"optSpriteblend",   {ON,          ON,       ON,       ON}},
        {"optZTrick",        {OFF,         OFF,      OFF,      ON}},
        {"optDetTex",        {ON,          OFF,      OFF,      OFF}},
        {"optMirror",        {ON,          ON,       OFF,      OFF}},
        {"optMMX",           {ON,          OFF,      ON,       ON}},
        {"optBlood",         {ON,          ON,       ON,       ON}},
        {"optGibs",          {ON,          ON,       OFF,      OFF}},
        {"optPrecache",      {ON,          OFF,      ON,       ON}},
        {"optLPrecache",     {OFF,         OFF,      ON,       ON}},
        {"optDynamic",       {ON,          ON,       OFF,      OFF}},
        {"optShadows",       {ON,          ON,       OFF,      OFF}},
        {"optMinmodels",     {OFF,         OFF,      ON,       ON}},
        {"optA3d",           {OFF,         OFF,      OFF,      OFF}},
        {"optEAX",           {ON,          OFF,      OFF,      OFF}},
        {"optReverb",        {OFF,         ON,       OFF,      OFF}},
        {"optDCVoice",       {ON,          ON,       ON,       ON}},
        {"cmbTextureq",      {"0",         "1",      "3",      "3"}},
        {"cmbRnd",           {"0",         "3",      "4",      "4"}},
        {"cmbMapq",          {"0",         "0",      "1",      "2"}},
        {"cmbModelq",        {"0",         "0",      "2",      "2"}},
        {"cmbTextureS",      {"0",         "1",      "3",      "3"}},
        {"cmbSpriteq",       {"0",         "0",      "2",      "2"}},
        {"cmbSpriteSkip",    {"0",         "0",      "2",      "2"}},
        {"cmbTruform",       {"1",         "2",      "0",      "0"}},
        {"cmbIconMode",      {"2",         "2",      "2",      "1"}},
        {"cmbPFX",           {"2",         "2",      "0",      "0"}},
        {"cmbWeather",       {"2",         "2",      "3",      "3"}},
        {"cmbCDFPS",         {"5",         "5",      "0",      "0"}},
        {"txtCorpsestay",    {"10",        "10",     "1",      "1"}},
        {"txtHPKMax",        {"1",         "4",      "1",      "1"}},
        {"txtWallPuffs",     {"120",       "120",    "1",      "1"}},
        {"txtRubble",        {"240",       "240",    "1",      "1"}},
        {"txtShells",        {"120",       "120",    "1",      "1"}},
        {"txtSmokePuffs",    {"120",       "120",    "1",      "1"}},
        {"cmbSpeed",         {keep,        "1",      keep,     "1"}},
        {"cmbSpeed2",        {keep,        "1",      keep,     "1"}},
        {"optClPred",        {keep,        ON,       keep,     keep}},
        {"optFireC",         {keep,        ON,       keep,     keep}},
        {"optHitC",          {keep,        ON,       keep,     keep}},
        {"optLagC",          {keep,        ON,       keep,     keep}},
        {"optDownIG",        {keep,        ON,       OFF,      OFF}},
        {"optUpload",        {keep,        ON,       OFF,      OFF}},
        {"optVoice",         {keep,        ON,       keep,     keep}},
        {"txtRate",          {keep,        "7500",   keep,     keep}},
        {"txtURate",         {keep,        "20",     keep,     keep}},
        {"txtDecals",        {"300",       "300",    "20",     "1"}},
        {"txtClRate",        {keep,        "9999",   keep,     keep}},
        {"txtCMDRate",       {keep,        "30",     keep,     keep}},
        {"txtCMDBackup",     {keep,        "2",      keep,     keep}},
    }};
    // clang-format on
}();

} // namespace quarvel
