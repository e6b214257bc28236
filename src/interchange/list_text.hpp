#pragma once
// What edge lists and adjacency lists share, read as NetworkX reads them:
// '#' starts a comment that runs to the end of the line, fields are parted
// by blanks (space, tab, CR, VT, FF), and a label is a whole number naming
// a node, 1..MAX_NODES or, in base 0, 0..MAX_NODES - 1 (label L is node L+1).
//
// FieldScanner gives the fields of a line one by one, ending at its comment.
// read_label gives the node a field names, or refuses with a reason: not a
// whole number, or out of range (of kind label_zero for a 0 where labels
// count from 1, which a list labelled from 0 would hold). ListLine tells the
// reader what one line did; a line that is refused refuses the whole list.
// NodeMarks marks nodes by number, 1..MAX_NODES.
#include <bitset>
#include <string>
#include <string_view>

#include "common/result.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

enum class ListLine { blank, taken, refused };

class FieldScanner {
public:
    explicit FieldScanner(std::string_view line) : line_(line) {}
    bool next(std::string_view& field);

private:
    std::string_view line_;
    std::size_t at_ = 0;
};

using NodeMarks = std::bitset<MAX_NODES + 1>;

bool read_label(std::string_view field, int base, int& node, Refusal& refusal);

// A field that ends where a line was cut short may be cut itself.
inline bool reaches_end(std::string_view field, std::string_view line) {
    return field.data() + field.size() == line.data() + line.size();
}

inline constexpr const char* LINE_TOO_LONG = "the line is too long";

}  // namespace ugraph
