#include "cli/quoted_name.hpp"

#include <array>

namespace ugraph {

std::string quoted_name(const GraphName& name) {
    std::string quoted = "\"";
    for (const char c : name_text(name)) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '\\') {
            quoted += "\\\\";
        } else if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (code < 0x20 || code == 0x7f) {
            constexpr std::array<char, 16> hex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
            quoted += "\\x";
            quoted += hex[code / 16];
            quoted += hex[code % 16];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

}  // namespace ugraph
