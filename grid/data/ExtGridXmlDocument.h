// A small XML document reader for the string grid's XML import: elements, attributes and text.
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
    std::string Value;     // the text of a text node, entities resolved
    std::vector<std::pair<std::string, std::string>> Attributes;
    std::vector<TXmlNode> ChildNodes;

    // The text of the node: its own for a text node, else that of all descendants in order.
    std::string Text() const;
};

// A malformed document: a code for the kind of fault, the 1-based line, what was wrong and
// the text found there.
class EXmlParseError : public rtl::Exception {
public:
    EXmlParseError(int Code, int Line, std::string Reason, std::string Found);
    int ErrorCode;
    int Line;
    std::string Reason;
    std::string Found;
};

using TXmlChildHandler = std::function<void(const TXmlNode& Child)>;

// Reads a document from the bytes of a file: a UTF-8 or UTF-16 byte-order mark, or an
// encoding declaration naming UTF-8, selects Unicode, as do bytes that are valid UTF-8
// without a declaration; otherwise the bytes read as the system code page, in which the grid
// writes its XML files. Each child of the document element is handed to OnRootChild in order
// as it is read (blank text between them left out); the document element is returned without
// its children. Raises EXmlParseError, possibly after some children were handed on.
TXmlNode ParseXmlDocument(std::string_view Bytes, const TXmlChildHandler& OnRootChild);

}  // namespace grid
