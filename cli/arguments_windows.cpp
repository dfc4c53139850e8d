// The arguments on Windows, from the UTF-16 command line.

#include "cli/arguments.h"

#include "core/paths.h"

#include <filesystem>

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace quarvel::cli {

Arguments::Arguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        pointers_.assign(argv, argv + argc);
        return;
    }
    for (int i = 0; i < count; ++i) {
        texts_.push_back(pathText(std::filesystem::path(wide[i])));
    }
    LocalFree(wide);
    for (auto& text : texts_) {
        pointers_.push_back(text.data());
    }
}

} // namespace quarvel::cli
