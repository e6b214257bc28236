#pragma once
// The report of the graph, always eight lines:
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
// ones, so each link shows once. The arcs are in canonical form. A node count
// of 0 or below gives the three titles and empty lines; arcs whose first end
// is above n are neither counted nor shown. n is at most MAX_NODES (entry
// refuses more); a larger n is reported as MAX_NODES so the degree table is
// never overrun.
//
//   summary_line      the line that sums the graph up before its first report:
//                     "Ufile <name>     <n> Nodes   <arcs / 2> Links\n".
//   count_degrees     fills degree[1..n] (and degree[0] = 0), nothing else.
//   adjacency_report  the eight lines as one text.
//   show_adjacency    count_degrees into the graph's table, then prints the
//                     report.
#include <string>

#include "console/console.hpp"
#include "graph/ugraph.hpp"

namespace ugraph {

std::string summary_line(const GraphName& name, const ArcArray& arc_from, const ArcArray& arc_to);

void count_degrees(const ArcArray& arc_from, const ArcArray& arc_to, DegreeTable& degree);

std::string adjacency_report(const ArcArray& arc_from, const ArcArray& arc_to);

void show_adjacency(Console& console, const ArcArray& arc_from, const ArcArray& arc_to,
                    DegreeTable& degree);

}  // namespace ugraph
