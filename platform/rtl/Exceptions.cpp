// Raising helpers for the runtime layer's exceptions.
#include "platform/rtl/Exceptions.h"

#include <cstring>

namespace rtl {

void RaiseInOutError(const std::string& operation, const std::string& fileName, int err)
{
    std::string message = "I/O error " + std::to_string(err) + ": cannot " + operation + " \"" +
                          fileName + "\": " + std::strerror(err);
    throw EInOutError(message, err);
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
                          fileName + "\": " + reason;
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
