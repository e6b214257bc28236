#pragma once
// SignalHold: while it lives, the signals that ask a program to end (INT,
// TERM, HUP, QUIT) wait; when it goes they take effect. A save runs under
// one, so an interrupted save ends either before it began or after it was
// complete, never between its temporary file and the rename.
#include <csignal>

namespace ugraph {

class SignalHold {
public:
    SignalHold() {
        sigset_t ending;
        sigemptyset(&ending);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
            sigaddset(&ending, signal);
        }
        pthread_sigmask(SIG_BLOCK, &ending, &before_);
    }
    ~SignalHold() { pthread_sigmask(SIG_SETMASK, &before_, nullptr); }
    SignalHold(const SignalHold&) = delete;
    SignalHold& operator=(const SignalHold&) = delete;

private:
    sigset_t before_{};
};

}  // namespace ugraph
