#include "interchange/tikz.hpp"

#include <cmath>
#include <cstdio>

#include "graph/arc_list.hpp"
#include "graph/link_set.hpp"
#include "interchange/utf8_text.hpp"

namespace ugraph {

namespace {

// Two decimals: a hundredth of a millimetre's precision is past what a
// reader sees, and the file stays easy to edit.
std::string centimetres(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.2f", std::round(value * 100) / 100 + 0.0);
    return text.data();
}

}  // namespace

std::string latex_text(std::string_view utf8) {
    std::string out;
    for (const char c : utf8) {
        switch (c) {
            case '#':
            case '$':
            case '%':
            case '&':
            case '_':
            case '{':
            case '}':
                out += '\\';
                out += c;
                break;
            case '~':
                out += "\\textasciitilde{}";
                break;
            case '^':
                out += "\\textasciicircum{}";
                break;
            case '\\':
                out += "\\textbackslash{}";
                break;
            default:
                out += c;
        }
    }
    return out;
}

Result<> append_tikz(const UGraph& graph, const Drawing& drawing, std::string& out) {
    const Result<LaidOutGraph> laid_out = lay_out(graph, drawing);
    if (!laid_out) {
        return laid_out.refusal();
    }
    const std::string name = latex_text(as_utf8(name_text(graph.name)));
    out += "% " + name +
           "\n\\begin{tikzpicture}[vertex/.style={circle, draw, fill=white, "
           "inner sep=1pt, minimum size=6mm}]\n";
    const std::vector<NodePosition>& nodes = laid_out.value().nodes;
    for (std::size_t k = 0; k < nodes.size(); ++k) {
        const std::string number = std::to_string(k + 1);
        const std::string at = centimetres(nodes[k].x) + ", " + centimetres(nodes[k].y);
        out += "  \\node[vertex] (n" + number + ") at (";
        out += at;
        out += ") {" + number + "};\n";
    }
    LinkSet::of(graph).for_each_link([&](int a, int b) {
        const std::string from = "(n" + std::to_string(a) + ")";
        out += a == b ? "  \\draw " + from + " to[loop above] " + from + ";\n"
                      : "  \\draw " + from + " -- (n" + std::to_string(b) + ");\n";
    });
    out += "  \\node[above] at (current bounding box.north) {";
    out += name;
    out += "};\n\\end{tikzpicture}\n\n";
    return Done{};
}

void open_tikz(const Drawing& drawing, std::string& out) {
    if (drawing.standalone) {
        out +=
            "\\documentclass{article}\n\\usepackage{tikz}\n\\pagestyle{empty}\n"
            "\\begin{document}\n\n";
    }
}

void close_tikz(const Drawing& drawing, std::string& out) {
    if (drawing.standalone) {
        out += "\\end{document}\n";
    }
}

}  // namespace ugraph
