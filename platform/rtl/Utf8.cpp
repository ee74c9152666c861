// Code-point helpers for UTF-8 strings.
#include "platform/rtl/Utf8.h"

#include <limits>

namespace rtl {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the well-formed sequence starting at `pos`, or 0 when the bytes
// there do not form one (the caller then takes one byte as one character).
std::size_t SequenceLength(std::string_view s, std::size_t pos, char32_t& ch)
{
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
        ch = b0;
        return 1;
    }
    std::size_t need;
    char32_t minValue;
    if ((b0 & 0xE0) == 0xC0) {
        need = 2;
        ch = b0 & 0x1F;
        minValue = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        need = 3;
        ch = b0 & 0x0F;
        minValue = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        need = 4;
        ch = b0 & 0x07;
        minValue = 0x10000;
    } else {
        return 0;
    }
    if (pos + need > s.size())
        return 0;
    for (std::size_t i = 1; i < need; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if (!IsContinuation(b))
            return 0;
        ch = (ch << 6) | (b & 0x3F);
    }
    if (ch < minValue || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        return 0;
    return need;
}

// Byte length of the character at `pos` (1 for a malformed byte).
std::size_t CharBytes(std::string_view s, std::size_t pos)
{
    char32_t ch;
    const std::size_t n = SequenceLength(s, pos, ch);
    return n == 0 ? 1 : n;
}

}  // namespace

char32_t Utf8NextChar(std::string_view s, std::size_t& pos)
{
    if (pos >= s.size())
        return 0;
    char32_t ch;
    const std::size_t n = SequenceLength(s, pos, ch);
    if (n == 0) {
        ++pos;
        return kReplacement;
    }
    pos += n;
    return ch;
}

void Utf8AppendChar(std::string& out, char32_t ch)
{
    if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        ch = kReplacement;
    if (ch < 0x80) {
        out.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else if (ch < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
}

std::string Utf8EncodeChar(char32_t ch)
{
    std::string out;
    Utf8AppendChar(out, ch);
    return out;
}

std::u32string Utf8Decode(std::string_view s)
{
    std::u32string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size())
        out.push_back(Utf8NextChar(s, pos));
    return out;
}

std::string Utf8Encode(std::u32string_view codePoints)
{
    std::string out;
    out.reserve(codePoints.size());
    for (char32_t ch : codePoints)
        Utf8AppendChar(out, ch);
    return out;
}

bool Utf8IsValid(std::string_view s)
{
    std::size_t pos = 0;
    while (pos < s.size()) {
        char32_t ch;
        const std::size_t n = SequenceLength(s, pos, ch);
        if (n == 0)
            return false;
        pos += n;
    }
    return true;
}

std::size_t Utf8Length(std::string_view s)
{
    std::size_t count = 0;
    std::size_t pos = 0;
    const std::size_t size = s.size();
    while (pos < size) {
        if (static_cast<unsigned char>(s[pos]) < 0x80) {
            ++pos;
        } else {
            pos += CharBytes(s, pos);
        }
        ++count;
    }
    return count;
}

std::size_t Utf8ByteOffset(std::string_view s, long long charIndex)
{
    std::size_t pos = 0;
    for (long long i = 1; i < charIndex && pos < s.size(); ++i)
        pos += static_cast<unsigned char>(s[pos]) < 0x80 ? 1 : CharBytes(s, pos);
    return pos;
}

std::string Utf8Copy(std::string_view s, long long index, long long count)
{
    if (index < 1)
        index = 1;
    if (count < 1)
        return {};
    const std::size_t start = Utf8ByteOffset(s, index);
    const std::string_view rest = s.substr(start);
    // Counts up to the largest value ("the rest of the text") must not overflow.
    const long long end = count < std::numeric_limits<long long>::max() ? count + 1 : count;
    return std::string(rest.substr(0, Utf8ByteOffset(rest, end)));
}

long long Utf8Pos(std::string_view sub, std::string_view s, long long offset)
{
    if (sub.empty() || offset < 1)
        return 0;
    const std::size_t start = Utf8ByteOffset(s, offset);
    if (start >= s.size())
        return 0;
    const std::size_t found = s.find(sub, start);
    if (found == std::string_view::npos)
        return 0;
    // A match must begin on a character boundary; a hit inside a malformed
    // sequence cannot happen for well-formed `sub`, but walk boundaries anyway.
    long long index = offset;
    std::size_t pos = start;
    while (pos < found) {
        pos += CharBytes(s, pos);
        ++index;
    }
    if (pos != found)
        return Utf8Pos(sub, s, index);
    return index;
}

void Utf8Delete(std::string& s, long long index, long long count)
{
    if (index < 1 || count < 1)
        return;
    const std::size_t start = Utf8ByteOffset(s, index);
    if (start >= s.size())
        return;
    const long long end = count < std::numeric_limits<long long>::max() ? count + 1 : count;
    const std::size_t len = Utf8ByteOffset(std::string_view(s).substr(start), end);
    s.erase(start, len);
}

void Utf8Insert(std::string_view sub, std::string& s, long long index)
{
    s.insert(Utf8ByteOffset(s, index), sub);
}

std::string Utf8PadRight(std::string_view s, std::size_t width, char32_t fill)
{
    std::string out(s);
    for (std::size_t n = Utf8Length(s); n < width; ++n)
        Utf8AppendChar(out, fill);
    return out;
}

std::string Utf8PadLeft(std::string_view s, std::size_t width, char32_t fill)
{
    std::string out;
    for (std::size_t n = Utf8Length(s); n < width; ++n)
        Utf8AppendChar(out, fill);
    out.append(s);
    return out;
}

}  // namespace rtl
