// Names of files on Linux: two spellings are two files.
#include "config/console_script.h"

namespace quarvel {

std::string fileNameKey(std::string_view name) {
    return std::string(name);
}

} // namespace quarvel
