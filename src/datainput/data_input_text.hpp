#pragma once
// The text of a data-input, the form in which graphs are kept in the data
// file, e.g.
//
//   [U "Ugraph", (1),2,4, (2),3, (3),4, (4), (5)]
//
// "[", the kind marker U (u is read alike), filler, the name between the
// first two double quotes, filler up to the first "(", then node groups: a
// header "(n)" and n's neighbour numbers. A data-input ends at its first "]";
// everything between data-inputs is free text.
//
// Reading the node groups, at each item boundary (after a header's ")" and
// after every neighbour): one optional ",", any blanks, then "(" starts a
// header, "]" ends the data-input, and anything else is a run of digits. A
// run worth more than 0 is a neighbour; a 0 or an empty run ends the list,
// and only blanks and commas may then come before "(" or "]".
#include <cstddef>
#include <string>
#include <string_view>

#include "common/result.hpp"
#include "graph/link_set.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

// A data-input, "[" to "]", holds at most this many characters: the loader
// refuses a longer one and the writer never writes one.
inline constexpr std::size_t MAX_DATA_INPUT_CHARS = 2503;

// The written form of a canonical graph: every node 1..n gets its header,
// each link stands once under its lower end, neighbours ascend, self-loops
// are left out; no line end. A node count of 0 or below gives the name alone.
std::string written_form(const UGraph& graph);
// The same of a graph given by its name, node count and links, added to the
// end of `text`: a long import writes every graph's form into one text,
// without a string or a UGraph of its own.
void append_written_form(std::string_view name, int nodes, const LinkSet& links, std::string& text);

// What a data-input holds: its name, its links, and its node count, the
// largest node number named anywhere in it.
struct DataInputLinks {
    GraphName name{};
    LinkSet links;
    int nodes = 0;
};

// Reads one data-input, "[" to its "]", into its name, its links (each
// neighbour entry a link both ways, repeats and self-loops as given) and its
// node count. A refusal's reason completes "Data-input 3 cannot be loaded:
// ..."; `into` may then be half written and is not to be used. Refused,
// besides any character the rules give no place: fewer than two double
// quotes, a name over NAME_MAX_CHARS, no header, an empty header or one
// holding more than digits, a node number outside 1 to MAX_NODES, a "#", a
// neighbour after a list's closing 0, and more than MAX_LINKS neighbour
// numbers.
Result<> parse_data_input(std::string_view text, DataInputLinks& into);

}  // namespace ugraph
