// Exception classes of the runtime layer, with the class library's message texts.
#pragma once

#include <stdexcept>
#include <string>

namespace rtl {

// Base of every error the platform and the program raise; carries the message
// text shown to the user.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}
    const char* what() const noexcept override { return FMessage.c_str(); }
    const std::string& Message() const { return FMessage; }
    void SetMessage(std::string message) { FMessage = std::move(message); }

private:
    std::string FMessage;
};

#define RTL_DECLARE_EXCEPTION(Name, Base)          \
    class Name : public Base {                     \
    public:                                        \
        using Base::Base;                          \
    };

RTL_DECLARE_EXCEPTION(EAbort, Exception)
RTL_DECLARE_EXCEPTION(EConvertError, Exception)
RTL_DECLARE_EXCEPTION(EListError, Exception)
RTL_DECLARE_EXCEPTION(EStringListError, Exception)
RTL_DECLARE_EXCEPTION(EInvalidCast, Exception)
RTL_DECLARE_EXCEPTION(EInvalidOperation, Exception)
RTL_DECLARE_EXCEPTION(EInvalidPointer, Exception)
RTL_DECLARE_EXCEPTION(EStreamError, Exception)
RTL_DECLARE_EXCEPTION(EFCreateError, EStreamError)
RTL_DECLARE_EXCEPTION(EFOpenError, EStreamError)
RTL_DECLARE_EXCEPTION(EReadError, EStreamError)
RTL_DECLARE_EXCEPTION(EWriteError, EStreamError)
RTL_DECLARE_EXCEPTION(EIniFileException, Exception)
RTL_DECLARE_EXCEPTION(ERegistryException, Exception)
RTL_DECLARE_EXCEPTION(EOSError, Exception)
RTL_DECLARE_EXCEPTION(EMathError, Exception)
RTL_DECLARE_EXCEPTION(EZeroDivide, EMathError)
RTL_DECLARE_EXCEPTION(EOverflow, EMathError)
RTL_DECLARE_EXCEPTION(ERangeError, Exception)
RTL_DECLARE_EXCEPTION(EOutOfMemory, Exception)
RTL_DECLARE_EXCEPTION(EAssertionFailed, Exception)
RTL_DECLARE_EXCEPTION(EComponentError, Exception)
RTL_DECLARE_EXCEPTION(EPrinter, Exception)

#undef RTL_DECLARE_EXCEPTION

// Input/output error of a text or typed file; carries the operating-system
// error code and says what failed, with the file name and the system's reason.
class EInOutError : public Exception {
public:
    EInOutError(std::string message, int errorCode)
        : Exception(std::move(message)), ErrorCode(errorCode) {}
    int ErrorCode;
};

// Raises EInOutError for a failed operation on a file: the message names the
// file, the operation and the system's reason for errno value `err`.
[[noreturn]] void RaiseInOutError(const std::string& operation, const std::string& fileName, int err);

// Raises EInOutError for using a text file in the wrong state, with the class
// library's codes and texts: 102 "File not assigned", 103 "File not open",
// 104 "File not open for input", 105 "File not open for output".
[[noreturn]] void RaiseFileModeError(int code, const std::string& operation, const std::string& fileName);

// "List index out of bounds (%d)" as an EListError / EStringListError.
[[noreturn]] void RaiseListIndexError(long long index);
[[noreturn]] void RaiseStringListIndexError(long long index);

}  // namespace rtl
