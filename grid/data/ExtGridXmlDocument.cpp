// A small XML document reader for the string grid's XML import: elements, attributes and text.
#include "grid/data/ExtGridXmlDocument.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

#include "platform/rtl/CodePage.h"
#include "platform/rtl/Utf8.h"

namespace grid {

namespace {

// Kinds of fault, reported as the parse error's code.
enum TXmlFault : int {
    xfNoRoot = 1,
    xfBadName,
    xfUnterminated,
    xfBadAttribute,
    xfDuplicateAttribute,
    xfBadReference,
    xfTagMismatch,
    xfTrailingContent,
    xfLessThanInValue,
    xfTooDeep,
};

// Elements nest at most this deep: the reader and the grid walk the tree recursively, so a
// hostile or broken file nested deeper would overflow the stack instead of raising an error.
constexpr int MaxNesting = 1000;

void AppendCodePoint(std::string& out, unsigned long cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsNameStart(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return std::isalpha(u) != 0 || c == '_' || c == ':' || u >= 0x80;
}

bool IsNameChar(char c) { return IsNameStart(c) || std::isdigit(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '.'; }

bool IsAllBlank(std::string_view s) { return std::all_of(s.begin(), s.end(), IsBlank); }

class TXmlParser {
public:
    TXmlParser(std::string_view Text, const TXmlChildHandler& OnRootChild) : FText(Text), FOnRootChild(OnRootChild) {}

    TXmlNode ParseDocument()
    {
        SkipMisc();
        if (!At("<") || FPos + 1 >= FText.size() || !IsNameStart(FText[FPos + 1]))
            Fail(xfNoRoot, "no document element");
        TXmlNode root = ParseElement(true);
        SkipMisc();
        if (FPos < FText.size()) Fail(xfTrailingContent, "content after the document element");
        return root;
    }

private:
    std::string_view FText;
    const TXmlChildHandler& FOnRootChild;
    std::size_t FPos = 0;
    int FDepth = 0;

    [[noreturn]] void Fail(int Code, const std::string& Reason) { FailAt(FPos, Code, Reason); }

    [[noreturn]] void FailAt(std::size_t Pos, int Code, const std::string& Reason)
    {
        Pos = std::min(Pos, FText.size());
        const int line = 1 + static_cast<int>(std::count(FText.begin(), FText.begin() + static_cast<long>(Pos), '\n'));
        std::size_t end = Pos;
        while (end < FText.size() && end - Pos < 40 && FText[end] != '\r' && FText[end] != '\n') ++end;
        std::string found(FText.substr(Pos, end - Pos));
        if (Pos == FText.size()) found = "(end of file)";
        throw EXmlParseError(Code, line, Reason, found);
    }

    bool At(std::string_view s) const { return FText.substr(FPos, s.size()) == s; }

    void SkipBlanks()
    {
        while (FPos < FText.size() && IsBlank(FText[FPos])) ++FPos;
    }

    // Moves past the next occurrence of Close, which must exist.
    void SkipPast(std::string_view Close, const char* What)
    {
        const std::size_t start = FPos;
        const std::size_t hit = FText.find(Close, FPos);
        if (hit == std::string_view::npos) FailAt(start, xfUnterminated, std::string("unterminated ") + What);
        FPos = hit + Close.size();
    }

    // The document type, with an internal subset in brackets.
    void SkipDoctype()
    {
        const std::size_t start = FPos;
        int depth = 0;
        for (; FPos < FText.size(); ++FPos) {
            const char c = FText[FPos];
            if (c == '[') ++depth;
            else if (c == ']') --depth;
            else if (c == '>' && depth <= 0) {
                ++FPos;
                return;
            }
        }
        FailAt(start, xfUnterminated, "unterminated document type");
    }

    // White space, comments, processing instructions (the declaration too) and the document type.
    void SkipMisc()
    {
        while (true) {
            SkipBlanks();
            if (At("<?")) SkipPast("?>", "processing instruction");
            else if (At("<!--")) SkipPast("-->", "comment");
            else if (At("<!DOCTYPE")) SkipDoctype();
            else return;
        }
    }

    std::string ParseName()
    {
        if (FPos >= FText.size() || !IsNameStart(FText[FPos])) Fail(xfBadName, "name expected");
        const std::size_t start = FPos;
        while (FPos < FText.size() && IsNameChar(FText[FPos])) ++FPos;
        return std::string(FText.substr(start, FPos - start));
    }

    // The entity or character reference at FPos ("&" included), appended to Out.
    void ParseReference(std::string& Out)
    {
        const std::size_t start = FPos;
        const std::size_t semi = FText.find(';', FPos);
        if (semi == std::string_view::npos || semi - FPos > 12) Fail(xfBadReference, "bad entity reference");
        const std::string_view name = FText.substr(FPos + 1, semi - FPos - 1);
        FPos = semi + 1;
        if (name == "amp") Out += '&';
        else if (name == "lt") Out += '<';
        else if (name == "gt") Out += '>';
        else if (name == "quot") Out += '"';
        else if (name == "apos") Out += '\'';
        else if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x';
            const std::string_view digits = name.substr(hex ? 2 : 1);
            unsigned long cp = 0;
            bool ok = !digits.empty();
            for (char d : digits) {
                const int v = std::isdigit(static_cast<unsigned char>(d)) ? d - '0'
                              : hex && std::isxdigit(static_cast<unsigned char>(d)) ? std::tolower(d) - 'a' + 10
                                                                                   : -1;
                if (v < 0 || cp > 0x10FFFF) ok = false;
                else cp = cp * (hex ? 16 : 10) + static_cast<unsigned long>(v);
            }
            if (!ok || cp == 0 || cp > 0x10FFFF) FailAt(start, xfBadReference, "bad character reference");
            AppendCodePoint(Out, cp);
        } else {
            FailAt(start, xfBadReference, "unknown entity");
        }
    }

    std::string ParseAttributeValue()
    {
        if (FPos >= FText.size() || (FText[FPos] != '"' && FText[FPos] != '\''))
            Fail(xfBadAttribute, "quoted attribute value expected");
        const char quote = FText[FPos++];
        const std::size_t start = FPos - 1;
        std::string value;
        while (true) {
            if (FPos >= FText.size()) FailAt(start, xfUnterminated, "unterminated attribute value");
            const char c = FText[FPos];
            if (c == quote) break;
            if (c == '<') Fail(xfLessThanInValue, "'<' in attribute value");
            if (c == '&') ParseReference(value);
            else {
                value += c;
                ++FPos;
            }
        }
        ++FPos;
        return value;
    }

    // Duplicates are found through a set of the names seen: comparing each attribute with
    // every earlier one made an element of many attributes take quadratic time.
    void ParseAttributes(TXmlNode& Node)
    {
        std::unordered_set<std::string> seen;
        while (true) {
            const std::size_t before = FPos;
            SkipBlanks();
            if (FPos >= FText.size()) Fail(xfUnterminated, "unterminated start tag");
            if (FText[FPos] == '>' || At("/>")) return;
            if (FPos == before) Fail(xfBadAttribute, "blank expected before attribute");
            const std::size_t nameAt = FPos;
            std::string name = ParseName();
            SkipBlanks();
            if (!At("=")) Fail(xfBadAttribute, "'=' expected after attribute name");
            ++FPos;
            SkipBlanks();
            std::string value = ParseAttributeValue();
            if (!seen.insert(name).second) FailAt(nameAt, xfDuplicateAttribute, "attribute given twice");
            Node.Attributes.emplace_back(std::move(name), std::move(value));
        }
    }

    // Text up to the next markup, references resolved; appended to the pending text.
    void ParseText(std::string& Pending)
    {
        while (FPos < FText.size() && FText[FPos] != '<') {
            if (FText[FPos] == '&') ParseReference(Pending);
            else Pending += FText[FPos++];
        }
    }

    static void FlushText(TXmlNode& Node, std::string& Pending)
    {
        if (Pending.empty()) return;
        TXmlNode text;
        text.IsText = true;
        text.Value = std::move(Pending);
        Node.ChildNodes.push_back(std::move(text));
        Pending.clear();
    }

    // White space beside child elements is layout, not data; a lone text child stays as it is.
    static void DropLayoutText(TXmlNode& Node)
    {
        const bool hasElements =
            std::any_of(Node.ChildNodes.begin(), Node.ChildNodes.end(), [](const TXmlNode& n) { return !n.IsText; });
        if (!hasElements) return;
        std::erase_if(Node.ChildNodes, [](const TXmlNode& n) { return n.IsText && IsAllBlank(n.Value); });
    }

    // A child of the document element goes to the handler as soon as it is read, so a large
    // document is never held whole; blank text between such children is layout and dropped.
    void HandRootChild(TXmlNode&& Child)
    {
        if (Child.IsText && IsAllBlank(Child.Value)) return;
        FOnRootChild(Child);
    }

    void FlushRootText(std::string& Pending)
    {
        if (Pending.empty()) return;
        TXmlNode text;
        text.IsText = true;
        text.Value = std::move(Pending);
        Pending.clear();
        HandRootChild(std::move(text));
    }

    TXmlNode ParseElement(bool IsRoot = false)
    {
        const std::size_t openAt = FPos;
        if (++FDepth > MaxNesting) Fail(xfTooDeep, "elements nested deeper than " + std::to_string(MaxNesting));
        struct TDepthScope {
            int& Depth;
            ~TDepthScope() { --Depth; }
        } depthScope{FDepth};
        ++FPos;  // '<'
        TXmlNode node;
        node.NodeName = ParseName();
        ParseAttributes(node);
        if (At("/>")) {
            FPos += 2;
            return node;
        }
        ++FPos;  // '>'
        std::string pending;
        while (true) {
            ParseText(pending);
            if (FPos >= FText.size())
                FailAt(openAt, xfUnterminated, "element <" + node.NodeName + "> is not closed");
            if (At("</")) {
                const std::size_t endAt = FPos;
                FPos += 2;
                const std::string name = ParseName();
                SkipBlanks();
                if (name != node.NodeName || !At(">"))
                    FailAt(endAt, xfTagMismatch, "end tag does not match <" + node.NodeName + ">");
                ++FPos;
                break;
            }
            if (At("<![CDATA[")) {
                const std::size_t start = FPos + 9;
                SkipPast("]]>", "CDATA section");
                pending.append(FText.substr(start, FPos - 3 - start));
            } else if (At("<!--")) {
                SkipPast("-->", "comment");
            } else if (At("<?")) {
                SkipPast("?>", "processing instruction");
            } else {
                if (IsRoot) FlushRootText(pending);
                else FlushText(node, pending);
                if (FPos + 1 >= FText.size() || !IsNameStart(FText[FPos + 1])) {
                    ++FPos;
                    Fail(xfBadName, "element name expected after '<'");
                }
                if (IsRoot) HandRootChild(ParseElement());
                else node.ChildNodes.push_back(ParseElement());
            }
        }
        if (IsRoot) FlushRootText(pending);
        else FlushText(node, pending);
        DropLayoutText(node);
        return node;
    }
};

// The encoding named by the XML declaration at the start of raw bytes ("" when none).
std::string DeclaredEncoding(std::string_view Bytes)
{
    if (!Bytes.starts_with("<?xml")) return {};
    const std::size_t end = Bytes.find("?>");
    const std::string_view decl = Bytes.substr(0, end);
    const std::size_t at = decl.find("encoding");
    if (at == std::string_view::npos) return {};
    const std::size_t q = decl.find_first_of("\"'", at);
    if (q == std::string_view::npos) return {};
    const std::size_t q2 = decl.find(decl[q], q + 1);
    if (q2 == std::string_view::npos) return {};
    std::string name(decl.substr(q + 1, q2 - q - 1));
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

std::string DecodeDocument(std::string_view Bytes)
{
    const bool bom = Bytes.starts_with("\xEF\xBB\xBF") || Bytes.starts_with("\xFF\xFE") || Bytes.starts_with("\xFE\xFF");
    if (bom) return rtl::DecodeText(Bytes);
    const std::string encoding = DeclaredEncoding(Bytes);
    if (encoding.empty() || encoding == "utf-8" || encoding == "utf8") {
        // Bytes that are not UTF-8 were written in the code page whatever the declaration says.
        if (rtl::Utf8IsValid(Bytes)) return std::string(Bytes);
    }
    return rtl::Win1250ToUtf8(Bytes);
}

}  // namespace

std::string TXmlNode::Text() const
{
    if (IsText) return Value;
    std::string text;
    for (const TXmlNode& child : ChildNodes) text += child.Text();
    return text;
}

EXmlParseError::EXmlParseError(int Code, int ALine, std::string AReason, std::string AFound)
    : rtl::Exception(AReason + " at \"" + AFound + "\""),
      ErrorCode(Code),
      Line(ALine),
      Reason(std::move(AReason)),
      Found(std::move(AFound))
{
}

TXmlNode ParseXmlDocument(std::string_view Bytes, const TXmlChildHandler& OnRootChild)
{
    const std::string text = DecodeDocument(Bytes);
    return TXmlParser(text, OnRootChild).ParseDocument();
}

}  // namespace grid
