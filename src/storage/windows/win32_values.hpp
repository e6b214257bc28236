#pragma once
// The Windows side's two translations of Win32 values into the platform's:
//   error_number  a Windows error (GetLastError) as the platform's
//                 errno-style number: the POSIX one where the condition has
//                 one (ENOENT, EACCES, ...), else one of the Windows side's
//                 own, which describe() tells;
//   handle_of     the HANDLE a FileHandle holds (the platform keeps handles
//                 as integers, as POSIX descriptors are).
#include <windows.h>

#include "storage/platform.hpp"

namespace ugraph {

int error_number(DWORD error);

inline HANDLE handle_of(FileHandle file) {
    // A HANDLE is an opaque pointer-sized value; the round trip through an
    // integer is how Win32 itself passes handles (_get_osfhandle).
    return reinterpret_cast<HANDLE>(file);  // NOLINT(performance-no-int-to-ptr)
}

}  // namespace ugraph
