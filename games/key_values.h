#pragma once

#include "core/failure.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reader for Valve's KeyValues text, the format of Steam's libraryfolders.vdf and appmanifest
// files: quoted keys and values, nested { } blocks and // comments.
namespace quarvel::games {

// Deeper nesting than this is refused, so a hostile file cannot exhaust the stack.
inline constexpr int maxKeyValuesDepth = 32;

// Files larger than this are refused: Steam's own files are a few kilobytes.
inline constexpr std::uintmax_t maxKeyValuesFileSize = 8 * 1024 * 1024;

struct KeyValue {
    std::string key;
    std::string value;              // text of a leaf
    std::vector<KeyValue> children; // entries of a block, in file order
    bool isBlock = false;

    // First child whose key matches ignoring ASCII case; null when there is none.
    const KeyValue* child(std::string_view childKey) const;
    // Text of the first leaf child with that key (ignoring case).
    std::optional<std::string_view> text(std::string_view childKey) const;
};

struct KeyValuesError {
    std::size_t line = 0; // 1-based; 0 when the file could not be read at all
    std::size_t column = 0;
    std::string reason;
};

struct KeyValuesResult {
    KeyValue root; // a block holding the top-level entries; empty when there is an error
    std::optional<KeyValuesError> error;

    bool ok() const { return !error; }
};

KeyValuesResult parseKeyValues(std::string_view text);

// A Steam file read and parsed whole; what kept it from being read is a failure of the search.
Expected<KeyValue> readKeyValuesFile(const std::filesystem::path& file);

} // namespace quarvel::games
