// Word-processor documents (.docx): text paragraphs and tables written, existing documents appended to.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace office {

enum TParagraphAlignment { paLeft = 0, paCenter = 1, paRight = 2 };

struct TTableCell {
    std::string Text;  // line feeds start new lines within the cell
    TParagraphAlignment Alignment = paLeft;
};

// A document held in memory as its parts. New documents hold one empty body; opened ones keep
// every part and add to the body. Open raises EOfficeFileError naming the file when it is no
// document; SaveAs writes through a temporary file renamed over the target and raises
// EInOutError naming the file when that fails (an existing file stays as it was).
class TWordDocument {
public:
    TWordDocument();
    ~TWordDocument();
    TWordDocument(TWordDocument&&) noexcept;
    TWordDocument& operator=(TWordDocument&&) noexcept;

    static TWordDocument Create();
    static TWordDocument Open(const std::string& fileName);

    // A paragraph of text at the start of the body (where the selection of a document just
    // opened or made stands).
    void TypeParagraphAtStart(const std::string& text);
    bool BookmarkExists(const std::string& name) const;
    // A table of these rows: at the start of the body, at the end, or after the paragraph that
    // holds the bookmark (which must exist).
    void AddTableAtStart(const std::vector<std::vector<TTableCell>>& rows);
    void AddTableAtEnd(const std::vector<std::vector<TTableCell>>& rows);
    void AddTableAtBookmark(const std::string& name, const std::vector<std::vector<TTableCell>>& rows);
    void SaveAs(const std::string& fileName);

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};

}  // namespace office
