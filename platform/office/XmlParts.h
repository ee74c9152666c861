// Small helpers over libxml2 documents for the XML parts of office files.
#pragma once

#include <libxml/tree.h>

#include <memory>
#include <string>
#include <vector>

namespace office {

struct TXmlDocFree {
    void operator()(xmlDoc* d) const { xmlFreeDoc(d); }
};
using TXmlDoc = std::unique_ptr<xmlDoc, TXmlDocFree>;

// Parses a part; raises EOfficeFileError naming the part and the file when it is no XML.
TXmlDoc ParseXmlPart(const std::string& bytes, const std::string& partName, const std::string& fileName);
// Child elements with that local name (any namespace).
std::vector<xmlNode*> Children(xmlNode* parent, const char* localName);
xmlNode* FirstChild(xmlNode* parent, const char* localName);
// An attribute by local name, "" when missing.
std::string Attribute(xmlNode* node, const char* localName);
std::string TextOf(xmlNode* node);
std::string SerializeXml(xmlDoc* doc);
// Text escaped for XML content and attribute values; characters XML cannot hold are dropped.
std::string XmlEscape(const std::string& text);

}  // namespace office
