#pragma once
// The keys of a graph's invariants, in the order info writes them, and
// GraphRecord: one graph's values, each computed the first time it is
// asked for, so that a filter on girth never colours the graph.
//
// key_name / key_named map a Key to its name and back (nothing for an
// unknown name); key_kind tells what its values are. GraphRecord::value
// gives a key's value; the chromatic number is unknown when its search ran
// out of budget.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "invariants/dense_graph.hpp"
#include "invariants/graph_item.hpp"

namespace ugraph {

enum class Key {
    number,
    name,
    nodes,
    links,
    loops,
    min_degree,
    max_degree,
    components,
    connectivity,
    radius,
    diameter,
    girth,
    triangles,
    clique_number,
    independence_number,
    chromatic_number,
    bipartite,
    regular,
    eulerian,
    planar,
    automorphisms,
    orbits,
    canonical,
};
inline constexpr int KEY_COUNT = static_cast<int>(Key::canonical) + 1;

enum class KeyKind { integer, truth, text, big };  // big: digits of any length

std::string_view key_name(Key key);
std::optional<Key> key_named(std::string_view name);
KeyKind key_kind(Key key);

struct Value {
    enum class Kind { integer, truth, text, unknown } kind = Kind::unknown;
    long integer = 0;
    bool truth = false;
    std::string text;  // a text key's text, or a big key's digits
};

class GraphRecord {
public:
    explicit GraphRecord(const GraphItem& item)
        : item_(item), graph_(dense_graph_of(item.links, item.nodes)) {}
    const Value& value(Key key);
    const DenseGraph& graph() const { return graph_; }

private:
    void compute(Key key);
    void set_integer(Key key, long value);
    void set_truth(Key key, bool value);
    void set_text(Key key, std::string text);

    const GraphItem& item_;
    DenseGraph graph_;
    std::array<std::optional<Value>, KEY_COUNT> values_{};
};

}  // namespace ugraph
