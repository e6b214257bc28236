#pragma once
// The edits a script gives a graph instead of the editor's dialogue: links
// to add, links to remove and a new name, within the editor's limits.
//
//   parse_link        "A-B" as two node numbers: digits, "-", digits, each
//                     node between 1 and MAX_NODES and the two different (a
//                     link of a node to itself is not kept by the written
//                     form). Refused with a clause naming the text.
//   apply_link_edits  adds every `link`, then removes every `unlink`, then
//                     sets `name`; the node count rises to the highest node
//                     named, as a data-input's does, and never falls. A link
//                     already there or an unlink of one not there changes
//                     nothing. Refused, the graph unchanged, with a clause
//                     that starts with the option ("--link 3-51: ..."): a text
//                     parse_link refuses, one link both added and removed,
//                     more than MAX_LINKS links in the end, and a name that
//                     check_given_name refuses.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/result.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

struct LinkEdits {
    std::vector<std::string> link{};
    std::vector<std::string> unlink{};
    std::optional<std::string> name{};
};

Result<std::pair<int, int>> parse_link(std::string_view text);

Result<> apply_link_edits(UGraph& graph, const LinkEdits& edits);

}  // namespace ugraph
