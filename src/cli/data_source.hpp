#pragma once
// DataSource: the data file of a command that only reads it (list, show,
// export). "-" is standard input, as is a path that leads to it when it is
// a pipe or a terminal (/dev/stdin), read as the stream it is; any other
// path is the data file, read as storage reads it.
//
// open_or_tell gives the source, read through the context's platform (its
// standard input for "-"), or nothing after telling on the context's error
// stream why the file cannot be read; a data file is held locked shared (see
// lock_file) while the source lives, after one line if another program makes
// it wait. name() is how messages name it: the path as given, or "standard
// input". tell_unreadable tells that a read failed before the end and gives
// EXIT_USAGE.
#include <filesystem>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "cli/command.hpp"
#include "storage/data_file_stream.hpp"

namespace ugraph {

inline constexpr const char* STANDARD_STREAM = "-";

class DataSource {
public:
    static std::unique_ptr<DataSource> open_or_tell(const std::filesystem::path& file,
                                                    CommandContext& context);

    DataSource(std::istream& in, std::string name, std::unique_ptr<DataFileStream> file);
    std::istream& stream() { return file_ ? file_->stream() : in_; }
    const std::string& name() const { return name_; }
    int tell_unreadable(std::ostream& err) const;

private:
    std::istream& in_;
    std::string name_;
    std::unique_ptr<DataFileStream> file_;  // none for standard input
};

}  // namespace ugraph
