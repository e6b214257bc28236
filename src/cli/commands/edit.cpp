// ugraph edit N [-f FILE] [--link A-B]... [--unlink A-B]... [--name NAME]:
// data-input N of the data file changed, every other byte of the file kept.
// Without --link, --unlink and --name it is the dialogue's review of the
// graph at the console; with any of them it is a script's edit, without a
// question. See data_input_session.hpp for what each does and gives.
#include <CLI/CLI.hpp>

#include "cli/command.hpp"
#include "cli/command_status.hpp"
#include "cli/data_input_session.hpp"
#include "cli/data_source.hpp"
#include "cli/option_values.hpp"
#include "storage/data_file.hpp"

namespace ugraph {
namespace {

class EditCommand : public Command {
public:
    void declare(CLI::App& command) override {
        value_option(command, "N", number_, "", "the number the data-input is listed under");
        file_option(command, file_, "the data file (default GraphDataFile2.txt)");
        command
            .add_option("--link", edits_.link,
                        "add the link between nodes A and B (as A-B); may be given again")
            ->type_name("A-B")
            ->expected(1)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
        command
            .add_option("--unlink", edits_.unlink,
                        "remove the link between nodes A and B; may be given again")
            ->type_name("A-B")
            ->expected(1)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
        value_option(command, "--name", name_, "NAME",
                     "the graph's new name, at most 15 characters, no \" or ]");
    }

    int run(CommandContext& context, const Parsed& parsed) override {
        if (number_.empty()) {
            return parsed.usage(context.err, "edit needs the number N of a data-input");
        }
        const std::optional<int> number = data_input_number(number_);
        if (!number) {
            return parsed.usage(context.err,
                                "edit takes the number of a data-input, not '" + number_ + "'");
        }
        const std::string file = parsed.data_file(file_);
        if (file == STANDARD_STREAM) {
            return parsed.usage(context.err, "edit saves the data file, which '-f -' cannot be");
        }
        if (parsed.given("--name")) {
            edits_.name = name_;
        }
        if (edits_.link.empty() && edits_.unlink.empty() && !edits_.name) {
            return edit_at_console(context, path_from_utf8(file), *number);
        }
        return edit_by_script(context, path_from_utf8(file), *number, edits_);
    }

private:
    std::string number_;
    std::string file_ = GRAPH_DATA_FILE;
    std::string name_;
    LinkEdits edits_;
};

}  // namespace

extern const CommandRow EDIT_COMMAND = {
    "edit", "change data-input N at the console, or by --link, --unlink and --name",
    "ugraph edit N [-f FILE] [--link A-B]... [--unlink A-B]... [--name NAME]",
    make_command<EditCommand>};

}  // namespace ugraph
