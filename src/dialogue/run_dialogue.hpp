#pragma once
// run_dialogue: the whole session, from the first question to the last key.
//
//   1. Where is the data? K types the graph in, F loads it from the data
//      file; any other answer is refused and asked again.
//   2. The graph is summed up in one line: a typed graph once it has been
//      normalised, a loaded one as the loader gives it, already canonical.
//   3. The report is shown and "Change data?" asked; Y or y opens the
//      neighbour editor and the changed graph is normalised and reported
//      again, any other answer moves on.
//   4. The graph is saved as the data file's whole content.
//   5. One more key ends the session.
// Nothing is summed up, shown or saved when the loader gives 0 or input ends
// before a graph is complete (at the first question or during keyboard
// entry); the session then goes straight to its last key. End of input at
// "Change data?" counts as no, as any other answer does. The data file is
// read and saved through `platform`; what the save tells beside the
// dialogue's own texts goes to `notes` (see save_data_input).
#include <filesystem>
#include <ostream>

#include "console/console.hpp"
#include "graph/ugraph.hpp"
#include "storage/data_file.hpp"
#include "storage/platform.hpp"

namespace ugraph {

void run_dialogue(Console& console, std::ostream& notes, const std::filesystem::path& data_file,
                  const Platform& platform);

}  // namespace ugraph
