// Names of files on Windows, which ignore case: "Config.cfg" is config.cfg.
#include "config/console_script.h"

#include "core/ascii.h"

namespace quarvel {

std::string fileNameKey(std::string_view name) {
    return lowerAscii(name);
}

} // namespace quarvel
