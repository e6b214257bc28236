#include "datainput/name_rules.hpp"

#include <string>

#include "datainput/stored_name.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {
namespace {

std::string what_is_held(char c) {
    switch (c) {
        case '"':
            return "a double quote";
        case ']':
            return "']'";
        case '\r':
            return "a carriage return";
        default:
            return "Ctrl-Z";
    }
}

}  // namespace

Result<> check_given_name(std::string_view name) {
    if (name.size() > static_cast<std::size_t>(NAME_MAX_CHARS)) {
        return refused("the name has " + std::to_string(name.size()) +
                       " characters; a name holds at most " + std::to_string(NAME_MAX_CHARS));
    }
    if (const std::size_t at = name.find_first_of(NAME_FORBIDDEN_CHARS);
        at != std::string_view::npos) {
        return refused("the name holds " + what_is_held(name[at]) +
                       ", which would end it in the data file");
    }
    return Done{};
}

}  // namespace ugraph
