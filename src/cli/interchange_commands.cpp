#include "cli/interchange_commands.hpp"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <memory>
#include <utility>

#include "cli/command_status.hpp"
#include "common/path_text.hpp"
#include "datainput/data_input_graph.hpp"
#include "datainput/data_input_reader.hpp"
#include "datainput/data_input_text.hpp"
#include "datainput/stored_name.hpp"
#include "interchange/graph_importer.hpp"
#include "storage/append_data_inputs.hpp"
#include "storage/data_file_stream.hpp"
#include "storage/file_replace.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {
namespace fs = std::filesystem;
namespace {

// Standard output gets the text in pieces of about this size as it grows.
constexpr std::size_t FLUSH_AT = std::size_t{256} * 1024;

// Where a command's text goes: standard output as it comes, or a file that
// is replaced in one piece once everything is written, so a failed export
// never leaves half a file.
class CommandOutput {
public:
    CommandOutput(std::ostream& out, const std::optional<fs::path>& file)
        : out_(out), file_(file) {}
    std::string& text() { return text_; }
    void flush_if_full() {
        if (!file_ && text_.size() >= FLUSH_AT) {
            out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
            text_.clear();
        }
    }
    bool finish(std::ostream& err) {
        if (!file_) {
            out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
            return true;
        }
        const Result<ReplaceReport> replaced = replace_file_contents(*file_, text_);
        if (!replaced) {
            tell_error(err, replace_failure(*file_, replaced.refusal()));
        }
        return replaced.ok();
    }

private:
    std::ostream& out_;
    const std::optional<fs::path>& file_;
    std::string text_;
};

std::optional<int> data_input_number(std::string_view which) {
    int number = 0;
    const auto [end, error] = std::from_chars(which.data(), which.data() + which.size(), number);
    if (error != std::errc() || end != which.data() + which.size() || number < 1) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

int export_command(const fs::path& file, std::string_view which, Format format,
                   const std::optional<fs::path>& output, std::ostream& out, std::ostream& err) {
    const std::optional<int> number = data_input_number(which);
    if (!number && which != "all") {
        tell_error(err, "export takes a data-input number (1 or more) or all, not '" +
                            std::string(which) + "' (see 'ugraph --help')");
        return EXIT_USAGE;
    }
    if (!number && !holds_several_graphs(format)) {
        tell_error(err, "an " + std::string(format_name(format)) +
                            " holds one graph; export the data-inputs one by one (see 'ugraph "
                            "--help')");
        return EXIT_USAGE;
    }
    const std::unique_ptr<DataFileStream> data = open_or_tell(file, err);
    if (!data) {
        return EXIT_USAGE;
    }
    DataInputReader reader(data->stream());
    DataInput input;
    if (number && !seek_data_input(reader, *number, input)) {
        tell_error(err, no_such_data_input(file, reader.count(), *number));
        return EXIT_USAGE;
    }
    CommandOutput sink(out, output);
    // A format written from links (graph6, a table of bits) gets them as the
    // loader gathers them, so that a long export does not lay out the arcs of
    // every data-input only to read them back; the others get the graph.
    const FormatRow& row = format_row(format);
    UGraph graph;
    LinkSet links;
    int nodes = 0;
    const auto load = [&] {
        return row.write_links != nullptr ? read_links(input, graph.name, links, nodes)
                                          : read_graph(input, graph);
    };
    const auto write = [&] {
        return row.write_links != nullptr ? row.write_links(links, nodes, sink.text())
                                          : row.write(graph, sink.text());
    };
    int status = EXIT_DONE;
    const auto export_one = [&] {
        const Result<> loaded = load();
        if (!loaded) {
            tell_error(err, "data-input " + std::to_string(input.number) + ' ' +
                                cannot_be_loaded(loaded.refusal()));
            status = EXIT_NOT_LOADED;
            return;
        }
        const Result<> written = write();
        if (!written) {
            tell_error(err, "data-input " + std::to_string(input.number) +
                                " cannot be written as " + std::string(format_name(format)) + ": " +
                                written.reason());
            status = EXIT_NOT_LOADED;
        }
        sink.flush_if_full();
    };
    if (number) {
        export_one();
    } else {
        while (reader.next(input)) {
            export_one();
        }
    }
    if (reader.failed()) {
        tell_error(err, "cannot read " + utf8_of(file) + " to its end");
        return EXIT_USAGE;
    }
    return sink.finish(err) ? status : EXIT_USAGE;
}

std::string imported_name(std::string_view base, std::optional<long> number) {
    const std::string digits = number ? std::to_string(*number) : "";
    const std::size_t room = digits.size() < static_cast<std::size_t>(NAME_MAX_CHARS)
                                 ? NAME_MAX_CHARS - digits.size()
                                 : 0;
    std::string name;
    for (const char c : base) {
        const auto code = static_cast<unsigned char>(c);
        const bool refused =
            code < 0x20 || code == 0x7f || NAME_FORBIDDEN_CHARS.find(c) != std::string_view::npos;
        name += refused ? '_' : c;
    }
    if (name.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) {
            --cut;  // not inside a UTF-8 character
        }
        name.resize(cut);
    }
    name += digits;
    name.resize(std::min(name.size(), static_cast<std::size_t>(NAME_MAX_CHARS)));
    return name;
}

namespace {

// Converts every graph of the importer into data-inputs, one a line.
class Conversion {
public:
    Conversion(GraphImporter& importer, std::string base, std::string source, std::ostream& err)
        : importer_(importer), base_(std::move(base)), source_(std::move(source)), err_(err) {}

    // Appends the data-inputs of every graph that came to `text`, calling
    // flush after each.
    template <typename Flush>
    void run(std::string& text, Flush&& flush) {
        // One graph is read ahead, to know whether the graphs get numbers.
        // The two places trade roles rather than contents: each holds a
        // whole UGraph.
        ImportedGraph* current = &first_;
        ImportedGraph* following = &second_;
        bool have = importer_.next(*current);
        bool have_following = have && importer_.next(*following);
        const bool several = have_following;
        for (long index = 1; have; ++index) {
            convert(*current, several ? std::optional<long>(index) : std::nullopt, text);
            flush();
            std::swap(current, following);
            have = have_following;
            have_following = have && importer_.next(*following);
        }
    }
    int status() const { return status_; }

private:
    void tell(std::size_t line, const std::string& what) {
        tell_error(err_, "line " + std::to_string(line) + " of " + source_ + ": " + what);
    }

    void convert(ImportedGraph& imported, std::optional<long> number, std::string& text) {
        if (!imported.taken) {
            tell(imported.line, imported.taken.reason());
            status_ = EXIT_NOT_LOADED;
            return;
        }
        set_name(imported.graph.name, imported_name(base_, number));
        if (imported.loops > 0) {
            tell(imported.line, counted(imported.loops, "self-loop") +
                                    " dropped, since a data-input cannot hold them");
        }
        append_written_form(imported.graph, text);
        text += '\n';
    }

    GraphImporter& importer_;
    std::string base_;
    std::string source_;
    std::ostream& err_;
    ImportedGraph first_;
    ImportedGraph second_;
    int status_ = EXIT_DONE;
};

}  // namespace

int import_command(const ImportRequest& request, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    std::ifstream input_file;
    std::istream* source = &in;
    std::string source_name = "standard input";
    std::string base = "graph";
    if (!request.input.empty() && request.input != "-") {
        input_file.open(path_from_utf8(request.input), std::ios::binary);
        if (!input_file) {
            tell_error(err, "cannot read " + request.input + " (" + std::strerror(errno) + ")");
            return EXIT_USAGE;
        }
        source = &input_file;
        source_name = request.input;
        base = utf8_of(path_from_utf8(request.input).stem());
    }
    GraphImporter importer(*source, request.format, request.base);
    Conversion conversion(importer, request.name.value_or(base), source_name, err);
    std::string text;
    conversion.run(text, [&] {
        if (!request.append && text.size() >= FLUSH_AT) {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            text.clear();
        }
    });
    if (source->bad()) {
        tell_error(err, "cannot read " + source_name + " to its end");
        return EXIT_USAGE;
    }
    if (request.append) {
        if (!text.empty()) {
            const Result<ReplaceReport> appended = append_data_inputs(request.file, text);
            if (!appended) {
                tell_error(err, appended.reason());
                return EXIT_USAGE;
            }
            if (appended.value().backup_refused_by_folder) {
                tell_error(err, no_backup_note(request.file));
            }
        }
    } else {
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    }
    return conversion.status();
}

}  // namespace ugraph
