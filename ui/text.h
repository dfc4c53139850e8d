#pragma once

#include "core/failure.h"
#include "core/words.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

// Texts crossing between the engine and the windows.
namespace quarvel::ui {

// The program's own texts: captions, names and addresses, written as UTF-8.
[[nodiscard]] QString qs(std::string_view text);

// A text of the engine marked translatable, in the player's language (English when there is no
// translation): the catalogue's captions and items, the preset menu, the install's questions.
[[nodiscard]] QString translated(const char* context, std::string_view english);
[[nodiscard]] QString catalogueText(std::string_view english);

// What failed, in the player's language: the same sentence quarvel-cli prints in English.
[[nodiscard]] QString failureText(const Failure& failure);
// Sentences of the engine, one a line, in the player's language.
[[nodiscard]] QString sentencesText(const char* context, const std::vector<Sentence>& sentences);

// What the engine holds of the player's files — field texts, the script, messages that quote
// paths — is 8-bit text in the system's code page, as the game reads and writes it.
[[nodiscard]] QString fromEngine(std::string_view text);
[[nodiscard]] std::string toEngine(const QString& text);

} // namespace quarvel::ui
