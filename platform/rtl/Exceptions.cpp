// Raising helpers for the runtime layer's exceptions.
#include "platform/rtl/Exceptions.h"

#include <cerrno>
#include <cstring>

#include "platform/rtl/Paths.h"

namespace rtl {

void RaiseInOutError(const std::string& operation, const std::string& fileName, int err)
{
    // The name as this system writes it: the program's "\" separators and
    // drive letters would print a path that exists nowhere.
    const std::string shown = "\"" + DisplayPath(fileName) + "\"";
    const std::string prefix = "I/O error " + std::to_string(err) + ": ";
    if (operation == "open") {
        // Opening to read: a missing file, a folder in the file's place and a
        // file that cannot be read call for different remedies.
        if (err == ENOENT || err == ENOTDIR)
            throw EInOutError(prefix + shown + " not found", err);
        if (err == EISDIR)
            throw EInOutError(prefix + shown + " is a folder, not a file", err);
        throw EInOutError(prefix + shown + " cannot be read: " + std::strerror(err), err);
    }
    throw EInOutError(prefix + "cannot " + operation + " " + shown + ": " + std::strerror(err), err);
}

void RaiseFileModeError(int code, const std::string& operation, const std::string& fileName)
{
    const char* reason = "I/O error";
    switch (code) {
    case 102: reason = "File not assigned"; break;
    case 103: reason = "File not open"; break;
    case 104: reason = "File not open for input"; break;
    case 105: reason = "File not open for output"; break;
    default: break;
    }
    std::string message = "I/O error " + std::to_string(code) + ": cannot " + operation + " \"" +
                          DisplayPath(fileName) + "\": " + reason;
    throw EInOutError(message, code);
}

void RaiseListIndexError(long long index)
{
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

void RaiseStringListIndexError(long long index)
{
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace rtl
