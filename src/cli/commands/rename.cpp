// ugraph rename N NAME [-f FILE]: data-input N's name, the characters
// between its first two double quotes, becomes NAME in one safe replacement
// of the data file (the backup included), every other byte kept, its node
// groups as they were written. NAME is kept exactly or refused (see
// check_given_name), never cut; the name it holds already leaves the file
// untouched. Silent when done; gives 2 on a usage error, a refused name, no
// data-input N or one without two double quotes, or a file that cannot be
// read or written, with nothing renamed.
#include <CLI/CLI.hpp>
#include <string>

#include "cli/command.hpp"
#include "cli/data_file_edit.hpp"
#include "cli/option_values.hpp"
#include "datainput/data_input_edits.hpp"
#include "datainput/name_rules.hpp"
#include "storage/data_file.hpp"

namespace ugraph {
namespace {

class RenameCommand : public Command {
public:
    void declare(CLI::App& command) override {
        value_option(command, "N", number_, "", "the number the data-input is listed under");
        value_option(command, "NAME", name_, "",
                     "its new name: at most 15 characters, no double quote and no ']'");
        file_option(command, file_, EDITED_FILE_HELP);
    }

    int run(CommandContext& context, const Parsed& parsed) override {
        std::ostream& err = context.err;
        if (number_.empty()) {
            return parsed.usage(err, "rename needs the number N of a data-input and its NAME");
        }
        const std::optional<int> number = data_input_number(number_);
        if (!number) {
            return parsed.usage(err,
                                "rename takes the number of a data-input, not '" + number_ + "'");
        }
        if (!parsed.given("NAME")) {
            return parsed.usage(err, "rename needs the new NAME of data-input " + number_);
        }
        if (const Result<> fits = check_given_name(name_); !fits) {
            return parsed.usage(err, "rename refuses the name '" + name_ + "': " + fits.reason());
        }
        return edit_or_tell(
            context, parsed, parsed.data_file(file_),
            [&](std::istream& old, std::ostream& out, bool& unchanged) {
                return rename_data_input(old, out, *number, name_, &unchanged);
            },
            "renamed in");
    }

private:
    std::string number_;
    std::string name_;
    std::string file_ = GRAPH_DATA_FILE;
};

}  // namespace

extern const CommandRow RENAME_COMMAND = {
    "rename", "give data-input N another name, everything else kept",
    "ugraph rename N NAME [-f FILE]", make_command<RenameCommand>};

}  // namespace ugraph
