#pragma once
// What the fuzz targets share: one fuzz input split into typed answers and
// data file bytes, a scratch folder for the data file, and the checks of
// what an operation must leave behind. A broken check aborts, which both the
// fuzzer and the replay runner report as a failure.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "console/console.hpp"
#include "datainput/data_input_graph.hpp"
#include "datainput/data_input_reader.hpp"
#include "datainput/data_input_text.hpp"
#include "datainput/stored_name.hpp"
#include "graph/normalize_arcs.hpp"
#include "graph/ugraph.hpp"
#include "storage/data_file.hpp"
#include "support/fresh_folder.hpp"

namespace ugraph_fuzz {

using namespace ugraph;
namespace fs = std::filesystem;

// The typed answers come first; the separator and the data file's bytes may
// follow. Without the separator there is no data file at all.
inline constexpr std::string_view FILE_SEPARATOR = "@@@@";

struct FuzzInput {
    std::string typed;
    std::optional<std::string> file;
};

inline FuzzInput split_input(const std::uint8_t* data, std::size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = all.find(FILE_SEPARATOR);
    if (cut == std::string_view::npos) {
        return {std::string(all), std::nullopt};
    }
    return {std::string(all.substr(0, cut)), std::string(all.substr(cut + FILE_SEPARATOR.size()))};
}

// Names the broken check before aborting, so a crash report says which.
[[noreturn]] inline void broken(const char* check, const char* file, int line) {
    std::fprintf(stderr, "broken check: %s at %s:%d\n", check, file, line);
    std::abort();
}
#define FUZZ_CHECK(condition) \
    ((condition) ? void() : ugraph_fuzz::broken(#condition, __FILE__, __LINE__))

// A folder of our own, made once per process and removed when it ends. On a
// memory file system where there is one: every save syncs the file.
class ScratchFolder {
public:
    ScratchFolder() {
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        path_ = ugraph::fresh_folder("ugraph-fuzz-", base);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    fs::path data_file() const { return path_ / GRAPH_DATA_FILE; }
    fs::path backup_file() const { return path_ / backup_name(GRAPH_DATA_FILE); }

    // Makes the data file hold the bytes, or makes it missing; no backup.
    void lay_data_file(const std::optional<std::string>& content) const {
        fs::remove(data_file());
        fs::remove(backup_file());
        if (content) {
            std::ofstream(data_file(), std::ios::binary) << *content;
        }
    }

    static std::optional<std::string> read(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::optional<std::string> read_data_file() const { return read(data_file()); }

    // A save leaves the data file and at most a backup of what it held
    // before, never a temporary file.
    void check_leftovers(const std::optional<std::string>& before) const {
        for (const fs::directory_entry& entry : fs::directory_iterator(path_)) {
            if (entry.path() == backup_file()) {
                FUZZ_CHECK(before.has_value() && read(backup_file()) == before);
            } else {
                FUZZ_CHECK(entry.path() == data_file());
            }
        }
    }

private:
    fs::path path_;
};

inline const ScratchFolder& scratch() {
    static const ScratchFolder folder;
    return folder;
}

// The name ends with a NUL inside its 16 bytes.
inline void check_name(const GraphName& name) {
    FUZZ_CHECK(std::find(name.begin(), name.end(), '\0') != name.end());
}

// Canonical form: the count in slot 0 within the limit, every end a node,
// pairs strictly ascending, every arc's reverse present, a 0 after the last.
// An imported graph may hold its self-loops beyond the limit of loaded ones.
inline void check_canonical(const UGraph& graph, int max_arcs = MAX_NORMALIZE_ARCS) {
    const ArcArray& arc_from = graph.arc_from;
    const ArcArray& arc_to = graph.arc_to;
    const std::int32_t count = arc_from[0];
    FUZZ_CHECK(count >= 0 && count <= max_arcs);
    std::array<std::array<bool, MAX_NODES + 1>, MAX_NODES + 1> linked{};
    for (std::int32_t k = 1; k <= count; ++k) {
        const std::int32_t a = arc_from[k];
        const std::int32_t b = arc_to[k];
        FUZZ_CHECK(a >= 1 && a <= MAX_NODES && b >= 1 && b <= MAX_NODES);
        FUZZ_CHECK(k == 1 || std::pair(arc_from[k - 1], arc_to[k - 1]) < std::pair(a, b));
        linked[a][b] = true;
    }
    for (std::int32_t k = 1; k <= count; ++k) {
        FUZZ_CHECK(linked[arc_to[k]][arc_from[k]]);
    }
    FUZZ_CHECK(arc_from[count + 1] == 0 && arc_to[count + 1] == 0);
}

// A saved data file: exactly one data-input in the written form, and one the
// loader takes back as the same graph. The loader sees the file in text mode,
// so that is the text read back here. Two forms can be saved that the loader
// still refuses, by design: a node count of 0 or below gives the name alone,
// with no header, and a graph without links loads as 0. Every other form
// reads back to a graph whose written form, over the same headers, is the
// text itself. The headers are counted, not taken from the node count read
// back: a keyboard link to a node above n is written under its lower end and
// reads back with that node as the node count.
inline void check_written_form(std::string_view text) {
    const std::string_view open = "[U \"";
    FUZZ_CHECK(text.size() <= MAX_DATA_INPUT_CHARS && text.substr(0, open.size()) == open);
    FUZZ_CHECK(text.find(']') == text.size() - 1);
    const std::size_t close_quote = text.find('"', open.size());
    FUZZ_CHECK(close_quote != std::string_view::npos &&
               close_quote - open.size() <= static_cast<std::size_t>(NAME_MAX_CHARS));
    const auto headers = static_cast<std::int32_t>(
        std::count(text.begin() + static_cast<std::ptrdiff_t>(close_quote), text.end(), '('));
    if (headers == 0) {
        FUZZ_CHECK(close_quote == text.size() - 2);
        return;
    }
    std::istringstream file{std::string(text)};
    DataInputReader reader(file);
    DataInput input;
    FUZZ_CHECK(reader.next(input));
    UGraph back;
    FUZZ_CHECK(read_graph(input, back).ok());
    check_canonical(back);
    FUZZ_CHECK(back.node_count() >= headers);
    back.set_node_count(headers);
    FUZZ_CHECK(written_form(back) == text);
}

// One fuzz input laid out for a run: its data file in the scratch folder,
// its typed answers behind a console whose output is kept, and the notes
// told beside it.
struct FuzzSession {
    FuzzSession(const std::uint8_t* data, std::size_t size)
        : input(split_input(data, size)), typed(input.typed) {
        scratch().lay_data_file(input.file);
    }
    FuzzInput input;
    std::istringstream typed;
    std::ostringstream shown;
    std::ostringstream notes;
    Console console{typed, shown};
};

}  // namespace ugraph_fuzz
