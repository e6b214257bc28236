#include "cli/command.hpp"

#include <CLI/CLI.hpp>

#include "cli/usage_error.hpp"
#include "storage/data_file.hpp"

namespace ugraph {

bool Parsed::given(const std::string& option) const { return command.count(option) > 0; }

std::string Parsed::data_file(const std::string& own) const {
    if (given("--file") || !program_file) {
        return own;
    }
    return *program_file;
}

int Parsed::usage(std::ostream& err, const std::string& text) const {
    return tell_usage_error(err, {text, command.get_name()});
}

}  // namespace ugraph
