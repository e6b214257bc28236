#pragma once
// The report of a graph as text, always eight lines:
//
//   The array of degrees:
//    (1)2 (2)2 (3)3 (4)1
//
//   The long adjacency array is:
//   (1),2,3,  (2),1,3,  (3),1,2,4,  (4),3,
//
//   The short adjacency array is:
//   (1),2,3,  (2),3,  (3),4,  (4),
//
// (the adjacency lines end with the two blanks of their last group). The long
// array lists every neighbour of each node, the short one only the higher
// ones, so each link shows once. The graph is canonical. A node count of 0 or
// below gives the three titles and empty lines; arcs whose first end is above
// n are neither counted nor shown. n is at most MAX_NODES (entry refuses
// more); a larger n is reported as MAX_NODES so the degree table is never
// overrun.
//
//   summary_line      the line that sums the graph up before its first report:
//                     "Ufile <name>     <n> Nodes   <links> Links\n".
//   count_degrees     the degree table: slot i is node i's arc count.
//   adjacency_report  the eight lines as one text.
#include <array>
#include <cstdint>
#include <string>

#include "graph/ugraph.hpp"

namespace ugraph {

using DegreeTable = std::array<std::int32_t, MAX_NODES + 1>;

std::string summary_line(const UGraph& graph);

DegreeTable count_degrees(const UGraph& graph);

std::string adjacency_report(const UGraph& graph);

}  // namespace ugraph
