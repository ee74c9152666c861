// Mini-HTML reading: pre-processing of a whole text, tag recognition, attribute values and run decoding.
#include "grid/foundation/EsgHTMLEParse.h"

#include "grid/foundation/EsgHTMLEUtil.h"

namespace grid::html {

namespace {

char Up(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

// Letters after "<" or "</", upper-cased (a to z only); 0 past the end of the tag.
char LetterAt(std::string_view tag, std::size_t i) { return i < tag.size() ? Up(tag[i]) : '\0'; }

// Whether the tag is exactly "<" (or "</") + name + ">", name compared without case.
bool Exactly(std::string_view tag, std::size_t start, std::string_view name)
{
    if (tag.size() != start + name.size() + 1 || tag.back() != '>') return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (Up(tag[start + i]) != name[i]) return false;
    return true;
}

TTag Opening(std::string_view tag)
{
    const char a = LetterAt(tag, 1);
    const char b = LetterAt(tag, 2);
    switch (a) {
    case 'A': return {TTagKind::Anchor};
    case 'B':
        if (b == '>') return {TTagKind::Bold};
        if (b == 'R') return {TTagKind::LineBreak};
        if (b == 'L') return {TTagKind::Blink};
        if (b == 'O') return {TTagKind::Body};
        return {};
    case 'C': return {TTagKind::Control};
    case 'E': return {TTagKind::Error};
    case 'F': return {TTagKind::Font};
    case 'H':
        if (b == 'R') return {TTagKind::Rule};
        if (b == 'I') return {TTagKind::Highlight};
        return {};
    case 'I':
        if (b == '>') return {TTagKind::Italic};
        if (b == 'N') return {TTagKind::Indent};
        if (b == 'M') return {TTagKind::Image};
        return {};
    case 'L': return {TTagKind::ListItem};
    case 'O': return b == 'L' ? TTag{TTagKind::OrderedList} : TTag{};
    case 'P': return {TTagKind::Paragraph};
    case 'R': return {TTagKind::Rotate};
    case 'S':
        if (b == '>' || b == 'T') return {TTagKind::Strike};
        if (b == 'U') {
            if (Exactly(tag, 1, "SUB")) return {TTagKind::Sub};
            if (Exactly(tag, 1, "SUP")) return {TTagKind::Sup};
            return {};
        }
        if (b == 'H') return {TTagKind::Shadow};
        if (b == 'P') return {TTagKind::Span};
        return {};
    case 'U': return b == '>' ? TTag{TTagKind::Underline} : TTag{TTagKind::UnorderedList};
    case 'Z': return {TTagKind::Hidden};
    default: return {};
    }
}

TTag Closing(std::string_view tag)
{
    const char a = LetterAt(tag, 2);
    const char b = LetterAt(tag, 3);
    TTag t;
    t.Closing = true;
    switch (a) {
    case 'A': t.Kind = TTagKind::Anchor; break;
    case 'B': t.Kind = b == '>' ? TTagKind::Bold : TTagKind::Blink; break;
    case 'E': t.Kind = TTagKind::Error; break;
    case 'F': t.Kind = TTagKind::Font; break;
    case 'H': t.Kind = TTagKind::Highlight; break;
    case 'I': t.Kind = TTagKind::Italic; break;
    case 'L': t.Kind = TTagKind::ListItem; break;
    case 'O': t.Kind = b == '>' ? TTagKind::Unknown : TTagKind::OrderedList; break;
    case 'P': t.Kind = TTagKind::Paragraph; break;
    case 'R': t.Kind = TTagKind::Rotate; break;
    case 'S':
        if (b == '>' || b == 'T') t.Kind = TTagKind::Strike;
        else if (b == 'U') t.Kind = TTagKind::SubSupEnd;
        else if (b == 'H') t.Kind = TTagKind::Shadow;
        else if (b == 'P') t.Kind = TTagKind::Span;
        break;
    case 'U': t.Kind = b == '>' ? TTagKind::Underline : TTagKind::UnorderedList; break;
    case 'Z': t.Kind = TTagKind::Hidden; break;
    default: break;
    }
    return t;
}

constexpr struct {
    const char* Name;
    const char* Text;
} kNamedReferences[] = {
    {"&amp;", "&&"}, {"&quot;", "\""}, {"&sect;", "§"}, {"&permil;", "‰"}, {"&reg;", "®"},
    {"&copy;", "©"}, {"&para;", "¶"}, {"&trade;", "™"}, {"&euro;", "€"},
};

// Replaces the named references until a pass changes nothing.
std::string ReplaceNamedReferences(std::string_view text)
{
    std::string s(text);
    for (bool changed = true; changed;) {
        changed = false;
        for (const auto& r : kNamedReferences) {
            if (HtmlFindNoCase(s, r.Name) == std::string::npos) continue;
            s = HtmlReplaceAllNoCase(s, r.Name, r.Text);
            changed = true;
        }
    }
    return s;
}

// Named references are replaced everywhere except inside inline-control tags: their VALUE
// and PROP are stored encoded and decoded when the tag is read, and replacing "&quot;" there
// would cut the value short.
std::string ReplaceOutsideControlTags(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t at = HtmlFindNoCase(text, "<CONTROL", pos);
        if (at == std::string_view::npos) break;
        const std::size_t gt = text.find('>', at);
        const std::size_t end = gt == std::string_view::npos ? text.size() : gt + 1;
        out += ReplaceNamedReferences(text.substr(pos, at - pos));
        out.append(text.substr(at, end - at));
        pos = end;
    }
    out += ReplaceNamedReferences(text.substr(pos));
    return out;
}

}  // namespace

TTag RecogniseTag(std::string_view tag)
{
    if (tag.size() < 2 || tag[0] != '<') return {};
    if (tag[1] == '/') return Closing(tag);
    return Opening(tag);
}

std::string PreprocessHtml(std::string_view text, bool keepLineBreaks)
{
    std::string s = text.find('&') != std::string_view::npos ? ReplaceOutsideControlTags(text) : std::string(text);

    // "<#…>" shows as plain text beginning with "#".
    for (std::size_t at = s.find("<#"); at != std::string::npos; at = s.find("<#", at)) {
        s.erase(at, 1);
        const std::size_t gt = s.find('>', at);
        if (gt != std::string::npos) s.erase(gt, 1);
    }

    std::string out;
    out.reserve(s.size() + 8);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\n') continue;
        if (c != '\r') {
            out += c;
            continue;
        }
        if (keepLineBreaks) {
            out += "<BR>";
            continue;
        }
        std::size_t j = i + 1;
        while (j < s.size() && s[j] == '\n') ++j;
        const bool betweenTags = !out.empty() && out.back() == '>' && j < s.size() && s[j] == '<';
        if (!betweenTags) out += ' ';
    }
    return out;
}

std::string DecodeRun(std::string_view run)
{
    if (run.find('&') == std::string_view::npos) return std::string(run);
    std::string s = HtmlReplaceAllNoCase(run, "&nbsp;", " ");
    s = HtmlReplaceAllNoCase(s, "&lt;", "<");
    s = HtmlReplaceAllNoCase(s, "&gt;", ">");
    for (int i = 0; i < HtmlEntityCount(); ++i) {
        const THtmlEntity& e = HtmlEntityTable()[i];
        if (s.find(e.Name) != std::string::npos) s = HtmlReplaceAll(s, e.Name, e.Character);
    }
    return s;
}

std::string ShownText(std::string_view run)
{
    if (run.find('&') == std::string_view::npos) return std::string(run);
    std::string s;
    s.reserve(run.size());
    for (std::size_t i = 0; i < run.size(); ++i) {
        if (run[i] == '&') {
            if (i + 1 < run.size() && run[i + 1] == '&') {
                s += '&';
                ++i;
            }
            continue;
        }
        s += run[i];
    }
    return s;
}

std::string QuotedValue(std::string_view tag, std::string_view name, bool* found)
{
    const std::size_t at = HtmlFindNoCase(tag, name);
    if (found) *found = at != std::string_view::npos;
    if (at == std::string_view::npos) return {};
    const std::size_t q1 = tag.find('"', at + name.size());
    if (q1 == std::string_view::npos) return {};
    const std::size_t q2 = tag.find('"', q1 + 1);
    if (q2 == std::string_view::npos) return {};
    return std::string(tag.substr(q1 + 1, q2 - q1 - 1));
}

std::string_view ValueAfter(std::string_view tag, std::string_view name, bool* found)
{
    const std::size_t at = HtmlFindNoCase(tag, name);
    if (found) *found = at != std::string_view::npos;
    if (at == std::string_view::npos) return {};
    std::size_t i = at + name.size();
    while (i < tag.size() && tag[i] == ' ') ++i;
    if (i < tag.size() && tag[i] == '=') ++i;
    while (i < tag.size() && tag[i] == ' ') ++i;
    if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) ++i;
    return tag.substr(i);
}

gfx::TColor ColorValue(std::string_view value)
{
    std::string lower(value);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return HtmlColorFromText(lower);
}

int FontSizeFromValue(int value)
{
    switch (value) {
    case 1: return 8;
    case 2: return 10;
    case 3: return 12;
    case 4: return 14;
    case 5: return 16;
    default: return value;
    }
}

}  // namespace grid::html
