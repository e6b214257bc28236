#include "datainput/file_place.hpp"

#include <algorithm>
#include <string_view>

namespace ugraph {

FilePlace place_in_file(const DataInput& input, std::size_t character) {
    const std::string_view before =
        std::string_view(input.text).substr(0, std::max<std::size_t>(character, 1) - 1);
    const auto line_ends =
        static_cast<std::uint64_t>(std::count(before.begin(), before.end(), '\n'));
    if (line_ends == 0) {
        return {input.line, input.column + before.size()};
    }
    return {input.line + line_ends, before.size() - before.rfind('\n')};
}

std::string placed_reason(const std::string& reason, const DataInput& input) {
    constexpr std::string_view mark = "at character ";
    std::string placed;
    std::size_t from = 0;
    for (std::size_t at = reason.find(mark); at != std::string::npos;
         at = reason.find(mark, from)) {
        const std::size_t digits = at + mark.size();
        std::size_t past = digits;
        while (past < reason.size() && reason[past] >= '0' && reason[past] <= '9') {
            ++past;
        }
        placed.append(reason, from, at - from);
        from = past;
        if (past == digits) {
            placed.append(mark);
            continue;
        }
        const FilePlace place =
            place_in_file(input, std::stoul(reason.substr(digits, past - digits)));
        placed +=
            "at line " + std::to_string(place.line) + ", column " + std::to_string(place.column);
    }
    placed.append(reason, from);
    return placed;
}

}  // namespace ugraph
