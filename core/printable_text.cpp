#include "core/printable_text.h"

#include <algorithm>

namespace quarvel {

namespace {

// The length of the UTF-8 character at `at`, or 0 when the bytes there are none.
std::size_t characterLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) {
        return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0u;
    };
    const unsigned lead = byte(0);
    if (lead < 0x80) {
        return 1;
    }
    // The least and most second byte for each lead, which rules out overlong forms, surrogates
    // and code points beyond U+10FFFF.
    std::size_t length = 0;
    unsigned low = 0x80;
    unsigned high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : low;
        high = lead == 0xed ? 0x9f : high;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : low;
        high = lead == 0xf4 ? 0x8f : high;
    } else {
        return 0;
    }
    if (byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xbf) {
            return 0;
        }
    }
    return length;
}

} // namespace

std::string printableText(std::string_view text) {
    static constexpr char hex[] = "0123456789abcdef";
    std::string shown;
    shown.reserve(text.size());
    const auto escape = [&](char c) {
        const auto byte = static_cast<unsigned char>(c);
        shown.append("\\x").append(1, hex[byte >> 4]).append(1, hex[byte & 0xf]);
    };
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = characterLength(text, at);
        const auto lead = static_cast<unsigned char>(text[at]);
        const bool control =
            (length == 1 && (lead < 0x20 || lead == 0x7f)) ||
            (length == 2 && lead == 0xc2 && static_cast<unsigned char>(text[at + 1]) < 0xa0);
        if (length == 0 || control) {
            for (std::size_t i = 0; i < std::max<std::size_t>(length, 1); ++i) {
                escape(text[at + i]);
            }
            at += std::max<std::size_t>(length, 1);
        } else {
            shown.append(text.substr(at, length));
            at += length;
        }
    }
    return shown;
}

} // namespace quarvel
