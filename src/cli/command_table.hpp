#pragma once
// The command table: every command of ugraph, one row each, in the order
// `ugraph --help` lists them. A new command is one file under commands/ that
// defines its CommandRow, and one row here.
//
//   command_table  the rows.
//   find_command   the row named `name`, or none.
//   command_names  the names, for suggestions and completions.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.hpp"

namespace ugraph {

std::span<const CommandRow* const> command_table();
const CommandRow* find_command(std::string_view name);
std::vector<std::string> command_names();

}  // namespace ugraph
