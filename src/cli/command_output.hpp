#pragma once
// CommandOutput: where export and convert put their text: standard output
// as it comes (in pieces of about FLUSH_AT bytes), or, with an OUTFILE, a
// file that is replaced in one piece once everything is written, so that a
// failed run never leaves half a file.
//
// text() is the text still to go; flush_if_full passes it on to standard
// output once it is large; finish passes on the rest, or replaces the file
// with it, and gives false after telling on `err` why the file could not be
// written.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace ugraph {

class CommandOutput {
public:
    static constexpr std::size_t FLUSH_AT = std::size_t{256} * 1024;

    CommandOutput(std::ostream& out, std::optional<std::filesystem::path> file);
    std::string& text() { return text_; }
    void flush_if_full();
    bool finish(std::ostream& err);

private:
    std::ostream& out_;
    std::optional<std::filesystem::path> file_;
    std::string text_;
};

}  // namespace ugraph
