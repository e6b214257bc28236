#pragma once
// What import and convert share on the reading side.
//
// GraphInput: INPUT, or standard input when INPUT is empty or "-": the
// stream, its name in messages ("standard input" or INPUT as given), and
// the name its graphs get by default (INPUT's file name without folder and
// extension, or "graph"), opened and read through the context's platform.
// open_or_tell tells on the context's error stream
// why INPUT cannot be read and gives nothing then; standard input is the
// context's. tell_unreadable tells that a read failed before the end and
// gives EXIT_USAGE.
//
// ImportedGraphs: the graphs of a GraphImporter one by one, each named by
// imported_name after `base` and, when the input holds more than one, its
// running number (refused graphs counted too). What it meets is told on
// `err` in one line each, "line L of SOURCE: ...", and leaves the exit
// status as it is, but for a refused graph, which makes it 1: the refusal
// (with the hint that --base 0 reads labels from 0 where a label 0 was
// refused); the isolated nodes a list did not name and that were added to
// number the nodes without a gap (when the output holds isolated nodes);
// the first name that had to be cut (when the output holds names).
//
// imported_name: `base` with every character a stored name may not hold
// (and every control character) made '_', cut so that the running number,
// when there is one, still fits in the name's 15 characters, a cut never
// splitting a UTF-8 character; a '-' parts the number from a base that ends
// in a digit, so that graph 1 of "g5" is "g5-1", never "g51".
#include <cstddef>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/command.hpp"
#include "interchange/graph_importer.hpp"
#include "storage/platform.hpp"
#include "storage/unique_file.hpp"

namespace ugraph {

std::string imported_name(std::string_view base, std::optional<long> number, bool& cut);
std::string imported_name(std::string_view base, std::optional<long> number);

// INPUT read through the platform from its start to its end, a buffer at a
// time; a read that fails makes the stream bad.
class InputBuffer : public std::streambuf {
public:
    InputBuffer(const Platform& platform, FileHandle file);

protected:
    int_type underflow() override;

private:
    const Platform& platform_;
    FileHandle file_;
    std::vector<char> buffer_;
};

class GraphInput {
public:
    static std::unique_ptr<GraphInput> open_or_tell(const std::string& input,
                                                    CommandContext& context);
    explicit GraphInput(std::istream& in) : stream_(&in) {}
    std::istream& stream() { return *stream_; }
    const std::string& source_name() const { return source_name_; }
    const std::string& default_name() const { return default_name_; }
    int tell_unreadable(std::ostream& err) const;

private:
    UniqueFile file_;
    std::unique_ptr<InputBuffer> buffer_;
    std::unique_ptr<std::istream> file_stream_;
    std::istream* stream_;
    std::string source_name_ = "standard input";
    std::string default_name_ = "graph";
};

struct ImportTelling {
    int base = 1;                // the lists' first label, for the added nodes
    bool names_written = true;   // tell a name that was cut
    bool holds_isolated = true;  // tell the isolated nodes a list's gaps added
    bool names_read = true;      // name each graph; without, the names stay empty
};

class ImportedGraphs {
public:
    ImportedGraphs(GraphImporter& importer, std::string base, std::string source,
                   ImportTelling telling, std::ostream& err);

    // Whether the input holds more than one graph, refused ones counted.
    bool several();

    // Calls take(graph) for every graph taken, named, in input order, while
    // take gives true (false: the output failed, and nothing more is read).
    template <typename Take>
    void run(Take&& take) {
        several();
        for (long index = 1; have_; ++index) {
            position_ = index;
            if (admit(*current_, several_ ? std::optional<long>(index) : std::nullopt) &&
                !take(*current_)) {
                return;
            }
            std::swap(current_, following_);
            have_ = have_following_;
            have_following_ = have_ && importer_.next(*following_);
        }
    }

    // "line L of SOURCE: what", and for several lines "lines 4, 7 and 9 of
    // SOURCE: what".
    void tell(const std::vector<std::size_t>& lines, const std::string& what) const;
    void tell(std::size_t line, const std::string& what) const;
    int status() const { return status_; }
    // The place in the input of the graph take() has, from 1, the refused
    // graphs counted.
    long position() const { return position_; }

private:
    bool admit(ImportedGraph& imported, std::optional<long> number);
    std::string_view numbered_name(long number, bool& cut);
    bool count_on(long number);
    // The telling of a graph taken, but for its name.
    bool admit_unnamed(const ImportedGraph& imported) const;

    GraphImporter& importer_;
    std::string base_;
    std::string source_;
    ImportTelling telling_;
    std::ostream& err_;
    // One graph is read ahead, to know whether the graphs get numbers; the
    // two places trade roles rather than contents.
    ImportedGraph first_;
    ImportedGraph second_;
    ImportedGraph* current_ = &first_;
    ImportedGraph* following_ = &second_;
    bool started_ = false;
    bool have_ = false;
    bool have_following_ = false;
    bool several_ = false;
    bool cut_told_ = false;
    int status_ = 0;
    long position_ = 0;
    // base_ made a name for numbers of prefix_digits_ digits (0: none yet),
    // without them: every graph's name but for its number.
    std::string prefix_;
    std::string numbered_;  // the last numbered name, its room kept for the next
    long numbered_number_ = 0;
    std::size_t prefix_digits_ = 0;
    bool prefix_cut_ = false;
};

}  // namespace ugraph
