#include "front/posix/steam_library_folders.h"

#include <optional>

namespace tessary {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

struct Token {
    enum Kind { Text, Open, Close } kind = Text;
    std::string text;
};

// Reads the tokens of a VDF text one at a time: quoted or bare strings,
// braces; comments ("//" to the line end) and conditions ("[$WIN32]") are
// passed over.
class Tokens {
public:
    explicit Tokens(std::string_view text) : text_(text) {}

    std::optional<Token> Next() {
        for (;;) {
            while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
            if (pos_ >= text_.size()) return std::nullopt;
            const char c = text_[pos_];
            if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
            } else if (c == '[') {
                while (pos_ < text_.size() && text_[pos_] != ']' && text_[pos_] != '\n') ++pos_;
                ++pos_;
            } else if (c == '{' || c == '}') {
                ++pos_;
                return Token{c == '{' ? Token::Open : Token::Close, {}};
            } else if (c == '"') {
                return Token{Token::Text, Quoted()};
            } else {
                const std::size_t start = pos_;
                while (pos_ < text_.size() && !IsSpace(text_[pos_]) && text_[pos_] != '"' &&
                       text_[pos_] != '{' && text_[pos_] != '}') {
                    ++pos_;
                }
                return Token{Token::Text, std::string(text_.substr(start, pos_ - start))};
            }
        }
    }

private:
    // A quoted string with \\, \", \n and \t escapes; an unclosed one runs
    // to the end of the text.
    std::string Quoted() {
        std::string value;
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            char c = text_[pos_++];
            if (c == '\\' && pos_ < text_.size()) {
                c = text_[pos_++];
                if (c == 'n') c = '\n';
                if (c == 't') c = '\t';
            }
            value += c;
        }
        ++pos_;
        return value;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

std::vector<std::string> SteamLibraryPaths(std::string_view vdf) {
    std::vector<std::string> paths;
    // The keys of the open sections, outermost first.
    std::vector<std::string> sections;
    Tokens tokens(vdf);
    std::optional<Token> token = tokens.Next();
    while (token) {
        if (token->kind == Token::Close) {
            if (!sections.empty()) sections.pop_back();
            token = tokens.Next();
            continue;
        }
        if (token->kind == Token::Open) {  // a section without a key
            sections.emplace_back();
            token = tokens.Next();
            continue;
        }
        std::string key = std::move(token->text);
        token = tokens.Next();
        if (!token) break;
        if (token->kind == Token::Open) {
            sections.push_back(std::move(key));
            token = tokens.Next();
            continue;
        }
        if (token->kind == Token::Close) continue;  // a key without a value
        const std::string& value = token->text;
        const bool inList = !sections.empty() && SameLetters(sections.front(), "libraryfolders");
        if (inList && !value.empty()) {
            if (sections.size() == 2 && SameLetters(key, "path")) paths.push_back(value);
            if (sections.size() == 1 && AllDigits(key)) paths.push_back(value);
        }
        token = tokens.Next();
    }
    return paths;
}

}  // namespace tessary
