// The memo drop-down: the memo text as the value, its first line in the edit, Tab and Escape in the memo.
#include "grid/dropdown/ExtMemoDropDown.h"

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/DropDownRoutines.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Keyboard.h"

namespace grid {

namespace {

constexpr int MemoHeight = 100;
const char* const Ellipsis = "...";

bool AltHeld()
{
    return ui::GetKeyState(ui::VK_MENU) < 0;
}

}  // namespace

TExtMemoDropDown::TExtMemoDropDown(rtl::TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FMemoText(std::make_unique<rtl::TStringList>())
{
    FMemoText->OnChange = [this](rtl::TObject*) { MemoTextChanged(); };
    // The base made its pop-up before this class existed: the memo is added now.
    CreateDropDownForm();
}

TExtMemoDropDown::~TExtMemoDropDown()
{
    FMemoText->OnChange = nullptr;
}

void TExtMemoDropDown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (DropDownForm() == nullptr || FMemo != nullptr) return;
    FMemo = new ui::TMemo(this);
    FMemo->SetParent(DropDownForm());
    FMemo->SetBounds(0, 0, FMemo->Width(), MemoHeight);
    FMemo->OnChange = [this](rtl::TObject* Sender) { MemoChange(Sender); };
    FMemo->SetBorderThickness(0);
    FMemo->SetWantTabs(true);
    FMemo->SetTabStop(true);
    LoadMemo();
    SetControl(FMemo);
}

void TExtMemoDropDown::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    TExtCustomDropDown::Notification(AComponent, Operation);
    if (Operation != rtl::opRemove) return;
    if (AComponent == FMemo) FMemo = nullptr;
    if (AComponent == FMemoPopup) FMemoPopup = nullptr;
}

rtl::TStrings& TExtMemoDropDown::MemoText() const
{
    if (FMemo != nullptr) return FMemo->Lines();
    return *FMemoText;
}

void TExtMemoDropDown::SetMemoText(const rtl::TStrings& value)
{
    FMemoText->Assign(&value);
    if (FMemo != nullptr) LoadMemo();
}

void TExtMemoDropDown::SetMemoReadOnly(bool value)
{
    FMemoReadOnly = value;
    if (DroppedDown() && FMemo != nullptr) FMemo->SetReadOnly(value);
}

void TExtMemoDropDown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    // A click elsewhere keeps what was typed.
    DropDownForm()->FCancelOnDeActivate = false;
    if (FMemo == nullptr) return;
    if (EditorEnabled()) LoadMemo();
    FMemo->SetPopupMenu(FMemoPopup);
    FMemo->SetMaxLength(MaxLength());
    FMemo->SetScrollBars(FMemoScrollBars);
    FMemo->SetReadOnly(FMemoReadOnly);
}

void TExtMemoDropDown::DoShowDropDown()
{
    TExtCustomDropDown::DoShowDropDown();
    if (FMemo == nullptr || !DroppedDown()) return;
    // The memo keeps the keys it types with; only the closing keys reach the edit.
    FMemo->OnKeyDown = [this](rtl::TObject*, ui::WORD& key, ui::TShiftState shift) { DropDownControlKeyDown(key, shift); };
    FMemo->OnKeyPress = [this](rtl::TObject*, char32_t& key) { DropDownControlKeyPress(key); };
    FMemo->OnKeyUp = [this](rtl::TObject*, ui::WORD& key, ui::TShiftState shift) { DropDownControlKeyUp(key, shift); };
}

void TExtMemoDropDown::DoHideDropDown(bool cancel)
{
    // The edit takes the focus back while closing: that must not open the pop-up again.
    const bool autoDrop = FAutoDrop;
    FAutoDrop = false;
    if (cancel && FMemo != nullptr) LoadMemo();
    // Cancelling puts the edit's last set value back; the memo text typed so far stays the
    // value, so that restore must not write the one line back into it.
    const bool internal = FInternalUpdate;
    FInternalUpdate = cancel;
    TExtCustomDropDown::DoHideDropDown(cancel);
    FInternalUpdate = internal;
    if (cancel) MemoTextChanged();
    FAutoDrop = autoDrop;
}

void TExtMemoDropDown::DropDownClosed()
{
    TExtCustomDropDown::DropDownClosed();
    if (FMemo != nullptr) FMemoText->Assign(&FMemo->Lines());
    MemoTextChanged();
    SetSelStart(0);
    SetSelLength(0);
}

void TExtMemoDropDown::DropDownControlKeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    if (Key == ui::VK_TAB) {
        Key = 0;
        HideDropDown(false);
        SelectAll();
        return;
    }
    if ((Shift & ui::ssCtrl) != 0 && Key == 'A') {
        FMemo->SelectAll();
        Key = 0;
        return;
    }
    if (AltHeld() || Key == ui::VK_ESCAPE || Key == ui::VK_F4) Perform(ui::WM_KEYDOWN, Key, 0);
}

void TExtMemoDropDown::DropDownControlKeyPress(char32_t& Key)
{
    if (Key == U'\t') {
        Key = 0;
        SelectAll();
        return;
    }
    if (AltHeld() || Key == 27) Perform(ui::WM_CHAR, Key, 0);
}

void TExtMemoDropDown::DropDownControlKeyUp(ui::WORD& Key, ui::TShiftState)
{
    if (AltHeld() || Key == ui::VK_ESCAPE || Key == ui::VK_F4) Perform(ui::WM_KEYUP, Key, 0);
}

void TExtMemoDropDown::LoadMemo()
{
    const bool loading = FLoadingMemo;
    FLoadingMemo = true;
    FMemo->SetLines(*FMemoText);
    FLoadingMemo = loading;
}

void TExtMemoDropDown::MemoChange(rtl::TObject*)
{
    if (FLoadingMemo) return;
    FMemoText->Assign(&FMemo->Lines());
    if (OnMemoChange) OnMemoChange(this);
}

std::string TExtMemoDropDown::EditLine()
{
    if (FMemoText->GetCount() == 0) return "";
    const std::string first = FMemoText->Get(0);
    if (EditorEnabled()) return first;
    gfx::TCanvas& canvas = Canvas();
    canvas.Font().Assign(&Font());
    const int width = TextAreaWidth();
    if (MeasureText(canvas, first).cx < width) return FMemoText->GetCount() > 1 ? first + Ellipsis : first;
    return FitTextWithEllipsis(canvas, first, width, true);
}

void TExtMemoDropDown::MemoTextChanged()
{
    const std::string line = EditLine();
    const bool internal = FInternalUpdate;
    FInternalUpdate = true;
    SetTextDirect(line);
    FInternalUpdate = internal;
}

void TExtMemoDropDown::Change()
{
    if (!FInternalUpdate) {
        auto handler = std::move(FMemoText->OnChange);
        FMemoText->OnChange = nullptr;
        const std::string value = GetText();
        if (FMemo != nullptr) FMemo->SetText(value);
        FMemoText->SetText(value);
        FMemoText->OnChange = std::move(handler);
    }
    TExtCustomDropDown::Change();
}

void TExtMemoDropDown::DoEnter()
{
    TExtCustomDropDown::DoEnter();
    if (FAutoDrop) DoShowDropDown();
}

}  // namespace grid
