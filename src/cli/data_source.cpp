#include "cli/data_source.hpp"

#include <utility>

#include "cli/command_status.hpp"
#include "common/path_text.hpp"
#include "storage/file_access.hpp"
#include "storage/storage_messages.hpp"

namespace ugraph {

DataSource::DataSource(std::istream& in, std::string name, std::unique_ptr<DataFileStream> file)
    : in_(in), name_(std::move(name)), file_(std::move(file)) {}

std::unique_ptr<DataSource> DataSource::open_or_tell(const std::filesystem::path& file,
                                                     std::istream& in, std::ostream& err) {
    if (file == STANDARD_STREAM || leads_to_standard_input(file, system_platform())) {
        return std::make_unique<DataSource>(in, "standard input", nullptr);
    }
    Result<std::unique_ptr<DataFileStream>> data = DataFileStream::open(
        file, {.waiting = [&] { tell_error(err, waiting_note(file)); }}, system_platform());
    if (!data) {
        tell_error(err, cannot_read(file, data.reason()));
        return nullptr;
    }
    return std::make_unique<DataSource>(in, utf8_of(file), std::move(data.value()));
}

}  // namespace ugraph
