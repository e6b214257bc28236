#include "cli/completion_script.hpp"

#include <CLI/CLI.hpp>
#include <vector>

#include "cli/command_table.hpp"
#include "cli/option_values.hpp"
#include "cli/program_parser.hpp"

namespace ugraph {
namespace {

// What may follow an option, or stand as a command's argument.
struct CompletedValue {
    enum class Kind { none, file, choices, free };
    Kind kind = Kind::none;
    std::vector<std::string> choices;
};

struct Completed {
    std::vector<std::string> names;  // "-f", "--file"; none for an argument
    std::string help;
    CompletedValue value;
    bool repeated = false;  // an argument that takes every word left (N...)
};

struct CompletedCommand {
    std::string name;  // empty for the program itself
    std::string summary;
    std::vector<Completed> options;
    std::vector<Completed> arguments;  // in the order they are typed
};

// The help's first clause: enough to tell the options apart in a menu.
std::string short_help(const std::string& help) {
    return help.substr(0, std::min({help.find(" ("), help.find(':'), help.find(';')}));
}

std::vector<std::string> shell_names() { return {"bash", "zsh", "fish"}; }

CompletedValue value_of(const CLI::Option& option) {
    if (option.get_expected_max() == 0) {
        return {};
    }
    const std::string type = option.get_type_name();
    const std::string name = option.get_name();
    if (type == "FILE" || type == "OUTFILE" || name == "INPUT" || name == "QUERY") {
        return {CompletedValue::Kind::file, {}};
    }
    if (type == "0|1") {
        return {CompletedValue::Kind::choices, {"0", "1"}};
    }
    if (type == "table|tsv|jsonl") {
        return {CompletedValue::Kind::choices, {"table", "tsv", "jsonl"}};
    }
    if (type == "FORMAT") {
        return {CompletedValue::Kind::choices,
                option.check_lname("from") ? read_format_names() : written_format_names()};
    }
    if (name == "COMMAND") {
        return {CompletedValue::Kind::choices, command_names()};
    }
    if (name == "SHELL") {
        return {CompletedValue::Kind::choices, shell_names()};
    }
    if (name == "WHICH") {
        return {CompletedValue::Kind::choices, {"all"}};
    }
    return {CompletedValue::Kind::free, {}};
}

CompletedCommand completed(const CLI::App& app) {
    CompletedCommand command;
    command.name = app.get_parent() == nullptr ? "" : app.get_name();
    command.summary = app.get_description();
    for (const CLI::Option* option : app.get_options()) {
        Completed done{{},
                       short_help(option->get_description()),
                       value_of(*option),
                       option->get_expected_max() > 1};
        for (const std::string& name : option->get_snames()) {
            done.names.push_back("-" + name);
        }
        for (const std::string& name : option->get_lnames()) {
            done.names.push_back("--" + name);
        }
        if (option->get_positional()) {
            command.arguments.push_back(done);
        } else {
            command.options.push_back(done);
        }
    }
    return command;
}

std::vector<CompletedCommand> every_command() {
    ProgramParser parser(command_table());
    std::vector<CompletedCommand> commands = {completed(parser.app())};
    for (const CLI::App* command : parser.app().get_subcommands({})) {
        commands.push_back(completed(*command));
    }
    return commands;
}

std::string joined(const std::vector<std::string>& words, const std::string& between) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : between) + word;
    }
    return text;
}

// Text inside single quotes: bash and zsh close, escape and reopen; fish
// escapes.
std::string single_quoted(const std::string& text, bool fish) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'') {
            quoted += fish ? "\\'" : "'\\''";
        } else if (c == '\\' && fish) {
            quoted += "\\\\";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::string bash_case_of(const CompletedCommand& command) {
    std::string text = "    " + (command.name.empty() ? "\"\"" : command.name) + ")\n";
    text += "        case $prev in\n";
    std::vector<std::string> words;
    if (command.name.empty()) {
        words = command_names();
    }
    for (const Completed& option : command.options) {
        words.insert(words.end(), option.names.begin(), option.names.end());
        if (option.value.kind == CompletedValue::Kind::file) {
            text += "        " + joined(option.names, "|") + ") _ugraph_files; return ;;\n";
        } else if (option.value.kind == CompletedValue::Kind::choices) {
            text += "        " + joined(option.names, "|") + ") _ugraph_words \"" +
                    joined(option.value.choices, " ") + "\"; return ;;\n";
        } else if (option.value.kind == CompletedValue::Kind::free) {
            text += "        " + joined(option.names, "|") + ") return ;;\n";
        }
    }
    text += "        esac\n";
    // bash offers the first argument's values wherever an argument stands:
    // the commands with several arguments have no values to offer for any.
    if (!command.arguments.empty()) {
        const CompletedValue& value = command.arguments.front().value;
        text += "        if [[ $cur != -* ]]; then\n";
        text += value.kind == CompletedValue::Kind::file ? "            _ugraph_files\n"
                : value.kind == CompletedValue::Kind::choices
                    ? "            _ugraph_words \"" + joined(value.choices, " ") + "\"\n"
                    : "            :\n";
        text += "        fi\n";
    }
    return text + "        _ugraph_words \"" + joined(words, " ") + "\"\n        ;;\n";
}

std::string bash_script() {
    std::string text =
        "# bash completion for ugraph, made by 'ugraph completion bash'\n"
        "_ugraph_words() { COMPREPLY+=($(compgen -W \"$1\" -- \"$cur\")); }\n"
        "_ugraph_files() { COMPREPLY+=($(compgen -f -- \"$cur\")); }\n"
        "_ugraph() {\n"
        "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
        "    local command=\"\" i\n"
        "    COMPREPLY=()\n"
        "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
        "        case ${COMP_WORDS[i]} in\n"
        "        -f|--file) ((i++)) ;;\n"
        "        -*) ;;\n"
        "        *) command=${COMP_WORDS[i]}; break ;;\n"
        "        esac\n"
        "    done\n"
        "    case $command in\n";
    for (const CompletedCommand& command : every_command()) {
        text += bash_case_of(command);
    }
    return text + "    esac\n}\ncomplete -o filenames -F _ugraph ugraph\n";
}

// One option as zsh's _arguments takes it; an argument at `position`
// (from 1), or at every one from there when it is repeated.
std::string zsh_spec(const Completed& option, std::size_t position = 1) {
    std::string help = short_help(option.help);
    std::string escaped;
    for (const char c : help) {
        escaped += c == '[' || c == ']' || c == ':' ? std::string("\\") + c : std::string(1, c);
    }
    std::string action;
    if (option.value.kind == CompletedValue::Kind::file) {
        action = ":file:_files";
    } else if (option.value.kind == CompletedValue::Kind::choices) {
        action = ":value:(" + joined(option.value.choices, " ") + ")";
    } else if (option.value.kind == CompletedValue::Kind::free) {
        action = ":value:";
    }
    if (option.names.empty()) {
        const std::string at = option.repeated ? "*" : std::to_string(position);
        return single_quoted(at + ":" + escaped + action.substr(action.find(':', 1)), false);
    }
    const std::string names =
        option.names.size() == 1 ? option.names.front() : "{" + joined(option.names, ",") + "}";
    const std::string exclusive = "(" + joined(option.names, " ") + ")";
    return single_quoted(exclusive, false) + names +
           single_quoted("[" + escaped + "]" + action, false);
}

std::string zsh_arguments(const CompletedCommand& command, const std::string& indent) {
    std::string text = indent + "_arguments";
    for (const Completed& option : command.options) {
        text += " \\\n" + indent + "    " + zsh_spec(option);
    }
    for (std::size_t k = 0; k < command.arguments.size(); ++k) {
        text += " \\\n" + indent + "    " + zsh_spec(command.arguments[k], k + 1);
    }
    return text;
}

std::string zsh_script() {
    const std::vector<CompletedCommand> commands = every_command();
    std::string text =
        "#compdef ugraph\n"
        "# zsh completion for ugraph, made by 'ugraph completion zsh'\n"
        "_ugraph() {\n"
        "    local curcontext=$curcontext state line\n"
        "    local -a commands\n";
    text += zsh_arguments(commands.front(), "    ") + " \\\n        '1: :->command' \\\n" +
            "        '*:: :->argument'\n";
    text += "    case $state in\n    command)\n        commands=(\n";
    for (std::size_t k = 1; k < commands.size(); ++k) {
        text += "            " +
                single_quoted(commands[k].name + ":" + short_help(commands[k].summary), false) +
                "\n";
    }
    text +=
        "        )\n        _describe command commands ;;\n    argument)\n"
        "        case $line[1] in\n";
    for (std::size_t k = 1; k < commands.size(); ++k) {
        text += "        " + commands[k].name + ")\n" + zsh_arguments(commands[k], "            ") +
                " ;;\n";
    }
    return text + "        esac ;;\n    esac\n}\n_ugraph \"$@\"\n";
}

std::string fish_line(const std::string& condition, const Completed& option) {
    std::string text = "complete -c ugraph -n " + single_quoted(condition, true);
    for (const std::string& name : option.names) {
        text += (name.starts_with("--") ? " -l " + name.substr(2) : " -s " + name.substr(1));
    }
    if (option.value.kind == CompletedValue::Kind::file) {
        text += " -r -F";
    } else if (option.value.kind == CompletedValue::Kind::choices) {
        text += " -x -a " + single_quoted(joined(option.value.choices, " "), true);
    } else if (option.value.kind == CompletedValue::Kind::free) {
        text += " -x";
    }
    return text + " -d " + single_quoted(short_help(option.help), true) + "\n";
}

std::string fish_script() {
    std::string text =
        "# fish completion for ugraph, made by 'ugraph completion fish'\n"
        "complete -c ugraph -f\n";
    for (const CompletedCommand& command : every_command()) {
        const std::string condition = command.name.empty()
                                          ? "__fish_use_subcommand"
                                          : "__fish_seen_subcommand_from " + command.name;
        if (!command.name.empty()) {
            text += "complete -c ugraph -n __fish_use_subcommand -a " + command.name + " -d " +
                    single_quoted(short_help(command.summary), true) + "\n";
        }
        for (const Completed& option : command.options) {
            text += fish_line(condition, option);
        }
        for (const Completed& argument : command.arguments) {
            text += fish_line(condition, argument);
        }
    }
    return text;
}

}  // namespace

std::optional<Shell> shell_named(std::string_view name) {
    if (name == "bash") {
        return Shell::bash;
    }
    if (name == "zsh") {
        return Shell::zsh;
    }
    if (name == "fish") {
        return Shell::fish;
    }
    return std::nullopt;
}

std::string completion_script(Shell shell) {
    switch (shell) {
        case Shell::bash:
            return bash_script();
        case Shell::zsh:
            return zsh_script();
        case Shell::fish:
            break;
    }
    return fish_script();
}

}  // namespace ugraph
