#pragma once

#include <QString>

#include <filesystem>

// What the windows do differently on Windows and on Linux. Each system has its own file that says
// it (host_system_posix.cpp, host_system_windows.cpp); the rest of ui/ asks here.
namespace quarvel::ui {

enum class HostSystem { Windows, Linux };

// The system the program runs on.
[[nodiscard]] HostSystem thisSystem();

// A path keeps its bytes on the way through the windows: a folder whose name is not valid UTF-8
// is shown as well as it can be, and still written into as itself.
[[nodiscard]] std::filesystem::path toPath(const QString& path);
[[nodiscard]] QString fromPath(const std::filesystem::path& path);

} // namespace quarvel::ui
