#pragma once

#include <QString>

#include <cerrno>
#include <cstring>

// What the system says of its own errors, for the record files' readers and
// writers.
namespace SystemError {

// The system's text for `error` (errno by default), as a message's detail.
inline QString text(int error = errno)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// A name that cannot be there: missing, or a folder of it missing.
inline bool isMissing(int error)
{
    return error == ENOENT || error == ENOTDIR || error == ENAMETOOLONG;
}

} // namespace SystemError
