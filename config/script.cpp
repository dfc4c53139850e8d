#include "config/script.h"

#include "core/product.h"

namespace quarvel {

namespace {

void appendLine(std::string& text, std::string_view line) {
    text.append(line).append(crlf);
}

void appendSlots(std::string& text, const TweakLines& lines, int first, int last) {
    for (int slot = first; slot <= last; ++slot) {
        appendLine(text, lines[slot]);
    }
}

} // namespace

std::string buildScript(const TweakLines& lines) {
    std::string text;
    text.reserve(2048);
    appendLine(text,
               std::string("// ").append(product::name).append(" ").append(product::majorVersion));
    appendLine(text, std::string("// ").append(product::webDomain));
    appendLine(text, "");
    appendLine(text, "// FPS Tweaks");
    appendLine(text, "");
    appendSlots(text, lines, 0, firstPingSlot - 1);
    appendLine(text, "");
    appendLine(text, "// Ping Tweaks");
    appendLine(text, "");
    appendSlots(text, lines, firstPingSlot, slotCount - 1);
    appendLine(text, "");
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
