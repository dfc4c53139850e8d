#pragma once

#include <string>
#include <string_view>

namespace quarvel {

// Text from a player's file, made safe to show in a terminal or a window: control characters
// (C0, DEL, and C1 whether alone or in UTF-8) and bytes that are no part of a UTF-8 character are
// written as "\x1b", two hex digits each, and every other character stays as it is. An escape
// sequence in a config then changes nothing on the player's screen.
std::string printableText(std::string_view text);

} // namespace quarvel
