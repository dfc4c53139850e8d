#include "config/script.h"

#include "core/product.h"

namespace quarvel {

namespace {

void appendLine(std::string& text, std::string_view line) {
    text.append(line).append(crlf);
}

void appendSection(std::string& text, std::string_view heading, const TweakLines& lines, int first,
                   int end, GameVersion version) {
    appendLine(text, heading);
    appendLine(text, "");
    for (int slot = first; slot < end; ++slot) {
        if (offered(slot, version)) {
            appendLine(text, lines[slot]);
        }
    }
    appendLine(text, "");
}

} // namespace

std::string scriptHeader() {
    return std::string("// ").append(product::name).append(" ").append(product::majorVersion);
}

std::string buildScript(const TweakLines& lines, GameVersion version) {
    std::string text;
    text.reserve(2048);
    appendLine(text, scriptHeader());
    appendLine(text, std::string("// ").append(product::webDomain));
    appendLine(text, "");
    appendSection(text, "// FPS Tweaks", lines, 0, firstPingSlot, version);
    appendSection(text, "// Ping Tweaks", lines, firstPingSlot, firstTodaySlot, version);
    if (version == GameVersion::Steam) {
        appendSection(text, "// Today's Game", lines, firstTodaySlot, slotCount, version);
    }
    appendLine(text, std::string("// Created by ").append(product::author));
    text.append("// ").append(product::email);
    return text;
}

std::string echoBanner() {
    const std::string words[] = {
        "",
        "==============",
        std::string("      QUARVEL ").append(product::version),
        std::string("    ").append(product::webAddress),
        "-------------------------",
        " Optimisations Loaded",
        "==============",
        "",
    };
    std::string banner;
    banner.append(crlf).append(crlf);
    for (std::size_t i = 0; i < std::size(words); ++i) {
        if (i > 0) {
            banner.append(crlf);
        }
        banner.append("echo \"").append(words[i]).append("\"");
    }
    return banner;
}

} // namespace quarvel
