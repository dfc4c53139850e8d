#pragma once

#include "core/game_version.h"
#include "core/translatable.h"

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
    Offered offered = Offered::Always; // the game versions that know its cvars

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

constexpr EditorDef only(Offered offered, EditorDef def) {
    def.offered = offered;
    return def;
}

inline constexpr ListItem textureFiltering[] = {
    {QVL_TRANSLATABLE("Catalogue", "Trilinear Perfect"), "gl_texturemode GL_LINEAR_MIPMAP_LINEAR"},
    {QVL_TRANSLATABLE("Catalogue", "Trilinear Medium [default]"),
     "gl_texturemode GL_LINEAR_MIPMAP_NEAREST"},
    {QVL_TRANSLATABLE("Catalogue", "Bilinear Perfect"), "gl_texturemode GL_NEAREST_MIPMAP_LINEAR"},
    {QVL_TRANSLATABLE("Catalogue", "Bilinear Medium"), "gl_texturemode GL_NEAREST_MIPMAP_NEAREST"},
};
inline constexpr ListItem textureAccuracy[] = {
    {QVL_TRANSLATABLE("Catalogue", "Perfect"), "gl_round_down 0"},
    {QVL_TRANSLATABLE("Catalogue", "High"), "gl_round_down 1"},
    {QVL_TRANSLATABLE("Catalogue", "Medium"), "gl_round_down 2"},
    {QVL_TRANSLATABLE("Catalogue", "Low [default]"), "gl_round_down 3"},
    {QVL_TRANSLATABLE("Catalogue", "Very Low"), "gl_round_down 4"},
};
inline constexpr ListItem textureQuality[] = {
    {QVL_TRANSLATABLE("Catalogue", "Perfect [default]"), "gl_picmip 0"},
    {QVL_TRANSLATABLE("Catalogue", "Medium"), "gl_picmip 1"},
    {QVL_TRANSLATABLE("Catalogue", "Low [die hard]"), "gl_picmip 2"},
};
inline constexpr ListItem playerQuality[] = {
    {QVL_TRANSLATABLE("Catalogue", "Perfect [default]"), "gl_playermip 0"},
    {QVL_TRANSLATABLE("Catalogue", "Medium"), "gl_playermip 1"},
    {QVL_TRANSLATABLE("Catalogue", "Low [die hard]"), "gl_playermip 2"},
};
inline constexpr ListItem textureSize[] = {
    {QVL_TRANSLATABLE("Catalogue", "Large"), "gl_max_size 512"},
    {QVL_TRANSLATABLE("Catalogue", "Medium [default]"), "gl_max_size 256"},
    {QVL_TRANSLATABLE("Catalogue", "Small"), "gl_max_size 128"},
    {QVL_TRANSLATABLE("Catalogue", "Very Small [die hard]"), "gl_max_size 64"},
};
inline constexpr ListItem spriteQuality[] = {
    {QVL_TRANSLATABLE("Catalogue", "Perfect [default]"), "fastsprites 0"},
    {QVL_TRANSLATABLE("Catalogue", "Medium"), "fastsprites 1"},
    {QVL_TRANSLATABLE("Catalogue", "Low"), "fastsprites 2"},
};
inline constexpr ListItem spriteSkipping[] = {
    {QVL_TRANSLATABLE("Catalogue", "No Skipping [default]"), "d_spriteskip 0"},
    {QVL_TRANSLATABLE("Catalogue", "One Line Switch"), "d_spriteskip 1"},
    {QVL_TRANSLATABLE("Catalogue", "Two Line Switch"), "d_spriteskip 2"},
};
inline constexpr ListItem truform[] = {
    {QVL_TRANSLATABLE("Catalogue", "No Truform"), "ati_npatch 0\r\nati_subdiv 0"},
    {QVL_TRANSLATABLE("Catalogue", "Truform Level 1"), "ati_npatch 1\r\nati_subdiv 1"},
    {QVL_TRANSLATABLE("Catalogue", "Truform Level 2 [default]"), "ati_npatch 1\r\nati_subdiv 2"},
    {QVL_TRANSLATABLE("Catalogue", "Truform Level 3"), "ati_npatch 1\r\nati_subdiv 3"},
    {QVL_TRANSLATABLE("Catalogue", "Truform Level 4"), "ati_npatch 1\r\nati_subdiv 4"},
    {QVL_TRANSLATABLE("Catalogue", "Truform Level 5"), "ati_npatch 1\r\nati_subdiv 5"},
    {QVL_TRANSLATABLE("Catalogue", "Truform Level 6"), "ati_npatch 1\r\nati_subdiv 6"},
    {QVL_TRANSLATABLE("Catalogue", "Truform Level 7 [spherical]"), "ati_npatch 1\r\nati_subdiv 7"},
};
inline constexpr ListItem headIconMode[] = {
    {QVL_TRANSLATABLE("Catalogue", "No Head Icons"), "cl_identiconmode 0"},
    {QVL_TRANSLATABLE("Catalogue", "Crosshair"), "cl_identiconmode 1"},
    {QVL_TRANSLATABLE("Catalogue", "Everyone [default]"), "cl_identiconmode 2"},
};
inline constexpr ListItem particleEffects[] = {
    {QVL_TRANSLATABLE("Catalogue", "No Effects"), "cl_particlefx 0"},
    {QVL_TRANSLATABLE("Catalogue", "Some Effects"), "cl_particlefx 1"},
    {QVL_TRANSLATABLE("Catalogue", "Full Effects [default]"), "cl_particlefx 2"},
};
// Heavy weather first: the cvar's value falls as the index rises.
inline constexpr ListItem weather[] = {
    {QVL_TRANSLATABLE("Catalogue", "Hurricane"), "cl_weather 3"},
    {QVL_TRANSLATABLE("Catalogue", "Storm"), "cl_weather 2"},
    {QVL_TRANSLATABLE("Catalogue", "Light Rain [default]"), "cl_weather 1"},
    {QVL_TRANSLATABLE("Catalogue", "No Weather"), "cl_weather 0"},
};
// The last level is Cheating-Death's own default, which the cvar spells 0.
inline constexpr ListItem cheatingDeathFps[] = {
    {QVL_TRANSLATABLE("Catalogue", "Level 1 Visibility Tests"), "cd_fps 1"},
    {QVL_TRANSLATABLE("Catalogue", "Level 2 Visibility Tests"), "cd_fps 2"},
    {QVL_TRANSLATABLE("Catalogue", "Level 3 Visibility Tests"), "cd_fps 3"},
    {QVL_TRANSLATABLE("Catalogue", "Level 4 Visibility Tests"), "cd_fps 4"},
    {QVL_TRANSLATABLE("Catalogue", "Level 5 Visibility Tests"), "cd_fps 5"},
    {QVL_TRANSLATABLE("Catalogue", "Level 6 Tests [default]"), "cd_fps 0"},
};
inline constexpr ListItem speedUnits[] = {
    {QVL_TRANSLATABLE("Catalogue", "Bits/sec"), QVL_TRANSLATABLE("Catalogue", "Bits/s")},
    {QVL_TRANSLATABLE("Catalogue", "KBits/sec"), QVL_TRANSLATABLE("Catalogue", "KBits/s")},
    {QVL_TRANSLATABLE("Catalogue", "KBytes/sec"), QVL_TRANSLATABLE("Catalogue", "KBytes/s")},
};

// The tweaks, in the order of their slots and of the lines of the script.
inline constexpr std::array tweakTable{
    // FPS tweaks
    pair("optHimodels", QVL_TRANSLATABLE("Catalogue", "Hi Quality Models"), "cl_himodels",
         "gl_keeptjunctions", "cmdHimodels"),
    pair("optClear", QVL_TRANSLATABLE("Catalogue", "Fill Texturegaps"), "gl_clear", {}, "cmdClear"),
    pair("optCull", QVL_TRANSLATABLE("Catalogue", "Draw Visible Only"), "gl_cull", {}, "cmdCull"),
    pair("optDither", QVL_TRANSLATABLE("Catalogue", "Dither Textures"), "gl_dither", {},
         "cmdDither"),
    pair("optLightholes", QVL_TRANSLATABLE("Catalogue", "Light Holes"), "gl_lightholes", {},
         "cmdLightholes"),
    pair("optPalt", QVL_TRANSLATABLE("Catalogue", "Palette Textures"), "gl_palette_tex", {},
         "cmdPalt"),
    pair("optSpriteblend", QVL_TRANSLATABLE("Catalogue", "Spriteblend"), "gl_spriteblend", {},
         "cmdSpriteblend"),
    // Today's game renamed it gl_ztrick_old, so the old name is an unknown command there.
    only(Offered::ClassicOnly, pair("optZTrick", QVL_TRANSLATABLE("Catalogue", "ZTrick Rendering"),
                                    "gl_ztrick", {}, "cmdZTrick")),
    pair("optDetTex", QVL_TRANSLATABLE("Catalogue", "Detail Textures"), "r_detailtextures",
         "r_detailtexturessupported", "cmdDetTex"),
    pair("optMirror", QVL_TRANSLATABLE("Catalogue", "Reflective Textures"), "r_mirroralpha", {},
         "cmdMirror"),
    pair("optMMX", QVL_TRANSLATABLE("Catalogue", "MMX Technology"), "r_mmx", {}, "cmdMMX"),
    pair("optBlood", QVL_TRANSLATABLE("Catalogue", "Blood"), "violence_ablood", "violence_hblood",
         "cmdBlood", "violence_blood"),
    pair("optGibs", QVL_TRANSLATABLE("Catalogue", "Gibs"), "violence_agibs", "violence_hgibs",
         "cmdGibs", "violence_gibs"),
    pair("optPrecache", QVL_TRANSLATABLE("Catalogue", "Precache"), "precache", {}, "cmdPrecache"),
    pair("optLPrecache", QVL_TRANSLATABLE("Catalogue", "Lazy Precaching"), "fs_lazy_precache", {},
         "cmdLPrecache"),
    pair("optDynamic", QVL_TRANSLATABLE("Catalogue", "Dynamic Lighting"), "cl_dynamiclights", {},
         "cmdDynamic"),
    pair("optShadows", QVL_TRANSLATABLE("Catalogue", "Shadows"), "cl_shadows", {}, "cmdShadows"),
    pair("optMinmodels", QVL_TRANSLATABLE("Catalogue", "Minimum Model Count"), "cl_minmodels", {},
         "cmdMinmodels"),
    pair("optA3d", QVL_TRANSLATABLE("Catalogue", "A3D"), "s_a3d", {}, "cmdA3D"),
    pair("optEAX", QVL_TRANSLATABLE("Catalogue", "EAX"), "s_eax", {}, "cmdEAX"),
    pair("optReverb", QVL_TRANSLATABLE("Catalogue", "Reverb"), "s_reverb", {}, "cmdReverb"),
    pair("optDCVoice", QVL_TRANSLATABLE("Catalogue", "VC DirectSound"), "voice_dsound", {},
         "cmdDCVoice"),
    list("cmbTextureq", QVL_TRANSLATABLE("Catalogue", "Texture Filtering:"), "gl_texturemode",
         textureFiltering),
    list("cmbRnd", QVL_TRANSLATABLE("Catalogue", "Texture Accuracy:"), "gl_round_down",
         textureAccuracy),
    list("cmbMapq", QVL_TRANSLATABLE("Catalogue", "Texture Quality:"), "gl_picmip", textureQuality),
    list("cmbModelq", QVL_TRANSLATABLE("Catalogue", "Player Quality:"), "gl_playermip",
         playerQuality),
    list("cmbTextureS", QVL_TRANSLATABLE("Catalogue", "Texture Size:"), "gl_max_size", textureSize),
    list("cmbSpriteq", QVL_TRANSLATABLE("Catalogue", "Sprite Quality:"), "fastsprites",
         spriteQuality),
    list("cmbSpriteSkip", QVL_TRANSLATABLE("Catalogue", "Sprite Skipping:"), "d_spriteskip",
         spriteSkipping),
    list("cmbTruform", QVL_TRANSLATABLE("Catalogue", "ATI Truform:"), "ati_npatch", truform,
         "ati_subdiv"),
    list("cmbIconMode", QVL_TRANSLATABLE("Catalogue", "Head Icon Mode:"), "cl_identiconmode",
         headIconMode),
    list("cmbPFX", QVL_TRANSLATABLE("Catalogue", "Particle Effects:"), "cl_particlefx",
         particleEffects),
    list("cmbWeather", QVL_TRANSLATABLE("Catalogue", "Weather:"), "cl_weather", weather),
    list("cmbCDFPS", QVL_TRANSLATABLE("Catalogue", "Cheating-Death FPS"), "cd_fps",
         cheatingDeathFps),
    field("txtCorpsestay", QVL_TRANSLATABLE("Catalogue", "Corpsestay:"), "cl_corpsestay",
          "cmdCorpsestay"),
    field("txtHPKMax", QVL_TRANSLATABLE("Catalogue", "HPK Max Size:"), "hpk_maxsize", "cmdHPKMax",
          KeyClass::DigitsAndPoint),
    field("txtWallPuffs", QVL_TRANSLATABLE("Catalogue", "Wall Puffs:"), "max_wallpuffs",
          "cmdWallPuffs"),
    field("txtRubble", QVL_TRANSLATABLE("Catalogue", "Rubble:"), "max_rubble", "cmdRubble"),
    field("txtShells", QVL_TRANSLATABLE("Catalogue", "Shells:"), "max_shells", "cmdShells"),
    field("txtSmokePuffs", QVL_TRANSLATABLE("Catalogue", "Smokepuffs:"), "max_smokepuffs",
          "cmdSmokePuffs"),
    // Ping tweaks, from the first one on
    EditorDef{.name = "optClPred",
              .kind = EditorKind::OptionPair,
              .caption = QVL_TRANSLATABLE("Catalogue", "Client Side Prediction"),
              .cvar = "cl_nopred",
              .inverted = true, // the cvar switches prediction off
              .defaultButton = "cmdClPred",
              .key = "cl_nopred"},
    pair("optFireC", QVL_TRANSLATABLE("Catalogue", "Fire Prediction"), "cl_lw", {}, "cmdFireC"),
    pair("optHitC", QVL_TRANSLATABLE("Catalogue", "Hit Prediction"), "cl_lb", {}, "cmdHitC"),
    pair("optLagC", QVL_TRANSLATABLE("Catalogue", "Lag Compensation"), "cl_lc", {}, "cmdLagC"),
    pair("optDownIG", QVL_TRANSLATABLE("Catalogue", "Download In-Game"), "cl_download_ingame", {},
         "cmdDownIG"),
    pair("optUpload", QVL_TRANSLATABLE("Catalogue", "Allow Upload"), "cl_allowupload", {},
         "cmdUpload"),
    pair("optVoice", QVL_TRANSLATABLE("Catalogue", "Voice Communication"), "voice_enable",
         "voice_modenable", "cmdVoice"),
    field("txtRate", QVL_TRANSLATABLE("Catalogue", "Rate:"), "rate", "cmdRate"),
    field("txtURate", QVL_TRANSLATABLE("Catalogue", "Update Rate:"), "cl_updaterate", "cmdURate"),
    field("txtDecals", QVL_TRANSLATABLE("Catalogue", "Decals:"), "mp_decals", "cmdDecals"),
    field("txtClRate", QVL_TRANSLATABLE("Catalogue", "Client Rate:"), "cl_rate", "cmdClRate"),
    field("txtCMDRate", QVL_TRANSLATABLE("Catalogue", "Cmd Rate:"), "cl_cmdrate", "cmdCMDrate"),
    field("txtCMDBackup", QVL_TRANSLATABLE("Catalogue", "Cmd Backups:"), "cl_cmdbackup",
          "cmdCMDBackup"),
    // What today's players tune, which only the Steam build knows
    only(Offered::SteamOnly, pair("optFpsOverride", QVL_TRANSLATABLE("Catalogue", "FPS Override"),
                                  "fps_override", {}, "cmdFpsOverride")),
    only(Offered::SteamOnly, field("txtFpsMax", QVL_TRANSLATABLE("Catalogue", "FPS Limit:"),
                                   "fps_max", "cmdFpsMax", KeyClass::DigitsAndPoint)),
    only(Offered::SteamOnly, pair("optVsync", QVL_TRANSLATABLE("Catalogue", "Vertical Sync"),
                                  "gl_vsync", {}, "cmdVsync")),
    only(Offered::SteamOnly, pair("optRawInput", QVL_TRANSLATABLE("Catalogue", "Raw Mouse Input"),
                                  "m_rawinput", {}, "cmdRawInput")),
    only(Offered::SteamOnly,
         pair("optFilterCmd",
              QVL_TRANSLATABLE("Catalogue", "Keep servers from changing my settings"),
              "cl_filterstuffcmd", {}, "cmdFilterCmd")),
    only(Offered::SteamOnly, field("txtExInterp", QVL_TRANSLATABLE("Catalogue", "Interpolation:"),
                                   "ex_interp", "cmdExInterp", KeyClass::DigitsAndPoint)),
};

// The connection-speed calculator: no slot of their own.
inline constexpr std::array calculatorTable{
    EditorDef{.name = "cmbSpeed",
              .kind = EditorKind::List,
              .caption = QVL_TRANSLATABLE("Catalogue", "I know my upload speed in"),
              .items = speedUnits},
    EditorDef{.name = "cmbSpeed2",
              .kind = EditorKind::List,
              .caption = QVL_TRANSLATABLE("Catalogue", "I know my download speed in"),
              .items = speedUnits},
    EditorDef{.name = "txtUSpeed",
              .kind = EditorKind::Field,
              .caption = QVL_TRANSLATABLE("Catalogue", "My UPLOAD speed is:"),
              .keys = KeyClass::Digits},
    EditorDef{.name = "txtDSpeed",
              .kind = EditorKind::Field,
              .caption = QVL_TRANSLATABLE("Catalogue", "My DOWNLOAD speed is:"),
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

// The sections of the script: the FPS tweaks up to the first Ping tweak, the Ping tweaks up to the
// first of today's game, and those to the end.
inline constexpr int firstPingSlot = editorId("optClPred");
inline constexpr int firstTodaySlot = editorId("optFpsOverride");

// Whether the game version knows the cvars an editor writes.
inline constexpr bool offered(EditorId id, GameVersion version) {
    return offeredIn(editor(id).offered, version);
}

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
