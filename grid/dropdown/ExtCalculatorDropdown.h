// The calculator drop-down: a numeric drop-down edit whose text is the display of a pocket
// calculator, driven by the keypad in its pop-up and by the keyboard.
#pragma once

#include <memory>
#include <string>

#include "grid/dropdown/CalcButtonAppearance.h"
#include "grid/dropdown/ExtDropDownEdit.h"

namespace grid {

class TCustomButtonPanel;

// Operations run left to right on an 80-bit accumulator: each operator first computes the
// pending one. Division by zero, the root of a negative number and the reciprocal of zero
// show "Error", which every later step reads as 0.
class TExtCalculatorDropdown : public TExtCustomDropDown {
public:
    explicit TExtCalculatorDropdown(rtl::TComponent* AOwner);
    ~TExtCalculatorDropdown() override;
    std::string ClassName() const override { return "TExtCalculatorDropdown"; }

    // The display as a number (0 when it reads as none; an empty display becomes "0");
    // written with "%g" and shown to Precision decimals.
    double Value();
    void SetValue(double value);
    TButtonAppearance& CalcButtonAppearance() const { return *FCalcButtonAppearance; }
    void SetCalcButtonAppearance(const TButtonAppearance* value) { FCalcButtonAppearance->Assign(value); }
    // On: the display shows thousand separators (money type); the value is shown again.
    bool ShowThousandSeparator() const { return FShowThousandSeparator; }
    void SetShowThousandSeparator(bool value);
    // The keypad, made with the pop-up.
    TCustomButtonPanel* ButtonPanel() const { return FExtButtonPanel; }
    // Memory register and accumulator, as the keys left them.
    long double Memory() const { return FMVal; }
    long double Accumulator() const { return FPrevval; }

    // The equals key: computes the pending operation and shows the result.
    void CalcResult();
    // The calculator's handling of a typed character, before the edit's own input handling;
    // a character it consumes comes back as 0.
    virtual void CalcKeyPress(char32_t& Key);
    // The keypad button with that index, as a click on it does.
    void ButtonPanelClick(rtl::TObject* Sender, int Index);

    // The keypad takes the style's button colours.
    void SetComponentStyle(TJyxStyle AStyle) override;

protected:
    // Forgets the accumulator, the pending operator and the decimal entry; the memory stays.
    void StartCalculation();
    // Called before every keypad button and every character typed into the open pop-up.
    virtual void BeforeCalcInput() {}
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool cancel) override;
    void WndProc(ui::TMessage& Message) override;
    // Keys typed while the pop-up is open.
    void DropDownControlKeyDown(ui::WORD& key, ui::TShiftState shift) override;
    void DropDownControlKeyPress(char32_t& key) override;

private:
    // The number the display reads as, the way GetFloatValue reads it ("Error" and text that
    // is no number count 0).
    long double DisplayNumber() const;
    bool DisplayFull() const;
    bool ShowsZeroAtCaret() const;
    void PlaceCaretAfterFirst();
    void DoCalc();
    void Operate(int op);
    void Equals();
    void Percent();
    void Digit(int digit);
    void DecimalPoint();
    void ChangeSign();
    void ClearAll();
    void Back();
    void SquareRoot();
    void Reciprocal();
    void ClosedKeyPress(char32_t& Key);
    void OpenKeyPress(char32_t key);

    TCustomButtonPanel* FExtButtonPanel = nullptr;
    int FDecim = 0;
    bool FNewval = false;
    long double FPrevval = 0;
    int FPrevop = -1;
    bool FCalcClosed = true;
    std::unique_ptr<TButtonAppearance> FCalcButtonAppearance;
    long double FMVal = 0;
    bool FShowThousandSeparator = false;
};

}  // namespace grid
