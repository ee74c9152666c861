// The calculator keypad: its buttons, their calculator layout and the mouse that makes them
// hot, pressed and clicked.
#include "grid/dropdown/ButtonPanel.h"

#include <algorithm>

#include "platform/gfx/ImageList.h"
#include "platform/ui/StdCtrlsEdit.h"

namespace grid {

namespace {

struct TCalcButtonDef {
    const char* Caption;
    const char* Name;
    int Tag;
    bool Special;
};

// In creation order: index 0 is the blank clear button at the top left.
constexpr TCalcButtonDef CalculatorButtons[] = {
    {"", "BTN_ON", 30, false},       {"Back", "BTN_BACK", 31, true}, {"CE", "BTN_CE", 32, true},
    {"C", "BTN_C", 16, true},        {"MC", "BTN_MC", 33, true},     {"MR", "BTN_MR", 34, true},
    {"MS", "BTN_MS", 35, true},      {"M+", "BTN_M+", 36, true},     {"0", "BTN_0", 0, false},
    {"1", "BTN_1", 1, false},        {"4", "BTN_4", 4, false},       {"7", "BTN_7", 7, false},
    {"8", "BTN_8", 8, false},        {"5", "BTN_5", 5, false},       {"2", "BTN_2", 2, false},
    {"+/-", "BTN_+/-", 14, false},   {".", "BTN_.", 15, false},      {"3", "BTN_3", 3, false},
    {"6", "BTN_6", 6, false},        {"9", "BTN_9", 9, false},       {"/", "BTN_/", 13, true},
    {"*", "BTN_*", 12, true},        {"-", "BTN_-", 11, true},       {"+", "BTN_+", 10, true},
    {"=", "BTN_=", 17, true},        {"1/x", "BTN_1/x", 38, false},  {"%", "BTN_%", 18, false},
    {"sqrt", "BTN_sqrt", 37, true},
};

// The grid cell (column, row) of each button below the top row, by caption.
struct TGridPlace {
    const char* Caption;
    int Column;
    int Row;
};

constexpr TGridPlace CalculatorPlaces[] = {
    {"MC", 0, 1},  {"MR", 0, 2},  {"MS", 0, 3},   {"M+", 0, 4},    {"7", 1, 1},    {"4", 1, 2},   {"1", 1, 3},
    {"0", 1, 4},   {"8", 2, 1},   {"5", 2, 2},    {"2", 2, 3},     {"+/-", 2, 4},  {"9", 3, 1},   {"6", 3, 2},
    {"3", 3, 3},   {".", 3, 4},   {"/", 4, 1},    {"*", 4, 2},     {"-", 4, 3},    {"+", 4, 4},   {"sqrt", 5, 1},
    {"%", 5, 2},   {"1/x", 5, 3}, {"=", 5, 4},
};

}  // namespace

TCustomButtonPanel::TCustomButtonPanel(rtl::TComponent* AOwner)
    : ui::TCustomControl(AOwner),
      FButtons(std::make_unique<TCalcButtonItems>(this)),
      FButtonAppearance(std::make_unique<TButtonAppearance>())
{
    FButtons->OnChange = [this](rtl::TObject*) { RepaintFreeStanding(); };
    FButtonAppearance->OnChange = [this](rtl::TObject*) { RepaintFreeStanding(); };
}

TCustomButtonPanel::~TCustomButtonPanel()
{
    FButtons->OnChange = nullptr;
    FButtonAppearance->OnChange = nullptr;
}

void TCustomButtonPanel::RepaintFreeStanding()
{
    if (FreeStanding()) Invalidate();
}

void TCustomButtonPanel::Loaded()
{
    ui::TCustomControl::Loaded();
    if (FreeStanding()) CreateCalculatorButtons();
}

void TCustomButtonPanel::SetButtonLayout(TItemLayout value)
{
    if (FButtonLayout == value) return;
    FButtonLayout = value;
    Invalidate();
}

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType value)
{
    FButtonPanelType = value;
    ArrangeButtons();
}

void TCustomButtonPanel::SetImages(gfx::TImageList* value)
{
    if (FImages != nullptr) FImages->RemoveFreeNotification(this);
    FImages = value;
    if (FImages != nullptr) FImages->FreeNotification(this);
    ArrangeButtons();
}

void TCustomButtonPanel::SetEdit(ui::TCustomEdit* value)
{
    if (FEdit != nullptr) FEdit->RemoveFreeNotification(this);
    FEdit = value;
    if (FEdit != nullptr) FEdit->FreeNotification(this);
}

void TCustomButtonPanel::Notification(rtl::TComponent* AComponent, rtl::TOperation Operation)
{
    ui::TCustomControl::Notification(AComponent, Operation);
    if (Operation != rtl::opRemove) return;
    if (AComponent == FImages) {
        FImages = nullptr;
        Invalidate();
    }
    if (AComponent == FEdit) FEdit = nullptr;
}

rtl::TRect TCustomButtonPanel::GetContentRect() const
{
    rtl::TRect r = ClientRect();
    return rtl::Rect(r.Left + FOffSetX, r.Top + FOffSetY, r.Right - FOffSetX, r.Bottom - FOffSetY);
}

void TCustomButtonPanel::ClearButtons()
{
    FButtonHot = -1;
    FButtonDown = -1;
    FButtons->Clear();
}

void TCustomButtonPanel::ResetButtons()
{
    ClearButtons();
    CreateCalculatorButtons();
}

void TCustomButtonPanel::CreateCalculatorButtons()
{
    if (FButtonPanelType != plCalculator || FButtons->Count() > 0) return;
    for (const TCalcButtonDef& def : CalculatorButtons) {
        TCalcButtonItem* item = FButtons->Add();
        item->SetCaption(def.Caption);
        item->SetName(def.Name);
        item->SetTag(def.Tag);
        item->SetSpecial(def.Special);
        if (def.Special) item->SetCaptionColor(128);
    }
    ArrangeButtons();
}

// Six columns and five rows; the buttons of a group share their border pixel, and a gap of 4
// parts the blank button from the digits and the digits from the operators.
void TCustomButtonPanel::ArrangeButtons()
{
    if (FButtonPanelType != plCalculator || FButtons->Count() == 0) return;
    constexpr int g = 4;
    const rtl::TRect content = GetContentRect();
    const int w = (content.Width() - 8) / 6;
    const int h = (content.Height() - 4) / 5;
    int column[6];
    column[0] = content.Left;
    column[1] = column[0] + w + g;
    column[2] = column[1] + w - 1;
    column[3] = column[2] + w - 1;
    column[4] = column[3] + w + g;
    column[5] = column[4] + w - 1;
    int row[5];
    row[0] = content.Top;
    row[1] = row[0] + h + g;
    for (int i = 2; i < 5; ++i) row[i] = row[i - 1] + h - 1;
    const int right = column[5] + w;
    for (int i = 0; i < FButtons->Count(); ++i) {
        TCalcButtonItem& item = *FButtons->Items(i);
        const std::string& caption = item.Caption();
        if (i == 0) {
            item.SetBounds(column[0], row[0], w, h);
            continue;
        }
        const auto place = std::find_if(std::begin(CalculatorPlaces), std::end(CalculatorPlaces),
                                        [&](const TGridPlace& p) { return caption == p.Caption; });
        if (place != std::end(CalculatorPlaces)) {
            item.SetBounds(column[place->Column], row[place->Row], w, h);
            continue;
        }
        // Back, CE and C share the top row right of the blank button; C reaches the right edge.
        const int x = column[0] + w + g;
        const int wide = (right - x - 2 * g) / 3;
        if (caption == "Back") item.SetBounds(x, row[0], wide, h);
        else if (caption == "CE") item.SetBounds(x + wide + g, row[0], wide, h);
        else if (caption == "C") item.SetBounds(x + 2 * (wide + g), row[0], right - (x + 2 * (wide + g)), h);
    }
    Invalidate();
}

void TCustomButtonPanel::Resize()
{
    ui::TCustomControl::Resize();
    ArrangeButtons();
}

int TCustomButtonPanel::ButtonAt(int x, int y) const
{
    for (int i = 0; i < FButtons->Count(); ++i)
        if (rtl::PtInRect(FButtons->Items(i)->Rect(), {x, y})) return i;
    return -1;
}

void TCustomButtonPanel::InvalidateButton(int index)
{
    if (index < 0 || index >= FButtons->Count()) return;
    rtl::TRect r = FButtons->Items(index)->Rect();
    InvalidateRect(rtl::Rect(r.Left - 8, r.Top - 8, r.Right + 8, r.Bottom + 8));
}

void TCustomButtonPanel::ChangeState(int& field, int index)
{
    if (field == index) return;
    const int old = field;
    field = index;
    InvalidateButton(old);
    if (index >= 0 && Showing()) DrawButton(index, Canvas());
}

void TCustomButtonPanel::SetHot(int index)
{
    ChangeState(FButtonHot, index);
}

void TCustomButtonPanel::SetDown(int index)
{
    ChangeState(FButtonDown, index);
}

void TCustomButtonPanel::MouseMove(ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseMove(Shift, X, Y);
    const int index = ButtonAt(X, Y);
    SetHot(index >= 0 && FButtons->Items(index)->Enabled() ? index : -1);
}

void TCustomButtonPanel::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != ui::mbLeft) return;
    const int index = ButtonAt(X, Y);
    if (index >= 0 && FButtons->Items(index)->Enabled()) SetDown(index);
}

void TCustomButtonPanel::MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y)
{
    ui::TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button != ui::mbLeft) return;
    const int down = FButtonDown;
    SetDown(-1);
    if (down >= 0 && ButtonAt(X, Y) == down) ButtonClick(down);
}

void TCustomButtonPanel::ButtonClick(int index)
{
    if (OnButtonClick) OnButtonClick(this, index);
}

void TCustomButtonPanel::WndProc(ui::TMessage& Message)
{
    if (Message.Msg == ui::CM_MOUSELEAVE) SetHot(-1);
    // In the pop-up every typed key reaches the calculator, Enter, Escape and Tab among them.
    if (Message.Msg == ui::WM_GETDLGCODE && !FreeStanding()) {
        Message.Result = ui::DLGC_WANTALLKEYS | ui::DLGC_WANTARROWS | ui::DLGC_WANTTAB | ui::DLGC_WANTCHARS;
        return;
    }
    ui::TCustomControl::WndProc(Message);
}

}  // namespace grid
