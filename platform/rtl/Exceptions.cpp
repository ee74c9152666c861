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

void RaiseListIndexError(long long index)
{
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

void RaiseStringListIndexError(long long index)
{
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace rtl
