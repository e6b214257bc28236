#include "graph/link_edits.hpp"

#include <algorithm>
#include <charconv>

#include "datainput/name_rules.hpp"
#include "graph/arc_list.hpp"
#include "graph/link_set.hpp"

namespace ugraph {
namespace {

// Built piece by piece: GCC 12's optimiser sees a false overlap in a chained +.
std::string quoted(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '\'';
    quoted += text;
    quoted += '\'';
    return quoted;
}

// A node number of the text: digits only, within 1 to MAX_NODES.
Result<int> node_of(std::string_view digits, std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || end != digits.data() + digits.size() || digits.front() == '-' ||
        digits.front() == '+') {
        return refused(quoted(text) + " is not two node numbers joined by '-'");
    }
    if (error != std::errc() || value < 1 || value > MAX_NODES) {
        return refused("node " + std::string(digits) + " in " + quoted(text) +
                       " is not between 1 and " + std::to_string(MAX_NODES));
    }
    return value;
}

struct ParsedEdits {
    std::vector<std::pair<int, int>> link;
    std::vector<std::pair<int, int>> unlink;
};

Result<> parse_all(const std::vector<std::string>& texts, std::string_view option,
                   std::vector<std::pair<int, int>>& into) {
    for (const std::string& text : texts) {
        Result<std::pair<int, int>> link = parse_link(text);
        if (!link) {
            return refused(std::string(option) + " " + text + ": " + link.reason());
        }
        into.push_back(link.value());
    }
    return Done{};
}

Result<ParsedEdits> parse_edits(const LinkEdits& edits) {
    ParsedEdits parsed;
    Result<> read = parse_all(edits.link, "--link", parsed.link);
    if (read) {
        read = parse_all(edits.unlink, "--unlink", parsed.unlink);
    }
    if (!read) {
        return read.refusal();
    }
    for (std::size_t k = 0; k < parsed.unlink.size(); ++k) {
        const auto [a, b] = parsed.unlink[k];
        const auto same = [a = a, b = b](const std::pair<int, int>& l) {
            return (l.first == a && l.second == b) || (l.first == b && l.second == a);
        };
        if (std::any_of(parsed.link.begin(), parsed.link.end(), same)) {
            return refused("--unlink " + edits.unlink[k] +
                           ": the same link is also given to --link");
        }
    }
    if (edits.name) {
        if (Result<> name = check_given_name(*edits.name); !name) {
            return refused("--name: " + name.reason());
        }
    }
    return parsed;
}

// Rows of a LinkSet cannot be taken away, so the links kept are gathered anew.
LinkSet edited_links(const UGraph& graph, const ParsedEdits& parsed) {
    LinkSet all = LinkSet::of(graph);
    for (const auto& [a, b] : parsed.link) {
        all.add(a, b);
    }
    LinkSet removed;
    for (const auto& [a, b] : parsed.unlink) {
        removed.add(a, b);
    }
    LinkSet kept;
    all.for_each_link([&](int a, int b) {
        if (!removed.contains(a, b)) {
            kept.add(a, b);
        }
    });
    return kept;
}

}  // namespace

Result<std::pair<int, int>> parse_link(std::string_view text) {
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) {
        return refused(quoted(text) + " is not two node numbers joined by '-'");
    }
    Result<int> a = node_of(text.substr(0, dash), text);
    Result<int> b = a ? node_of(text.substr(dash + 1), text) : a;
    if (!b) {
        return b.refusal();
    }
    if (a.value() == b.value()) {
        return refused(quoted(text) + " links a node to itself, which a data-input does not keep");
    }
    return std::pair(a.value(), b.value());
}

Result<> apply_link_edits(UGraph& graph, const LinkEdits& edits) {
    Result<ParsedEdits> parsed = parse_edits(edits);
    if (!parsed) {
        return parsed.refusal();
    }
    const LinkSet kept = edited_links(graph, parsed.value());
    if (kept.links_without_loops() > MAX_LINKS) {
        return refused("--link: the graph would have " +
                       std::to_string(kept.links_without_loops()) +
                       " links; a Ugraph holds at most " + std::to_string(MAX_LINKS));
    }
    int nodes = graph.node_count();
    for (const auto& [a, b] : parsed.value().link) {
        nodes = std::max({nodes, a, b});
    }
    kept.write_arcs(graph);
    graph.set_node_count(nodes);
    if (edits.name) {
        set_name(graph.name, *edits.name);
    }
    return Done{};
}

}  // namespace ugraph
