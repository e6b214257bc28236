// ugraph delete N... [-f FILE]: the data-inputs of these numbers taken out
// of the data file in one safe replacement (the backup included), every
// other byte kept: one that stands alone on its line takes its line, one
// with free text or another data-input beside it only its own text. A
// number given twice is deleted once. Silent when done; gives 2 on a usage
// error, a number the file holds no data-input of, or a file that cannot be
// read or written, with nothing deleted.
//
// ugraph delete --duplicates [-f FILE]: every data-input isomorphic to an
// earlier one taken out (the invariants engine finds them), the first of
// each class kept; the classes are found and the data-inputs deleted under
// one lock, so that no other program's change comes between. How many went
// is told on standard error; with none, the file is not touched.
#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "cli/command.hpp"
#include "cli/command_status.hpp"
#include "cli/data_file_edit.hpp"
#include "cli/graph_feeds.hpp"
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
        command
            .add_flag("--duplicates", duplicates_,
                      "delete every data-input isomorphic to an earlier one, the first kept")
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        file_option(command, file_, EDITED_FILE_HELP);
    }

    int run(CommandContext& context, const Parsed& parsed) override {
        if (duplicates_) {
            if (!typed_.empty()) {
                return parsed.usage(context.err, "delete takes numbers or --duplicates, not both");
            }
            return delete_duplicates(context, parsed);
        }
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
    int delete_duplicates(CommandContext& context, const Parsed& parsed) const {
        const InvariantsModule* engine = open_invariants(context, "delete --duplicates");
        if (engine == nullptr) {
            return EXIT_USAGE;
        }
        const std::string file = parsed.data_file(file_);
        std::size_t deleted = 0;
        const int status = edit_or_tell(
            context, parsed, file,
            [&](std::istream& old, std::ostream& out, bool& unchanged) -> Result<> {
                // The classes of the content being replaced, read from it.
                DataSource content(old, file, nullptr);
                DataFileFeed feed(content, std::nullopt, context.err);
                const std::vector<long> found =
                    engine->duplicates([&](const EachGraph& each) { feed(each); });
                if (feed.status() == EXIT_USAGE) {
                    return refused("it cannot be read to its end");
                }
                deleted = found.size();
                unchanged = found.empty();
                if (unchanged) {
                    return Done{};
                }
                const std::vector<int> numbers(found.begin(), found.end());
                old.clear();
                old.seekg(0);
                return delete_data_inputs(old, out, numbers);
            },
            "deleted from");
        if (status == EXIT_DONE) {
            tell_error(context.err, deleted == 0
                                        ? "no duplicates in " + file + "; nothing was deleted"
                                        : counted(static_cast<long>(deleted), "duplicate") +
                                              " deleted from " + file);
        }
        return status;
    }

    bool duplicates_ = false;
    std::vector<std::string> typed_;
    std::string file_ = GRAPH_DATA_FILE;
};

}  // namespace

extern const CommandRow DELETE_COMMAND = {
    "delete", "take data-inputs out of the data file, everything else kept",
    "ugraph delete (N... | --duplicates) [-f FILE]", make_command<DeleteCommand>};

}  // namespace ugraph
