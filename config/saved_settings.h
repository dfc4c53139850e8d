#pragma once

#include "config/restore_record.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Putting the player's settings back into config.cfg, the settings the game saved at its last
// exit. The game writes config.cfg whole from the values it holds, so once quarvel.cfg has run, its
// values stand there. Each recorded setting is looked for at the last command of config.cfg that
// sets it, compared as the game reads values:
// - holding what quarvel.cfg set, it takes the recorded value back, in the line's own form; a
//   setting no file had set before loses its line, so the game uses its own default again;
// - holding the recorded value already, it stays;
// - holding any other value, the player changed it since: it stays, and is named.
// Every other byte of the file stays as it was, line ends included.
namespace quarvel {

struct PutBackSetting {
    std::string name;
    std::optional<std::string> value; // nothing: its line was taken out, for the game's default
};

struct KeptSetting {
    std::string name;
    std::string value; // as config.cfg holds it
};

struct SavedSettingsRestore {
    std::string content; // config.cfg as it is to be
    std::vector<PutBackSetting> putBack{};
    std::vector<KeptSetting> kept{};

    [[nodiscard]] bool changed() const { return !putBack.empty(); }
};

// What config.cfg becomes when the recorded settings go back into it. `scriptSets` gives, for a
// setting, what the quarvel.cfg in the folder sets now (it counts as quarvel.cfg's value too).
SavedSettingsRestore
restoreSavedSettings(std::string_view config, const std::vector<RecordedSetting>& recorded,
                     const std::vector<std::pair<std::string, std::string>>& scriptSets);

} // namespace quarvel
