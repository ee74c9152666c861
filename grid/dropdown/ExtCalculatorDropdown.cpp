// The calculator drop-down: its settings, the keypad in the pop-up and the keypad's look by style.
#include "grid/dropdown/ExtCalculatorDropdown.h"

#include "grid/dropdown/ButtonPanel.h"
#include "grid/dropdown/DropDownForm.h"
#include "platform/rtl/Format.h"

namespace grid {

namespace {

constexpr int KeypadHeight = 150;

}  // namespace

TExtCalculatorDropdown::TExtCalculatorDropdown(rtl::TComponent* AOwner)
    : TExtCustomDropDown(AOwner), FCalcButtonAppearance(std::make_unique<TButtonAppearance>())
{
    // The base made its pop-up and took its style before this class existed: the keypad and
    // the keypad's colours are added now, and the calculator's defaults set after them.
    CreateDropDownForm();
    SetComponentStyle(GetComponentStyle());
    SetEditType(etFloat);
    SetPrecision(2);
    SetDropDownColor(0xFFFFFF);
    SetDropDownWidth(230);
    DropDownHeader().SetVisible(false);
    DropDownFooter().SetVisible(false);
    SetSigned(true);
}

void TExtCalculatorDropdown::StartCalculation()
{
    FPrevval = 0;
    FPrevop = -1;
    FDecim = 0;
    FNewval = false;
}

TExtCalculatorDropdown::~TExtCalculatorDropdown() = default;

void TExtCalculatorDropdown::CreateDropDownForm()
{
    TExtCustomDropDown::CreateDropDownForm();
    if (DropDownForm() == nullptr || FCalcButtonAppearance == nullptr) return;
    if (FExtButtonPanel == nullptr) {
        FExtButtonPanel = new TCustomButtonPanel(this);
        FExtButtonPanel->SetExtDropDown(this);
        FExtButtonPanel->SetParent(DropDownForm());
        FExtButtonPanel->SetBounds(0, 0, DropDownWidth(), KeypadHeight);
        FExtButtonPanel->CreateCalculatorButtons();
        SetControl(FExtButtonPanel);
    }
    FExtButtonPanel->OnButtonClick = [this](rtl::TObject* Sender, int index) { ButtonPanelClick(Sender, index); };
    // Keys typed while the pop-up itself has the keyboard take the same way as the keypad's.
    DropDownForm()->OnKeyDown = [this](rtl::TObject*, ui::WORD& key, ui::TShiftState shift) {
        DropDownControlKeyDown(key, shift);
    };
    DropDownForm()->OnKeyPress = [this](rtl::TObject*, char32_t& key) { DropDownControlKeyPress(key); };
}

void TExtCalculatorDropdown::BeforeDropDown()
{
    TExtCustomDropDown::BeforeDropDown();
    // Closing by a click elsewhere keeps what was calculated.
    DropDownForm()->FCancelOnDeActivate = false;
    FExtButtonPanel->SetButtonAppearance(FCalcButtonAppearance.get());
    FExtButtonPanel->SetColor(DropDownColor());
    FExtButtonPanel->ArrangeButtons();
    // The keypad's "-" is the subtraction: typed, it must not change the sign as well.
    SetSigned(false);
    FNewval = true;
    FDecim = 0;
    FCalcClosed = false;
}

void TExtCalculatorDropdown::DoHideDropDown(bool cancel)
{
    TExtCustomDropDown::DoHideDropDown(cancel);
    SetSigned(true);
}

void TExtCalculatorDropdown::SetComponentStyle(TJyxStyle AStyle)
{
    TExtCustomDropDown::SetComponentStyle(AStyle);
    if (FCalcButtonAppearance == nullptr) return;
    const TExtButtonAppearance& b = ButtonAppearance();
    TButtonAppearance& c = *FCalcButtonAppearance;
    c.SetBorderColorChecked(b.BorderColorDisabled());
    c.SetBorderColor(b.BorderColor());
    c.SetBorderColorHot(b.BorderColorHot());
    c.SetBorderColorDown(b.BorderColorDown());
    c.SetColor(b.Color());
    c.SetColorTo(b.ColorTo());
    c.SetColorDown(b.ColorDown());
    c.SetColorDownTo(b.ColorDownTo());
    c.SetColorChecked(b.ColorDisabledTo());
    c.SetColorCheckedTo(b.ColorHotTo());
    c.SetColorDisabled(b.ColorDisabled());
    c.SetColorDisabledTo(b.ColorDisabledTo());
    c.SetColorHot(b.ColorHot());
    c.SetColorHotTo(b.ColorHotTo());
    const bool office2010 = AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black;
    c.SetGlowColorDown(office2010 ? b.ColorHot() : 0xD5C244);
    c.SetGlowColorHot(office2010 ? b.ColorHot() : b.ColorDownTo());
}

double TExtCalculatorDropdown::Value()
{
    if (GetText().empty()) SetText("0");
    return static_cast<double>(DisplayNumber());
}

void TExtCalculatorDropdown::SetValue(double value)
{
    SetText(rtl::Format("%g", {value}));
}

void TExtCalculatorDropdown::SetShowThousandSeparator(bool value)
{
    if (FShowThousandSeparator == value) return;
    FShowThousandSeparator = value;
    const double current = Value();
    SetEditType(value ? etMoney : etFloat);
    SetFloatValue(current);
}

}  // namespace grid
