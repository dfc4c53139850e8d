#include "games/key_values.h"

#include "core/ascii.h"

#include <cstdio>
#include <fstream>
#include <system_error>

namespace quarvel::games {

const KeyValue* KeyValue::child(std::string_view childKey) const {
    for (const KeyValue& entry : children) {
        if (equalsIgnoringCase(entry.key, childKey)) {
            return &entry;
        }
    }
    return nullptr;
}

std::optional<std::string_view> KeyValue::text(std::string_view childKey) const {
    for (const KeyValue& entry : children) {
        if (!entry.isBlock && equalsIgnoringCase(entry.key, childKey)) {
            return entry.value;
        }
    }
    return std::nullopt;
}

namespace {

struct Position {
    std::size_t line = 1;
    std::size_t column = 1;
};

struct Token {
    enum class Kind { Text, Open, Close, End };
    Kind kind = Kind::End;
    std::string text;
    Position at;
};

// Thrown inside the parser only; parseKeyValues turns it into a KeyValuesError.
struct ParseFailure {
    Position at;
    std::string reason;
};

bool isUnquotedChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.' || c == '+' || c == '$';
}

std::string printable(char c) {
    if (c >= 0x21 && c <= 0x7e) {
        return std::string("'") + c + "'";
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(c));
    return hex;
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    KeyValue parseDocument() {
        KeyValue root;
        root.isBlock = true;
        parseEntries(root, 0, nullptr);
        return root;
    }

private:
    std::string_view text_;
    std::size_t offset_ = 0;
    Position here_;

    bool atEnd() const { return offset_ >= text_.size(); }
    char peek(std::size_t ahead = 0) const {
        return offset_ + ahead < text_.size() ? text_[offset_ + ahead] : '\0';
    }

    char advance() {
        char c = text_[offset_++];
        if (c == '\n') {
            ++here_.line;
            here_.column = 1;
        } else {
            ++here_.column;
        }
        return c;
    }

    void skipSpaceAndComments() {
        while (!atEnd()) {
            char c = peek();
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                advance();
            } else if (c == '/' && peek(1) == '/') {
                while (!atEnd() && peek() != '\n') {
                    advance();
                }
            } else {
                return;
            }
        }
    }

    Token next() {
        skipSpaceAndComments();
        Token token;
        token.at = here_;
        if (atEnd()) {
            return token;
        }
        char c = peek();
        if (c == '{' || c == '}') {
            advance();
            token.kind = c == '{' ? Token::Kind::Open : Token::Kind::Close;
        } else if (c == '"') {
            token.kind = Token::Kind::Text;
            token.text = quoted();
        } else if (isUnquotedChar(c)) {
            token.kind = Token::Kind::Text;
            while (!atEnd() && isUnquotedChar(peek())) {
                token.text += advance();
            }
        } else {
            throw ParseFailure{here_, "unexpected character " + printable(c)};
        }
        return token;
    }

    std::string quoted() {
        Position start = here_;
        advance(); // opening quote
        std::string out;
        while (!atEnd()) {
            Position escapeAt = here_;
            char c = advance();
            if (c == '"') {
                return out;
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            if (atEnd()) {
                break;
            }
            char escaped = advance();
            switch (escaped) {
            case '\\':
                out += '\\';
                break;
            case '"':
                out += '"';
                break;
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            default:
                throw ParseFailure{escapeAt, "unknown escape sequence '\\" +
                                                 std::string(1, escaped) + "' in string"};
            }
        }
        throw ParseFailure{start, "string is never closed"};
    }

    // Reads key/value pairs into `block` up to its closing brace, or to the end of the text for
    // the top level (opening == nullptr).
    void parseEntries(KeyValue& block, int depth, const Position* opening) {
        for (;;) {
            Token key = next();
            switch (key.kind) {
            case Token::Kind::End:
                if (opening) {
                    throw ParseFailure{key.at, "missing '}' for the block opened at line " +
                                                   std::to_string(opening->line) + ", column " +
                                                   std::to_string(opening->column)};
                }
                return;
            case Token::Kind::Close:
                if (!opening) {
                    throw ParseFailure{key.at, "'}' without a matching '{'"};
                }
                return;
            case Token::Kind::Open:
                throw ParseFailure{key.at, "expected a key before '{'"};
            case Token::Kind::Text:
                break;
            }
            KeyValue entry;
            entry.key = std::move(key.text);
            Token value = next();
            if (value.kind == Token::Kind::Text) {
                entry.value = std::move(value.text);
            } else if (value.kind == Token::Kind::Open) {
                if (depth + 1 > maxKeyValuesDepth) {
                    throw ParseFailure{value.at, "blocks nested deeper than " +
                                                     std::to_string(maxKeyValuesDepth) + " levels"};
                }
                entry.isBlock = true;
                parseEntries(entry, depth + 1, &value.at);
            } else {
                throw ParseFailure{value.at, "key \"" + entry.key + "\" has no value"};
            }
            block.children.push_back(std::move(entry));
        }
    }
};

} // namespace

KeyValuesResult parseKeyValues(std::string_view text) {
    KeyValuesResult result;
    try {
        result.root = Parser(text).parseDocument();
    } catch (const ParseFailure& failure) {
        result.error = KeyValuesError{failure.at.line, failure.at.column, failure.reason};
    }
    return result;
}

Expected<KeyValue> readKeyValuesFile(const std::filesystem::path& file) {
    Failure failed{.step = FileStep::Search, .problem = FileProblem::System, .file = file};
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec) {
        failed.code = ec;
        return failed;
    }
    if (size > maxKeyValuesFileSize) {
        failed.problem = FileProblem::TooLarge;
        failed.size = size;
        return failed;
    }
    std::ifstream in(file, std::ios::binary);
    std::string text(static_cast<std::size_t>(size), '\0');
    if (!in.read(text.data(), static_cast<std::streamsize>(text.size()))) {
        return failed;
    }
    KeyValuesResult parsed = parseKeyValues(text);
    if (parsed.error) {
        failed.problem = FileProblem::Syntax;
        failed.line = parsed.error->line;
        failed.column = parsed.error->column;
        failed.detail = parsed.error->reason;
        return failed;
    }
    return std::move(parsed.root);
}

} // namespace quarvel::games
