// The plain text of a cell holding rich text, as the selection text and the plain-text accessor give it.
#include "grid/core/ExtGrid.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/RichEdit.h"

namespace grid {

// Rich text is stored as RTF.
bool TExtStringGrid::IsRichCellText(const std::string& Text) { return ui::IsRtf(Text); }

// RTF gives the characters its document holds, paragraphs joined by CR LF; a damaged RTF
// text or one that only contains "{\" somewhere is plain text already and stays as it is.
std::string TExtStringGrid::RichPlainText(const std::string& Text)
{
    if (!IsRichCellText(Text)) return Text;
    try {
        return ui::RtfToRichText(Text).PlainText();
    } catch (const rtl::Exception&) {
        return Text;
    }
}

}  // namespace grid
