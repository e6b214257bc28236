#pragma once
// HelpFormat: the help of the program and of each command in the program's
// own words. Each command's usage line is its synopsis from the command
// table, and the parser's headings read "Arguments" and "Commands"; the
// options, their value names and their defaults come from how each command
// declares them.
#include <CLI/CLI.hpp>
#include <string>

namespace ugraph {

class HelpFormat : public CLI::Formatter {
public:
    HelpFormat();
    std::string make_usage(const CLI::App* app, std::string name) const override;
};

}  // namespace ugraph
