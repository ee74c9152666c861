// Character helpers of the grid utilities: platform case tables plus the Unicode categories of glib.
#include "grid/foundation/ExtUtilUnicode.h"

#include "platform/rtl/StrUtils.h"

#include <glib.h>

namespace grid {

char32_t UpperChar(char32_t ch)
{
    if (ch < 0x80) return (ch >= 'a' && ch <= 'z') ? ch - 32 : ch;
    return rtl::AnsiUpperChar(ch);
}

char32_t LowerChar(char32_t ch)
{
    if (ch < 0x80) return (ch >= 'A' && ch <= 'Z') ? ch + 32 : ch;
    return rtl::AnsiLowerChar(ch);
}

std::u32string UpperU32(std::u32string_view text)
{
    std::u32string out(text);
    for (char32_t& ch : out) ch = UpperChar(ch);
    return out;
}

bool IsUnicodeNumber(char32_t ch)
{
    if (ch < 0x80) return ch >= '0' && ch <= '9';
    switch (g_unichar_type(static_cast<gunichar>(ch))) {
    case G_UNICODE_DECIMAL_NUMBER:
    case G_UNICODE_LETTER_NUMBER:
    case G_UNICODE_OTHER_NUMBER:
        return true;
    default:
        return false;
    }
}

bool IsCombiningMark(char32_t ch)
{
    if (ch < 0x300) return false;
    switch (g_unichar_type(static_cast<gunichar>(ch))) {
    case G_UNICODE_NON_SPACING_MARK:
    case G_UNICODE_SPACING_MARK:
    case G_UNICODE_ENCLOSING_MARK:
        return true;
    default:
        return false;
    }
}

}  // namespace grid
