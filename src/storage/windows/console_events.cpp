#include "storage/windows/console_events.hpp"

#include <windows.h>

#include <condition_variable>
#include <mutex>

namespace ugraph {
namespace {

struct Holds {
    std::mutex mutex;
    std::condition_variable released;
    int count = 0;
};

Holds& holds() {
    static Holds all;
    return all;
}

BOOL WINAPI give_way_after_holds(DWORD /*event*/) {
    wait_for_no_hold();
    return FALSE;
}

class ConsoleEventsHeld : public SignalsHeld {
public:
    ConsoleEventsHeld() {
        // Installed once, at the first hold: without holds it gives way at once.
        static const bool installed = SetConsoleCtrlHandler(give_way_after_holds, TRUE) != 0;
        (void)installed;
        const std::lock_guard<std::mutex> lock(holds().mutex);
        ++holds().count;
    }
    ConsoleEventsHeld(const ConsoleEventsHeld&) = delete;
    ConsoleEventsHeld& operator=(const ConsoleEventsHeld&) = delete;
    ~ConsoleEventsHeld() override {
        {
            const std::lock_guard<std::mutex> lock(holds().mutex);
            --holds().count;
        }
        holds().released.notify_all();
    }
};

}  // namespace

std::unique_ptr<SignalsHeld> hold_console_events() { return std::make_unique<ConsoleEventsHeld>(); }

void wait_for_no_hold() {
    std::unique_lock<std::mutex> lock(holds().mutex);
    holds().released.wait(lock, [] { return holds().count == 0; });
}

}  // namespace ugraph
