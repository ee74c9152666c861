// Character-level rewrites of a text: accents removed, names capitalised, password masking.
#include "grid/foundation/ExtUtilTextForms.h"

#include "grid/foundation/ExtUtilUnicode.h"
#include "platform/rtl/Utf8.h"

#include <glib.h>

namespace grid {

std::string RemoveAccents(std::string_view text)
{
    // Decompose, drop the combining marks and compose again: letters of any script,
    // symbols and texts of any length survive; only the separated accents go.
    gchar* decomposed = g_utf8_normalize(text.data(), static_cast<gssize>(text.size()), G_NORMALIZE_NFD);
    if (decomposed == nullptr) return std::string(text);  // malformed UTF-8: leave as it is
    std::string bases;
    const std::string_view d(decomposed);
    std::size_t i = 0;
    while (i < d.size()) {
        const char32_t c = rtl::Utf8NextChar(d, i);
        if (!IsCombiningMark(c)) rtl::Utf8AppendChar(bases, c);
    }
    g_free(decomposed);
    gchar* composed = g_utf8_normalize(bases.data(), static_cast<gssize>(bases.size()), G_NORMALIZE_NFC);
    if (composed == nullptr) return bases;
    std::string out(composed);
    g_free(composed);
    return out;
}

bool IsNameWordBreak(char32_t ch)
{
    return ch == U' ' || ch == U'\'' || ch == U',' || ch == U'-' || ch == U'.';
}

std::string CapitalizeName(std::string_view text)
{
    const std::u32string s = rtl::Utf8Decode(text);
    const std::size_t n = s.size();
    std::u32string out;
    out.reserve(n);
    bool capitalizeNext = true;
    for (std::size_t i = 1; i <= n; ++i) {
        const char32_t c = s[i - 1];
        if (IsNameWordBreak(c)) {
            out.push_back(c);
            capitalizeNext = true;
        } else if (capitalizeNext) {
            out.push_back(UpperChar(c));
            capitalizeNext = false;
        } else {
            out.push_back(LowerChar(c));
        }
        if (out == U"Mc") capitalizeNext = true;
        const std::size_t mc = out.find(U" Mc");
        if (i > 2 && mc != std::u32string::npos && mc + 3 == i) capitalizeNext = true;
        if (i + 2 >= n) {
            if (i >= 2 && out.compare(i - 2, 2, U" I") == 0) capitalizeNext = true;
            if (i >= 3 && out.compare(i - 3, 3, U" II") == 0) capitalizeNext = true;
        }
    }
    return rtl::Utf8Encode(out);
}

void FillStringWithChar(std::string& text, char32_t ch)
{
    const std::size_t n = rtl::Utf8Length(text);
    std::string out;
    out.reserve(n);
    for (std::size_t i = 0; i < n; ++i) rtl::Utf8AppendChar(out, ch);
    text = std::move(out);
}

}  // namespace grid
