#pragma once

#include "core/catalogue.h"

#include <array>
#include <string_view>

// Where each tweak stands on the main window: its caption label, its place and its marker. The
// rows run in reading order, block by block; captions and items come from the catalogue.
namespace quarvel::ui {

enum class Block {
    FpsToggles,      // FPS Tweaks, left: the ON/OFF rows in their container
    FpsSoundToggles, // FPS Tweaks, left: the four rows below the container
    FpsLists,        // FPS Tweaks, right: lists and fields in two columns
    PingToggles,     // Ping Tweaks: the ON/OFF rows beside the rate fields
    PingFields,      // Ping Tweaks: the rate fields in two columns
    PingVoice,       // Ping Tweaks: the last ON/OFF row, below the others
    TodayToggles,    // Today's Game: the ON/OFF rows
    TodayFields,     // Today's Game: the fields beside them
};

// The small picture that says which game or card a tweak is for.
enum class Marker { None, CS, DoD, CheatingDeath, Ati };

struct TweakPlace {
    EditorId editor;
    std::string_view label; // caption label
    Block block{};
    int column = 0;     // two-column blocks: 0 left, 1 right
    int container = -1; // option pairs: the number of their container, blnCmd_N
    Marker marker = Marker::None;
    int markerIndex = -1; // which of the marker's pictures: imgCS_N
};

namespace detail {

consteval TweakPlace toggle(std::string_view editor, std::string_view label, Block block,
                            int container, Marker marker = Marker::None, int markerIndex = -1) {
    return {editorId(editor), label, block, 0, container, marker, markerIndex};
}

consteval TweakPlace cell(std::string_view editor, std::string_view label, Block block, int column,
                          Marker marker = Marker::None, int markerIndex = -1) {
    return {editorId(editor), label, block, column, -1, marker, markerIndex};
}

} // namespace detail

inline constexpr auto tweakPlaces = [] {
    using enum Block;
    using enum Marker;
    using detail::cell;
    using detail::toggle;
    return std::array{
        toggle("optHimodels", "Label1", FpsToggles, 0),
        toggle("optClear", "Label2", FpsToggles, 1),
        toggle("optCull", "Label3", FpsToggles, 2),
        toggle("optDither", "Label4", FpsToggles, 3),
        toggle("optLightholes", "Label5", FpsToggles, 4),
        toggle("optPalt", "Label6", FpsToggles, 5),
        toggle("optSpriteblend", "Label7", FpsToggles, 6),
        toggle("optZTrick", "Label18", FpsToggles, 17),
        toggle("optDetTex", "Label8", FpsToggles, 7),
        toggle("optMirror", "Label10", FpsToggles, 9),
        toggle("optMMX", "Label11", FpsToggles, 10),
        toggle("optBlood", "Label12", FpsToggles, 11),
        toggle("optGibs", "Label15", FpsToggles, 14),
        toggle("optPrecache", "Label16", FpsToggles, 15),
        toggle("optLPrecache", "Label17", FpsToggles, 16),
        toggle("optDynamic", "Label9", FpsToggles, 8, DoD, 0),
        toggle("optShadows", "Label14", FpsToggles, 13, CS, 0),
        toggle("optMinmodels", "Label13", FpsToggles, 12, CS, 1),
        toggle("optA3d", "Label34", FpsSoundToggles, 18),
        toggle("optEAX", "Label35", FpsSoundToggles, 19),
        toggle("optReverb", "Label36", FpsSoundToggles, 20),
        toggle("optDCVoice", "Label67", FpsSoundToggles, 27),

        cell("cmbTextureq", "Label19", FpsLists, 0),
        cell("cmbTextureS", "Label23", FpsLists, 0),
        cell("cmbRnd", "Label20", FpsLists, 0),
        cell("cmbMapq", "Label21", FpsLists, 0),
        cell("cmbModelq", "Label22", FpsLists, 0),
        cell("cmbSpriteq", "Label24", FpsLists, 0),
        cell("cmbSpriteSkip", "Label77", FpsLists, 0),
        cell("cmbTruform", "Label26", FpsLists, 0, Ati, 5),
        cell("cmbIconMode", "Label27", FpsLists, 0, DoD, 1),
        cell("cmbPFX", "Label28", FpsLists, 1, DoD, 2),
        cell("cmbWeather", "Label25", FpsLists, 1, CS, 2),
        cell("cmbCDFPS", "Label80", FpsLists, 1, CheatingDeath, 5),
        cell("txtCorpsestay", "Label29", FpsLists, 1),
        cell("txtHPKMax", "Label31", FpsLists, 1),
        cell("txtWallPuffs", "Label30", FpsLists, 1, DoD, 4),
        cell("txtRubble", "Label32", FpsLists, 1, DoD, 3),
        cell("txtShells", "Label33", FpsLists, 1, CS, 3),
        cell("txtSmokePuffs", "Label78", FpsLists, 1, CS, 4),

        toggle("optClPred", "Label40", PingToggles, 21),
        toggle("optFireC", "Label41", PingToggles, 22),
        toggle("optHitC", "Label42", PingToggles, 23),
        toggle("optLagC", "Label43", PingToggles, 24),
        toggle("optDownIG", "Label44", PingToggles, 25),
        toggle("optUpload", "Label45", PingToggles, 26),
        cell("txtRate", "Label55", PingFields, 0),
        cell("txtURate", "Label57", PingFields, 0),
        cell("txtDecals", "Label79", PingFields, 0),
        cell("txtClRate", "Label89", PingFields, 1),
        cell("txtCMDRate", "Label56", PingFields, 1),
        cell("txtCMDBackup", "Label66", PingFields, 1),
        toggle("optVoice", "Label68", PingVoice, 28),

        toggle("optFpsOverride", "lblFpsOverride", TodayToggles, 29),
        cell("txtFpsMax", "lblFpsMax", TodayFields, 0),
        toggle("optVsync", "lblVsync", TodayToggles, 30),
        toggle("optRawInput", "lblRawInput", TodayToggles, 31),
        toggle("optFilterCmd", "lblFilterCmd", TodayToggles, 32),
        cell("txtExInterp", "lblExInterp", TodayFields, 0),
    };
}();

// Every row names a tweak editor, and every tweak stands on the window exactly once; option
// pairs, and only they, have a container number.
static_assert([] {
    std::array<int, slotCount> seen{};
    for (const auto& place : tweakPlaces) {
        if (!isTweak(place.editor) || seen[static_cast<std::size_t>(place.editor)]++ != 0) {
            return false;
        }
        const bool pair = editor(place.editor).kind == EditorKind::OptionPair;
        if (pair != (place.container >= 0)) {
            return false;
        }
    }
    return tweakPlaces.size() == slotCount;
}());

} // namespace quarvel::ui
