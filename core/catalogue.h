#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

// The catalogue of every control that holds a setting: the tweak editors in the order of their
// slots in the settings store, followed by the controls of the connection-speed calculator. An
// editor's id is its index here, so a tweak editor's id is also its slot. Every other table that
// speaks of editors names them through editorId(), which does not compile for a name that is not
// here, and the counts of the program are the sizes of these tables.
namespace quarvel {

using EditorId = int;
inline constexpr EditorId noEditor = -1;

enum class EditorKind { OptionPair, List, Field, Label };

// Which characters typing may put into a field.
enum class KeyClass { None, Digits, DigitsAndPoint };

struct ListItem {
    std::string_view text; // what the list shows
    std::string_view line; // what the tweak writes when the item is selected
};

struct EditorDef {
    std::string_view name{};
    EditorKind kind{};
    std::string_view caption{};        // caption label beside the editor
    std::string_view cvar{};           // option pairs and fields: the (first) cvar written
    std::string_view cvar2{};          // option pairs that write two cvars: the second one
    bool inverted = false;             // ON writes 0 and OFF writes 1
    std::span<const ListItem> items{}; // lists only
    KeyClass keys = KeyClass::None;    // fields only
    std::string_view defaultButton{};  // the "D" button, if the editor has one
    std::string_view key{};            // the tweak key of DEFAULT buttons and descriptions

    [[nodiscard]] constexpr bool isTweak() const { return !key.empty(); }
};

namespace detail {

constexpr EditorDef pair(std::string_view name, std::string_view caption, std::string_view cvar,
                         std::string_view cvar2, std::string_view button,
                         std::string_view key = {}) {
    return {.name = name,
            .kind = EditorKind::OptionPair,
            .caption = caption,
            .cvar = cvar,
            .cvar2 = cvar2,
            .defaultButton = button,
            .key = key.empty() ? cvar : key};
}

constexpr EditorDef list(std::string_view name, std::string_view caption, std::string_view cvar,
                         std::span<const ListItem> items, std::string_view cvar2 = {}) {
    return {.name = name,
            .kind = EditorKind::List,
            .caption = caption,
            .cvar = cvar,
            .cvar2 = cvar2,
            .items = items,
            .key = cvar};
}

constexpr EditorDef field(std::string_view name, std::string_view caption, std::string_view cvar,
                          std::string_view button, KeyClass keys = KeyClass::Digits) {
    return {.name = name,
            .kind = EditorKind::Field,
            .caption = caption,
            .cvar = cvar,
            .keys = keys,
            .defaultButton = button,
            .key = cvar};
}

inline constexpr ListItem textureFiltering[] = {
    {"Trilinear Perfect", "gl_texturemode GL_LINEAR_MIPMAP_LINEAR"},
    {"Trilinear Medium [default]", "gl_texturemode GL_LINEAR_MIPMAP_NEAREST"},
    {"Bilinear Perfect", "gl_texturemode GL_NEAREST_MIPMAP_LINEAR"},
    {"Bilinear Medium", "gl_texturemode GL_NEAREST_MIPMAP_NEAREST"},
};
inline constexpr ListItem textureAccuracy[] = {
    {"Perfect", "gl_round_down 0"},  {"High", "gl_round_down 1"},
    {"Medium", "gl_round_down 2"},   {"Low [default]", "gl_round_down 3"},
    {"Very Low", "gl_round_down 4"},
};
inline constexpr ListItem textureQuality[] = {
    {"Perfect [default]", "gl_picmip 0"},
    {"Medium", "gl_picmip 1"},
    {"Low [die hard]", "gl_picmip 2"},
};
inline constexpr ListItem playerQuality[] = {
    {"Perfect [default]", "gl_playermip 0"},
    {"Medium", "gl_playermip 1"},
    {"Low [die hard]", "gl_playermip 2"},
};
inline constexpr ListItem textureSize[] = {
    {"Large", "gl_max_size 512"},
    {"Medium [default]", "gl_max_size 256"},
    {"Small", "gl_max_size 128"},
    {"Very Small [die hard]", "gl_max_size 64"},
};
inline constexpr ListItem spriteQuality[] = {
    {"Perfect [default]", "fastsprites 0"},
    {"Medium", "fastsprites 1"},
    {"Low", "fastsprites 2"},
};
inline constexpr ListItem spriteSkipping[] = {
    {"No Skipping [default]", "d_spriteskip 0"},
    {"One Line Switch", "d_spriteskip 1"},
    {"Two Line Switch", "d_spriteskip 2"},
};
inline constexpr ListItem truform[] = {
    {"No Truform", "ati_npatch 0\r\nati_subdiv 0"},
    {"Truform Level 1", "ati_npatch 1\r\nati_subdiv 1"},
    {"Truform Level 2 [default]", "ati_npatch 1\r\nati_subdiv 2"},
    {"Truform Level 3", "ati_npatch 1\r\nati_subdiv 3"},
    {"Truform Level 4", "ati_npatch 1\r\nati_subdiv 4"},
    {"Truform Level 5", "ati_npatch 1\r\nati_subdiv 5"},
    {"Truform Level 6", "ati_npatch 1\r\nati_subdiv 6"},
    {"Truform Level 7 [spherical]", "ati_npatch 1\r\nati_subdiv 7"},
};
inline constexpr ListItem headIconMode[] = {
    {"No Head Icons", "cl_identiconmode 0"},
    {"Crosshair", "cl_identiconmode 1"},
    {"Everyone [default]", "cl_identiconmode 2"},
};
inline constexpr ListItem particleEffects[] = {
    {"No Effects", "cl_particlefx 0"},
    {"Some Effects", "cl_particlefx 1"},
    {"Full Effects [default]", "cl_particlefx 2"},
};
// Heavy weather first: the cvar's value falls as the index rises.
inline constexpr ListItem weather[] = {
    {"Hurricane", "cl_weather 3"},
    {"Storm", "cl_weather 2"},
    {"Light Rain [default]", "cl_weather 1"},
    {"No Weather", "cl_weather 0"},
};
// The last level is Cheating-Death's own default, which the cvar spells 0.
inline constexpr ListItem cheatingDeathFps[] = {
    {"Level 1 Visibility Tests", "cd_fps 1"}, {"Level 2 Visibility Tests", "cd_fps 2"},
    {"Level 3 Visibility Tests", "cd_fps 3"}, {"Level 4 Visibility Tests", "cd_fps 4"},
    {"Level 5 Visibility Tests", "cd_fps 5"}, {"Level 6 Tests [default]", "cd_fps 0"},
};
inline constexpr ListItem speedUnits[] = {
    {"Bits/sec", "Bits/s"},
    {"KBits/sec", "KBits/s"},
    {"KBytes/sec", "KBytes/s"},
};

// The tweaks, in the order of their slots and of the lines of the script.
inline constexpr std::array tweakTable{
    // FPS tweaks
    pair("optHimodels", "Hi Quality Models", "cl_himodels", "gl_keeptjunctions", "cmdHimodels"),
    pair("optClear", "Fill Texturegaps", "gl_clear", {}, "cmdClear"),
    pair("optCull", "Draw Visible Only", "gl_cull", {}, "cmdCull"),
    pair("optDither", "Dither Textures", "gl_dither", {}, "cmdDither"),
    pair("optLightholes", "Light Holes", "gl_lightholes", {}, "cmdLightholes"),
    pair("optPalt", "Palette Textures", "gl_palette_tex", {}, "cmdPalt"),
    pair("optSpriteblend", "Spriteblend", "gl_spriteblend", {}, "cmdSpriteblend"),
    pair("optZTrick", "ZTrick Rendering", "gl_ztrick", {}, "cmdZTrick"),
    pair("optDetTex", "Detail Textures", "r_detailtextures", "r_detailtexturessupported",
         "cmdDetTex"),
    pair("optMirror", "Reflective Textures", "r_mirroralpha", {}, "cmdMirror"),
    pair("optMMX", "MMX Technology", "r_mmx", {}, "cmdMMX"),
    pair("optBlood", "Blood", "violence_ablood", "violence_hblood", "cmdBlood", "violence_blood"),
    pair("optGibs", "Gibs", "violence_agibs", "violence_hgibs", "cmdGibs", "violence_gibs"),
    pair("optPrecache", "Precache", "precache", {}, "cmdPrecache"),
    pair("optLPrecache", "Lazy Precaching", "fs_lazy_precache", {}, "cmdLPrecache"),
    pair("optDynamic", "Dynamic Lighting", "cl_dynamiclights", {}, "cmdDynamic"),
    pair("optShadows", "Shadows", "cl_shadows", {}, "cmdShadows"),
    pair("optMinmodels", "Minimum Model Count", "cl_minmodels", {}, "cmdMinmodels"),
    pair("optA3d", "A3D", "s_a3d", {}, "cmdA3D"),
    pair("optEAX", "EAX", "s_eax", {}, "cmdEAX"),
    pair("optReverb", "Reverb", "s_reverb", {}, "cmdReverb"),
    pair("optDCVoice", "VC DirectSound", "voice_dsound", {}, "cmdDCVoice"),
    list("cmbTextureq", "Texture Filtering:", "gl_texturemode", textureFiltering),
    list("cmbRnd", "Texture Accuracy:", "gl_round_down", textureAccuracy),
    list("cmbMapq", "Texture Quality:", "gl_picmip", textureQuality),
    list("cmbModelq", "Player Quality:", "gl_playermip", playerQuality),
    list("cmbTextureS", "Texture Size:", "gl_max_size", textureSize),
    list("cmbSpriteq", "Sprite Quality:", "fastsprites", spriteQuality),
    list("cmbSpriteSkip", "Sprite Skipping:", "d_spriteskip", spriteSkipping),
    list("cmbTruform", "ATI Truform:", "ati_npatch", truform, "ati_subdiv"),
    list("cmbIconMode", "Head Icon Mode:", "cl_identiconmode", headIconMode),
    list("cmbPFX", "Particle Effects:", "cl_particlefx", particleEffects),
    list("cmbWeather", "Weather:", "cl_weather", weather),
    list("cmbCDFPS", "Cheating-Death FPS", "cd_fps", cheatingDeathFps),
    field("txtCorpsestay", "Corpsestay:", "cl_corpsestay", "cmdCorpsestay"),
    field("txtHPKMax", "HPK Max Size:", "hpk_maxsize", "cmdHPKMax", KeyClass::DigitsAndPoint),
    field("txtWallPuffs", "Wall Puffs:", "max_wallpuffs", "cmdWallPuffs"),
    field("txtRubble", "Rubble:", "max_rubble", "cmdRubble"),
    field("txtShells", "Shells:", "max_shells", "cmdShells"),
    field("txtSmokePuffs", "Smokepuffs:", "max_smokepuffs", "cmdSmokePuffs"),
    // Ping tweaks, from the first one on
    EditorDef{.name = "optClPred",
              .kind = EditorKind::OptionPair,
              .caption = "Client Side Prediction",
              .cvar = "cl_nopred",
              .inverted = true, // the cvar switches prediction off
              .defaultButton = "cmdClPred",
              .key = "cl_nopred"},
    pair("optFireC", "Fire Prediction", "cl_lw", {}, "cmdFireC"),
    pair("optHitC", "Hit Prediction", "cl_lb", {}, "cmdHitC"),
    pair("optLagC", "Lag Compensation", "cl_lc", {}, "cmdLagC"),
    pair("optDownIG", "Download In-Game", "cl_download_ingame", {}, "cmdDownIG"),
    pair("optUpload", "Allow Upload", "cl_allowupload", {}, "cmdUpload"),
    pair("optVoice", "Voice Communication", "voice_enable", "voice_modenable", "cmdVoice"),
    field("txtRate", "Rate:", "rate", "cmdRate"),
    field("txtURate", "Update Rate:", "cl_updaterate", "cmdURate"),
    field("txtDecals", "Decals:", "mp_decals", "cmdDecals"),
    field("txtClRate", "Client Rate:", "cl_rate", "cmdClRate"),
    field("txtCMDRate", "Cmd Rate:", "cl_cmdrate", "cmdCMDrate"),
    field("txtCMDBackup", "Cmd Backups:", "cl_cmdbackup", "cmdCMDBackup"),
};

// The connection-speed calculator: no slot of their own.
inline constexpr std::array calculatorTable{
    EditorDef{.name = "cmbSpeed",
              .kind = EditorKind::List,
              .caption = "I know my upload speed in",
              .items = speedUnits},
    EditorDef{.name = "cmbSpeed2",
              .kind = EditorKind::List,
              .caption = "I know my download speed in",
              .items = speedUnits},
    EditorDef{.name = "txtUSpeed",
              .kind = EditorKind::Field,
              .caption = "My UPLOAD speed is:",
              .keys = KeyClass::Digits},
    EditorDef{.name = "txtDSpeed",
              .kind = EditorKind::Field,
              .caption = "My DOWNLOAD speed is:",
              .keys = KeyClass::Digits},
    EditorDef{.name = "lblUSpeed", .kind = EditorKind::Label},
    EditorDef{.name = "lblDSpeed", .kind = EditorKind::Label},
};

inline constexpr auto editorTable = [] {
    std::array<EditorDef, tweakTable.size() + calculatorTable.size()> all{};
    std::copy(tweakTable.begin(), tweakTable.end(), all.begin());
    std::copy(calculatorTable.begin(), calculatorTable.end(), all.begin() + tweakTable.size());
    return all;
}();

} // namespace detail

inline constexpr std::span<const EditorDef> editors{detail::editorTable};
inline constexpr int editorCount = static_cast<int>(detail::editorTable.size());
// One slot of the settings store per tweak.
inline constexpr int slotCount = static_cast<int>(detail::tweakTable.size());

// Looks an editor up by its control name, as a user names it on the command line; noEditor when
// there is none.
constexpr EditorId findEditor(std::string_view name) {
    for (int id = 0; id < editorCount; ++id) {
        if (editors[id].name == name) {
            return id;
        }
    }
    return noEditor;
}

// Like findEditor, for names the program itself spells: a misspelt name does not compile.
consteval EditorId editorId(std::string_view name) {
    const EditorId id = findEditor(name);
    if (id < 0) {
        throw "unknown editor name";
    }
    return id;
}

inline constexpr const EditorDef& editor(EditorId id) {
    return editors[static_cast<std::size_t>(id)];
}

// The editor whose DEFAULT button has this control name, as a user names it; noEditor when none.
constexpr EditorId findDefaultButton(std::string_view button) {
    for (int id = 0; id < editorCount; ++id) {
        if (!button.empty() && editors[id].defaultButton == button) {
            return id;
        }
    }
    return noEditor;
}

inline constexpr bool isTweak(EditorId id) {
    return id >= 0 && id < slotCount;
}

// Slots before this one are FPS tweaks and make the first section of the script, the others Ping
// tweaks.
inline constexpr int firstPingSlot = editorId("optClPred");

// The speed-unit lists share their three items.
inline constexpr std::span<const ListItem> speedUnitItems{detail::speedUnits};

// Control names, DEFAULT buttons and tweak keys each name one editor.
static_assert([] {
    for (EditorId a = 0; a < editorCount; ++a) {
        for (EditorId b = a + 1; b < editorCount; ++b) {
            const auto &x = editors[a], &y = editors[b];
            if (x.name == y.name || (!x.key.empty() && x.key == y.key) ||
                (!x.defaultButton.empty() && x.defaultButton == y.defaultButton)) {
                return false;
            }
        }
    }
    return true;
}());

// A tweak is what has a tweak key; the calculator's controls have none.
static_assert([] {
    for (EditorId id = 0; id < editorCount; ++id) {
        if (editors[id].isTweak() != isTweak(id)) {
            return false;
        }
    }
    return true;
}());

} // namespace quarvel
