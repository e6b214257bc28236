// fuzz_dialogue: a whole session, any typed bytes and any data file.
//
// The input is the typed answers, then optionally "@@@@" and the data file's
// bytes (see fuzz_support.hpp); the session runs over string streams against
// a data file in a scratch folder, so every question, the keyboard entry, the
// loader, the editor and the save are reached. Afterwards the data file is
// either exactly as it was (missing if it was missing) or one data-input in
// the written form that the loader reads back as the same graph (see
// check_written_form), shown as the last line of the session; and nothing
// but a backup of its old content is left beside it.
#include "dialogue/run_dialogue.hpp"
#include "fuzz_support.hpp"

using namespace ugraph_fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzSession run(data, size);
    run_dialogue(run.console, run.notes, scratch().data_file(), system_platform());

    scratch().check_leftovers(run.input.file);
    const std::optional<std::string> after = scratch().read_data_file();
    if (after == run.input.file) {
        return 0;
    }
    FUZZ_CHECK(after.has_value());
    check_written_form(*after);
    FUZZ_CHECK(run.shown.str().ends_with(*after + '\n'));
    return 0;
}
