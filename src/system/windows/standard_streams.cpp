// Windows: the wide command line, and the C runtime's text and binary modes
// of the standard streams.
#include "system/standard_streams.hpp"

#include <fcntl.h>
#include <io.h>
#include <windows.h>  // CommandLineToArgvW too, from <shellapi.h> under it

#include <cstdio>

namespace ugraph {
namespace {

std::string utf8_of(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string converted(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, converted.data(), size, nullptr, nullptr);
    converted.pop_back();  // the closing null
    return converted;
}

void set_modes(int mode) {
    for (FILE* stream : {stdin, stdout, stderr}) {
        (void)_setmode(_fileno(stream), mode);
    }
}

}  // namespace

std::vector<std::string> utf8_arguments(int argc, char** argv) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        return {argv, argv + argc};
    }
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        arguments.push_back(utf8_of(wide[k]));
    }
    LocalFree(static_cast<void*>(wide));
    return arguments;
}

void streams_for_commands() { set_modes(_O_BINARY); }

void streams_for_dialogue() { set_modes(_O_TEXT); }

bool standard_streams_are_a_terminal() {
    // Only a console has a console mode.
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0 &&
           GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

bool standard_error_is_a_terminal() {
    // Not _isatty, which also says yes for NUL and every other character device.
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

}  // namespace ugraph
