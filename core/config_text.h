#pragma once

#include <algorithm>
#include <string_view>

// What may stand as a value in a config line. The game splits a line into commands at ';' and
// ends it at a line break, so a value holding either, or a tab or another control character,
// would smuggle a command of its own into the script.
namespace quarvel {

constexpr bool isSingleValue(std::string_view value) {
    return std::none_of(value.begin(), value.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return c == ';' || code < 0x20 || code == 0x7F;
    });
}

} // namespace quarvel
