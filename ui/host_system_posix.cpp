// Linux: paths are bytes in the file system's encoding.
#include "ui/host_system.h"

#include <QByteArray>
#include <QFile>

namespace quarvel::ui {

HostSystem thisSystem() {
    return HostSystem::Linux;
}

std::filesystem::path toPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString fromPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

} // namespace quarvel::ui
