#pragma once
// The rule for a name given whole, on the command line (rename, --name):
// it is kept exactly as given or refused, never cut as a typed line is.
//
//   check_given_name  refused, with a clause that says which rule, when the
//                     name has more than NAME_MAX_CHARS characters (bytes, as
//                     the name field counts them) or holds a character the
//                     data file cannot keep between quotes: a double quote,
//                     "]", a carriage return or Ctrl-Z (see stored_name.hpp).
#include <string_view>

#include "common/result.hpp"

namespace ugraph {

Result<> check_given_name(std::string_view name);

}  // namespace ugraph
