#include "cli/usage_error.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "cli/command_status.hpp"

namespace ugraph {
namespace {

// A slip is this many edits at most, and at most one edit for every three
// characters of the name, so that "-x" is not taken for "-f".
constexpr std::size_t MOST_EDITS = 2;
constexpr std::size_t CHARACTERS_PER_EDIT = 3;

bool is_program(const CLI::App& command) { return command.get_parent() == nullptr; }

std::string name_of(const CLI::App& command) {
    return is_program(command) ? std::string() : command.get_name();
}

// "--file=x" and "-fx" name the option as "--file" and "-f".
std::string option_typed(std::string_view arg) {
    if (arg.starts_with("--")) {
        return std::string(arg.substr(0, arg.find('=')));
    }
    return std::string(arg.substr(0, 2));
}

bool looks_like_option(std::string_view arg) {
    return arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9');
}

// The names an option answers to, as typed: "-f", "--file".
std::vector<std::string> names_of(const CLI::Option& option) {
    std::vector<std::string> names;
    for (const std::string& name : option.get_lnames()) {
        names.push_back("--" + name);
    }
    for (const std::string& name : option.get_snames()) {
        names.push_back("-" + name);
    }
    return names;
}

std::vector<std::string> option_names(const CLI::App& command) {
    std::vector<std::string> names;
    for (const CLI::Option* option : command.get_options()) {
        const std::vector<std::string> more = names_of(*option);
        names.insert(names.end(), more.begin(), more.end());
    }
    return names;
}

std::vector<std::string> subcommand_names(const CLI::App& program) {
    std::vector<std::string> names;
    for (const CLI::App* command : program.get_subcommands({})) {
        names.push_back(command->get_name());
    }
    return names;
}

// Edits from one text to the other: a character left out, added or changed,
// or two neighbours swapped.
std::size_t edits_between(std::string_view a, std::string_view b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) {
        d[i][0] = i;
    }
    for (std::size_t j = 0; j <= b.size(); ++j) {
        d[0][j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t changed = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + changed});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

}  // namespace

int tell_usage_error(std::ostream& err, const UsageError& error) {
    const std::string command = error.command.empty() ? "" : error.command + ' ';
    tell_error(err, error.text + " (see 'ugraph " + command + "--help')");
    return EXIT_USAGE;
}

std::optional<std::string> near_name(std::string_view typed,
                                     const std::vector<std::string>& names) {
    std::optional<std::string> nearest;
    std::size_t fewest = MOST_EDITS + 1;
    for (const std::string& name : names) {
        const std::size_t edits = edits_between(typed, name);
        if (edits > 0 && edits < fewest &&
            edits * CHARACTERS_PER_EDIT <= std::max(typed.size(), name.size())) {
            nearest = name;
            fewest = edits;
        }
    }
    return nearest;
}

std::string did_you_mean(std::string_view typed, const std::vector<std::string>& names) {
    const std::optional<std::string> nearest = near_name(typed, names);
    return nearest ? "; did you mean '" + *nearest + "'?" : "";
}

std::optional<UsageError> leftover_argument(const CLI::App& program, const CLI::App& command,
                                            const std::vector<std::string>& args) {
    // The first leftover as typed; "--" only parts options from arguments.
    const CLI::App* owner = nullptr;
    auto first = args.end();
    for (const CLI::App* app : {&command, &program}) {
        for (const std::string& left : app->remaining(false)) {
            const auto at = std::find(args.begin(), args.end(), left);
            if (left != "--" && (owner == nullptr || at < first)) {
                owner = app;
                first = at;
            }
        }
        if (&command == &program) {
            break;
        }
    }
    if (owner == nullptr || first == args.end()) {
        return std::nullopt;
    }
    const std::string& arg = *first;
    if (looks_like_option(arg)) {
        const std::string typed = option_typed(arg);
        const std::string where = is_program(*owner) ? "" : " for " + owner->get_name();
        return UsageError{
            "unknown option '" + typed + "'" + where + did_you_mean(typed, option_names(*owner)),
            name_of(*owner)};
    }
    if (is_program(*owner)) {
        // git's users type "version"; here it is the program's option.
        const std::string near = arg == "version" ? "; did you mean '--version'?"
                                                  : did_you_mean(arg, subcommand_names(program));
        return UsageError{"there is no command '" + arg + "'" + near, ""};
    }
    return UsageError{"unexpected argument '" + arg + "' for " + owner->get_name(),
                      name_of(*owner)};
}

std::optional<UsageError> repeated_option(const CLI::App& program, const CLI::App& command,
                                          const std::vector<std::string>& args) {
    for (const CLI::Option* option : command.get_options()) {
        std::size_t count = option->count();
        if (&command != &program) {
            // -f may stand before the command and after it too.
            const CLI::Option* before = program.get_option_no_throw(option->get_name());
            count += before != nullptr ? before->count() : 0;
        }
        // An argument that takes every word left (delete's N...) is meant
        // to be given many times.
        if (count <= 1 || (option->get_positional() && option->get_expected_max() > 1)) {
            continue;
        }
        const std::vector<std::string> names = names_of(*option);
        std::string typed = names.empty() ? option->get_name() : names.front();
        for (const std::string& arg : args) {
            if (looks_like_option(arg) &&
                std::find(names.begin(), names.end(), option_typed(arg)) != names.end()) {
                typed = option_typed(arg);
            }
        }
        return UsageError{"'" + typed + "' is given more than once", name_of(command)};
    }
    return std::nullopt;
}

UsageError missing_value(const CLI::App& program, const CLI::App& command,
                         const std::vector<std::string>& args) {
    // A value may begin with '-', so only the last argument can lack one.
    const std::string typed = args.empty() ? std::string() : option_typed(args.back());
    for (const CLI::App* app : {&command, &program}) {
        for (const CLI::Option* option : app->get_options()) {
            const std::vector<std::string> names = names_of(*option);
            if (std::find(names.begin(), names.end(), typed) != names.end()) {
                return UsageError{"'" + typed + "' needs a value: " + option->get_type_name(),
                                  name_of(command)};
            }
        }
    }
    return UsageError{"'" + typed + "' needs a value", name_of(command)};
}

}  // namespace ugraph
