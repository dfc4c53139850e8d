#include "config/script.h"

#include "core/product.h"
#include "core/rate_rules.h"
#include "rates/rate_calculator.h"

namespace quarvel {

namespace {

void appendLine(std::string& text, std::string_view line) {
    text.append(line).append(crlf);
}

// A rate's line, with a value below the least the game keeps raised to it: the game would raise
// it at start anyway. A field that holds no number keeps its line.
std::string lineAtLeastFloor(int slot, const std::string& line, GameVersion version) {
    const RateRule* rule = rateRuleOf(slot);
    const std::string_view cvar = editor(slot).cvar;
    if (rule == nullptr || rule->floor(version).text.empty() || line.size() <= cvar.size()) {
        return line;
    }
    const auto value = rates::parseRate(std::string_view(line).substr(cvar.size() + 1));
    if (!value || *value >= rule->floor(version).value) {
        return line;
    }
    return std::string(cvar).append(" ").append(rule->floor(version).text);
}

void appendSection(std::string& text, std::string_view heading, const TweakLines& lines, int first,
                   int end, GameVersion version) {
    appendLine(text, heading);
    appendLine(text, "");
    for (int slot = first; slot < end; ++slot) {
        if (offered(slot, version)) {
            appendLine(text, lineAtLeastFloor(slot, lines[slot], version));
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
