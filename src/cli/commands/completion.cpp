// ugraph completion bash|zsh|fish: prints the completion script of that
// shell (see completion_script.hpp). A shell it has none for is a usage
// error.
#include <CLI/CLI.hpp>

#include "cli/command.hpp"
#include "cli/command_status.hpp"
#include "cli/completion_script.hpp"
#include "cli/option_values.hpp"
#include "cli/usage_error.hpp"

namespace ugraph {
namespace {

class CompletionCommand : public Command {
public:
    void declare(CLI::App& command) override {
        value_option(command, "SHELL", shell_, "", "bash, zsh or fish");
    }

    int run(CommandContext& context, const Parsed& parsed) override {
        const std::vector<std::string> shells = {"bash", "zsh", "fish"};
        if (shell_.empty()) {
            return parsed.usage(context.err, "completion needs the shell: " + listed(shells));
        }
        const std::optional<Shell> shell = shell_named(shell_);
        if (!shell) {
            const std::string near = did_you_mean(shell_, shells);
            return parsed.usage(context.err,
                                "no completion for the shell '" + shell_ + "'" +
                                    (near.empty() ? "; it has " + listed(shells) : near));
        }
        context.out << completion_script(*shell);
        return EXIT_DONE;
    }

private:
    std::string shell_;
};

}  // namespace

extern const CommandRow COMPLETION_COMMAND = {
    "completion", "print the completion script of a shell (bash, zsh or fish)",
    "ugraph completion bash|zsh|fish", make_command<CompletionCommand>};

}  // namespace ugraph
