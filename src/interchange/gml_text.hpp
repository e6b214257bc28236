#pragma once
// The text of GML, apart from what it says of graphs.
//
// GmlValue is one value: a scalar (a number as written, or a string with its
// character entities decoded to UTF-8) or a list of key-value pairs, with the
// line it starts on. parse_gml reads a whole document as the top-level list,
// refusing a stray character, an unclosed string or list, a key without a
// value, or lists nested deeper than MAX_GML_DEPTH. append_gml_string writes
// a UTF-8 string quoted, in ASCII with character entities.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/result.hpp"

namespace ugraph {

struct GmlPair;

struct GmlValue {
    bool is_list = false;
    bool is_string = false;
    std::string text;
    std::vector<GmlPair> list;  // a vector may hold a type not yet complete; a pair may not
    std::size_t line = 0;
};

struct GmlPair {
    std::string first;
    GmlValue second;
};

inline constexpr int MAX_GML_DEPTH = 32;

Result<GmlValue> parse_gml(std::string_view text);

void append_gml_string(std::string_view utf8, std::string& out);

}  // namespace ugraph
