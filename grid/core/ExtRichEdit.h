// The grid's rich edit: converts rich-text cells while hidden, edits them in place, and grows the edited row to its text.
#pragma once

#include <string>

#include "platform/ui/RichEdit.h"

namespace grid {

class TExtStringGrid;

class TExtRichEdit : public ui::TRichEdit {
public:
    // The owner must be a TExtStringGrid (another owner raises EInvalidCast).
    explicit TExtRichEdit(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TExtRichEdit"; }

    // The size the grid's hidden rich edit last asked for (text plus its margins).
    int ReqWidth() const { return FReqWidth; }
    int ReqHeight() const { return FReqHeight; }
    // While locked, the in-place editor does not grow its row (the editing cycle locks it
    // while it fills the editor).
    void LockResize() { FLocked = true; }
    void UnlockResize() { FLocked = false; }
    bool ResizeLocked() const { return FLocked; }
    // The content an edit started from, to tell whether the user changed it.
    void RememberContent() { FOpenedRtf = RtfText(); }
    bool ContentChanged() const { return RtfText() != FOpenedRtf; }

protected:
    void RequestSize(const rtl::TSize& Size) override;
    // The memo's keys plus Tab; the in-place editor ends the edit when the focus goes to
    // its grid.
    void WndProc(ui::TMessage& Message) override;
    // The in-place editor hands Tab (with goTabs) and, in a single-line grid, Up and Down
    // to the grid, which moves on from the cell; Escape closes it without storing.
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;

private:
    bool IsInplaceEditor() const;
    TExtStringGrid* FGrid;
    int FReqWidth = 0;
    int FReqHeight = 0;
    bool FLocked = false;
    bool FGrowing = false;
    std::string FOpenedRtf;
};

}  // namespace grid
