// Windows-1250 conversion and text-file encodings.
#include "platform/rtl/CodePage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "platform/rtl/Utf8.h"

namespace rtl {

namespace {

// Code points of the bytes 0x80..0xFF.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// UTF-8 form of each high byte, for bulk decoding (every one is 2 or 3 bytes).
struct Utf8Of {
    std::uint8_t length;
    char bytes[3];
};

constexpr std::array<Utf8Of, 128> MakeUtf8Table()
{
    std::array<Utf8Of, 128> table{};
    for (std::size_t i = 0; i < 128; ++i) {
        const char32_t ch = kHighHalf[i];
        if (ch < 0x800) {
            table[i] = {2, {static_cast<char>(0xC0 | (ch >> 6)), static_cast<char>(0x80 | (ch & 0x3F)), 0}};
        } else {
            table[i] = {3,
                        {static_cast<char>(0xE0 | (ch >> 12)), static_cast<char>(0x80 | ((ch >> 6) & 0x3F)),
                         static_cast<char>(0x80 | (ch & 0x3F))}};
        }
    }
    return table;
}

constexpr std::array<Utf8Of, 128> kUtf8Of = MakeUtf8Table();

// (code point, byte) pairs sorted by code point, for encoding.
struct Tables {
    std::array<std::pair<char16_t, std::uint8_t>, 128> reverse{};

    Tables()
    {
        for (int i = 0; i < 128; ++i)
            reverse[i] = {kHighHalf[i], static_cast<std::uint8_t>(0x80 + i)};
        std::sort(reverse.begin(), reverse.end());
    }
};

const Tables& GetTables()
{
    static const Tables tables;
    return tables;
}

// Length of the run of ASCII bytes at the start of [p, p + n).
std::size_t AsciiRun(const char* p, std::size_t n)
{
    std::size_t i = 0;
    // Thirty-two, then eight bytes at a time: tables are almost all ASCII.
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    while (i + 32 <= n) {
        std::uint64_t words[4];
        std::memcpy(words, p + i, 32);
        if (((words[0] | words[1] | words[2] | words[3]) & kHighBits) != 0)
            break;
        i += 32;
    }
    while (i + 8 <= n) {
        std::uint64_t word;
        std::memcpy(&word, p + i, 8);
        if ((word & kHighBits) != 0)
            break;
        i += 8;
    }
    while (i < n && static_cast<unsigned char>(p[i]) < 0x80)
        ++i;
    return i;
}

void AppendUtf16(std::string& out, std::string_view text, bool bigEndian)
{
    auto put = [&](char16_t unit) {
        const char lo = static_cast<char>(unit & 0xFF), hi = static_cast<char>(unit >> 8);
        out.push_back(bigEndian ? hi : lo);
        out.push_back(bigEndian ? lo : hi);
    };
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t ch = Utf8NextChar(text, pos);
        if (ch >= 0x10000) {
            ch -= 0x10000;
            put(static_cast<char16_t>(0xD800 + (ch >> 10)));
            put(static_cast<char16_t>(0xDC00 + (ch & 0x3FF)));
        } else {
            put(static_cast<char16_t>(ch));
        }
    }
}

std::string DecodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size());
    auto unitAt = [&](std::size_t i) -> char16_t {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    std::size_t i = 0;
    while (i + 1 < bytes.size()) {
        char32_t unit = unitAt(i);
        i += 2;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < bytes.size()) {
            const char16_t low = unitAt(i);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        Utf8AppendChar(out, unit);
    }
    return out;
}

}  // namespace

char32_t Win1250ToUnicode(unsigned char byte)
{
    return byte < 0x80 ? byte : kHighHalf[byte - 0x80];
}

int UnicodeToWin1250(char32_t ch)
{
    if (ch < 0x80)
        return static_cast<int>(ch);
    if (ch > 0xFFFF)
        return -1;
    const auto& reverse = GetTables().reverse;
    const auto it = std::lower_bound(reverse.begin(), reverse.end(), std::make_pair(static_cast<char16_t>(ch), std::uint8_t{0}));
    if (it == reverse.end() || it->first != ch)
        return -1;
    return it->second;
}

void AppendWin1250AsUtf8(std::string& out, const char* p, std::size_t n)
{
    const std::size_t run = AsciiRun(p, n);
    if (run == n) {
        out.append(p, n);
        return;
    }
    // Room for the worst case, filled through a pointer, then cut to size.
    const std::size_t old = out.size();
    out.resize(old + run + (n - run) * 3);
    char* d = out.data() + old;
    std::memcpy(d, p, run);
    d += run;
    for (std::size_t i = run; i < n; ++i) {
        const auto c = static_cast<unsigned char>(p[i]);
        if (c < 0x80) {
            *d++ = static_cast<char>(c);
            continue;
        }
        const Utf8Of& u = kUtf8Of[c - 0x80];
        d[0] = u.bytes[0];
        d[1] = u.bytes[1];
        d[2] = u.bytes[2];
        d += u.length;
    }
    out.resize(static_cast<std::size_t>(d - out.data()));
}

void AppendUtf8AsWin1250(std::string& out, const char* p, std::size_t n)
{
    const std::string_view text(p, n);
    std::size_t i = 0;
    while (i < n) {
        const std::size_t run = AsciiRun(p + i, n - i);
        out.append(p + i, run);
        i += run;
        while (i < n && static_cast<unsigned char>(p[i]) >= 0x80) {
            const int byte = UnicodeToWin1250(Utf8NextChar(text, i));
            out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
        }
    }
}

std::string Win1250ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    AppendWin1250AsUtf8(out, bytes.data(), bytes.size());
    return out;
}

std::string Utf8ToWin1250(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    AppendUtf8AsWin1250(out, text.data(), text.size());
    return out;
}

std::string EncodeText(std::string_view text, TTextEncoding encoding)
{
    switch (encoding) {
    case TTextEncoding::teAnsi:
        return Utf8ToWin1250(text);
    case TTextEncoding::teUTF8:
        return "\xEF\xBB\xBF" + std::string(text);
    case TTextEncoding::teUTF8NoBOM:
        return std::string(text);
    case TTextEncoding::teUnicode: {
        std::string out = "\xFF\xFE";
        AppendUtf16(out, text, false);
        return out;
    }
    }
    return std::string(text);
}

std::string DecodeText(std::string_view bytes, TTextEncoding* detected)
{
    auto report = [&](TTextEncoding e) {
        if (detected != nullptr)
            *detected = e;
    };
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        report(TTextEncoding::teUTF8);
        return std::string(bytes.substr(3));
    }
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE") {
        report(TTextEncoding::teUnicode);
        return DecodeUtf16(bytes.substr(2), false);
    }
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF") {
        report(TTextEncoding::teUnicode);
        return DecodeUtf16(bytes.substr(2), true);
    }
    report(TTextEncoding::teAnsi);
    return Win1250ToUtf8(bytes);
}

}  // namespace rtl
