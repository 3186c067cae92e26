#pragma once

#include <cerrno>

// What a file operation did: success, or why it failed as an errno value
// (EACCES, ENOSPC, ELOOP …) for the caller to put into words. A path that
// is no regular file is refused with EISDIR (a folder) or EINVAL (a FIFO, a
// device, a socket), before anything waits on it.
namespace fileio {

class [[nodiscard]] Status
{
public:
    Status() = default; // success

    // A failure; 0 (a step that failed without saying why) becomes EIO.
    static Status Failure(int error) { return Status(error != 0 ? error : EIO); }
    // The failure that errno tells of now.
    static Status FromErrno() { return Failure(errno); }

    bool ok() const { return error_ == 0; }
    explicit operator bool() const { return ok(); }
    // The errno value of the failure; 0 on success.
    int error() const { return error_; }

private:
    explicit Status(int error) : error_(error) {}

    int error_ = 0;
};

} // namespace fileio
