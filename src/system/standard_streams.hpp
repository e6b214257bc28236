#pragma once
// How the program meets the running system outside storage: its arguments
// and the line ends of its standard streams.
//
//   utf8_arguments       the command line's arguments in UTF-8. On Windows
//                        they are taken from the wide command line, since
//                        main's narrow argv is in the ANSI code page, which
//                        loses any character it cannot spell.
//   streams_for_commands every byte in and out as it is: a command's output
//                        ends its lines in LF on every system, so graph6 and
//                        the data file move between systems unchanged.
//   streams_for_dialogue the console's own line ends: on Windows, text mode,
//                        so a typed CR LF reaches the dialogue as LF, a
//                        Ctrl-Z at the start of a line ends the input, and
//                        the dialogue's lines end in CR LF on the screen.
// On POSIX both stream calls leave the streams as they are.
//   standard_streams_are_a_terminal  whether standard input and output are
//                        both a terminal (a console on Windows): a person
//                        typing, whose lines a line editor may edit.
//   standard_error_is_a_terminal  whether standard error is a terminal (a
//                        console on Windows): a person watching, who may be
//                        shown how far a long run has come.
#include <string>
#include <vector>

namespace ugraph {

std::vector<std::string> utf8_arguments(int argc, char** argv);

void streams_for_commands();

void streams_for_dialogue();

bool standard_streams_are_a_terminal();

bool standard_error_is_a_terminal();

}  // namespace ugraph
