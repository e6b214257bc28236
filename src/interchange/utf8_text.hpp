#pragma once
// UTF-8 text for the formats other programs read as UTF-8 (DOT, GraphML,
// GML, TikZ): a stored name is bytes, and a name that is not UTF-8 was typed
// in Latin-1.
//
// is_utf8 says whether the text is well-formed UTF-8 (no overlong form, no
// surrogate, nothing above U+10FFFF). as_utf8 gives the text itself when it
// is, else every byte taken as Latin-1 and written as UTF-8. Neither fails.
#include <string>
#include <string_view>

namespace ugraph {

bool is_utf8(std::string_view text);
std::string as_utf8(std::string_view text);

}  // namespace ugraph
