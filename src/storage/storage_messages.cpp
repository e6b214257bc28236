#include "storage/storage_messages.hpp"

#include "common/path_text.hpp"
#include "storage/data_file.hpp"

namespace ugraph {

std::string replace_failure(const std::filesystem::path& file, const Refusal& refusal) {
    const std::string name = utf8_of(file);
    const std::string kept = "; " + name + " was left as it was";
    const std::string left = "; it was left as it was";
    switch (refusal.kind) {
        case Refusal::Kind::link:
            return name + " is " + refusal.reason + "; it was not followed and nothing was written";
        case Refusal::Kind::folder:
            return "cannot write in the folder of " + name + " (" + refusal.reason + ")" + kept;
        case Refusal::Kind::busy:
            return name + " is " + refusal.reason + left;
        case Refusal::Kind::backup:
            return "cannot keep the previous content of " + name + " as " + backup_name(name) +
                   " (" + refusal.reason + ")" + kept;
        default:
            break;
    }
    return "cannot write file " + name + " (" + refusal.reason + ")" + left;
}

std::string waiting_note(const std::filesystem::path& file) {
    return utf8_of(file) + " is in use by another program; waiting up to 10 seconds for it";
}

std::string no_backup_note(const std::filesystem::path& file) {
    return "the folder of " + utf8_of(file) +
           " refuses new files, so it was rewritten in place and no backup of its previous "
           "content could be kept";
}

std::string cannot_read(const std::filesystem::path& file, const std::string& reason) {
    return "cannot read " + utf8_of(file) + " (" + reason + ")";
}

std::string not_closed_at_end(const std::filesystem::path& file) {
    return utf8_of(file) +
           " ends inside a data-input that is not closed by ']'; nothing was appended";
}

}  // namespace ugraph
