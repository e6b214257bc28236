#pragma once
// DocumentGraph: one graph of a format read as a whole document (GraphML,
// GML) rather than line by line, and what reading it met.
//
// A document reader takes the document's text and gives its graphs in file
// order, each taken (its links on nodes 1..vertices, its own name when the
// document names it) or refused with a reason; it refuses the document
// itself (not well-formed, no graph) as a whole. `notes` are the clauses a
// reader tells about a graph it took but changed: identifiers renumbered,
// arcs of a directed graph or repeated links reduced.
//
// NodeNumbering gives the nodes of another program, named by any text, the
// numbers 1..n in the order they are first met; number_of refuses the node
// past MAX_NODES. renumber_note is the note for identifiers that were not
// already "1".."n" in that order, or nothing.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.hpp"
#include "graph/link_set.hpp"

namespace ugraph {

struct DocumentGraph {
    std::size_t line = 0;  // where the graph opens in the document
    Result<> taken;
    std::string name;  // empty: the document does not name it
    LinkSet links;
    int vertices = 0;
    std::vector<std::string> notes;
};

// The longest document read: far above any 50-node graph with the data
// other programs attach, far below what would exhaust memory.
inline constexpr std::size_t DOCUMENT_CAP = std::size_t{16} << 20;

class NodeNumbering {
public:
    // The node's number, the next one when it is new.
    Result<int> number_of(std::string_view id);
    int count() const { return static_cast<int>(numbers_.size()); }
    std::optional<std::string> renumber_note() const;

private:
    std::map<std::string, int, std::less<>> numbers_;
    std::string first_id_;
    bool as_numbered_ = true;  // every id so far was its own number
};

// "3 repeated links merged", "5 arcs of a directed graph taken as links".
std::string reduced_note(int count, const char* what, const char* how);

}  // namespace ugraph
