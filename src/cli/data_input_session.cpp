#include "cli/data_input_session.hpp"

#include <cerrno>
#include <memory>
#include <optional>
#include <string>

#include "cli/command_status.hpp"
#include "console/console.hpp"
#include "datainput/content_fingerprint.hpp"
#include "datainput/data_input_edits.hpp"
#include "datainput/data_input_graph.hpp"
#include "datainput/data_input_reader.hpp"
#include "datainput/data_input_text.hpp"
#include "datainput/file_place.hpp"
#include "dialogue/review_graph.hpp"
#include "dialogue/save_data_input.hpp"
#include "entry/key_in_graph.hpp"
#include "graph/normalize_arcs.hpp"
#include "storage/append_data_inputs.hpp"
#include "storage/data_file_stream.hpp"
#include "storage/file_replace.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {
namespace fs = std::filesystem;
namespace {

// A data-input as the console edit takes it: its graph, the text echoed
// before it, and the fingerprint of the whole file it came from.
struct Loaded {
    UGraph graph;
    std::string echo;
    Fingerprint fingerprint;
};

// The console of a session: the context's line editor, where it has one.
class SessionConsole {
public:
    explicit SessionConsole(CommandContext& context)
        : editor_(context.line_editor != nullptr ? context.line_editor() : nullptr),
          console_(context.in, context.out, editor_.get()) {}
    Console& operator*() { return console_; }

private:
    std::unique_ptr<LineEditor> editor_;
    Console console_;
};

std::string not_loaded(int number, const Refusal& refusal, const DataInput& input) {
    return "data-input " + std::to_string(number) + ' ' +
           placed_reason(cannot_be_loaded(refusal), input);
}

// Reads the file once, to its end: data-input N and the fingerprint of all
// of it. The file is let go before the user is asked anything.
int load_for_edit(CommandContext& context, const fs::path& file, int number, Loaded& into) {
    std::ostream& err = context.err;
    Result<std::unique_ptr<DataFileStream>> data = DataFileStream::open(
        file, {.waiting = [&] { tell_error(err, waiting_note(file)); }}, context.platform);
    if (!data) {
        tell_error(err, cannot_read(file, data.reason()));
        return EXIT_USAGE;
    }
    FingerprintBuffer counted(*data.value()->stream().rdbuf());
    std::istream through(&counted);
    DataInputReader reader(through);
    DataInput input;
    const bool found = seek_data_input(reader, number, input);
    into.fingerprint = counted.drain();
    if (reader.failed() || counted.failed()) {
        tell_error(err, cannot_read_to_end(utf8_of(file)));
        return EXIT_USAGE;
    }
    if (!found) {
        tell_error(err, no_such_data_input(file, reader.count(), number));
        return EXIT_USAGE;
    }
    const Result<std::string> copy = loader_copy(input);
    if (!copy) {
        tell_error(err, not_loaded(number, copy.refusal(), input));
        return EXIT_NOT_LOADED;
    }
    if (const Result<> read = read_graph(input, into.graph); !read) {
        tell_error(err, not_loaded(number, read.refusal(), input));
        return EXIT_NOT_LOADED;
    }
    into.echo = copy.value();
    return EXIT_DONE;
}

// The refusal of a rewrite told in the commands' words.
std::string rewrite_refusal(const fs::path& file, const Refusal& refusal, bool reached,
                            const Platform& platform) {
    if (!reached && refusal.kind == Refusal::Kind::file) {
        return cannot_read(file, refusal.reason);  // it could not even be opened
    }
    if (FileStatus status; platform.status(file, status) == ENOENT) {
        return cannot_read(file, platform.describe(ENOENT));  // nothing there to edit
    }
    return replace_failure(file, refusal);
}

}  // namespace

int edit_at_console(CommandContext& context, const fs::path& file, int number) {
    Loaded loaded;
    if (const int status = load_for_edit(context, file, number, loaded); status != EXIT_DONE) {
        return status;
    }
    SessionConsole session(context);
    Console& console = *session;
    console.write_line("Input-data from file is:");
    console.write_line(loaded.echo);
    review_graph(console, loaded.graph);
    int status = EXIT_USAGE;
    if (const std::optional<std::string> text = show_written_form(console, loaded.graph, file)) {
        const Rewrite rewrite = [&](OldContent& old, std::ostream& out) {
            return replace_data_input(old.stream(), out, number, *text, loaded.fingerprint);
        };
        const Result<ReplaceReport> stored = rewrite_file(
            file, rewrite, {.keep_backup = true, .waiting = waiting_told(console, file)},
            context.platform);
        if (!stored && stored.reason() == CHANGED_MEANWHILE) {
            std::string line = "Error: ";
            line += CHANGED_MEANWHILE;
            line += "; ";
            line += utf8_of(file);
            line += " was left as it was";
            console.write_line(line);
        } else if (tell_stored(console, context.err, file, stored)) {
            status = EXIT_DONE;
        }
    }
    console.wait_for_char();
    return status;
}

int add_at_console(CommandContext& context, const fs::path& file) {
    SessionConsole session(context);
    Console& console = *session;
    UGraph graph;
    int status = EXIT_NOT_LOADED;
    if (key_in_graph(console, graph)) {
        normalize_arcs(graph);
        review_graph(console, graph);
        status = EXIT_USAGE;
        if (std::optional<std::string> text = show_written_form(console, graph, file)) {
            text->push_back('\n');
            if (tell_stored(console, context.err, file,
                            append_data_inputs(file, *text, context.platform,
                                               waiting_told(console, file)))) {
                status = EXIT_DONE;
            }
        }
    }
    console.wait_for_char();
    return status;
}

int edit_by_script(CommandContext& context, const fs::path& file, int number,
                   const LinkEdits& edits) {
    int status = EXIT_USAGE;
    bool reached = false;
    const Rewrite rewrite = [&](OldContent& old, std::ostream& out) -> Result<> {
        if (!old.exists()) {
            return refused(cannot_read(file, context.platform.describe(ENOENT)));
        }
        // The data-input is found, changed and put back in one pass of
        // reading and one of copying, however large the file.
        const auto changed = [&](const DataInput& input) -> Result<std::string> {
            UGraph graph;
            if (const Result<> read = read_graph(input, graph); !read) {
                status = EXIT_NOT_LOADED;
                return refused(not_loaded(number, read.refusal(), input));
            }
            if (Result<> applied = apply_link_edits(graph, edits); !applied) {
                return applied.refusal();
            }
            normalize_arcs(graph);
            std::string text = written_form(graph);
            if (text.size() > MAX_DATA_INPUT_CHARS) {
                return refused("data-input " + std::to_string(number) +
                               " would be too large for one data-input (over " +
                               std::to_string(MAX_DATA_INPUT_CHARS) + " characters)");
            }
            return text;
        };
        return replace_data_input(old.stream(), out, number, changed);
    };
    const Result<ReplaceReport> stored =
        rewrite_file(file, rewrite,
                     {.keep_backup = true,
                      .waiting = [&] { tell_error(context.err, waiting_note(file)); },
                      .reached = [&] { reached = true; }},
                     context.platform);
    if (!stored) {
        tell_error(context.err, rewrite_refusal(file, stored.refusal(), reached, context.platform));
        return status;
    }
    if (stored.value().backup_refused_by_folder) {
        tell_error(context.err, no_backup_note(file));
    }
    if (!stored.value().backup_elsewhere.empty()) {
        tell_error(context.err, backup_elsewhere_note(file, stored.value().backup_elsewhere));
    }
    return EXIT_DONE;
}

}  // namespace ugraph
