#include "interchange/utf8_text.hpp"

namespace ugraph {

namespace {

// The length of the well-formed UTF-8 sequence that starts text[at], or 0
// when none starts there.
std::size_t utf8_sequence_at(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        return 1;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead < 0xC2 || lead > 0xF4 || text.size() - at < length) {
        return 0;
    }
    // The second byte's range excludes overlong forms, surrogates and code
    // points above U+10FFFF.
    const auto second = static_cast<unsigned char>(text[at + 1]);
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (second < low || second > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

}  // namespace

bool is_utf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8_sequence_at(text, at);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

std::string as_utf8(std::string_view text) {
    if (is_utf8(text)) {
        return std::string(text);
    }
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace ugraph
