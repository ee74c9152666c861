// The XML document object of the string grid's XML import, served by libxml2.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/rtl/Exceptions.h"

namespace grid {

// One node of a read document: an element (name, attributes, child nodes) or a text node.
// Comments, processing instructions and the document type are skipped; CDATA sections are
// text. Text that is only white space between child elements is dropped.
struct TXmlNode {
    bool IsText = false;
    std::string NodeName;  // the element name; empty for a text node
    std::string Value;     // the text of a text node, predefined and character entities resolved
    std::vector<std::pair<std::string, std::string>> Attributes;
    std::vector<TXmlNode> ChildNodes;

    // The text of the node: its own for a text node, else that of all descendants in order.
    std::string Text() const;
};

// A malformed document: the parser's error code, the 1-based line, its message and the text
// of that line from the place of the fault.
class EXmlParseError : public rtl::Exception {
public:
    EXmlParseError(int Code, int Line, std::string Reason, std::string Found);
    int ErrorCode;
    int Line;
    std::string Reason;
    std::string Found;
};

using TXmlChildHandler = std::function<void(const TXmlNode& Child)>;

// Reads a document from the bytes of a file. The encoding comes from the byte-order mark or
// the declaration and is honoured as declared; a document with neither whose bytes are not
// valid UTF-8 reads as the system code page (Windows-1250). Entities declared in the document
// are not expanded (a reference stays as its own text) and nothing is fetched from the
// network. Each child element of the document element is handed to OnRootChild in order; the
// document element is returned without its children. Raises EXmlParseError before any child
// is handed on.
TXmlNode ParseXmlDocument(std::string_view Bytes, const TXmlChildHandler& OnRootChild);

}  // namespace grid
