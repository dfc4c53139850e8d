#pragma once

#include "core/engine.h"

#include <gtest/gtest.h>

#include <string_view>

// The editors as a test names and drives them.
namespace quarvel::testing_support {

// An editor by its control name; a name the catalogue does not know fails the test.
inline EditorId id(std::string_view name) {
    const EditorId found = findEditor(name);
    EXPECT_NE(found, noEditor) << name;
    return found;
}

// Empties a field and types `text` into it key by key, through its key filter.
inline void type(Engine& engine, std::string_view field, std::string_view text) {
    engine.setText(id(field), {});
    for (const char c : text) {
        engine.typeCharacter(id(field), static_cast<unsigned char>(c));
    }
}

} // namespace quarvel::testing_support
