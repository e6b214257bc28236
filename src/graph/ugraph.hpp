#pragma once
// UGraph: the one undirected graph of a run, with its limits.
//
// Nodes are numbered 1 to n. The arcs are held in two parallel arrays:
// slot k of arc_from and arc_to is the arc (arc_from[k], arc_to[k]); slot 0
// holds the counts and a 0 follows the last arc. Only the accessors below and
// ArcListWriter (arc_list.hpp) touch slot 0 and that closing 0; everything
// else asks the graph.
//
// In canonical form (see normalize_arcs) every link is present both ways,
// the arcs ascend by first and then by second end, and no arc repeats; every
// operation that reads the arcs in order expects that form.
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace ugraph {

inline constexpr int MAX_NODES = 50;
inline constexpr int ARC_SLOTS = 2501;
// The longest arc list that entry and loading may hand to normalize_arcs.
inline constexpr int MAX_NORMALIZE_ARCS = 1249;
// A graph holds at most this many links between two different nodes, so that
// its canonical list (two arcs per link) can be normalised again after every
// edit. Self-loops, one arc each, stay outside this count.
inline constexpr int MAX_LINKS = MAX_NORMALIZE_ARCS / 2;
inline constexpr int NAME_SIZE = 16;  // 15 characters and a NUL
inline constexpr int NAME_MAX_CHARS = NAME_SIZE - 1;

using ArcArray = std::array<std::int32_t, ARC_SLOTS>;
using GraphName = std::array<char, NAME_SIZE>;

struct UGraph {
    GraphName name{};
    ArcArray arc_from{};
    ArcArray arc_to{};

    int node_count() const { return arc_to[0]; }
    void set_node_count(int n) { arc_to[0] = n; }
    int arc_count() const { return arc_from[0]; }
    // As the user is told it: the arcs halved, so a self-loop counts half.
    int link_count() const { return arc_from[0] / 2; }
    // The arcs in slots 1 to arc_count().
    std::span<const std::int32_t> arc_starts() const { return arc_list(arc_from); }
    std::span<const std::int32_t> arc_ends() const { return arc_list(arc_to); }
    // Node i's neighbours in a canonical graph, ascending; empty for a node
    // without arcs.
    std::span<const std::int32_t> neighbors(int node) const {
        const auto starts = arc_starts();
        const auto first = std::lower_bound(starts.begin(), starts.end(), node);
        const auto last = std::upper_bound(first, starts.end(), node);
        return arc_ends().subspan(static_cast<std::size_t>(first - starts.begin()),
                                  static_cast<std::size_t>(last - first));
    }

private:
    std::span<const std::int32_t> arc_list(const ArcArray& ends) const {
        const int count = std::clamp(arc_from[0], 0, ARC_SLOTS - 2);
        return {ends.data() + 1, static_cast<std::size_t>(count)};
    }
};

// The name's characters up to its NUL.
std::string_view name_text(const GraphName& name);

// The part of a typed line that becomes a name: its first `max_chars`
// characters (at most NAME_MAX_CHARS), ending early at a NUL in the line.
std::string_view cut_name(std::string_view text, int max_chars = NAME_MAX_CHARS);

// Sets the name to cut_name(text, max_chars).
void set_name(GraphName& name, std::string_view text, int max_chars = NAME_MAX_CHARS);

}  // namespace ugraph
