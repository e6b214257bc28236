#include "storage/storage_messages.hpp"

#include "common/path_text.hpp"
#include "storage/data_file.hpp"
#include "storage/file_lock.hpp"

namespace ugraph {

namespace {

std::string patience_words() { return std::to_string(LOCK_PATIENCE.count()) + " seconds"; }

}  // namespace

std::string in_use_reason() { return "still in use by another program after " + patience_words(); }

std::string replace_failure(const std::filesystem::path& file, const Refusal& refusal) {
    if (refusal.kind == Refusal::Kind::reason) {
        return refusal.reason;
    }
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

std::string missing_folder(const std::filesystem::path& file, const std::filesystem::path& folder) {
    return "cannot write " + utf8_of(file) + ": its folder " + utf8_of(folder) +
           " does not exist; nothing was written";
}

std::string waiting_note(const std::filesystem::path& file) {
    return utf8_of(file) + " is in use by another program; waiting up to " + patience_words() +
           " for it";
}

std::string no_backup_note(const std::filesystem::path& file) {
    return "the folder of " + utf8_of(file) +
           " refuses new files, so it was rewritten in place and no backup of its previous "
           "content could be kept";
}

std::string backup_elsewhere_note(const std::filesystem::path& file,
                                  const std::filesystem::path& backup) {
    return backup_name(utf8_of(file)) +
           " belongs to another user and cannot be replaced, so the previous content of " +
           utf8_of(file) + " was kept as " + utf8_of(backup);
}

std::string rewrite_undone_note(const std::filesystem::path& file,
                                const std::filesystem::path& journal) {
    return "a rewrite of " + utf8_of(file) + " had been cut short; its previous content, kept in " +
           utf8_of(journal) + ", was put back";
}

std::string interrupted_rewrite_stands(const std::filesystem::path& file,
                                       const std::string& reason) {
    return "a rewrite of " + utf8_of(file) +
           " had been cut short, and its previous content cannot be put back (" + reason + ")";
}

std::string rewrite_not_undone(const std::filesystem::path& file, const std::string& reason,
                               const std::filesystem::path& journal) {
    return "cannot write file " + utf8_of(file) + " (" + reason +
           "); its previous content is kept whole in " + utf8_of(journal) +
           ", and the next run of ugraph on the file puts it back";
}

std::string cannot_read(const std::filesystem::path& file, const std::string& reason) {
    return "cannot read " + utf8_of(file) + " (" + reason + ")";
}

std::string not_closed_at_end(const std::filesystem::path& file) {
    return utf8_of(file) +
           " ends inside a data-input that is not closed by ']'; nothing was appended";
}

std::string edit_refused(const std::filesystem::path& file, std::string_view undone,
                         const std::string& reason) {
    std::string text = "nothing was ";
    text += undone;
    text += ' ';
    text += utf8_of(file);
    text += ": ";
    return text + reason;
}

}  // namespace ugraph
