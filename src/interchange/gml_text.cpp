#include "interchange/gml_text.hpp"

#include <charconv>
#include <map>

namespace ugraph {

namespace {

void append_code_point(unsigned long code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character an entity ("amp", "#34", "#x3bc") stands for, or false.
bool decode_entity(std::string_view entity, std::string& out) {
    static const std::map<std::string_view, char> named = {
        {"amp", '&'}, {"quot", '"'}, {"lt", '<'}, {"gt", '>'}, {"apos", '\''}};
    if (const auto found = named.find(entity); found != named.end()) {
        out += found->second;
        return true;
    }
    const bool hex = entity.starts_with("#x") || entity.starts_with("#X");
    if (!entity.starts_with('#') || entity.size() < (hex ? 3U : 2U)) {
        return false;
    }
    const std::string_view digits = entity.substr(hex ? 2 : 1);
    unsigned long code = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (error != std::errc() || end != digits.data() + digits.size() || code == 0 ||
        code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return false;
    }
    append_code_point(code, out);
    return true;
}

std::string decoded(std::string_view raw) {
    std::string out;
    for (std::size_t at = 0; at < raw.size(); ++at) {
        const std::size_t end = raw[at] == '&' ? raw.find(';', at) : std::string_view::npos;
        if (end != std::string_view::npos && end - at <= 10 &&
            decode_entity(raw.substr(at + 1, end - at - 1), out)) {
            at = end;
        } else {
            out += raw[at];
        }
    }
    return out;
}

bool is_key_start(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool is_key_char(char c) { return is_key_start(c) || (c >= '0' && c <= '9'); }
bool is_number_char(char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

class GmlParser {
public:
    explicit GmlParser(std::string_view text) : text_(text) {}

    Result<GmlValue> document() {
        GmlValue top;
        top.is_list = true;
        top.line = 1;
        if (Result<> read = list_into(top, 0); !read) {
            return read.refusal();
        }
        if (at_ < text_.size()) {
            return failure("a ']' that closes no list");
        }
        return top;
    }

private:
    Refusal failure(const std::string& what) const {
        return refused("it is not GML: " + what + " on line " + std::to_string(line_));
    }

    void skip_blanks() {
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '#') {
                while (at_ < text_.size() && text_[at_] != '\n') {
                    ++at_;
                }
            } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
                line_ += c == '\n' ? 1 : 0;
                ++at_;
            } else {
                return;
            }
        }
    }

    // Key-value pairs up to the end of the text or a ']', which is left.
    Result<> list_into(GmlValue& list, int depth) {
        for (skip_blanks(); at_ < text_.size() && text_[at_] != ']'; skip_blanks()) {
            if (!is_key_start(text_[at_])) {
                return failure(std::string("a key cannot begin with '") + text_[at_] + "'");
            }
            const std::size_t start = at_;
            const std::size_t key_line = line_;
            while (at_ < text_.size() && is_key_char(text_[at_])) {
                ++at_;
            }
            GmlPair& pair = list.list.emplace_back();
            pair.first = std::string(text_.substr(start, at_ - start));
            if (Result<> value = value_into(pair.second, depth); !value) {
                return value;
            }
            pair.second.line = key_line;  // a value is told where its key stands
        }
        return Done{};
    }

    Result<> value_into(GmlValue& value, int depth) {
        skip_blanks();
        value.line = line_;
        if (at_ >= text_.size()) {
            return failure("a key without a value");
        }
        if (text_[at_] == '[') {
            return sublist_into(value, depth + 1);
        }
        if (text_[at_] == '"') {
            return string_into(value);
        }
        const std::size_t start = at_;
        while (at_ < text_.size() && is_number_char(text_[at_])) {
            ++at_;
        }
        if (at_ == start) {
            return failure(std::string("a value cannot begin with '") + text_[at_] + "'");
        }
        value.text = std::string(text_.substr(start, at_ - start));
        return Done{};
    }

    Result<> sublist_into(GmlValue& value, int depth) {
        if (depth > MAX_GML_DEPTH) {
            return failure("lists nested more than " + std::to_string(MAX_GML_DEPTH) + " deep");
        }
        ++at_;
        value.is_list = true;
        if (Result<> read = list_into(value, depth); !read) {
            return read;
        }
        if (at_ >= text_.size()) {
            return failure("a list that is not closed");
        }
        ++at_;
        return Done{};
    }

    Result<> string_into(GmlValue& value) {
        const std::size_t close = text_.find('"', at_ + 1);
        if (close == std::string_view::npos) {
            return failure("a string that is not closed");
        }
        const std::string_view raw = text_.substr(at_ + 1, close - at_ - 1);
        for (const char c : raw) {
            line_ += c == '\n' ? 1 : 0;
        }
        value.is_string = true;
        value.text = decoded(raw);
        at_ = close + 1;
        return Done{};
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
};

// The code point of the UTF-8 sequence at text[at], and its length; a byte
// that starts none stands for itself, as Latin-1.
unsigned long code_point_at(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length == 1 || text.size() - at < length) {
        ++at;
        return lead;
    }
    unsigned long code = lead & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length; ++k) {
        code = (code << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3F);
    }
    at += length;
    return code;
}

}  // namespace

Result<GmlValue> parse_gml(std::string_view text) { return GmlParser(text).document(); }

void append_gml_string(std::string_view utf8, std::string& out) {
    out += '"';
    for (std::size_t at = 0; at < utf8.size();) {
        const unsigned long code = code_point_at(utf8, at);
        // The named entities for '"' and '&', which igraph reads too.
        if (code == '"' || code == '&') {
            out += code == '"' ? "&quot;" : "&amp;";
        } else if (code >= 0x20 && code < 0x7F) {
            out += static_cast<char>(code);
        } else {
            out += "&#" + std::to_string(code) + ';';
        }
    }
    out += '"';
}

}  // namespace ugraph
