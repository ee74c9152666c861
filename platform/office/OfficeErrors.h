// The error raised when an office file cannot be read: it names the file and what is wrong.
#pragma once

#include "platform/rtl/Exceptions.h"

namespace office {

class EOfficeFileError : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};

}  // namespace office
