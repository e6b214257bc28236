#include "cli/help_format.hpp"

#include "cli/command_table.hpp"
#include "cli/program_parser.hpp"

namespace ugraph {

HelpFormat::HelpFormat() {
    label("Positionals", "Arguments");
    label("Usage", "Usage");
}

std::string HelpFormat::make_usage(const CLI::App* app, std::string /*name*/) const {
    if (app->get_parent() == nullptr) {
        return std::string("Usage: ") + PROGRAM_SYNOPSIS + "\n";
    }
    const CommandRow* row = find_command(app->get_name());
    return row == nullptr ? std::string() : "Usage: " + std::string(row->synopsis) + "\n";
}

}  // namespace ugraph
