#pragma once
// File names as text. The program holds every file name as UTF-8 (the
// command line's, the messages'); a std::filesystem::path made from a plain
// string, or its string(), would instead use the system's narrow code page,
// which on Windows turns "ñ" into "Ã±" and "Γ" into "G". These two go
// through char8_t, which means UTF-8 everywhere: on Linux, where names are
// bytes, they copy them unchanged.
//   path_from_utf8  the path a UTF-8 name stands for.
//   utf8_of         a path's name in UTF-8, for a message or a new name.
#include <filesystem>
#include <string>
#include <string_view>

namespace ugraph {

inline std::filesystem::path path_from_utf8(std::string_view name) {
    return {std::u8string(name.begin(), name.end())};
}

inline std::string utf8_of(const std::filesystem::path& path) {
    const std::u8string name = path.u8string();
    return {name.begin(), name.end()};
}

}  // namespace ugraph
