// The string grid's default in-place text editor: character filters by editor kind, length limit, lookup completion, clipboard events.
#pragma once

#include <memory>
#include <string>

#include "grid/core/GridTypes.h"
#include "platform/ui/Grids.h"
#include "platform/ui/WindowOverlays.h"

namespace grid {

class TExtStringGrid;

// Placed over a cell for the inline editor kinds (edNormal, the numeric and float kinds,
// the case kinds, edPassword, edValidChars). One instance per grid, created through the
// grid's CreateEditor on the first edit and kept.
class TExtInplaceEdit : public ui::TInplaceEdit {
public:
    explicit TExtInplaceEdit(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TExtInplaceEdit"; }

    TExtStringGrid* Grid() const { return FGrid; }
    // The grid's MaxEditLength when the editor was filled or focused; below 1 no limit.
    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int v) { FLengthLimit = v; }
    // Right-aligned text.
    bool VAlign() const { return FValign; }
    void SetVAlign(bool v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    // Lookup completion is armed (cleared by Backspace and Delete).
    bool Workmode() const { return FWorkmode; }
    bool GotKey() const { return FGotKey; }
    // The cell the editor was last filled for (displayed column, row).
    int ColE() const { return FColE; }
    int RowE() const { return FRowE; }
    // The editor kind of the cell being edited: DefaultEditor, then OnGetEditorType.
    TEditorType EditorKind();

    void UpdateContents() override;
    // The balloon that explains a refused value: shown below the editor with the grid's
    // InvalidEntryTitle and InvalidEntryText, gone with the next key or the end of the edit.
    void ShowInvalidEntryBalloon(const std::string& Title, const std::string& Text);
    void HideInvalidEntryBalloon();
    bool InvalidEntryBalloonShown() const { return FBalloon != nullptr && FBalloon->Visible(); }
    rtl::TRect InvalidEntryBalloonBounds() const;
    // Puts a text into the editor as the grid does, without the edit-change events and
    // without storing it in the cell.
    void SetTextQuietly(const std::string& Text);
    void Move(const rtl::TRect& Loc) override;

protected:
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void KeyUp(ui::WORD& Key, ui::TShiftState Shift) override;
    void Change() override;
    void DblClick() override;

private:
    int TextTopOffset(int CellHeight) const;
    void TakeCellLook();
    void EditorProperties();
    bool FilterChar(char32_t& Key);
    bool ValidateOnKey(ui::WORD Key, bool Ctrl, bool Shift);
    void ShowRefusedValue();
    void LookupComplete();
    void AfterKeyUp();
    void LoseFocus(ui::TMessage& Message);
    void GainFocus(ui::TMessage& Message);
    bool Copy();
    bool Cut();
    void Paste();
    bool PasteFilter(std::string& Text);
    bool CtrlDown() const;
    int TextLength() const;

    TExtStringGrid* FGrid = nullptr;
    int FLengthLimit = 0;
    bool FValign = false;
    bool FWordWrap = false;
    int FSelKeyDown = 0;
    int FOldSelStart = 0;
    bool FGotKey = false;
    bool FGotFocus = false;
    bool FWorkmode = true;
    int FColE = -1;
    int FRowE = -1;
    bool FAltBack = false;
    bool FQuiet = false;
    std::unique_ptr<ui::TWindowOverlay> FBalloon;
    std::string FBalloonTitle;
    std::string FBalloonText;
    void PaintBalloon(gfx::TCanvas& Canvas) const;
    // Key data of the WM_CHAR being handled (bit 24: the key came from the numeric keypad).
    ui::LPARAM FCharKeyData = 0;
};

}  // namespace grid
