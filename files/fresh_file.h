#pragma once

#include "files/file_io.h"
#include "files/open_file.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

// A new file under a name nothing stands at yet: the new content of a file that is replaced whole,
// and the safety copy of one that is updated in place.
namespace quarvel {

struct FreshFile {
    OpenFile file; // open for writing
    std::filesystem::path name;
};

// Creates a new file for writing under a fresh name made by `name`, trying another while the name
// is taken. The mode and attributes are FileIo::create's.
IoResult<FreshFile> createFresh(FileIo& io, const std::function<std::filesystem::path()>& name,
                                std::uint32_t mode, std::uint32_t attributes);

// A name for a new file beside `file`, unlikely to be taken: ".autoexec.cfgXf3k9Q", or with
// `kind` ".quarvel-copy-" ".autoexec.cfg.quarvel-copy-Xf3k9Q".
std::filesystem::path besideName(const std::filesystem::path& file, std::string_view kind);

} // namespace quarvel
