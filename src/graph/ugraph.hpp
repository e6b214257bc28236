#pragma once
// UGraph: the one undirected graph of a run, with its limits.
//
// Nodes are numbered 1 to n. The arcs are held in two parallel arrays:
// slot k of arc_from and arc_to is the arc (arc_from[k], arc_to[k]).
// Slot 0 holds counts: arc_from[0] the number of arcs, arc_to[0] the node
// count n. A 0 in both arrays follows the last arc; slots behind it mean
// nothing. A link between a and b is the two arcs (a, b) and (b, a).
//
// In canonical form (see normalize_arcs) every link is present both ways,
// the arcs ascend by first and then by second end, and no arc repeats; every
// operation that reads the arcs in order expects that form.
#include <array>
#include <cstdint>
#include <string_view>

namespace ugraph {

inline constexpr int MAX_NODES = 50;
inline constexpr int ARC_SLOTS = 2501;
// The largest arc list normalize_arcs takes: 2 pair keys per arc plus a
// closing 0 must fit in a table of ARC_SLOTS slots whose slot 0 is unused.
inline constexpr int MAX_NORMALIZE_ARCS = 1249;
// A graph may hold at most this many links, so that its canonical list
// (two arcs per link) can be normalised again after every edit.
inline constexpr int MAX_LINKS = MAX_NORMALIZE_ARCS / 2;
inline constexpr int PAIR_BASE = 10000;
inline constexpr int NAME_SIZE = 16;  // 15 characters and a NUL
inline constexpr int NAME_MAX_CHARS = NAME_SIZE - 1;

using ArcArray = std::array<std::int32_t, ARC_SLOTS>;
using GraphName = std::array<char, NAME_SIZE>;
using DegreeTable = std::array<std::int32_t, MAX_NODES + 1>;

struct UGraph {
    GraphName name{};
    ArcArray arc_from{};
    ArcArray arc_to{};
    DegreeTable degree{};
};

// The name's characters up to its NUL.
std::string_view name_text(const GraphName& name);

// The part of a typed line that becomes a name: its first `max_chars`
// characters (at most NAME_MAX_CHARS), ending early at a NUL in the line.
std::string_view cut_name(std::string_view text, int max_chars = NAME_MAX_CHARS);

// Sets the name to cut_name(text, max_chars).
void set_name(GraphName& name, std::string_view text, int max_chars = NAME_MAX_CHARS);

}  // namespace ugraph
