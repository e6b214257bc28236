// ugraph move N M [-f FILE]: data-input N becomes number M, the others
// keeping their order, in one safe replacement of the data file (the backup
// included); no byte is added or lost (see move_data_input for where lines
// and free text go); data-input N moved to its own place leaves the file
// untouched. Silent when done; gives 2 on a usage error, a number
// the file holds no data-input of, or a file that cannot be read or
// written, with nothing moved.
#include <CLI/CLI.hpp>
#include <array>
#include <string>

#include "cli/command.hpp"
#include "cli/data_file_edit.hpp"
#include "cli/option_values.hpp"
#include "datainput/data_input_edits.hpp"
#include "storage/data_file.hpp"

namespace ugraph {
namespace {

class MoveCommand : public Command {
public:
    void declare(CLI::App& command) override {
        value_option(command, "N", from_, "", "the number the data-input is listed under");
        value_option(command, "M", to_, "", "the number it is listed under afterwards");
        file_option(command, file_, EDITED_FILE_HELP);
    }

    int run(CommandContext& context, const Parsed& parsed) override {
        std::ostream& err = context.err;
        if (from_.empty() || !parsed.given("M")) {
            return parsed.usage(err,
                                "move needs the number N of a data-input and its new number M");
        }
        const std::optional<int> from = data_input_number(from_);
        const std::optional<int> to = data_input_number(to_);
        if (!from || !to) {
            return parsed.usage(
                err, "move takes numbers of data-inputs, not '" + (from ? to_ : from_) + "'");
        }
        if (*from == *to) {
            const std::array<int, 1> number{*from};
            return look_or_tell(context, parsed, parsed.data_file(file_), number, "moved in");
        }
        return edit_or_tell(
            context, parsed, parsed.data_file(file_),
            [&](std::istream& old, std::ostream& out, bool& /*unchanged*/) {
                return move_data_input(old, out, *from, *to);
            },
            "moved in");
    }

private:
    std::string from_;
    std::string to_;
    std::string file_ = GRAPH_DATA_FILE;
};

}  // namespace

extern const CommandRow MOVE_COMMAND = {"move",
                                        "give data-input N the number M, the others keeping "
                                        "their order",
                                        "ugraph move N M [-f FILE]", make_command<MoveCommand>};

}  // namespace ugraph
