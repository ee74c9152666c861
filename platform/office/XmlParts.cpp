// Small helpers over libxml2 documents for the XML parts of office files.
#include "platform/office/XmlParts.h"

#include <libxml/parser.h>

#include <cstring>

#include "platform/office/OfficeErrors.h"

namespace office {

TXmlDoc ParseXmlPart(const std::string& bytes, const std::string& partName, const std::string& fileName)
{
    xmlDoc* doc = xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), partName.c_str(), nullptr,
                                XML_PARSE_NONET | XML_PARSE_HUGE | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!doc || !xmlDocGetRootElement(doc)) {
        if (doc) xmlFreeDoc(doc);
        throw EOfficeFileError("Incorrect part " + partName + " in " + fileName);
    }
    return TXmlDoc(doc);
}

std::vector<xmlNode*> Children(xmlNode* parent, const char* localName)
{
    std::vector<xmlNode*> out;
    if (!parent) return out;
    for (xmlNode* n = parent->children; n; n = n->next)
        if (n->type == XML_ELEMENT_NODE && std::strcmp(reinterpret_cast<const char*>(n->name), localName) == 0)
            out.push_back(n);
    return out;
}

xmlNode* FirstChild(xmlNode* parent, const char* localName)
{
    if (!parent) return nullptr;
    for (xmlNode* n = parent->children; n; n = n->next)
        if (n->type == XML_ELEMENT_NODE && std::strcmp(reinterpret_cast<const char*>(n->name), localName) == 0)
            return n;
    return nullptr;
}

std::string Attribute(xmlNode* node, const char* localName)
{
    if (!node) return {};
    for (xmlAttr* a = node->properties; a; a = a->next) {
        if (std::strcmp(reinterpret_cast<const char*>(a->name), localName) != 0) continue;
        xmlChar* v = xmlNodeListGetString(node->doc, a->children, 1);
        std::string s = v ? reinterpret_cast<const char*>(v) : "";
        xmlFree(v);
        return s;
    }
    return {};
}

std::string TextOf(xmlNode* node)
{
    if (!node) return {};
    xmlChar* v = xmlNodeGetContent(node);
    std::string s = v ? reinterpret_cast<const char*>(v) : "";
    xmlFree(v);
    return s;
}

std::string SerializeXml(xmlDoc* doc)
{
    xmlChar* mem = nullptr;
    int size = 0;
    xmlDocDumpMemoryEnc(doc, &mem, &size, "UTF-8");
    std::string s(reinterpret_cast<const char*>(mem), static_cast<std::size_t>(size));
    xmlFree(mem);
    return s;
}

std::string XmlEscape(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (unsigned char ch : text) {
        switch (ch) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            if (ch < 0x20 && ch != '\t' && ch != '\n' && ch != '\r') break;
            out += static_cast<char>(ch);
        }
    }
    return out;
}

}  // namespace office
