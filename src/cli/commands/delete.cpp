// ugraph delete N... [-f FILE]: the data-inputs of these numbers taken out
// of the data file in one safe replacement (the backup included), every
// other byte kept: one that stands alone on its line takes its line, one
// with free text or another data-input beside it only its own text. A
// number given twice is deleted once. Silent when done; gives 2 on a usage
// error, a number the file holds no data-input of, or a file that cannot be
// read or written, with nothing deleted.
#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "cli/command.hpp"
#include "cli/data_file_edit.hpp"
#include "cli/option_values.hpp"
#include "datainput/data_input_edits.hpp"
#include "storage/data_file.hpp"

namespace ugraph {
namespace {

class DeleteCommand : public Command {
public:
    void declare(CLI::App& command) override {
        command.add_option("N", typed_, "the numbers the data-inputs are listed under")
            ->type_name("");
        file_option(command, file_, EDITED_FILE_HELP);
    }

    int run(CommandContext& context, const Parsed& parsed) override {
        if (typed_.empty()) {
            return parsed.usage(context.err, "delete needs the number N of a data-input");
        }
        std::vector<int> numbers;
        for (const std::string& typed : typed_) {
            const std::optional<int> number = data_input_number(typed);
            if (!number) {
                return parsed.usage(context.err,
                                    "delete takes numbers of data-inputs, not '" + typed + "'");
            }
            numbers.push_back(*number);
        }
        return edit_or_tell(
            context, parsed, parsed.data_file(file_),
            [&](std::istream& old, std::ostream& out, bool& /*unchanged*/) {
                return delete_data_inputs(old, out, numbers);
            },
            "deleted from");
    }

private:
    std::vector<std::string> typed_;
    std::string file_ = GRAPH_DATA_FILE;
};

}  // namespace

extern const CommandRow DELETE_COMMAND = {
    "delete", "take data-inputs out of the data file, everything else kept",
    "ugraph delete N... [-f FILE]", make_command<DeleteCommand>};

}  // namespace ugraph
