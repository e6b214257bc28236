// ugraph: prepares the data of one undirected graph at the console.
// Arguments and environment are ignored; the exit status is always 0.
#include <iostream>

#include "console/console.hpp"
#include "dialogue/run_dialogue.hpp"

int main() {
    // The console flushes before every read that waits, so the standard
    // streams need not be tied to stdio.
    std::ios::sync_with_stdio(false);
    ugraph::Console console(std::cin, std::cout);
    ugraph::run_dialogue(console);
    std::cout.flush();
    return 0;
}
