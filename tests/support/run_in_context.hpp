#pragma once
// run_in_context: the command line run as main runs it, in a context of the
// given streams and platform (the running system's unless a test fails
// some of its calls), without a line editor, standard error no terminal,
// and the invariants engine the tests link, where the build has one.
#include <istream>
#include <ostream>
#include <vector>

#include "cli/command_line.hpp"
#include "invariants/invariants_module.hpp"
#include "storage/platform.hpp"

namespace ugraph {

#ifdef UGRAPH_INVARIANTS_LINKED
inline Result<const InvariantsModule*> linked_invariants_engine() { return &linked_invariants(); }
inline InvariantsOpener linked_engine() { return linked_invariants_engine; }
#else
inline InvariantsOpener linked_engine() { return nullptr; }
#endif

inline int run_in_context(const std::vector<const char*>& args, std::istream& in, std::ostream& out,
                          std::ostream& err, const Platform& platform = system_platform()) {
    CommandContext context{platform, in, out, err, nullptr, false, linked_engine()};
    return run_command_line(static_cast<int>(args.size()), args.data(), context);
}

}  // namespace ugraph
