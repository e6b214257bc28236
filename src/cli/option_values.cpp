#include "cli/option_values.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>

#include "cli/command_status.hpp"
#include "cli/data_source.hpp"
#include "cli/usage_error.hpp"
#include "common/path_text.hpp"
#include "graph/arc_list.hpp"

namespace ugraph {
namespace {

template <typename Test>
std::vector<std::string> format_names(Test&& test) {
    std::vector<std::string> names;
    for (const FormatRow& row : format_table()) {
        if (test(row)) {
            names.emplace_back(row.name);
        }
    }
    return names;
}

}  // namespace

CLI::Option* value_option(CLI::App& command, const std::string& names, std::string& target,
                          const std::string& value_name, const std::string& help) {
    return command.add_option(names, target, help)
        ->type_name(value_name)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

CLI::Option* file_option(CLI::App& command, std::string& target, const std::string& help) {
    return value_option(command, "-f,--file", target, "FILE", help);
}

CLI::Option* base_option(CLI::App& command, std::string& target, const std::string& where) {
    return value_option(command, "--base", target, "0|1",
                        "the lists' first label, 0 or 1 (default 1): with 0, label L is node "
                        "L+1; " +
                            where);
}

std::vector<std::string> read_format_names() {
    return format_names([](const FormatRow& row) { return is_read(row.format); });
}

std::vector<std::string> written_format_names() {
    return format_names([](const FormatRow& /*row*/) { return true; });
}

std::vector<std::string> several_graph_format_names() {
    return format_names([](const FormatRow& row) { return row.holds_several_graphs; });
}

std::vector<std::string> labelled_format_names() {
    return format_names([](const FormatRow& row) { return is_labelled(row.format); });
}

std::string listed(const std::vector<std::string>& names, std::string_view last_joint) {
    std::string text;
    for (std::size_t k = 0; k < names.size(); ++k) {
        text += k == 0 ? "" : k + 1 == names.size() ? last_joint : ", ";
        text += names[k];
    }
    return text;
}

Result<Format> format_of(const std::string& typed, const std::string& option,
                         const std::vector<std::string>& names, const std::string& command) {
    if (typed.empty()) {
        return refused(command + " needs " + option + " FORMAT: " + listed(names));
    }
    const std::optional<Format> format = format_named(typed);
    if (format && std::find(names.begin(), names.end(), format_name(*format)) != names.end()) {
        return *format;
    }
    if (format) {
        return refused(std::string(format_name(*format)) + " is written, not read; " + option +
                       " takes " + listed(names));
    }
    const std::string near = did_you_mean(typed, names);
    return refused("unknown format '" + typed + "' for " + option +
                   (near.empty() ? "; it takes " + listed(names) : near));
}

Result<int> base_of(bool given, const std::string& typed, std::initializer_list<Format> formats) {
    if (!given) {
        return 1;
    }
    if (typed != "0" && typed != "1") {
        return refused("--base takes 0 or 1, not '" + typed + "'");
    }
    std::vector<std::string> unlabelled;
    for (const Format format : formats) {
        if (is_labelled(format)) {
            return typed == "0" ? 0 : 1;
        }
        unlabelled.emplace_back(format_name(format));
    }
    return refused("--base is for " + listed(labelled_format_names(), " and ") +
                   ", whose labels it counts; " + listed(unlabelled, " and ") +
                   (unlabelled.size() == 1 ? " has none" : " have none"));
}

std::optional<int> data_input_number(std::string_view typed) {
    // Decimal digits only: no sign, no space, no base prefix.
    if (typed.empty() || typed[0] < '0' || typed[0] > '9') {
        return std::nullopt;
    }
    int number = 0;
    const auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), number);
    if (error != std::errc() || end != typed.data() + typed.size()) {
        return std::nullopt;
    }
    return number;
}

std::optional<std::filesystem::path> output_of(const std::string& typed) {
    if (typed.empty() || typed == STANDARD_STREAM) {
        return std::nullopt;
    }
    return path_from_utf8(typed);
}

std::filesystem::path numbered_file(const std::filesystem::path& outfile, int number) {
    std::filesystem::path name = outfile;
    std::string file = utf8_of(outfile.stem());
    file += '-';
    file += std::to_string(number);
    file += utf8_of(outfile.extension());
    name.replace_filename(path_from_utf8(file));
    return name;
}

std::optional<std::string> unwritten_nodes(Format format, const UGraph& graph, int added) {
    if (holds_isolated_nodes(format)) {
        return std::nullopt;
    }
    int isolated = 0;
    const int vertices = vertex_count(graph);
    for (int node = 1; node <= vertices; ++node) {
        isolated += graph.neighbors(node).empty() ? 1 : 0;
    }
    isolated -= added;
    if (isolated <= 0) {
        return std::nullopt;
    }
    return counted(isolated, "isolated node") + " not written, as an " +
           std::string(format_name(format)) + " cannot hold them";
}

void DrawingOptions::declare(CLI::App& command) {
    value_option(command, "--layout", layout, "LAYOUT",
                 "the pictures' and TikZ's layout: neato (default), circo, fdp, sfdp, dot or "
                 "twopi");
    command.add_flag("--standalone", standalone,
                     "TikZ: a whole LaTeX document, not only the pictures");
}

Result<Drawing> DrawingOptions::drawing() const {
    const auto known = std::find(std::begin(LAYOUTS), std::end(LAYOUTS), layout);
    if (known == std::end(LAYOUTS)) {
        return refused("--layout takes neato, circo, fdp, sfdp, dot or twopi, not '" + layout +
                       "'");
    }
    return Drawing{layout, standalone};
}

}  // namespace ugraph
