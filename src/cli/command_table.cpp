#include "cli/command_table.hpp"

#include <array>

namespace ugraph {

// Each defined in its file under commands/.
extern const CommandRow LIST_COMMAND;
extern const CommandRow SHOW_COMMAND;
extern const CommandRow EXPORT_COMMAND;
extern const CommandRow IMPORT_COMMAND;
extern const CommandRow DELETE_COMMAND;
extern const CommandRow RENAME_COMMAND;
extern const CommandRow MOVE_COMMAND;
extern const CommandRow CONVERT_COMMAND;
extern const CommandRow EDIT_COMMAND;
extern const CommandRow ADD_COMMAND;
extern const CommandRow INFO_COMMAND;
extern const CommandRow CLASSES_COMMAND;
extern const CommandRow FIND_COMMAND;
extern const CommandRow COMPLETION_COMMAND;
extern const CommandRow HELP_COMMAND;

namespace {

const std::array<const CommandRow*, 15> TABLE = {
    &LIST_COMMAND, &SHOW_COMMAND,    &EXPORT_COMMAND, &IMPORT_COMMAND,     &CONVERT_COMMAND,
    &EDIT_COMMAND, &ADD_COMMAND,     &DELETE_COMMAND, &RENAME_COMMAND,     &MOVE_COMMAND,
    &INFO_COMMAND, &CLASSES_COMMAND, &FIND_COMMAND,   &COMPLETION_COMMAND, &HELP_COMMAND,
};

}  // namespace

std::span<const CommandRow* const> command_table() { return TABLE; }

const CommandRow* find_command(std::string_view name) {
    for (const CommandRow* row : TABLE) {
        if (row->name == name) {
            return row;
        }
    }
    return nullptr;
}

std::vector<std::string> command_names() {
    std::vector<std::string> names;
    names.reserve(TABLE.size());
    for (const CommandRow* row : TABLE) {
        names.emplace_back(row->name);
    }
    return names;
}

}  // namespace ugraph
