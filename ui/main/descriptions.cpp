#include "ui/main/descriptions.h"

#include "core/catalogue.h"
#include "ui/text.h"

#include <QCoreApplication>

#include <array>

namespace quarvel::ui {

namespace {

struct Description {
    EditorId editor;
    std::string_view performance;
    std::string_view command;
    std::string_view explanation;
};

// clang-format off
constexpr std::array descriptions{
    Description{editorId("optHimodels"), QT_TRANSLATE_NOOP("Description", "0"), "cl_himodels",
     QT_TRANSLATE_NOOP("Description", "Some HL mods support hi quality models, like TFC. They look better than the default models but impair performance.")},
    Description{editorId("optClear"), QT_TRANSLATE_NOOP("Description", "0"), "gl_clear / gl_keeptjunctions",
     QT_TRANSLATE_NOOP("Description", "If you turn this on 'gaps' between textures will be filled and textures will look smoother because the buffer will be cleared before repainting them.")},
    Description{editorId("optCull"), QT_TRANSLATE_NOOP("Description", "1"), "gl_cull",
     QT_TRANSLATE_NOOP("Description", "Cull means HL will only render what is visible to you. If you turn this off, HL will calculate things you dont even see, which can have a huge performance impact.")},
    Description{editorId("optDither"), QT_TRANSLATE_NOOP("Description", "1"), "gl_dither",
     QT_TRANSLATE_NOOP("Description", "Dithering textures makes them look blurred, but can improve performance. If you turn dithering off, all textures will be sharper and you will be able to display 32-bit texures.")},
    Description{editorId("optLightholes"), QT_TRANSLATE_NOOP("Description", "0"), "gl_lightholes",
     QT_TRANSLATE_NOOP("Description", "You can turn light holes in textures on or off with this command.")},
    Description{editorId("optPalt"), QT_TRANSLATE_NOOP("Description", "Unknown"), "gl_palette_tex",
     QT_TRANSLATE_NOOP("Description", "HL uses a static color palette, however, you can make the palette generic by turning this off. Turning this off might cause errors with older video cards.")},
    Description{editorId("optSpriteblend"), QT_TRANSLATE_NOOP("Description", "N/A"), "gl_spriteblend",
     QT_TRANSLATE_NOOP("Description", "If you want to make your zoomed crosshairs more sharp, you can turn this off. Also, if you turn this off, you get about 3x more blood!.")},
    Description{editorId("optZTrick"), QT_TRANSLATE_NOOP("Description", "Video Card Dependant"), "gl_ztrick",
     QT_TRANSLATE_NOOP("Description", "If you have a 3DFX video card (e.g. Voodoo 1/2/3), turning ZTrick on will improve performance. Some other video cards also support ZTrick, so experiment with this setting. Newer video cards should turn this off.")},
    Description{editorId("optDetTex"), QT_TRANSLATE_NOOP("Description", "0"), "r_detailtextures / r_detailtexturessupported",
     QT_TRANSLATE_NOOP("Description", "Turning on detail textures will make textures look sharper and more detailed. Turning this off will save RAM, because support for detail textures will be turned off.")},
    Description{editorId("optMirror"), QT_TRANSLATE_NOOP("Description", "0"), "r_mirroralpha",
     QT_TRANSLATE_NOOP("Description", "Reflective textures can have a performance impact, so turn this off if you need FPS. If you like the reflecting glasses of the L337 KR3W, you can leave this on.")},
    Description{editorId("optMMX"), QT_TRANSLATE_NOOP("Description", "1"), "r_mmx",
     QT_TRANSLATE_NOOP("Description", "Intel develloped MMX a couple of years ago, and HL should detect it if your CPU supports it. Unfortuneatly HL doesn't detect it properly. MMX can gain you up to 10 FPS and nowadays almost all CPU's support it, so turn it on!")},
    Description{editorId("optBlood"), QT_TRANSLATE_NOOP("Description", "0"), "violence_ablood / violence_hblood",
     QT_TRANSLATE_NOOP("Description", "If you really need FPS, you can turn off blood. This is not the blood on the walls but rather the blood you see coming out of a player when you make a headshot. I wouldn't turn this off because it adds to the game experience.")},
    Description{editorId("optGibs"), QT_TRANSLATE_NOOP("Description", "0"), "violence_agibs / violence_hgibs",
     QT_TRANSLATE_NOOP("Description", "In some mods exploded players look like little meatchunks on the ground. They are called gibs. You can remove them by turning this command off.")},
    Description{editorId("optPrecache"), QT_TRANSLATE_NOOP("Description", "1"), "precache",
     QT_TRANSLATE_NOOP("Description", "You can make HL load all necessary files before joining a game, it might make your connection times a little longer but it can seriously improve performance because HL won't have to load models and textures when you first see them.")},
    Description{editorId("optLPrecache"), QT_TRANSLATE_NOOP("Description", "N/A"), "fs_lazy_precache",
     QT_TRANSLATE_NOOP("Description", "If you're having trouble joining games in steam, you can turn on lazy precache. Lazy precache will make sure you join a game (no timeouts), and only download/install the 'security modules' once per server.")},
    Description{editorId("optDynamic"), QT_TRANSLATE_NOOP("Description", "0"), "cl_dynamiclights",
     QT_TRANSLATE_NOOP("Description", "Day of Defeat has its own dynamic lighting, you can turn it off to improve performance but it might cause some decal-artifacts.")},
    Description{editorId("optShadows"), QT_TRANSLATE_NOOP("Description", "0"), "cl_shadows",
     QT_TRANSLATE_NOOP("Description", "Counter-Strike has new cartoon-like shadows beneath players. If you don't like them or want more FPS, turn them off.")},
    Description{editorId("optMinmodels"), QT_TRANSLATE_NOOP("Description", "1"), "cl_minmodels",
     QT_TRANSLATE_NOOP("Description", "Turning this on will make CS load only 4 player models into your memory instead of 10. You will only be able to see L337 KR3W, GIGN, Hostage and VIP player models, thus improving performance.")},
    Description{editorId("optA3d"), QT_TRANSLATE_NOOP("Description", "0"), "s_a3d",
     QT_TRANSLATE_NOOP("Description", "If you have an Areal 3D supported soundcard, turn this on for better 3D sound! If you don't, leave this off because it will impair performance. If you have A3D and EAX support, turn A3D on an leave EAX off because A3D is just so much better than EAX.")},
    Description{editorId("optEAX"), QT_TRANSLATE_NOOP("Description", "0"), "s_eax",
     QT_TRANSLATE_NOOP("Description", "If you don't have A3D, but you do have EAX support, turn this on. It will improve your 3D sound but lower your FPS a little bit unless you have a good soundcard.")},
    Description{editorId("optReverb"), QT_TRANSLATE_NOOP("Description", "0"), "s_reverb",
     QT_TRANSLATE_NOOP("Description", "You can hear echo background noises if you turn this on. This can happen when a grenade explodes in a small room or hallway. Sometimes, turning this on makes HL think you need background echo noises all over the map. I suggest you leave this off.")},
    Description{editorId("optDCVoice"), QT_TRANSLATE_NOOP("Description", "0"), "voice_dsound",
     QT_TRANSLATE_NOOP("Description", "Using DirectSound for your VoiceComm may make sound quality better, but it lowers performance and can cause soundartifacts if you don't have enough FPS.")},
    Description{editorId("cmbTextureq"), QT_TRANSLATE_NOOP("Description", "Video Mode Dependant"), "gl_texturemode",
     QT_TRANSLATE_NOOP("Description", "If you play in Direct3D, 'Trilinear: Medium' mode will improve performance the most. If you play in OpenGL 'Bilinear: Medium' will gain you max FPS. With this setting you can select the way HL filters textures, Trilinear filtering looks better than Bilinear.")},
    Description{editorId("cmbTextureS"), QT_TRANSLATE_NOOP("Description", "Very Small"), "gl_max_size",
     QT_TRANSLATE_NOOP("Description", "Set the maximum texture size with this command, the lower it is, the more RAM you save. 'Very Small' makes some textures look very repetetive on large objects. 'Small' improves performance without noticing any difference in graphics.")},
    Description{editorId("cmbRnd"), QT_TRANSLATE_NOOP("Description", "Low"), "gl_round_down",
     QT_TRANSLATE_NOOP("Description", "Setting this to Very Low will make the 'Texture Quality' (see below) slightly worse. Setting it any higher than low will allow for the textures to be rendered more accurately, though this is not advisable, because you probably won't notice much of a difference.")},
    Description{editorId("cmbMapq"), QT_TRANSLATE_NOOP("Description", "Medium"), "gl_picmip",
     QT_TRANSLATE_NOOP("Description", "This setting can reduce texture quality. Setting this to 'Low' makes your Hit Points almost unreadable. 'Medium' is the best way to go here if you need FPS.")},
    Description{editorId("cmbModelq"), QT_TRANSLATE_NOOP("Description", "Low"), "gl_playermip",
     QT_TRANSLATE_NOOP("Description", "This command does the same as 'Texture Quality', only it does it for the player models. You don't really see any change in graphics with this on 'Low' or 'Perfect', but set it to 'Low' just so you know you might gain a few FPS.")},
    Description{editorId("cmbSpriteq"), QT_TRANSLATE_NOOP("Description", "Low"), "fastsprites",
     QT_TRANSLATE_NOOP("Description", "Sprites are things like gas from a smokegrenade, explosions, ... . You can change the way they Look with this command, 'Low' makes gas look very dark and thin, 'Medium' looks a bit like 'Perfect', which is white and whispy.")},
    Description{editorId("cmbSpriteSkip"), QT_TRANSLATE_NOOP("Description", "Two Line Switch"), "d_spriteskip",
     QT_TRANSLATE_NOOP("Description", "When you see a grenade exploding, you actually see an animated image. You can select how much lines of this image are drawn, the less lines, the more time your computer has for other rendering. 'Two Line Switch' means the image loses 1 line every 2 lines. This command does not have any effect on newer video cards.")},
    Description{editorId("cmbTruform"), QT_TRANSLATE_NOOP("Description", "0"), "ati_npatch",
     QT_TRANSLATE_NOOP("Description", "ATi video cards have a feature to make player/weapon models rounder. This effect makes some models look too round, and if it does, you can change the level of rounding. If you need more FPS, you can turn this feature off even if you don't have an ATi card.")},
    Description{editorId("cmbIconMode"), QT_TRANSLATE_NOOP("Description", "No Head Icons"), "cl_identiconmode",
     QT_TRANSLATE_NOOP("Description", "In Day of Defeat you see icons above players' heads. There are 3 settings for those icons: 'No Head Icons' remove the icons and improve performance, 'Crosshair' means you only see icons above players who you're aiming at and 'Everyone' means all players have head icons.")},
    Description{editorId("cmbPFX"), QT_TRANSLATE_NOOP("Description", "No Effects"), "cl_particlefx",
     QT_TRANSLATE_NOOP("Description", "Day of Defeat supports special particle effects, which are used in explosions and mist. 'No Effects' improves performance but lowers graphical quality. 'Some Effects' remove some effects, but the most important ones will still be displayed.")},
    Description{editorId("cmbWeather"), QT_TRANSLATE_NOOP("Description", "No Weather"), "cl_weather",
     QT_TRANSLATE_NOOP("Description", "Some maps like de_aztec have weather effects, which can be set to different levels. If you need more performance, select 'No Weather'. 'Hurricane' and 'Storm' are stronger than the default 'Light Rain'.")},
    Description{editorId("cmbCDFPS"), QT_TRANSLATE_NOOP("Description", "Level 1"), "cd_fps",
     QT_TRANSLATE_NOOP("Description", "Cheating-Death has a command to change the amount of visual tests it performs. This can have a perfomance impact on your computer if you use C-D. Change it to 'Level 1' to minimize the amount of tests done by C-D.")},
    Description{editorId("txtCorpsestay"), QT_TRANSLATE_NOOP("Description", "0.1"), "cl_corpsestay",
     QT_TRANSLATE_NOOP("Description", "You can determine the amount of time that goes by before the dead bodies 'sink' (or fade) in the ground. Typing 1 here will make corpses sink in the ground almost immediately after they're killed. Type 0 to make the corpses stay indefinetly.")},
    Description{editorId("txtHPKMax"), QT_TRANSLATE_NOOP("Description", "0.1"), "hpk_maxsize",
     QT_TRANSLATE_NOOP("Description", "Here you can determine the maximum filesize for custom.hpk, in megabytes. Custom.hpk is an almost useless file which is loaded into your RAM every time you play Half-Life. Type 0 for an infinite filesize.")},
    Description{editorId("txtWallPuffs"), QT_TRANSLATE_NOOP("Description", "1"), "max_wallpuffs",
     QT_TRANSLATE_NOOP("Description", "When you shoot at a wall in DoD, you can see little wall shards. They really impair performance if there's a lot of shooting at walls. Setting this command to 1 will show almost no shards. Type 0 for an infinite maximum amount of shards.")},
    Description{editorId("txtRubble"), QT_TRANSLATE_NOOP("Description", "1"), "max_rubble",
     QT_TRANSLATE_NOOP("Description", "This command affects the amount of rubble you can see after/during an explosion in DoD. Rubble is like gibs, and can impair performance if there is too much of it.Type 0 for an infinite maximum amount rubble.")},
    Description{editorId("txtShells"), QT_TRANSLATE_NOOP("Description", "1"), "max_shells",
     QT_TRANSLATE_NOOP("Description", "When you fire a gun in CS, you can see an empty shell coming out of it. With this setting you can choose to be a regular Max Payne with a Para, or if you need FPS set it to 1. Type 0 for an infinite maximum amount of shells.")},
    Description{editorId("txtSmokePuffs"), QT_TRANSLATE_NOOP("Description", "1"), "max_smokepuffs",
     QT_TRANSLATE_NOOP("Description", "When you shoot at a wall in CS, you can see 'smoke' near the wall. Set this to 1 to display almost no smokepuffs, thus improving performance.")},
    Description{editorId("optClPred"), QT_TRANSLATE_NOOP("Description", "N/A"), "cl_nopred",
     QT_TRANSLATE_NOOP("Description", "You can turn clientside prediction on or off with this command. Do not turn this off unless you are playing on a LAN.")},
    Description{editorId("optFireC"), QT_TRANSLATE_NOOP("Description", "N/A"), "cl_lw",
     QT_TRANSLATE_NOOP("Description", "When you click, you fire immediately. In reality you fire a bit later, depending on how much ping you have. If you're playing on a LAN you can turn the weapon fire prediction off, otherwise leave it on.")},
    Description{editorId("optHitC"), QT_TRANSLATE_NOOP("Description", "N/A"), "cl_lb",
     QT_TRANSLATE_NOOP("Description", "When you hit a player, he immediately spurts some blood. In reality this happens a bit later, depending on how much ping you have. If you're playing on a LAN you can turn the direct hit prediction off, otherwise, leave it on.")},
    Description{editorId("optLagC"), QT_TRANSLATE_NOOP("Description", "N/A"), "cl_lc",
     QT_TRANSLATE_NOOP("Description", "With this command you can turn lag compensation on or off. Again, don't turn this off unless you are playing  on a LAN. Lag compensation helps people with high pings and low pings to see the same things at the same time.")},
    Description{editorId("optDownIG"), QT_TRANSLATE_NOOP("Description", "0"), "cl_download_ingame",
     QT_TRANSLATE_NOOP("Description", "Downloading in-game means that you keep downloading decals/sounds (e.g. custom sprays) after you've connected. If that happens during a heavy firefight, you might experiencemore lag than normal. Turn this off to prohibit that from happening.")},
    Description{editorId("optUpload"), QT_TRANSLATE_NOOP("Description", "0"), "cl_allowupload",
     QT_TRANSLATE_NOOP("Description", "If you have your own custom spray or if you spray alot, don't turn this off. Connection times will be reduced by a small margin if you do turn this command off because you won't upload your spraypaint image.")},
    Description{editorId("txtRate"), QT_TRANSLATE_NOOP("Description", "Connection Dependant"), "rate",
     QT_TRANSLATE_NOOP("Description", "Maximum amount of bytes that can be received from server in a second. Setting this value too high/low will cause choke. It is said the max value of this setting is 20000. Quarvel calculates this value for you.")},
    Description{editorId("txtURate"), QT_TRANSLATE_NOOP("Description", "Connection Dependant"), "cl_updaterate",
     QT_TRANSLATE_NOOP("Description", "Number of updates the client will request from the server each second. If you are getting choke, lower this value until you have none. You can view your choke by typing 'net_graph 3' in console. You should only set this value to 100 if you are playing on a LAN. Quarvel calculates this value for you.")},
    Description{editorId("txtDecals"), QT_TRANSLATE_NOOP("Description", "0"), "mp_decals",
     QT_TRANSLATE_NOOP("Description", "Number of decals that are allowed on your screen at one time. Once the number is hit, it starts 'deleting' the previous marks from your screen. Bullet holes, blood stains, grenade explosion marks, and countless other things count as decals. It is best to have a number under 100; the higher the number the more impact on FPS.")},
    Description{editorId("txtClRate"), QT_TRANSLATE_NOOP("Description", "Connection Dependant"), "cl_rate",
     QT_TRANSLATE_NOOP("Description", "Maximum amount of bytes that can be sent to a server in a second. CS likes to reset this command back to 9999 if you change it, but let Quarvel try and set it to its correct value anyway.")},
    Description{editorId("txtCMDRate"), QT_TRANSLATE_NOOP("Description", "Connection Dependant"), "cl_cmdrate",
     QT_TRANSLATE_NOOP("Description", "Number of times per second that the client will update the server. This command affects ping, recoil, and a really low value may affect voicecomm quality. Quarvel calculates this value for you.")},
    Description{editorId("txtCMDBackup"), QT_TRANSLATE_NOOP("Description", "Connection Dependant"), "cl_cmdbackup",
     QT_TRANSLATE_NOOP("Description", "Use free bandwidth to send duplicated commands (cl_cmdrate) in case they get lost. The greater this value, the more bandwith you need to send the duplicate commands. If you have a bad connection, set this value higher, if you have high upload bandwith, you can also set this higher.")},
    Description{editorId("optVoice"), QT_TRANSLATE_NOOP("Description", "0"), "voice_enable",
     QT_TRANSLATE_NOOP("Description", "If you have enough bandwith (read: downloadcapacity), you don't have to turn this off.If you do turn this off, you won't hear other people through the microphone. You won't be able to a microphone yourself aswell. Turning this off will reduce lag and increase FPS on older computers.")},
    Description{editorId("optFpsOverride"), QT_TRANSLATE_NOOP("Description", "1 with FPS Limit above 100"), "fps_override",
     QT_TRANSLATE_NOOP("Description", "Today's game caps the frame rate at 100 (it shows as 100.5). Turning this on lifts the cap, so that FPS Limit can be set higher. The High FPS preset keeps it off with FPS Limit at 100, where the game's movement is as intended; Die Hard FPS turns it on with FPS Limit at 200.")},
    Description{editorId("txtFpsMax"), QT_TRANSLATE_NOOP("Description", "Video Card Dependant"), "fps_max",
     QT_TRANSLATE_NOOP("Description", "The highest frame rate the game draws, 100 unless you change it. Above 100 it needs FPS Override turned on. The game's movement differs at frame rates that are not 1000 divided by a whole number, so pick one that is, such as 100, 125, 200, 250 or 500. The High FPS preset keeps 100; Die Hard FPS sets 200 and turns FPS Override on.")},
    Description{editorId("optVsync"), QT_TRANSLATE_NOOP("Description", "0"), "gl_vsync",
     QT_TRANSLATE_NOOP("Description", "Vertical sync makes the game wait for your screen before it shows a frame. Today's game has it on since 2013, and while it is on and FPS Override is off the frame rate stays at 100 at most. Turn it off for more FPS.")},
    Description{editorId("optRawInput"), QT_TRANSLATE_NOOP("Description", "N/A"), "m_rawinput",
     QT_TRANSLATE_NOOP("Description", "Raw input reads your mouse directly, without the mouse acceleration of Windows. Today's game has it on unless you turn it off.")},
    Description{editorId("optFilterCmd"), QT_TRANSLATE_NOOP("Description", "N/A"), "cl_filterstuffcmd",
     QT_TRANSLATE_NOOP("Description", "Servers can send commands that change your settings. Turn this on to keep them from changing your cl_, gl_, r_, m_ and hud_ settings, rate, fps_max and ex_interp.")},
    Description{editorId("txtExInterp"), QT_TRANSLATE_NOOP("Description", "0.01"), "ex_interp",
     QT_TRANSLATE_NOOP("Description", "How far back in time, in seconds, the game shows other players so that they move smoothly; 0.1 unless you change it. Today's game keeps it between 1/cl_updaterate and 0.1, so 0.01 gives the shortest delay your update rate allows.")},
};

// What today's Steam game does with a tweak of the classic one, said after its description.
struct TodaysGameNote {
    EditorId editor;
    std::string_view sentence;
};

constexpr std::array todaysGameNotes{
    TodaysGameNote{editorId("optClear"), QT_TRANSLATE_NOOP("Description", "In multiplayer today's game is believed to force gl_clear to 0.")},
    TodaysGameNote{editorId("optZTrick"), QT_TRANSLATE_NOOP("Description", "Today's game renamed gl_ztrick to gl_ztrick_old in 2013 and no longer knows the old name, so Quarvel does not write it.")},
    TodaysGameNote{editorId("optDetTex"), QT_TRANSLATE_NOOP("Description", "Today's game is believed to take r_detailtexturessupported in single player only and to refuse it in multiplayer.")},
    TodaysGameNote{editorId("optMMX"), QT_TRANSLATE_NOOP("Description", "Today's game accepts r_mmx, but never reads it.")},
    TodaysGameNote{editorId("optA3d"), QT_TRANSLATE_NOOP("Description", "Today's game removed A3D sound in 2013: it accepts s_a3d, which has no effect.")},
    TodaysGameNote{editorId("optEAX"), QT_TRANSLATE_NOOP("Description", "Today's game removed EAX sound in 2013: it accepts s_eax, which has no effect.")},
    TodaysGameNote{editorId("cmbModelq"), QT_TRANSLATE_NOOP("Description", "Today's game accepts gl_playermip, but never reads it.")},
    TodaysGameNote{editorId("cmbTextureS"), QT_TRANSLATE_NOOP("Description", "In multiplayer today's game keeps gl_max_size at 256 or more, and above 512 textures may fail to load.")},
    TodaysGameNote{editorId("cmbSpriteSkip"), QT_TRANSLATE_NOOP("Description", "Today's game is believed to use d_spriteskip in its software renderer only and to force it to 0 in multiplayer.")},
    TodaysGameNote{editorId("cmbTruform"), QT_TRANSLATE_NOOP("Description", "Today's game accepts ati_npatch and ati_subdiv, but never reads them.")},
    TodaysGameNote{editorId("txtHPKMax"), QT_TRANSLATE_NOOP("Description", "Today's game is believed to read hpk_maxsize in megabytes, where 0 means no limit.")},
    TodaysGameNote{editorId("optVoice"), QT_TRANSLATE_NOOP("Description", "Today's game sets voice_modenable back to 1 whenever you talk.")},
    TodaysGameNote{editorId("txtClRate"), QT_TRANSLATE_NOOP("Description", "Today's game resets cl_rate on every connection.")},
};
// clang-format on

// Every tweak has its description, once.
static_assert([] {
    std::array<int, slotCount> described{};
    for (const Description& row : descriptions) {
        if (!isTweak(row.editor) || described[static_cast<std::size_t>(row.editor)]++ != 0) {
            return false;
        }
    }
    return descriptions.size() == slotCount;
}());

} // namespace

std::optional<QString> descriptionText(std::string_view key, GameVersion version) {
    for (const auto& row : descriptions) {
        if (editor(row.editor).key != key) {
            continue;
        }
        QString text =
            QCoreApplication::translate("Description", "Performance: %1\r\nCommand: %2\r\n%3")
                .arg(translated("Description", row.performance), qs(row.command),
                     translated("Description", row.explanation));
        for (const TodaysGameNote& note : todaysGameNotes) {
            if (note.editor == row.editor && version == GameVersion::Steam) {
                text += QLatin1Char(' ') + translated("Description", note.sentence);
            }
        }
        return text;
    }
    return std::nullopt;
}

} // namespace quarvel::ui
