#pragma once

#include <filesystem>
#include <optional>

namespace quarvel::ui {

// The folder the install window last installed into, checked or removed in this run of the
// program: the next install window opens there. The main window keeps it and shares it with each
// install window, which may stay open after the main window has closed.
struct LastFolder {
    std::optional<std::filesystem::path> folder;
};

} // namespace quarvel::ui
