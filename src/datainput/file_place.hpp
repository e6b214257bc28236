#pragma once
// Where a character of a data-input stands in the data file, so that a
// refusal can point at a line and a column rather than at the character's
// number within the data-input. Lines and columns count from 1 as a
// text-mode reader sees the file: a carriage return is no character.
//
//   place_in_file  the line and column of the data-input's character
//                  `character` (1 for its "["); the character must lie in
//                  the text the reader kept, as every refused one does.
//   placed_reason  a loader's reason with each "at character N" told as
//                  "at line L, column C": "unexpected 'x' at character 17"
//                  becomes "unexpected 'x' at line 4, column 9".
#include <cstddef>
#include <cstdint>
#include <string>

#include "datainput/data_input_reader.hpp"

namespace ugraph {

struct FilePlace {
    std::uint64_t line = 0;
    std::uint64_t column = 0;
};

FilePlace place_in_file(const DataInput& input, std::size_t character);

std::string placed_reason(const std::string& reason, const DataInput& input);

}  // namespace ugraph
