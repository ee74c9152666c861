// A drop-down edit for multi-line text, edited in a memo in the pop-up; the edit shows the first line.
#pragma once

#include <memory>

#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/ui/StdCtrlsEdit.h"

namespace rtl {
class TStringList;
class TStrings;
}  // namespace rtl

namespace grid {

// MemoText is the value. While the pop-up is open every change of the memo is copied into it
// at once and the edit shows its first line (shortened with "..." when it cannot be typed
// in); closing in any way leaves the memo's text in MemoText. Typing into the edit replaces
// the whole text by the one edited line.
class TExtMemoDropDown : public TExtCustomDropDown {
public:
    explicit TExtMemoDropDown(rtl::TComponent* AOwner);
    ~TExtMemoDropDown() override;
    std::string ClassName() const override { return "TExtMemoDropDown"; }

    // The memo's lines (the stored list before the pop-up was first made).
    rtl::TStrings& MemoText() const;
    void SetMemoText(const rtl::TStrings& value);
    ui::TMemo* Memo() const { return FMemo; }
    bool AutoDrop() const { return FAutoDrop; }
    void SetAutoDrop(bool value) { FAutoDrop = value; }
    rtl::TComponent* MemoPopup() const { return FMemoPopup; }
    void SetMemoPopup(rtl::TComponent* value) { FMemoPopup = value; }
    bool MemoReadOnly() const { return FMemoReadOnly; }
    void SetMemoReadOnly(bool value);
    ui::TScrollStyle MemoScrollBars() const { return FMemoScrollBars; }
    void SetMemoScrollBars(ui::TScrollStyle value) { FMemoScrollBars = value; }

    ui::TNotifyEvent OnMemoChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoShowDropDown() override;
    void DoHideDropDown(bool cancel) override;
    void DropDownClosed() override;
    // Typing into the edit: the one edited line becomes the whole text.
    void Change() override;
    void DoEnter() override;
    void Notification(rtl::TComponent* AComponent, rtl::TOperation Operation) override;

private:
    void MemoChange(rtl::TObject* Sender);
    // The memo takes the stored lines without copying them back line by line.
    void LoadMemo();
    void MemoTextChanged();
    // The first line as the edit shows it.
    std::string EditLine();
    void DropDownControlKeyDown(ui::WORD& Key, ui::TShiftState Shift);
    void DropDownControlKeyPress(char32_t& Key);
    void DropDownControlKeyUp(ui::WORD& Key, ui::TShiftState Shift);

    rtl::TComponent* FMemoPopup = nullptr;
    std::unique_ptr<rtl::TStringList> FMemoText;
    ui::TMemo* FMemo = nullptr;
    ui::TScrollStyle FMemoScrollBars = ui::ssNone;
    bool FMemoReadOnly = false;
    bool FInternalUpdate = false;
    bool FLoadingMemo = false;
    bool FAutoDrop = false;
};

}  // namespace grid
