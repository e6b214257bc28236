#pragma once
// load_data_input: takes one graph out of the data file.
//
// Lists every data-input of the file behind a running number ("1  " and the
// text from "[" to its "]", then an empty line), asks for a number until one
// from 1 to the count comes (0 aborts), checks the kind marker U, echoes the
// data-input with a capital U, and reads it into a canonical graph (see
// read_graph). Gives the arc count, or 0 when nothing was loaded:
// the file cannot be read, the answer was 0 or input ended at the question,
// the data-input is not marked U or is refused, or it holds no link. Only a
// data-input that is read in full changes the graph; every other 0 leaves it
// as it was.
//
// The file is read as a stream by DataInputReader, once for the listing and
// once more for the data-input chosen, so memory does not grow with the
// file; it is never changed. Each pass holds the file's shared lock, which
// is let go while the number is asked, so no save waits on the user; the
// second pass reads the same file as the first, even where a save has put
// a new one at its name meanwhile. A file that cannot be read as a regular
// file (missing, a folder, a FIFO, a device, a link not followed; see
// DataFileStream) gives "Cannot find file <file>"; one that another program
// keeps locked for 10 seconds gives "Error: cannot read <file> (still in use
// by another program after 10 seconds)", after the one line that told the
// wait. The number chosen is the
// number listed, counted by "[", also in files whose free text holds a stray
// "]". An answer without digits before any number was given counts as out
// of range. Whether the chosen data-input can be loaded is decided by
// read_graph, as for the commands; a refusal is told as "Data-input 3 cannot
// be loaded: <reason>", or in the words of NOT_MARKED_LINE for data of
// another kind. The file is read through `platform`.
#include <filesystem>

#include "console/console.hpp"
#include "graph/ugraph.hpp"
#include "storage/data_file.hpp"
#include "storage/platform.hpp"

namespace ugraph {

int load_data_input(Console& console, UGraph& graph, const std::filesystem::path& file,
                    const Platform& platform);

}  // namespace ugraph
