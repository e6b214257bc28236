#pragma once
// Ctrl-C, Ctrl-Break, a closed console window, a log-off and a shut-down:
// what ends a console program on Windows, as signals do on POSIX. The
// system calls the program's control handler for each on a thread of its
// own; the handler that hold_console_events installs waits there while any
// hold lives, then lets the system's own handler end the program, as a
// blocked signal arrives on Linux once it is unblocked.
//
//   hold_console_events  a hold (see Platform::hold_ending_signals); holds
//                        nest.
//   wait_for_no_hold     what the handler does before it gives way.
#include <memory>

#include "storage/platform.hpp"

namespace ugraph {

std::unique_ptr<SignalsHeld> hold_console_events();

void wait_for_no_hold();

}  // namespace ugraph
