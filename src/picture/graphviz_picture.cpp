#include "picture/graphviz_picture.hpp"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "graph/arc_list.hpp"
#include "graph/link_set.hpp"
#include "interchange/utf8_text.hpp"
#include "picture/picture_check.hpp"

namespace ugraph {

namespace {

constexpr double INCH_IN_POINTS = 72;
constexpr double CENTIMETRES_PER_POINT = 2.54 / 72;
constexpr const char* NODE_WIDTH = "0.4";  // inches: room for "50" in the circle
// The room kept around each node, in points, tried in turn.
constexpr std::array<const char*, 3> SEPARATIONS = {"+8", "+24", "+60"};
constexpr int SAMPLES_PER_CURVE = 16;

struct ContextFree {
    void operator()(GVC_t* context) const { gvFreeContext(context); }
};

// One context for the run: it loads Graphviz's plugins once.
GVC_t* context() {
    static const std::unique_ptr<GVC_t, ContextFree> made(gvContext());
    return made.get();
}

// cgraph takes its names as char*, though it copies them.
void set(void* object, const char* name, const std::string& value) {
    std::string key(name);
    std::string text(value);
    std::string none;
    agsafeset(object, key.data(), text.data(), none.data());
}

void set_graph_defaults(Agraph_t* graph, std::string_view title, const char* separation) {
    set(graph, "overlap", "false");
    set(graph, "splines", "true");
    set(graph, "sep", separation);
    set(graph, "outputorder", "edgesfirst");
    set(graph, "label", std::string(title));
    set(graph, "labelloc", "t");
    set(graph, "fontsize", "16");
    set(graph, "pad", "0.2");
    std::string node_attributes[][2] = {{"shape", "circle"},   {"fixedsize", "true"},
                                        {"width", NODE_WIDTH}, {"fontsize", "12"},
                                        {"style", "filled"},   {"fillcolor", "white"}};
    for (auto& [name, value] : node_attributes) {
        agattr(graph, AGNODE, name.data(), value.data());
    }
}

// A graph laid out by Graphviz, freed with its layout.
class LaidOut {
public:
    LaidOut(const UGraph& graph, const std::string& layout, const char* separation) {
        std::string name = as_utf8(name_text(graph.name));
        std::string id = name.empty() ? "graph" : name;
        graph_ = agopen(id.data(), Agundirected, nullptr);
        set_graph_defaults(graph_, name, separation);
        const int vertices = vertex_count(graph);
        for (int node = 1; node <= vertices; ++node) {
            std::string number = std::to_string(node);
            nodes_.push_back(agnode(graph_, number.data(), 1));
        }
        LinkSet::of(graph).for_each_link([&](int a, int b) {
            std::string none;
            agedge(graph_, nodes_[a - 1], nodes_[b - 1], none.data(), 1);
            links_.emplace_back(a, b);
        });
        laid_out_ = gvLayout(context(), graph_, layout.c_str()) == 0;
    }
    LaidOut(const LaidOut&) = delete;
    LaidOut& operator=(const LaidOut&) = delete;
    ~LaidOut() {
        if (laid_out_) {
            gvFreeLayout(context(), graph_);
        }
        agclose(graph_);
    }

    bool laid_out() const { return laid_out_; }
    Agraph_t* graph() const { return graph_; }
    const std::vector<Agnode_t*>& nodes() const { return nodes_; }

    Result<> check() const {
        std::vector<Disc> discs;
        for (Agnode_t* node : nodes_) {
            discs.push_back(
                {ND_coord(node).x, ND_coord(node).y, ND_width(node) * INCH_IN_POINTS / 2});
        }
        std::vector<LinkPath> paths;
        for (Agnode_t* node : nodes_) {
            for (Agedge_t* edge = agfstout(graph_, node); edge != nullptr;
                 edge = agnxtout(graph_, edge)) {
                if (Result<> path = add_path(edge, paths); !path) {
                    return path;
                }
            }
        }
        // A link that grazes a circle's rim does not run through the node.
        for (Disc& disc : discs) {
            disc.radius *= 0.95;
        }
        return check_picture(discs, paths);
    }

private:
    static Result<> add_path(Agedge_t* edge, std::vector<LinkPath>& paths) {
        const splines* curves = ED_spl(edge);
        if (curves == nullptr) {
            return refused("a link was not drawn");
        }
        LinkPath& path = paths.emplace_back();
        path.a = std::stoi(agnameof(agtail(edge)));
        path.b = std::stoi(agnameof(aghead(edge)));
        for (int c = 0; c < curves->size; ++c) {
            const bezier& curve = curves->list[c];
            for (int p = 0; p + 3 < curve.size; p += 3) {
                const auto at = [&](int k) {
                    return Disc{curve.list[p + k].x, curve.list[p + k].y, 0};
                };
                sample_bezier(at(0), at(1), at(2), at(3), SAMPLES_PER_CURVE, path.points);
            }
        }
        return Done{};
    }

    Agraph_t* graph_ = nullptr;
    std::vector<Agnode_t*> nodes_;
    std::vector<std::pair<int, int>> links_;
    bool laid_out_ = false;
};

bool is_layout(const std::string& layout) {
    return std::find_if(std::begin(LAYOUTS), std::end(LAYOUTS),
                        [&](const char* known) { return layout == known; }) != std::end(LAYOUTS);
}

// The first layout that passes the check: the one asked for with more and
// more room, then neato's and circo's.
Result<std::unique_ptr<LaidOut>> checked_layout(const UGraph& graph, const Drawing& drawing) {
    if (!is_layout(drawing.layout)) {
        return refused("there is no layout '" + drawing.layout + "'");
    }
    std::vector<std::string> layouts = {drawing.layout};
    for (const char* fallback : {"neato", "circo"}) {
        if (drawing.layout != fallback) {
            layouts.emplace_back(fallback);
        }
    }
    std::string last_fault = "Graphviz could not lay it out";
    for (const std::string& layout : layouts) {
        for (const char* separation : SEPARATIONS) {
            auto laid_out = std::make_unique<LaidOut>(graph, layout, separation);
            if (!laid_out->laid_out()) {
                continue;
            }
            const Result<> checked = laid_out->check();
            if (checked) {
                return laid_out;
            }
            last_fault = checked.reason();
        }
    }
    return refused("no layout draws it cleanly (" + last_fault + ")");
}

const char* renderer(PictureKind kind) {
    switch (kind) {
        case PictureKind::svg:
            return "svg";
        case PictureKind::png:
            return "png";
        case PictureKind::pdf:
            return "pdf";
    }
    return "svg";
}

}  // namespace

Result<> draw_with_graphviz(const UGraph& graph, PictureKind kind, const Drawing& drawing,
                            std::string& out) {
    const Result<std::unique_ptr<LaidOut>> laid_out = checked_layout(graph, drawing);
    if (!laid_out) {
        return laid_out.refusal();
    }
    char* data = nullptr;
    unsigned int length = 0;
    if (gvRenderData(context(), laid_out.value()->graph(), renderer(kind), &data, &length) != 0 ||
        data == nullptr) {
        return refused(std::string("Graphviz has no ") + renderer(kind) + " renderer here");
    }
    out.append(data, length);
    gvFreeRenderData(data);
    return Done{};
}

Result<LaidOutGraph> lay_out_with_graphviz(const UGraph& graph, const Drawing& drawing) {
    const Result<std::unique_ptr<LaidOut>> laid_out = checked_layout(graph, drawing);
    if (!laid_out) {
        return laid_out.refusal();
    }
    const std::vector<Agnode_t*>& nodes = laid_out.value()->nodes();
    double left = 0;
    double bottom = 0;
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        left = k == 0 ? ND_coord(nodes[k]).x : std::min(left, ND_coord(nodes[k]).x);
        bottom = k == 0 ? ND_coord(nodes[k]).y : std::min(bottom, ND_coord(nodes[k]).y);
    }
    LaidOutGraph positions;
    for (Agnode_t* node : nodes) {
        positions.nodes.push_back({(ND_coord(node).x - left) * CENTIMETRES_PER_POINT,
                                   (ND_coord(node).y - bottom) * CENTIMETRES_PER_POINT});
    }
    return positions;
}

}  // namespace ugraph
