// Search marks in mini-HTML texts: enclosing search hits in a tag and removing those tags again.
#include "grid/foundation/EsgHTMLEUtil.h"

#include <vector>

#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Utf8.h"

namespace grid {

namespace {

// One character of the plain form of a text and the bytes of the text it stands for.
struct TPlainUnit {
    char32_t Ch;
    std::size_t Start;
    std::size_t End;
};

// Decodes one entity name ("&lt;") to its character; 0 when it is not known.
char32_t EntityChar(std::string_view entity)
{
    static const struct { const char* Name; char32_t Ch; } basic[] = {
        {"&lt;", U'<'}, {"&gt;", U'>'}, {"&quot;", U'"'}, {"&amp;", U'&'}, {"&nbsp;", U' '}};
    for (const auto& b : basic)
        if (HtmlFindNoCase(entity, b.Name) == 0 && entity.size() == std::char_traits<char>::length(b.Name)) return b.Ch;
    for (int i = 0; i < HtmlEntityCount(); ++i)
        if (entity == HtmlEntityTable()[i].Name) {
            std::size_t p = 0;
            return rtl::Utf8NextChar(HtmlEntityTable()[i].Character, p);
        }
    return 0;
}

// Length of the entity starting at `pos` ("&" letters, digits or "#", then ";"), 0 when the
// "&" does not start one.
std::size_t EntityLength(std::string_view text, std::size_t pos)
{
    std::size_t i = pos + 1;
    while (i < text.size() && i - pos <= 10) {
        const char c = text[i];
        if (c == ';') return i > pos + 1 ? i - pos + 1 : 0;
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '#';
        if (!ok) return 0;
        ++i;
    }
    return 0;
}

// The plain characters of a text with their byte ranges. For HTML, tags take no characters
// and each entity is one character; the same tokenisation serves the search and the
// mapping back to the text, so marks always land on the hit.
std::vector<TPlainUnit> PlainUnits(std::string_view text, bool html, bool upper)
{
    std::vector<TPlainUnit> units;
    units.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (html && c == '<') {
            const std::size_t gt = text.find('>', pos);
            if (gt != std::string_view::npos) {
                pos = gt + 1;
                continue;
            }
        }
        if (html && c == '&') {
            const std::size_t n = EntityLength(text, pos);
            if (n > 0) {
                char32_t ch = EntityChar(text.substr(pos, n));
                if (ch == 0) ch = U'&';
                units.push_back({upper ? rtl::AnsiUpperChar(ch) : ch, pos, pos + n});
                pos += n;
                continue;
            }
        }
        const std::size_t start = pos;
        char32_t ch = rtl::Utf8NextChar(text, pos);
        if (pos == start) ++pos;
        units.push_back({upper ? rtl::AnsiUpperChar(ch) : ch, start, pos});
    }
    return units;
}

std::u32string SearchChars(std::string_view search, bool upper)
{
    std::u32string s = rtl::Utf8Decode(search);
    if (upper)
        for (char32_t& c : s) c = rtl::AnsiUpperChar(c);
    return s;
}

// Index of the first unit at or after `from` where `search` starts; -1 when none.
long long FindUnits(const std::vector<TPlainUnit>& units, const std::u32string& search, std::size_t from)
{
    if (search.empty()) return -1;
    for (std::size_t i = from; i + search.size() <= units.size(); ++i) {
        std::size_t k = 0;
        while (k < search.size() && units[i + k].Ch == search[k]) ++k;
        if (k == search.size()) return static_cast<long long>(i);
    }
    return -1;
}

std::string RemoveMarkTags(std::string_view text, const std::string& open, const std::string& close)
{
    return HtmlReplaceAllNoCase(HtmlReplaceAllNoCase(text, open, ""), close, "");
}

// The occurrence's part of an HTML text with the mark closed and reopened around every
// closing font tag inside it.
std::string MarkHtmlSpan(std::string_view part, const std::string& open, const std::string& close)
{
    std::string r;
    std::size_t pos = 0;
    while (pos < part.size()) {
        const std::size_t lt = part.find('<', pos);
        if (lt == std::string_view::npos) break;
        const std::size_t gt = part.find('>', lt);
        if (gt == std::string_view::npos) break;
        r.append(part.substr(pos, lt - pos));
        const std::string_view tag = part.substr(lt, gt - lt + 1);
        if (HtmlFindNoCase(tag, "</FONT") == 0)
            r += close + std::string(tag) + open;
        else
            r.append(tag);
        pos = gt + 1;
    }
    r.append(part.substr(pos));
    return r;
}

}  // namespace

std::string InsertHtmlMarks(std::string_view textIn, std::string_view searchIn, std::string_view tagName,
                            bool wholeText, bool caseSensitive)
{
    const std::string name = HtmlUpperAscii(tagName);
    const std::string open = "<" + name + ">";
    const std::string close = "</" + name + ">";
    // Earlier marks of the name go first; a plain text that they had encoded is decoded back,
    // so that marking twice neither encodes twice nor loses the text it had.
    const std::string text = RemoveHtmlMarks(textIn, tagName);
    const bool html = text.find("</") != std::string::npos;
    const std::u32string search = SearchChars(searchIn, !caseSensitive);
    const std::vector<TPlainUnit> units = PlainUnits(text, html, !caseSensitive);

    if (wholeText) {
        std::u32string plain;
        plain.reserve(units.size());
        for (const TPlainUnit& u : units) plain += u.Ch;
        if (plain != search) return text;
        if (html) return open + text + close;
        return open + HtmlEncodeEntities(text, true) + close;
    }

    std::string result;
    std::size_t done = 0;     // bytes of the text already moved to the result
    std::size_t next = 0;     // first unit not yet searched
    bool found = false;
    for (;;) {
        const long long hit = FindUnits(units, search, next);
        if (hit < 0) break;
        found = true;
        const TPlainUnit& first = units[static_cast<std::size_t>(hit)];
        const TPlainUnit& last = units[static_cast<std::size_t>(hit) + search.size() - 1];
        const std::string_view before = std::string_view(text).substr(done, first.Start - done);
        const std::string_view occurrence = std::string_view(text).substr(first.Start, last.End - first.Start);
        if (html) {
            result.append(before);
            result += open + MarkHtmlSpan(occurrence, open, close) + close;
        } else {
            result += HtmlEncodeEntities(before, false) + open + HtmlEncodeEntities(occurrence, false) + close;
        }
        done = last.End;
        next = static_cast<std::size_t>(hit) + search.size();
    }
    const std::string_view rest = std::string_view(text).substr(done);
    if (!html && found)
        result += HtmlEncodeEntities(rest, false);
    else
        result.append(rest);
    return result;
}

std::string RemoveHtmlMarks(std::string_view text, std::string_view tagName)
{
    const std::string name = HtmlUpperAscii(tagName);
    const bool hadClosing = text.find("</") != std::string_view::npos;
    std::string r = RemoveMarkTags(text, "<" + name + ">", "</" + name + ">");
    if (hadClosing && r.find("</") == std::string::npos) {
        // The text was plain before it was marked, and marking encoded it. Decoding "&amp;"
        // too (and last, so that "&amp;lt;" becomes "&lt;" again) gives back exactly the
        // text it had: "Tom & Jerry" stays "Tom & Jerry".
        r = HtmlDecodeEntities(r, true);
        r = HtmlReplaceAll(r, "&amp;", "&");
    }
    return r;
}

}  // namespace grid
