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
constexpr std::size_t RANDOM_PART = 6;
constexpr std::size_t CHECKSUM_DIGITS = 8;

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

bool is_hidden_name(std::string_view candidate, std::string_view stem) {
    if (candidate.size() != stem.size() + 1 + RANDOM_PART || !candidate.starts_with(stem) ||
        candidate[stem.size()] != '.') {
        return false;
    }
    return candidate.substr(stem.size() + 1).find_first_not_of(LETTERS) == std::string_view::npos;
}

}  // namespace

std::string hidden_stem(std::string_view name) {
    const std::size_t room = NAME_MAX_BYTES - 1 - RANDOM_PART;  // for ".XXXXXX"
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
    constexpr std::string_view HEX = "0123456789abcdef";
    stem += name.substr(0, cut);
    stem += '~';
    const std::uint32_t sum = checksum(name);
    for (std::size_t digit = CHECKSUM_DIGITS; digit-- > 0;) {
        stem += HEX[(sum >> (4 * digit)) & 0xF];
    }
    return stem;
}

std::filesystem::path link_to_fresh_name(
    const std::filesystem::path& folder, const std::string& name,
    const std::function<int(const std::filesystem::path&)>& make_name, int& error) {
    static std::mt19937 draw{std::random_device{}()};
    const std::string stem = hidden_stem(name);
    error = EEXIST;
    for (int tries = 0; tries < 100 && error == EEXIST; ++tries) {
        std::string hidden = stem + ".";
        for (std::size_t k = 0; k < RANDOM_PART; ++k) {
            hidden += LETTERS[draw() % LETTERS.size()];
        }
        std::filesystem::path path = folder / path_from_utf8(hidden);
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
    const std::string stems[] = {hidden_stem(name), hidden_stem(backup_name(name))};
    for (const std::string& found : names) {
        if (is_hidden_name(found, stems[0]) || is_hidden_name(found, stems[1])) {
            (void)platform.remove(folder / path_from_utf8(found));
        }
    }
}

}  // namespace ugraph
