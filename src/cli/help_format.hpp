#pragma once
// HelpFormat: the help of the program and of each command in the program's
// own words. Each command's usage line is its synopsis as the README and the
// manual give it, and the parser's headings read "Arguments" and
// "Commands"; the options, their value names and their defaults come from
// how each command is described.
#include <CLI/CLI.hpp>
#include <map>
#include <string>

namespace ugraph {

class HelpFormat : public CLI::Formatter {
public:
    HelpFormat();
    // The usage line of `command` ("ugraph" for the program).
    void synopsis(const std::string& command, std::string line);
    std::string make_usage(const CLI::App* app, std::string name) const override;

private:
    std::map<std::string, std::string, std::less<>> synopses_;
};

}  // namespace ugraph
