#pragma once
// quoted_name: a name as a command shows it: in double quotes, with a
// backslash, a line end, a tab and any other control character written as
// an escape, so that one data-input always stays on one line.
#include <string>

#include "graph/ugraph.hpp"

namespace ugraph {

std::string quoted_name(const GraphName& name);

}  // namespace ugraph
