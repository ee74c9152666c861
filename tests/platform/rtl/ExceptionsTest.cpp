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
        rtl::RaiseInOutError("open", "missing.txt", ENOENT);
        FAIL() << "no exception";
    } catch (const rtl::EInOutError& e) {
        EXPECT_EQ(e.ErrorCode, ENOENT);
        EXPECT_NE(e.Message().find("missing.txt"), std::string::npos);
        EXPECT_NE(e.Message().find("No such file"), std::string::npos);
    }
}

TEST(Exceptions, PersistentAssignWithoutSupportFails)
{
    rtl::TPersistent a, b;
    EXPECT_THROW(a.Assign(&b), rtl::EConvertError);
}

}  // namespace
