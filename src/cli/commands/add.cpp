// ugraph add [-f FILE]: a graph typed in at the console, as the dialogue's
// keyboard entry takes it, reviewed and corrected as there, then appended
// to the data file as a new data-input on a line of its own, every other
// byte of the file kept. See data_input_session.hpp.
#include <CLI/CLI.hpp>

#include "cli/command.hpp"
#include "cli/command_status.hpp"
#include "cli/data_input_session.hpp"
#include "cli/data_source.hpp"
#include "cli/option_values.hpp"
#include "storage/data_file.hpp"

namespace ugraph {
namespace {

class AddCommand : public Command {
public:
    void declare(CLI::App& command) override {
        file_option(command, file_, "the data file (default GraphDataFile2.txt)");
    }

    int run(CommandContext& context, const Parsed& parsed) override {
        const std::string file = parsed.data_file(file_);
        if (file == STANDARD_STREAM) {
            return parsed.usage(context.err, "add saves the data file, which '-f -' cannot be");
        }
        return add_at_console(context, path_from_utf8(file));
    }

private:
    std::string file_ = GRAPH_DATA_FILE;
};

}  // namespace

extern const CommandRow ADD_COMMAND = {"add",
                                       "type in a graph at the console and append it as a new "
                                       "data-input",
                                       "ugraph add [-f FILE]", make_command<AddCommand>};

}  // namespace ugraph
