#pragma once
// completion_script: the completion script of one shell for ugraph, made
// from the command table: the commands, each command's options, the choices
// of the options that take a fixed set (the formats of --from and --to, the
// 0 and 1 of --base), file names where a file is asked (-f, -o, INPUT), and
// the commands again after help.
//
//   Shell             bash, zsh or fish.
//   shell_named       the shell of that name, or none.
//   completion_script the script, to be sourced by bash, or installed as
//                     zsh's _ugraph or fish's ugraph.fish.
#include <optional>
#include <string>
#include <string_view>

namespace ugraph {

enum class Shell { bash, zsh, fish };

std::optional<Shell> shell_named(std::string_view name);
std::string completion_script(Shell shell);

}  // namespace ugraph
