#pragma once

#include "core/catalogue.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

// The cvars the config loader knows, in the order in which it applies what it read, and what a
// value of each does to the editors. A value for an editor that the game version in force does not
// offer is read and kept, but sets nothing.
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
    EditorId editor;                           // noEditor for RecordOnly
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

consteval KnownCvar toggle(std::string_view name, std::string_view editor) {
    return {name, LoadRule::Toggle, editorId(editor), {}};
}
consteval KnownCvar text(std::string_view name, std::string_view editor) {
    return {name, LoadRule::Text, editorId(editor), {}};
}
consteval KnownCvar entries(std::string_view name, std::string_view editor,
                            std::span<const std::string_view> values, bool lowerCase = false) {
    return {name, LoadRule::Entries, editorId(editor), values, lowerCase};
}
consteval KnownCvar recorded(std::string_view name) {
    return {name, LoadRule::RecordOnly, noEditor, {}};
}
} // namespace detail

inline constexpr auto knownCvars = [] {
    using namespace detail;
    return std::array{
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
        text("fps_max", "txtFpsMax"),
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
        KnownCvar{"cl_nopred", LoadRule::InvertedToggle, editorId("optClPred"), {}},
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
        // Known only to today's Steam game; read under it alone.
        toggle("fps_override", "optFpsOverride"),
        toggle("gl_vsync", "optVsync"),
        toggle("m_rawinput", "optRawInput"),
        toggle("cl_filterstuffcmd", "optFilterCmd"),
        text("ex_interp", "txtExInterp"),
    };
}();

inline constexpr int knownCvarCount = static_cast<int>(knownCvars.size());

// The name of known cvar k.
constexpr std::string_view cvarNames(int k) {
    return knownCvars[static_cast<std::size_t>(k)].name;
}

// The known cvar of that name, or -1.
constexpr int knownCvarIndex(std::string_view name) {
    for (int k = 0; k < knownCvarCount; ++k) {
        if (cvarNames(k) == name) {
            return k;
        }
    }
    return -1;
}

// What no known cvar loads into, on purpose: tweaks whose cvar is not among the known ones, and
// cvars that are read and kept although no editor writes them.
inline constexpr std::array tweaksNotLoaded{editorId("optLPrecache"), editorId("cmbCDFPS")};
inline constexpr std::array<std::string_view, 2> cvarsNoEditorWrites{"r_dynamic", "cl_resend"};

// Every known cvar is one its editor writes (a misspelt name would load nothing), names a list
// entry only for an item the list has, and every tweak but those named above is loaded by one.
static_assert([] {
    std::array<bool, slotCount> loaded{};
    for (const EditorId id : tweaksNotLoaded) {
        loaded[static_cast<std::size_t>(id)] = true;
    }
    for (const KnownCvar& cvar : knownCvars) {
        if (std::count_if(knownCvars.begin(), knownCvars.end(),
                          [&](const KnownCvar& other) { return other.name == cvar.name; }) != 1) {
            return false;
        }
        if (cvar.rule == LoadRule::RecordOnly) {
            bool written = std::find(cvarsNoEditorWrites.begin(), cvarsNoEditorWrites.end(),
                                     cvar.name) != cvarsNoEditorWrites.end();
            for (const EditorDef& def : editors) {
                written = written || def.cvar2 == cvar.name;
            }
            if (!written) {
                return false;
            }
            continue;
        }
        const EditorDef& def = editor(cvar.editor);
        if (!isTweak(cvar.editor) || (def.cvar != cvar.name && def.cvar2 != cvar.name) ||
            cvar.entries.size() > def.items.size()) {
            return false;
        }
        loaded[static_cast<std::size_t>(cvar.editor)] = true;
    }
    return std::find(loaded.begin(), loaded.end(), false) == loaded.end();
}());

} // namespace quarvel
