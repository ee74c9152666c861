// Inline-control tags of mini-HTML texts: reading, finding and rewriting <CONTROL> tags by ID.
#include "grid/foundation/EsgHTMLEUtil.h"

#include <vector>

#include "platform/rtl/StrUtils.h"

namespace grid {

namespace {

// The value between the first two double quotes after "NAME=" (name without case).
std::string AttributeValue(std::string_view tag, std::string_view nameWithEquals)
{
    const std::size_t at = HtmlFindNoCase(tag, nameWithEquals);
    if (at == std::string_view::npos) return {};
    const std::size_t q1 = tag.find('"', at + nameWithEquals.size());
    if (q1 == std::string_view::npos) return {};
    const std::size_t q2 = tag.find('"', q1 + 1);
    if (q2 == std::string_view::npos) return {};
    return std::string(tag.substr(q1 + 1, q2 - q1 - 1));
}

// Control values are stored encoded with the table; "&amp;" is decoded too (last), so that
// a value reads back as it was set: an "&" stays one "&".
std::string DecodeValue(std::string_view value)
{
    return HtmlReplaceAll(HtmlDecodeEntities(value, true), "&amp;", "&");
}

struct TTagSpan {
    std::size_t Start;
    std::size_t End;  // one past the ">" (or the end of the text)
};

std::vector<TTagSpan> ControlTagSpans(std::string_view text)
{
    std::vector<TTagSpan> spans;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t at = HtmlFindNoCase(text, "<CONTROL ", pos);
        if (at == std::string_view::npos) break;
        const std::size_t gt = text.find('>', at);
        const std::size_t end = gt == std::string_view::npos ? text.size() : gt + 1;
        spans.push_back({at, end});
        pos = end;
    }
    return spans;
}

std::string Quoted(std::string_view name, std::string_view value)
{
    return " " + std::string(name) + "=\"" + std::string(value) + "\"";
}

}  // namespace

TControlTag ParseControlTag(std::string_view tag)
{
    TControlTag t;
    t.Type = rtl::AnsiUpperCase(AttributeValue(tag, "TYPE="));
    t.ID = AttributeValue(tag, "ID=");
    t.MaxLen = AttributeValue(tag, "MAXLEN=");
    t.Prop = DecodeValue(AttributeValue(tag, "PROP="));
    t.Height = AttributeValue(tag, "HEIGHT=");
    t.Width = AttributeValue(tag, "WIDTH=");
    t.Value = DecodeValue(AttributeValue(tag, "VALUE="));
    return t;
}

bool HasControlTag(std::string_view text) { return HtmlFindNoCase(text, "<CONTROL") != std::string_view::npos; }

std::string NextEditableControlTagID(std::string_view text, std::string_view id)
{
    bool passed = id.empty();
    for (const TTagSpan& s : ControlTagSpans(text)) {
        const TControlTag t = ParseControlTag(text.substr(s.Start, s.End - s.Start));
        if (!passed) {
            passed = t.ID == id;
            continue;
        }
        if (t.Type != "BUTTON" && t.Type != "CHECK" && t.Type != "RADIO") return t.ID;
    }
    return {};
}

bool GetControlTagValue(std::string_view text, std::string_view id, std::string& value)
{
    for (const TTagSpan& s : ControlTagSpans(text)) {
        const TControlTag t = ParseControlTag(text.substr(s.Start, s.End - s.Start));
        if (t.ID == id) {
            value = t.Value;
            return true;
        }
    }
    return false;
}

std::string GetControlTagProp(std::string_view text, std::string_view id)
{
    for (const TTagSpan& s : ControlTagSpans(text)) {
        const TControlTag t = ParseControlTag(text.substr(s.Start, s.End - s.Start));
        if (t.ID == id) return t.Prop;
    }
    return {};
}

int GetControlTagMaxLen(std::string_view text, std::string_view id)
{
    for (const TTagSpan& s : ControlTagSpans(text)) {
        const TControlTag t = ParseControlTag(text.substr(s.Start, s.End - s.Start));
        if (t.ID == id) return HtmlLeadingNumber(t.MaxLen);
    }
    return 0;
}

bool SetControlTagValue(std::string& text, std::string_view id, std::string_view value)
{
    const std::string encoded = HtmlEncodeEntities(value, true);
    for (const TTagSpan& s : ControlTagSpans(text)) {
        const TControlTag t = ParseControlTag(std::string_view(text).substr(s.Start, s.End - s.Start));
        if (t.ID != id) continue;
        std::string tag = "<CONTROL ID=\"" + t.ID + "\"";
        tag += Quoted("VALUE", encoded);
        tag += Quoted("WIDTH", t.Width);
        tag += Quoted("TYPE", t.Type);
        if (!t.Prop.empty()) tag += Quoted("PROP", HtmlEncodeEntities(t.Prop, true));
        if (!t.MaxLen.empty()) tag += Quoted("MAXLEN", t.MaxLen);
        if (!t.Height.empty()) tag += Quoted("HEIGHT", t.Height);
        tag += ">";
        text = text.substr(0, s.Start) + tag + text.substr(s.End);
        return true;
    }
    return false;
}

std::string UncheckRadioControlTags(std::string_view text)
{
    std::string r(text);
    std::vector<std::string> radios;
    for (const TTagSpan& s : ControlTagSpans(r)) {
        const TControlTag t = ParseControlTag(std::string_view(r).substr(s.Start, s.End - s.Start));
        if (t.Type == "RADIO") radios.push_back(t.ID);
    }
    for (const std::string& id : radios) SetControlTagValue(r, id, "FALSE");
    return r;
}

}  // namespace grid
