#pragma once
// DataSource: the data file of a command that only reads it (list, show,
// export). "-" is standard input, as is a path that leads to it when it is
// a pipe or a terminal (/dev/stdin), read as the stream it is; any other
// path is the data file, read as storage reads it.
//
// open_or_tell gives the source, or nothing after telling on `err` why the
// file cannot be read; a data file is held locked shared (see lock_file)
// while the source lives, after one line on `err` if another program makes
// it wait. name() is how messages name it: the path as given,
// or "standard input".
#include <filesystem>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

#include "storage/data_file_stream.hpp"

namespace ugraph {

inline constexpr const char* STANDARD_STREAM = "-";

class DataSource {
public:
    static std::unique_ptr<DataSource> open_or_tell(const std::filesystem::path& file,
                                                    std::istream& in, std::ostream& err);

    DataSource(std::istream& in, std::string name, std::unique_ptr<DataFileStream> file);
    std::istream& stream() { return file_ ? file_->stream() : in_; }
    const std::string& name() const { return name_; }

private:
    std::istream& in_;
    std::string name_;
    std::unique_ptr<DataFileStream> file_;  // none for standard input
};

}  // namespace ugraph
