#include "invariants/graph_record.hpp"

#include <utility>

#include "invariants/canonical.hpp"
#include "invariants/chromatic.hpp"
#include "invariants/cliques.hpp"
#include "invariants/connectivity.hpp"
#include "invariants/measures.hpp"
#include "invariants/planar.hpp"

namespace ugraph {

namespace {

constexpr std::array<std::string_view, KEY_COUNT> KEY_NAMES = {
    "number",           "name",       "nodes",      "links",         "loops",
    "min_degree",       "max_degree", "components", "connectivity",  "radius",
    "diameter",         "girth",      "triangles",  "clique_number", "independence_number",
    "chromatic_number", "bipartite",  "regular",    "eulerian",      "planar",
    "automorphisms",    "orbits",     "canonical",
};

}  // namespace

std::string_view key_name(Key key) { return KEY_NAMES[static_cast<std::size_t>(key)]; }

std::optional<Key> key_named(std::string_view name) {
    for (int k = 0; k < KEY_COUNT; ++k) {
        if (KEY_NAMES[static_cast<std::size_t>(k)] == name) {
            return static_cast<Key>(k);
        }
    }
    return std::nullopt;
}

KeyKind key_kind(Key key) {
    switch (key) {
        case Key::name:
        case Key::canonical:
            return KeyKind::text;
        case Key::automorphisms:
            return KeyKind::big;
        case Key::bipartite:
        case Key::regular:
        case Key::eulerian:
        case Key::planar:
            return KeyKind::truth;
        default:
            return KeyKind::integer;
    }
}

const Value& GraphRecord::value(Key key) {
    auto& slot = values_[static_cast<std::size_t>(key)];
    if (!slot) {
        compute(key);
    }
    if (!slot) {
        slot = Value{};  // the chromatic number's budget ran out: unknown
    }
    return *slot;
}

void GraphRecord::set_integer(Key key, long value) {
    values_[static_cast<std::size_t>(key)] = Value{Value::Kind::integer, value, false, {}};
}

void GraphRecord::set_truth(Key key, bool value) {
    values_[static_cast<std::size_t>(key)] = Value{Value::Kind::truth, 0, value, {}};
}

void GraphRecord::set_text(Key key, std::string text) {
    values_[static_cast<std::size_t>(key)] = Value{Value::Kind::text, 0, false, std::move(text)};
}

void GraphRecord::compute(Key key) {
    const DenseGraph& g = graph_;
    switch (key) {
        case Key::number:
            set_integer(key, item_.number);
            break;
        case Key::name:
            set_text(key, std::string(item_.name));
            break;
        case Key::nodes:
            set_integer(key, g.n);
            break;
        case Key::links:
            set_integer(key, g.links());
            break;
        case Key::loops:
            set_integer(key, loops_of(item_.links));
            break;
        case Key::min_degree:
            set_integer(key, min_degree(g));
            break;
        case Key::max_degree:
            set_integer(key, max_degree(g));
            break;
        case Key::components:
            set_integer(key, components(g));
            break;
        case Key::connectivity:
            set_integer(key, vertex_connectivity(g));
            break;
        case Key::radius:
        case Key::diameter: {
            const Extent e = extent(g);
            set_integer(Key::radius, e.radius);
            set_integer(Key::diameter, e.diameter);
            break;
        }
        case Key::girth:
            set_integer(key, girth(g));
            break;
        case Key::triangles:
            set_integer(key, triangles(g));
            break;
        case Key::clique_number:
            set_integer(key, clique_number(g));
            break;
        case Key::independence_number:
            set_integer(key, independence_number(g));
            break;
        case Key::chromatic_number:
            if (const auto colours = chromatic_number(g)) {
                set_integer(key, *colours);
            }
            break;
        case Key::bipartite:
            set_truth(key, bipartite(g));
            break;
        case Key::regular:
            set_truth(key, regular(g));
            break;
        case Key::eulerian:
            set_truth(key, eulerian(g));
            break;
        case Key::planar:
            set_truth(key, planar(g));
            break;
        case Key::automorphisms:
        case Key::orbits:
        case Key::canonical: {
            Symmetry s = symmetry(g);
            values_[static_cast<std::size_t>(Key::automorphisms)] =
                Value{Value::Kind::text, 0, false, s.automorphisms.decimal()};
            set_integer(Key::orbits, s.orbits);
            set_text(Key::canonical, std::move(s.canonical));
            break;
        }
    }
}

}  // namespace ugraph
