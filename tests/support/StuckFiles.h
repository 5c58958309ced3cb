#pragma once

// A file system that stops in the middle of a save, for the tests of what a
// save does when a file cannot be replaced or removed after its commit,
// which nothing on a sound disk makes happen. Include it in one source file
// of a test program: its rename() and unlink() stand in for the C library's
// for every caller in the program.

#include <atomic>
#include <cerrno>
#include <cstring>
#include <dlfcn.h>

namespace StuckFiles {

// While set, no file whose name holds "Stuck" can be replaced or removed:
// both fail with EIO.
inline std::atomic<bool> stuck{false};

inline bool refuses(const char *name)
{
    if (stuck && std::strstr(name, "Stuck")) {
        errno = EIO;
        return true;
    }
    return false;
}

} // namespace StuckFiles

extern "C" int rename(const char *from, const char *to) noexcept
{
    using Rename = int (*)(const char *, const char *);
    static const auto real = reinterpret_cast<Rename>(::dlsym(RTLD_NEXT, "rename"));
    return StuckFiles::refuses(to) ? -1 : real(from, to);
}

extern "C" int unlink(const char *name) noexcept
{
    using Unlink = int (*)(const char *);
    static const auto real = reinterpret_cast<Unlink>(::dlsym(RTLD_NEXT, "unlink"));
    return StuckFiles::refuses(name) ? -1 : real(name);
}
