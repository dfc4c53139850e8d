// Windows: paths are UTF-16, as QString is.
#include "ui/host_system.h"

namespace quarvel::ui {

HostSystem thisSystem() {
    return HostSystem::Windows;
}

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(path.toStdWString());
}

QString fromPath(const std::filesystem::path& path) {
    return QString::fromStdWString(path.native());
}

} // namespace quarvel::ui
