#pragma once
// load_data_input: takes one graph out of the data file.
//
// Lists every data-input of the file behind a running number ("1  " and the
// text from "[" to its "]", then an empty line), asks for a number until one
// from 1 to the count comes (0 aborts), checks the kind marker U, echoes the
// data-input with a capital U, reads it (see data_input_text.hpp), and
// normalises the result. Gives the arc count, or 0 when nothing was loaded:
// the file cannot be read, the answer was 0 or input ended at the question,
// the data-input is not marked U or is refused, or it holds no link. Only a
// data-input that is read in full changes the graph; every other 0 leaves it
// as it was.
//
// The file is read in text mode (see text_mode_content); it is never
// changed. The number chosen is the number listed, counted by "[", also in
// files whose free text holds a stray "]". An answer without digits before
// any number was given counts as out of range. A data-input that the end of
// the file cuts off before its "]" is listed with what there is of it and
// refused when chosen; so is one longer than MAX_DATA_INPUT_CHARS.
#include <filesystem>

#include "console/console.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

int load_data_input(Console& console, ArcArray& arc_from, ArcArray& arc_to, GraphName& name,
                    const std::filesystem::path& file = GRAPH_DATA_FILE);

}  // namespace ugraph
