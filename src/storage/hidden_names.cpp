#include "storage/hidden_names.hpp"

#include <cerrno>
#include <cstdint>
#include <random>
#include <vector>

#include "common/path_text.hpp"
#include "storage/data_file.hpp"

namespace ugraph {
namespace {

constexpr std::string_view LETTERS =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::string_view HEX = "0123456789abcdef";
constexpr std::string_view MARK = ".~ugraph.";
constexpr std::string_view JOURNAL = ".~ugraph-journal";
constexpr std::size_t RANDOM_PART = 6;
constexpr std::size_t CHECK_DIGITS = 4;
constexpr std::size_t CHECKSUM_DIGITS = 8;
constexpr std::size_t SUFFIX = MARK.size() + RANDOM_PART + CHECK_DIGITS;
static_assert(JOURNAL.size() <= SUFFIX);

// FNV-1a: the same for the same name in every run and every build, which
// std::hash does not promise, so a later run finds what an earlier one left.
std::uint32_t checksum(std::string_view text) {
    constexpr std::uint32_t OFFSET = 2166136261U;
    constexpr std::uint32_t PRIME = 16777619U;
    std::uint32_t sum = OFFSET;
    for (const char c : text) {
        sum = (sum ^ static_cast<unsigned char>(c)) * PRIME;
    }
    return sum;
}

void append_hex(std::string& to, std::uint32_t value, std::size_t digits) {
    for (std::size_t digit = digits; digit-- > 0;) {
        to += HEX[(value >> (4 * digit)) & 0xF];
    }
}

}  // namespace

std::string hidden_stem(std::string_view name) {
    const std::size_t room = NAME_MAX_BYTES - SUFFIX;
    // Built up piece by piece: GCC 12 sees a false overlap in a chained "+".
    std::string stem = ".";
    if (1 + name.size() <= room) {
        stem += name;
        return stem;
    }
    std::size_t cut = room - 1 - 1 - CHECKSUM_DIGITS;  // ".", "~" and the digits
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) {
        --cut;  // not inside a UTF-8 character
    }
    stem += name.substr(0, cut);
    stem += '~';
    append_hex(stem, checksum(name), CHECKSUM_DIGITS);
    return stem;
}

std::string fresh_hidden_name(std::string_view name) {
    static std::mt19937 draw{std::random_device{}()};
    std::string hidden = hidden_stem(name);
    hidden += MARK;
    for (std::size_t k = 0; k < RANDOM_PART; ++k) {
        hidden += LETTERS[draw() % LETTERS.size()];
    }
    append_hex(hidden, checksum(hidden), CHECK_DIGITS);
    return hidden;
}

bool is_hidden_name(std::string_view candidate, std::string_view name) {
    const std::string stem = hidden_stem(name);
    if (candidate.size() != stem.size() + SUFFIX || !candidate.starts_with(stem) ||
        candidate.substr(stem.size(), MARK.size()) != MARK) {
        return false;
    }
    const std::string_view random = candidate.substr(stem.size() + MARK.size(), RANDOM_PART);
    if (random.find_first_not_of(LETTERS) != std::string_view::npos) {
        return false;
    }
    std::string expected(candidate.substr(0, candidate.size() - CHECK_DIGITS));
    append_hex(expected, checksum(expected), CHECK_DIGITS);
    return expected == candidate;
}

std::string journal_name(std::string_view name) {
    std::string journal = hidden_stem(name);
    journal += JOURNAL;
    return journal;
}

std::filesystem::path link_to_fresh_name(
    const std::filesystem::path& folder, const std::string& name,
    const std::function<int(const std::filesystem::path&)>& make_name, int& error) {
    error = EEXIST;
    for (int tries = 0; tries < 100 && error == EEXIST; ++tries) {
        std::filesystem::path path = folder / path_from_utf8(fresh_hidden_name(name));
        error = make_name(path);
        if (error == 0) {
            return path;
        }
    }
    return {};
}

void clear_leftovers(const std::filesystem::path& folder, const std::string& name,
                     const Platform& platform) {
    std::vector<std::string> names;
    if (platform.list_folder(folder, names) != 0) {
        return;  // nothing is cleared, and the replacement goes on
    }
    const std::string backup = backup_name(name);
    for (const std::string& found : names) {
        if (is_hidden_name(found, name) || is_hidden_name(found, backup)) {
            (void)platform.remove(folder / path_from_utf8(found));
        }
    }
}

}  // namespace ugraph
