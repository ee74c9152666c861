// Tests of finding a caption's accelerator.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/Accelerator.h"

namespace {

TEST(Accelerator, TheLetterAfterASingleAmpersandMatchesWithoutRegardToCase)
{
    struct Case {
        const char* caption;
        char32_t key;
        bool accel;
    };
    const Case cases[] = {
        {"&File", U'f', true},
        {"&File", U'F', true},
        {"&File", U'i', false},
        {"Save &as", U'A', true},
        {"a&&b", U'b', false},      // "&&" is a literal ampersand
        {"&&&Go", U'g', true},      // the single one after the literal counts
        {"&One &Two", U't', false}, // only the first single ampersand marks a letter
        {"No marker", U'n', false},
        {"Ends with &", U'&', false},
        {"&1st", U'1', true},
        {"\xC3\xA9t\xC3\xA9 &\xC3\xA9", U'\u00E9', false},  // only plain ASCII characters
        {"&\xC3\xA9", static_cast<char32_t>(0xC3), false},    // never a byte of a longer character
    };
    for (const Case& c : cases) EXPECT_EQ(ui::IsAccel(c.key, c.caption), c.accel) << c.caption << " / " << static_cast<unsigned>(c.key);
}

}  // namespace
