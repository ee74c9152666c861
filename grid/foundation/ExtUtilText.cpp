// Text routines of the grid utilities: integers, search, splitting, lines, CSV encodings, line breaks.
#include "grid/foundation/ExtUtilText.h"

#include "platform/rtl/StringList.h"
#include "platform/rtl/Utf8.h"

namespace grid {

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';

std::string ReplaceChar(std::string_view text, char from, std::string_view to)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == from)
            out.append(to);
        else
            out.push_back(c);
    }
    return out;
}

}  // namespace

// --- Integers and positions

int ClampInt(int value, int low, int high)
{
    if (value > high) return high;
    if (value < low) return low;
    return value;
}

int IntMax(int a, int b) { return a > b ? a : b; }
int IntMin(int a, int b) { return a < b ? a : b; }

int ApplyValueLimits(int value, int lowerLimit, int upperLimit)
{
    if (lowerLimit == upperLimit) return value;
    int result = value;
    if (value < lowerLimit && lowerLimit > 0) result = lowerLimit;
    if (value > upperLimit && upperLimit > 0) result = upperLimit;
    return result;
}

bool CellInGridRect(const rtl::TRect& gridRect, int col, int row)
{
    return col >= gridRect.Left && col <= gridRect.Right && row >= gridRect.Top &&
           row <= gridRect.Bottom;
}

int FindCharPos(char32_t ch, std::string_view text)
{
    return static_cast<int>(rtl::Utf8Pos(rtl::Utf8EncodeChar(ch), text));
}

int FindCharPosOut(char32_t ch, std::string_view text, int& pos)
{
    const int p = FindCharPos(ch, text);
    if (p > 0) pos = p;
    return p;
}

int FindSubstringOut(std::string_view sub, std::string_view text, int& pos)
{
    pos = static_cast<int>(rtl::Utf8Pos(sub, text));
    return pos;
}

int PosInUpperCase(std::string_view pattern, std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return static_cast<int>(rtl::Utf8Pos(pattern, upper));
}

int WidePos(std::string_view sub, std::string_view text)
{
    return static_cast<int>(rtl::Utf8Pos(sub, text));
}

// --- Splitting, joining and lines

void SplitToStringList(std::string_view separator, std::string_view text, rtl::TStrings& list)
{
    std::string rest(text);
    if (!separator.empty()) {
        // One character (the separator's first) goes with each part, as the grid's
        // one-character separators expect.
        const std::size_t sepFirstLen = rtl::Utf8EncodeChar(rtl::Utf8Decode(separator)[0]).size();
        std::size_t at;
        while ((at = rest.find(separator)) != std::string::npos) {
            list.Add(rest.substr(0, at));
            rest.erase(0, at + sepFirstLen);
        }
    }
    list.Add(rest);
}

std::string JoinStringList(const rtl::TStrings& list)
{
    std::string out;
    for (int i = 0; i < list.Count(); ++i) out += list.Strings(i);
    return out;
}

std::string CutPrefixAtSeparator(std::string& source, std::string_view separator)
{
    if (separator.empty()) return {};
    const std::size_t at = source.find(separator);
    if (at == std::string::npos) return {};
    std::string prefix = source.substr(0, at);
    const std::size_t sepFirstLen = rtl::Utf8EncodeChar(rtl::Utf8Decode(separator)[0]).size();
    source.erase(0, at + sepFirstLen);
    return prefix;
}

std::string TakeFirstLine(std::string& source, bool keepRest)
{
    const std::size_t at = source.find(CR);
    if (at == std::string::npos) {
        std::string line = std::move(source);
        source.clear();
        return line;
    }
    std::string line = source.substr(0, at);
    std::size_t restStart = at + 1;
    if (restStart < source.size() && source[restStart] == LF) ++restStart;
    if (keepRest)
        source.erase(0, restStart);
    else
        source.clear();
    return line;
}

int CountTextLines(std::string_view text, bool multiLine)
{
    if (!multiLine) return 1;
    // A lone CR is a line break as much as CR LF; the break is not assumed to be
    // followed by LF, so the character after a lone CR is never swallowed.
    int lines = 1;
    std::size_t i = 0;
    while ((i = text.find(CR, i)) != std::string_view::npos) {
        ++i;
        if (i < text.size() && text[i] == LF) ++i;
        if (i < text.size()) ++lines;
    }
    return lines;
}

// --- CSV and field encodings

std::string StripEnclosingQuotes(std::string_view text)
{
    if (rtl::Utf8Length(text) > 2 && text.front() == '"' && text.back() == '"')
        return std::string(text.substr(1, text.size() - 2));
    return std::string(text);
}

std::string EscapeCsvQuotes(std::string_view text) { return ReplaceChar(text, '"', "\"\""); }

std::string CollapseDoubledChar(char32_t ch, std::string_view text)
{
    const std::u32string chars = rtl::Utf8Decode(text);
    if (chars.find(ch) == std::u32string::npos) return std::string(text);
    std::u32string out;
    out.reserve(chars.size());
    for (std::size_t i = 0; i < chars.size(); ++i) {
        out.push_back(chars[i]);
        if (chars[i] == ch && i + 1 < chars.size() && chars[i + 1] == ch) ++i;
    }
    return rtl::Utf8Encode(out);
}

void QuoteMultilineCsvField(std::string& text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == CR && i + 1 < text.size() && text[i + 1] == LF) {
            out.push_back('\x0B');
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    out.push_back('"');
    text = std::move(out);
}

void CrLfToLineFeeds(std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == CR && i + 1 < text.size() && text[i + 1] == LF) continue;
        out.push_back(text[i]);
    }
    text = std::move(out);
}

void VerticalTabsToLineBreaks(std::string& text)
{
    if (text.find('\x0B') == std::string::npos) return;
    text = ReplaceChar(text, '\x0B', "\r\n");
}

void LineBreaksToTilde(std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == CR)
            out.push_back('~');
        else if (c != LF)
            out.push_back(c);
    }
    text = std::move(out);
}

void TildesToLineBreaks(std::string& text)
{
    if (text == "^") {
        text.clear();
        return;
    }
    text = ReplaceChar(text, '~', "\r\n");
}

int FindClosingQuote(char32_t quote, std::string_view text, int& pos)
{
    const std::u32string chars = rtl::Utf8Decode(text);
    const int n = static_cast<int>(chars.size());
    int run = 0;
    for (int i = 1; i <= n; ++i) {
        if (chars[i - 1] == quote) {
            if (i == n) {
                pos = i;
                return i;
            }
            ++run;
        } else if (run % 2 == 1) {
            pos = i - 1;
            return i - 1;
        } else {
            run = 0;
        }
    }
    pos = 0;
    return 0;
}

int CountUnquotedChar(char32_t ch, std::string_view text)
{
    int outside = 0;
    int inside = 0;
    char32_t open = 0;
    for (char32_t c : rtl::Utf8Decode(text)) {
        if (open == 0 && (c == '"' || c == '\'')) {
            open = c;
        } else if (open != 0 && c == open) {
            open = 0;
        } else if (c == ch) {
            if (open == 0)
                ++outside;
            else
                ++inside;
        }
    }
    return open != 0 ? outside + inside : outside;
}

int CountCharOccurrences(char32_t ch, char32_t /*unused*/, std::string_view text)
{
    return CountCharInText(ch, text);
}

int CountCharInText(char32_t ch, std::string_view text)
{
    int n = 0;
    for (char32_t c : rtl::Utf8Decode(text))
        if (c == ch) ++n;
    return n;
}

std::string ConvertToOem(std::string_view text) { return std::string(text); }
std::string ConvertFromOem(std::string_view text) { return std::string(text); }

// --- Line breaks

std::string LineBreaksToHtml(std::string_view text)
{
    if (text.find(CR) == std::string_view::npos) return std::string(text);
    return ReplaceChar(text, CR, "<br>");
}

std::string EscapesToLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out.push_back(CR);
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::string LineBreaksToEscapes(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == CR)
            out.append("\\n");
        else if (c != LF)
            out.push_back(c);
    }
    return out;
}

std::string StripCarriageReturns(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != CR) out.push_back(c);
    return out;
}

std::string CarriageReturnsToLineFeeds(std::string_view text) { return ReplaceChar(text, CR, "\n"); }

std::string EscapeLineBreaksForFile(std::string_view text)
{
    if (text.find(CR) == std::string_view::npos) return std::string(text);
    std::string out(text);
    for (char& c : out) {
        if (c == CR)
            c = '\x09';
        else if (c == LF)
            c = '\x08';
        else if (c == '\0')
            c = '\x01';
    }
    return out;
}

std::string UnescapeLineBreaksFromFile(std::string_view text, bool multiLine)
{
    if (text.find('\x08') == std::string_view::npos) return std::string(text);
    std::string out(text);
    for (char& c : out) {
        if (c == '\x09')
            c = CR;
        else if (c == '\x08')
            c = LF;
        else if (c == '\x01')
            c = '\0';
    }
    if (multiLine) return out;
    return TakeFirstLine(out, false);
}

}  // namespace grid
