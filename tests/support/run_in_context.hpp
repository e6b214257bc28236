#pragma once
// run_in_context: the command line run as main runs it, in a context of the
// given streams and platform (the running system's unless a test fails
// some of its calls), without a line editor.
#include <istream>
#include <ostream>
#include <vector>

#include "cli/command_line.hpp"
#include "storage/platform.hpp"

namespace ugraph {

inline int run_in_context(const std::vector<const char*>& args, std::istream& in, std::ostream& out,
                          std::ostream& err, const Platform& platform = system_platform()) {
    CommandContext context{platform, in, out, err, nullptr};
    return run_command_line(static_cast<int>(args.size()), args.data(), context);
}

}  // namespace ugraph
