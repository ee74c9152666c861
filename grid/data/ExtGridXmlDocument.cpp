// The XML document object of the string grid's XML import, served by libxml2.
#include "grid/data/ExtGridXmlDocument.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include <algorithm>
#include <memory>
#include <string>

#include "platform/rtl/Utf8.h"

namespace grid {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsAllBlank(std::string_view s) { return std::all_of(s.begin(), s.end(), IsBlank); }

std::string Str(const xmlChar* s) { return s == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(s)); }

// The element or attribute name as the document writes it, with its namespace prefix.
std::string QualifiedName(const xmlChar* Name, const xmlNs* Ns)
{
    if (Ns != nullptr && Ns->prefix != nullptr) return Str(Ns->prefix) + ":" + Str(Name);
    return Str(Name);
}

// Text of text, CDATA and entity-reference nodes; a reference to an entity the document
// declares is kept as written, since entities are not expanded.
bool IsTextLike(const xmlNode* n)
{
    return n->type == XML_TEXT_NODE || n->type == XML_CDATA_SECTION_NODE || n->type == XML_ENTITY_REF_NODE;
}

std::string TextOf(const xmlNode* n)
{
    if (n->type == XML_ENTITY_REF_NODE) return "&" + Str(n->name) + ";";
    return Str(n->content);
}

std::string AttributeValue(const xmlAttr* a)
{
    std::string value;
    for (const xmlNode* n = a->children; n != nullptr; n = n->next)
        if (IsTextLike(n)) value += TextOf(n);
    return value;
}

// White space beside child elements is layout, not data; a lone text child stays as it is.
void DropLayoutText(TXmlNode& Node)
{
    const bool hasElements =
        std::any_of(Node.ChildNodes.begin(), Node.ChildNodes.end(), [](const TXmlNode& n) { return !n.IsText; });
    if (!hasElements) return;
    std::erase_if(Node.ChildNodes, [](const TXmlNode& n) { return n.IsText && IsAllBlank(n.Value); });
}

// The children of an element, adjacent text pieces joined into one text node as the
// document object shows them. libxml2 limits the depth of what it parses, so the recursion
// stays shallow.
void ReadChildren(const xmlNode* Parent, TXmlNode& Node);

TXmlNode ReadElement(const xmlNode* e)
{
    TXmlNode node;
    node.NodeName = QualifiedName(e->name, e->ns);
    for (const xmlAttr* a = e->properties; a != nullptr; a = a->next)
        node.Attributes.emplace_back(QualifiedName(a->name, a->ns), AttributeValue(a));
    ReadChildren(e, node);
    return node;
}

// The number of nodes ReadChildren lists at most: one per element and one per run of text.
std::size_t ChildNodeBound(const xmlNode* Parent)
{
    std::size_t count = 0;
    bool inText = false;
    for (const xmlNode* n = Parent->children; n != nullptr; n = n->next) {
        if (IsTextLike(n)) {
            if (!inText) ++count;
            inText = true;
        } else if (n->type == XML_ELEMENT_NODE) {
            ++count;
            inText = false;
        }
    }
    return count;
}

void ReadChildren(const xmlNode* Parent, TXmlNode& Node)
{
    // Sized once: growing by doubling moves every subtree read so far.
    Node.ChildNodes.reserve(ChildNodeBound(Parent));
    bool inText = false;
    for (const xmlNode* n = Parent->children; n != nullptr; n = n->next) {
        if (IsTextLike(n)) {
            if (!inText) {
                TXmlNode text;
                text.IsText = true;
                Node.ChildNodes.push_back(std::move(text));
                inText = true;
            }
            Node.ChildNodes.back().Value += TextOf(n);
        } else if (n->type == XML_ELEMENT_NODE) {
            Node.ChildNodes.push_back(ReadElement(n));
            inText = false;
        }
        // Comments and processing instructions neither add a node nor split a text.
    }
    DropLayoutText(Node);
}

bool HasBomOrDeclaredEncoding(std::string_view Bytes)
{
    if (Bytes.starts_with("\xEF\xBB\xBF") || Bytes.starts_with("\xFF\xFE") || Bytes.starts_with("\xFE\xFF")) return true;
    if (!Bytes.starts_with("<?xml")) return false;
    const std::string_view decl = Bytes.substr(0, Bytes.find("?>"));
    return decl.find("encoding") != std::string_view::npos;
}

// The text of the given 1-based line from the 1-based column on; "(end of file)" past the end.
std::string TextAt(std::string_view Bytes, int Line, int Column)
{
    std::size_t pos = 0;
    for (int l = 1; l < Line; ++l) {
        const std::size_t lf = Bytes.find('\n', pos);
        if (lf == std::string_view::npos) return "(end of file)";
        pos = lf + 1;
    }
    std::string_view line = Bytes.substr(pos, Bytes.find('\n', pos) - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t from = Column > 1 ? std::min(line.size(), static_cast<std::size_t>(Column - 1)) : 0;
    if (line.substr(from).empty()) return line.empty() ? "(end of file)" : std::string(line.substr(0, 40));
    std::string found(line.substr(from, 40));
    // Never cut a character in two.
    while (!found.empty() && !rtl::Utf8IsValid(found)) found.pop_back();
    return found;
}

struct TParserFree {
    void operator()(xmlParserCtxt* c) const { xmlFreeParserCtxt(c); }
};
struct TDocFree {
    void operator()(xmlDoc* d) const { xmlFreeDoc(d); }
};

[[noreturn]] void RaiseParseError(const xmlError* Error, std::string_view Bytes)
{
    if (Error == nullptr || Error->code == 0) throw EXmlParseError(1, 1, "malformed document", TextAt(Bytes, 1, 1));
    std::string reason = Str(reinterpret_cast<const xmlChar*>(Error->message));
    while (!reason.empty() && IsBlank(reason.back())) reason.pop_back();
    // The library's depth limit speaks of its own options; say what is wrong with the file.
    if (reason.find("Excessive depth") != std::string::npos) reason = "elements nested deeper than 256 levels";
    const int line = std::max(1, Error->line);
    throw EXmlParseError(Error->code, line, reason, TextAt(Bytes, line, Error->int2));
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
    // Files older than the encoding declaration were written in the code page; bytes that
    // are not UTF-8 and name no encoding are read that way.
    const char* encoding = nullptr;
    if (!HasBomOrDeclaredEncoding(Bytes) && !rtl::Utf8IsValid(Bytes)) encoding = "windows-1250";

    std::unique_ptr<xmlParserCtxt, TParserFree> context(xmlNewParserCtxt());
    if (!context) throw rtl::Exception("XMLDOM server component not found");
    // No network, no external DTD, no entity substitution; errors are reported here, not
    // printed by the library.
    const int options = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
    std::unique_ptr<xmlDoc, TDocFree> doc(xmlCtxtReadMemory(context.get(), Bytes.data(), static_cast<int>(Bytes.size()),
                                                            "document.xml", encoding, options));
    if (!doc || !context->wellFormed) RaiseParseError(xmlCtxtGetLastError(context.get()), Bytes);

    const xmlNode* root = xmlDocGetRootElement(doc.get());
    if (root == nullptr) RaiseParseError(xmlCtxtGetLastError(context.get()), Bytes);
    TXmlNode document;
    document.NodeName = QualifiedName(root->name, root->ns);
    for (const xmlAttr* a = root->properties; a != nullptr; a = a->next)
        document.Attributes.emplace_back(QualifiedName(a->name, a->ns), AttributeValue(a));
    // The whole document has parsed before the first child is handed on, so a parse error
    // never leaves half of them handed on. Each child is copied out, handed on and dropped in
    // turn: the document's copy is never held whole beside the parsed tree.
    const auto handOnText = [&](std::string& Text) {
        if (!IsAllBlank(Text)) {
            TXmlNode text;
            text.IsText = true;
            text.Value = std::move(Text);
            OnRootChild(text);
        }
        Text.clear();
    };
    std::string pendingText;
    bool inText = false;
    for (const xmlNode* n = root->children; n != nullptr; n = n->next) {
        if (IsTextLike(n)) {
            pendingText += TextOf(n);
            inText = true;
        } else if (n->type == XML_ELEMENT_NODE) {
            if (inText) handOnText(pendingText);
            inText = false;
            OnRootChild(ReadElement(n));
        }
    }
    if (inText) handOnText(pendingText);
    return document;
}

}  // namespace grid
