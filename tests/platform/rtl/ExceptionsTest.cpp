#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Object.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace {

TEST(Exceptions, ListIndexErrorsCarryTheClassLibraryText)
{
    try {
        rtl::RaiseStringListIndexError(7);
        FAIL() << "no exception";
    } catch (const rtl::EStringListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (7)");
    }
    EXPECT_THROW(rtl::RaiseListIndexError(-1), rtl::EListError);
}

TEST(Exceptions, InOutErrorNamesTheFileAndReason)
{
    try {
        rtl::RaiseInOutError("create", "missing.txt", ENOENT);
        FAIL() << "no exception";
    } catch (const rtl::EInOutError& e) {
        EXPECT_EQ(e.ErrorCode, ENOENT);
        EXPECT_NE(e.Message().find("missing.txt"), std::string::npos);
        EXPECT_NE(e.Message().find("No such file"), std::string::npos);
    }
}

// Messages show the program's "\" paths with this system's separators, and a
// file opened for reading tells "not found", "is a folder" and "cannot be read"
// apart.
TEST(Exceptions, InOutErrorShowsSystemSeparatorsAndTellsReadFailuresApart)
{
    struct TCase {
        const char* Operation;
        int Err;
        const char* Message;
    };
    const TCase cases[] = {
        {"write", ENOSPC, "I/O error 28: cannot write \"out/input/soil/10km0001.soi\": No space left on device"},
        {"write", EFBIG, "I/O error 27: cannot write \"out/input/soil/10km0001.soi\": File too large"},
        {"open", ENOENT, "I/O error 2: \"out/input/soil/10km0001.soi\" not found"},
        {"open", EISDIR, "I/O error 21: \"out/input/soil/10km0001.soi\" is a folder, not a file"},
        {"open", EACCES, "I/O error 13: \"out/input/soil/10km0001.soi\" cannot be read: Permission denied"},
    };
    for (const TCase& c : cases) {
        try {
            rtl::RaiseInOutError(c.Operation, "out\\input\\soil\\10km0001.soi", c.Err);
            ADD_FAILURE() << "no exception";
        } catch (const rtl::EInOutError& e) {
            EXPECT_EQ(e.Message(), c.Message);
            EXPECT_EQ(e.ErrorCode, c.Err);
        }
    }
}

TEST(Exceptions, PersistentAssignWithoutSupportFails)
{
    rtl::TPersistent a, b;
    EXPECT_THROW(a.Assign(&b), rtl::EConvertError);
}

}  // namespace
