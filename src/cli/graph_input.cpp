#include "cli/graph_input.hpp"

#include <array>
#include <charconv>
#include <filesystem>
#include <ios>

#include "cli/command_status.hpp"
#include "cli/data_source.hpp"
#include "common/path_text.hpp"
#include "datainput/stored_name.hpp"

namespace ugraph {

namespace {

bool ends_in_digit(std::string_view text) {
    return !text.empty() && text.back() >= '0' && text.back() <= '9';
}

// Cuts the text to at most `room` bytes, never inside a UTF-8 character;
// gives true when anything went.
bool cut_to(std::string& text, std::size_t room) {
    if (text.size() <= room) {
        return false;
    }
    while (room > 0 && (static_cast<unsigned char>(text[room]) & 0xC0) == 0x80) {
        --room;
    }
    text.resize(room);
    return true;
}

// As much as one read takes; a longer input streams through it.
constexpr std::size_t INPUT_BUFFER_BYTES = std::size_t{64} * 1024;

}  // namespace

InputBuffer::InputBuffer(const Platform& platform, FileHandle file)
    : platform_(platform), file_(file), buffer_(INPUT_BUFFER_BYTES) {}

InputBuffer::int_type InputBuffer::underflow() {
    if (gptr() < egptr()) {
        return traits_type::to_int_type(*gptr());
    }
    std::size_t got = 0;
    if (const int error = platform_.read(file_, buffer_.data(), buffer_.size(), got); error != 0) {
        // The stream catches it and turns bad, as on any failed read.
        throw std::ios_base::failure(platform_.describe(error));
    }
    if (got == 0) {
        return traits_type::eof();
    }
    setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
    return traits_type::to_int_type(*gptr());
}

std::string imported_name(std::string_view base, std::optional<long> number, bool& cut) {
    std::string name;
    for (const char c : base) {
        const auto code = static_cast<unsigned char>(c);
        const bool refused =
            code < 0x20 || code == 0x7f || NAME_FORBIDDEN_CHARS.find(c) != std::string_view::npos;
        name += refused ? '_' : c;
    }
    const std::string digits = number ? std::to_string(*number) : "";
    const auto room = [&](bool parted) {
        const std::size_t used = digits.size() + (parted ? 1 : 0);
        return used < static_cast<std::size_t>(NAME_MAX_CHARS) ? NAME_MAX_CHARS - used : 0;
    };
    cut = cut_to(name, room(number && ends_in_digit(name)));
    // What the cut kept decides the '-'; room is made for it when needed.
    const bool parted = number && ends_in_digit(name);
    cut = cut_to(name, room(parted)) || cut;
    name += parted ? "-" + digits : digits;
    cut_to(name, NAME_MAX_CHARS);
    return name;
}

std::string imported_name(std::string_view base, std::optional<long> number) {
    bool cut = false;
    return imported_name(base, number, cut);
}

std::unique_ptr<GraphInput> GraphInput::open_or_tell(const std::string& input,
                                                     CommandContext& context) {
    auto opened = std::make_unique<GraphInput>(context.in);
    if (input.empty() || input == STANDARD_STREAM) {
        return opened;
    }
    FileHandle file = NO_FILE;
    if (const int error = context.platform.open_input(path_from_utf8(input), file); error != 0) {
        tell_error(context.err,
                   "cannot read " + input + " (" + context.platform.describe(error) + ")");
        return nullptr;
    }
    opened->file_ = UniqueFile(context.platform, file);
    opened->buffer_ = std::make_unique<InputBuffer>(context.platform, file);
    opened->file_stream_ = std::make_unique<std::istream>(opened->buffer_.get());
    opened->stream_ = opened->file_stream_.get();
    opened->source_name_ = input;
    opened->default_name_ = utf8_of(path_from_utf8(input).stem());
    return opened;
}

int GraphInput::tell_unreadable(std::ostream& err) const {
    tell_error(err, cannot_read_to_end(source_name_));
    return EXIT_USAGE;
}

ImportedGraphs::ImportedGraphs(GraphImporter& importer, std::string base, std::string source,
                               ImportTelling telling, std::ostream& err)
    : importer_(importer),
      base_(std::move(base)),
      source_(std::move(source)),
      telling_(telling),
      err_(err) {}

bool ImportedGraphs::several() {
    if (!started_) {
        started_ = true;
        have_ = importer_.next(*current_);
        have_following_ = have_ && importer_.next(*following_);
        several_ = have_following_;
    }
    return several_;
}

void ImportedGraphs::tell(const std::vector<std::size_t>& lines, const std::string& what) const {
    std::string where = lines.size() == 1 ? "line " : "lines ";
    for (std::size_t k = 0; k < lines.size(); ++k) {
        where += k == 0 ? "" : k + 1 == lines.size() ? " and " : ", ";
        where += std::to_string(lines[k]);
    }
    tell_error(err_, where + " of " + source_ + ": " + what);
}

void ImportedGraphs::tell(std::size_t line, const std::string& what) const {
    tell(std::vector<std::size_t>{line}, what);
}

bool ImportedGraphs::admit(ImportedGraph& imported, std::optional<long> number) {
    if (!imported.taken) {
        const Refusal& refusal = imported.taken.refusal();
        tell(imported.line, refusal.reason + (refusal.kind == Refusal::Kind::label_zero
                                                  ? "; --base 0 reads labels from 0"
                                                  : ""));
        status_ = EXIT_NOT_LOADED;
        return false;
    }
    if (!telling_.names_read) {
        return admit_unnamed(imported);
    }
    bool cut = false;
    // A name the document gives its graph is kept, without a running number.
    std::string own;
    std::string_view name;
    if (!imported.own_name.empty() || !number) {
        own = imported_name(!imported.own_name.empty() ? imported.own_name : base_, std::nullopt,
                            cut);
        name = own;
    } else {
        name = numbered_name(*number, cut);
    }
    set_name(imported.graph.name, name);
    if (cut && telling_.names_written && !cut_told_) {
        cut_told_ = true;
        tell(imported.line, std::string(number && several_ ? "names are" : "the name is") +
                                " cut to " + std::to_string(NAME_MAX_CHARS) +
                                " characters, as in '" + std::string(name) + "'");
    }
    return admit_unnamed(imported);
}

bool ImportedGraphs::admit_unnamed(const ImportedGraph& imported) const {
    for (const std::string& note : imported.notes) {
        tell(imported.line, note);
    }
    if (imported.added_nodes > 0 && telling_.holds_isolated) {
        const int nodes = imported.graph.node_count();
        tell(imported.line, counted(imported.added_nodes, "isolated node") +
                                " added, so that the labels run from " +
                                std::to_string(telling_.base) + " to " +
                                std::to_string(nodes - 1 + telling_.base) + " without a gap");
    }
    return true;
}

// The name of the graph after the last one named: its last digits counted
// on in place, while the number keeps its length.
bool ImportedGraphs::count_on(long number) {
    if (prefix_digits_ == 0 || number != numbered_number_ + 1) {
        return false;
    }
    for (std::size_t at = numbered_.size(); at > numbered_.size() - prefix_digits_; --at) {
        char& digit = numbered_[at - 1];
        if (digit != '9') {
            ++digit;
            numbered_number_ = number;
            return true;
        }
        digit = '0';
    }
    return false;  // all nines: the number grows a digit
}

std::string_view ImportedGraphs::numbered_name(long number, bool& cut) {
    cut = prefix_cut_;
    if (count_on(number)) {
        return numbered_;
    }
    numbered_number_ = number;
    // What becomes of the base depends on the number's length alone, so it
    // is made once per length and only the digits are added per graph.
    std::array<char, 24> buffer{};
    const char* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number).ptr;
    const std::string_view digits(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    if (digits.size() != prefix_digits_) {
        std::string whole = imported_name(base_, number, prefix_cut_);
        if (!whole.ends_with(digits)) {  // digits too many to fit
            prefix_digits_ = 0;
            cut = prefix_cut_;
            numbered_ = std::move(whole);
            return numbered_;
        }
        whole.resize(whole.size() - digits.size());
        prefix_ = std::move(whole);
        prefix_digits_ = digits.size();
    }
    cut = prefix_cut_;
    numbered_.assign(prefix_).append(digits);
    return numbered_;
}

}  // namespace ugraph
