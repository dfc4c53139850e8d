#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Texts with places for what fills them in, %1 to %9, as Qt's translations have them: the engine
// keeps the English words, quarvel-cli fills them in as they are and the windows translate them
// first.
namespace quarvel {

namespace detail {
// A value that itself holds "%2" stays as it is: the words are read once, left to right.
template <typename Values> std::string fill(std::string_view words, const Values& values) {
    std::string text;
    text.reserve(words.size());
    for (std::size_t at = 0; at < words.size(); ++at) {
        const char next = at + 1 < words.size() ? words[at + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (words[at] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            text.append(values.begin()[index]);
            ++at;
        } else {
            text.push_back(words[at]);
        }
    }
    return text;
}
} // namespace detail

inline std::string filledWords(std::string_view words,
                               std::initializer_list<std::string_view> values) {
    return detail::fill(words, values);
}
inline std::string filledWords(std::string_view words, const std::vector<std::string>& values) {
    return detail::fill(words, values);
}

// A sentence to tell the player: its words, and what fills in their places in order.
struct Sentence {
    std::string_view words;
    std::vector<std::string> values{};
};

inline std::string sentenceText(const Sentence& sentence) {
    return filledWords(sentence.words, sentence.values);
}

} // namespace quarvel
