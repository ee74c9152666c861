// The grid's edit-with-button cell editors: free, numeric, float and masked text, and values with a unit.
#pragma once

#include <string>

#include "grid/editing/EsgEditBtn.h"

namespace grid {

class TExtStringGrid;

class TGridEditBtn : public TEsgEditBtn {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridEditBtn(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridEditBtn"; }
    void ReCreate();
    bool StopEditAfterClick() const { return FStopEditAfterClick; }
    void SetStopEditAfterClick(bool v) { FStopEditAfterClick = v; }
    bool WorkMode() const { return FWorkMode; }

protected:
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyUp(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoExit() override;
    void DblClick() override;
    void Change() override;

private:
    void ButtonHandler();
    void Paste();
    void LookupCompletion();
    void CursorWalk(ui::WORD& Key);

    bool FWorkMode = true;
    int FSelKeyDown = 0;
    TExtStringGrid* FGrid;
    bool FStopEditAfterClick = false;
};

class TGridUnitEditBtn : public TEsgUnitEditBtn {
public:
    // The owner must be a TExtStringGrid.
    explicit TGridUnitEditBtn(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridUnitEditBtn"; }
    void ReCreate();

protected:
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void DoExit() override;

private:
    void ButtonHandler();
    TExtStringGrid* FGrid;
};

// Whether a character passes the numeric or float filter of the edit-with-button editors
// for the text, caret and selection given; Beep tells whether a refusal sounds.
enum TEditBtnFilter { efNumeric, efFloat };
bool EditBtnCharAllowed(TEditBtnFilter Filter, char32_t Ch, const std::string& Text, int SelStart,
                        const std::string& SelText, bool& Beep);

}  // namespace grid
