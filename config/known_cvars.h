#pragma once

#include "core/engine.h"

#include <array>
#include <span>
#include <string_view>

// The cvars the config loader knows, in the order in which it applies what it read, and what a
// value of each does to the editors.
namespace quarvel {

enum class LoadRule {
    Toggle,         // "0" selects OFF, "1" selects ON
    InvertedToggle, // "0" selects ON, "1" selects OFF
    Entries,        // the value at position n of `entries` selects list item n
    Text,           // the value becomes the field's text, whatever it is
    RecordOnly,     // read and kept, but it sets nothing
};

struct KnownCvar {
    std::string_view name;
    LoadRule rule;
    std::string_view editor;                   // empty for RecordOnly
    std::span<const std::string_view> entries; // Entries only
    bool lowerCase = false;                    // compare the value in lower case
};

namespace detail {
inline constexpr std::string_view offOnly[] = {"0"};
inline constexpr std::string_view zeroToTwo[] = {"0", "1", "2"};
inline constexpr std::string_view zeroToFour[] = {"0", "1", "2", "3", "4"};
inline constexpr std::string_view zeroToSeven[] = {"0", "1", "2", "3", "4", "5", "6", "7"};
inline constexpr std::string_view weatherValues[] = {"3", "2", "1", "0"};
inline constexpr std::string_view textureSizes[] = {"512", "256", "128", "64"};
inline constexpr std::string_view textureModes[] = {
    "gl_linear_mipmap_linear", "gl_linear_mipmap_nearest", "gl_nearest_mipmap_linear",
    "gl_nearest_mipmap_nearest"};

constexpr KnownCvar toggle(std::string_view name, std::string_view editor) {
    return {name, LoadRule::Toggle, editor, {}};
}
constexpr KnownCvar text(std::string_view name, std::string_view editor) {
    return {name, LoadRule::Text, editor, {}};
}
constexpr KnownCvar entries(std::string_view name, std::string_view editor,
                            std::span<const std::string_view> values, bool lowerCase = false) {
    return {name, LoadRule::Entries, editor, values, lowerCase};
}
constexpr KnownCvar recorded(std::string_view name) {
    return {name, LoadRule::RecordOnly, {}, {}};
}
} // namespace detail

inline constexpr std::array<KnownCvar, knownCvarCount> knownCvars = [] {
    using namespace detail;
    return std::array<KnownCvar, knownCvarCount>{{
        entries("ati_npatch", "cmbTruform", offOnly), // can only switch TruForm off
        toggle("cl_dynamiclights", "optDynamic"),
        toggle("cl_himodels", "optHimodels"),
        toggle("cl_minmodels", "optMinmodels"),
        toggle("cl_shadows", "optShadows"),
        toggle("gl_clear", "optClear"),
        toggle("gl_cull", "optCull"),
        toggle("gl_dither", "optDither"),
        // The second line of "Hi Quality Models": it follows cl_himodels, so it sets nothing.
        recorded("gl_keeptjunctions"),
        toggle("gl_lightholes", "optLightholes"),
        toggle("gl_palette_tex", "optPalt"),
        toggle("gl_spriteblend", "optSpriteblend"),
        toggle("gl_ztrick", "optZTrick"),
        toggle("precache", "optPrecache"),
        toggle("r_detailtextures", "optDetTex"),
        recorded("r_detailtexturessupported"),
        recorded("r_dynamic"),
        toggle("r_mirroralpha", "optMirror"),
        toggle("r_mmx", "optMMX"),
        toggle("violence_ablood", "optBlood"),
        toggle("violence_agibs", "optGibs"),
        recorded("violence_hblood"),
        recorded("violence_hgibs"),
        entries("ati_subdiv", "cmbTruform", zeroToSeven),
        text("cl_corpsestay", "txtCorpsestay"),
        entries("cl_identiconmode", "cmbIconMode", zeroToTwo),
        entries("cl_particlefx", "cmbPFX", zeroToTwo),
        entries("cl_weather", "cmbWeather", weatherValues),
        entries("d_spriteskip", "cmbSpriteSkip", zeroToTwo),
        entries("fastsprites", "cmbSpriteq", zeroToTwo),
        recorded("fps_max"),
        entries("gl_max_size", "cmbTextureS", textureSizes),
        entries("gl_picmip", "cmbMapq", zeroToTwo),
        entries("gl_playermip", "cmbModelq", zeroToTwo),
        entries("gl_round_down", "cmbRnd", zeroToFour),
        entries("gl_texturemode", "cmbTextureq", textureModes, true),
        text("hpk_maxsize", "txtHPKMax"),
        text("max_rubble", "txtRubble"),
        text("max_shells", "txtShells"),
        text("max_smokepuffs", "txtSmokePuffs"),
        text("max_wallpuffs", "txtWallPuffs"),
        text("mp_decals", "txtDecals"),
        toggle("s_a3d", "optA3d"),
        toggle("s_eax", "optEAX"),
        toggle("s_reverb", "optReverb"),
        toggle("voice_dsound", "optDCVoice"),
        toggle("cl_allowupload", "optUpload"),
        {"cl_nopred", LoadRule::InvertedToggle, "optClPred", {}},
        toggle("cl_lb", "optHitC"),
        toggle("cl_lc", "optLagC"),
        toggle("cl_lw", "optFireC"),
        toggle("cl_download_ingame", "optDownIG"),
        toggle("voice_enable", "optVoice"),
        recorded("voice_modenable"),
        text("cl_cmdbackup", "txtCMDBackup"),
        text("cl_cmdrate", "txtCMDRate"),
        text("cl_rate", "txtClRate"),
        recorded("cl_resend"),
        text("cl_updaterate", "txtURate"),
        text("rate", "txtRate"),
    }};
}();

// The name of known cvar k.
constexpr std::string_view cvarNames(int k) {
    return knownCvars[static_cast<std::size_t>(k)].name;
}

} // namespace quarvel
