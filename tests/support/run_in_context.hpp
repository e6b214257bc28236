#pragma once
// run_in_context: the command line run as main runs it, in a context of the
// given streams and platform (the running system's unless a test fails
// some of its calls), without a line editor, standard error no terminal,
// and the invariants engine the tests link, where the build has one.
// run_ugraph: `ugraph ARGS...` so run, with what it printed and its status.
// content_of: the bytes of a file, or nothing if there is none.
#include <filesystem>
#include <fstream>
#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
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

struct Ran {
    int status;
    std::string out;
    std::string err;
};

inline Ran run_ugraph(std::vector<const char*> args, std::istream& in,
                      const Platform& platform = system_platform(),
                      InvariantsOpener engine = linked_engine()) {
    args.insert(args.begin(), "ugraph");
    std::ostringstream out;
    std::ostringstream err;
    CommandContext context{platform, in, out, err, nullptr, false, engine};
    const int status = run_command_line(static_cast<int>(args.size()), args.data(), context);
    return {status, out.str(), err.str()};
}

inline Ran run_ugraph(std::vector<const char*> args, const std::string& typed = "") {
    std::istringstream in(typed);
    return run_ugraph(std::move(args), in);
}

inline std::string content_of(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace ugraph
