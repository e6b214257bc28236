#pragma once
// ProgramParser: the CLI11 description of ugraph made from the command
// table: the program's own options (-f, --help, --version) and, for every row
// asked for, the command with the options its Command declares, each bound to
// a member of that Command. Only the commands a parse needs are described,
// so that a command starts without building the others.
//
//   ProgramParser(rows)  the program with those commands.
//   app                  what CLI11 parses.
//   program_file         the -f typed before any command (or for the
//                        dialogue), as typed.
//   command_of           the Command behind a parsed CLI11 command.
//   program_help, command_help  the help texts, as --help prints them.
//   version_text         what --version prints.
#include <CLI/CLI.hpp>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/command.hpp"

namespace ugraph {

inline constexpr const char* PROGRAM_SYNOPSIS =
    "ugraph [-f FILE]  (the dialogue),  or  ugraph COMMAND ...";

class ProgramParser {
public:
    explicit ProgramParser(std::span<const CommandRow* const> rows);

    CLI::App& app() { return app_; }
    const std::string& program_file() const { return file_; }
    Command* command_of(const CLI::App& command) const;

private:
    CLI::App app_;
    std::string file_;
    std::vector<std::pair<const CLI::App*, std::unique_ptr<Command>>> commands_;
};

// "ugraph 1.1.0", the line --version prints.
std::string_view version_text();

std::string program_help();
std::string command_help(const CommandRow& row);

}  // namespace ugraph
