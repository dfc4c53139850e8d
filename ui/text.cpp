#include "ui/text.h"

namespace quarvel::ui {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString fromEngine(std::string_view text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toEngine(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

} // namespace quarvel::ui
