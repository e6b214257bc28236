#pragma once
// error_number: a Windows error (GetLastError) as the platform's errno-style
// number: the POSIX one where the condition has one (ENOENT, EACCES, ...),
// else one of the Windows side's own, which describe() tells.
#include <windows.h>

namespace ugraph {

int error_number(DWORD error);

}  // namespace ugraph
