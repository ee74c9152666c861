// Default copying rules of TPersistent.
#include "platform/rtl/Object.h"

#include "platform/rtl/Exceptions.h"

namespace rtl {

void TPersistent::Assign(const TPersistent* source)
{
    if (source != nullptr) {
        source->AssignTo(this);
        return;
    }
    throw EConvertError("Cannot assign a nil to a " + ClassName());
}

void TPersistent::AssignTo(TPersistent* dest) const
{
    throw EConvertError("Cannot assign a " + ClassName() + " to a " + dest->ClassName());
}

}  // namespace rtl
