#include "interchange/link_set.hpp"

#include <algorithm>
#include <bit>

namespace ugraph {

void LinkSet::clear() {
    std::fill(above_.begin(), above_.begin() + highest_node_ + 1, 0);
    highest_node_ = 0;
    links_ = 0;
    links_without_loops_ = 0;
}

void LinkSet::copy_to(LinkGraph& graph) const {
    graph.links.resize(static_cast<std::size_t>(links_));
    auto* next = graph.links.data();
    for (int a = 1; a <= highest_node_; ++a) {
        for (std::uint64_t rest = above_[a]; rest != 0; rest &= rest - 1) {
            *next++ = {a, std::countr_zero(rest)};
        }
    }
}

bool LinkSet::give_to(LinkGraph& graph, int vertices, std::string& reason) const {
    if (links_without_loops_ > MAX_LINKS) {
        reason = too_many_links(links_without_loops_);
        return false;
    }
    graph.vertices = vertices;
    copy_to(graph);
    return true;
}

std::string too_many_vertices(long long vertices) {
    return "it has " + std::to_string(vertices) + " vertices; a Ugraph holds at most " +
           std::to_string(MAX_NODES);
}

std::string too_many_links(int links) {
    return "it has " + std::to_string(links) + " links; a Ugraph holds at most " +
           std::to_string(MAX_LINKS);
}

}  // namespace ugraph
