#include "cli/arguments.h"

#ifdef _WIN32
#include "core/paths.h"

#include <filesystem>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

namespace quarvel::cli {

Arguments::Arguments(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide != nullptr) {
        for (int i = 0; i < count; ++i) {
            texts_.push_back(pathText(std::filesystem::path(wide[i])));
        }
        LocalFree(wide);
        for (auto& text : texts_) {
            pointers_.push_back(text.data());
        }
        return;
    }
#endif
    pointers_.assign(argv, argv + argc);
}

} // namespace quarvel::cli
