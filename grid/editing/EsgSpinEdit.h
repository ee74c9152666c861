// The spin edit: a one-line edit with arrow buttons holding an integer, float, date or time value.
#pragma once

#include <string>

#include "grid/editing/EsgSpinButton.h"
#include "platform/ui/Mask.h"

namespace grid {

enum TEsgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum TEditAlign { eaLeft, eaRight, eaCenter };

// The value is always read from and written to the text, with the locale settings of the
// moment. Equal minimum and maximum mean that no limit applies.
class TEsgSpinEdit : public ui::TMaskEdit {
public:
    explicit TEsgSpinEdit(rtl::TComponent* AOwner);
    ~TEsgSpinEdit() override;
    std::string ClassName() const override { return "TEsgSpinEdit"; }

    TEsgSpinButton* Button() const { return FButton; }

    // --- the value, read from the text ---
    TEsgSpinType SpinType() const { return FSpinType; }
    void SetSpinType(TEsgSpinType v);
    int Value() const;
    void SetValue(int v);
    double FloatValue() const;
    void SetFloatValue(double v);
    double DateValue() const;
    void SetDateValue(double v);
    double TimeValue() const;
    void SetTimeValue(double v);

    // --- limits and steps ---
    int MinValue() const { return FMinValue; }
    void SetMinValue(int v) { FMinValue = v; }
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int v) { FMaxValue = v; }
    double MinFloatValue() const { return FMinFloatValue; }
    void SetMinFloatValue(double v) { FMinFloatValue = v; }
    double MaxFloatValue() const { return FMaxFloatValue; }
    void SetMaxFloatValue(double v) { FMaxFloatValue = v; }
    double MinDateValue() const { return FMinDateValue; }
    void SetMinDateValue(double v) { FMinDateValue = v; }
    double MaxDateValue() const { return FMaxDateValue; }
    void SetMaxDateValue(double v) { FMaxDateValue = v; }
    int Increment() const { return FIncrement; }
    void SetIncrement(int v) { FIncrement = v; }
    double IncrementFloat() const { return FIncrementFloat; }
    void SetIncrementFloat(double v) { FIncrementFloat = v; }
    double IncrementFloatPage() const { return FIncrementFloatPage; }
    void SetIncrementFloatPage(double v) { FIncrementFloatPage = v; }
    // Time steps: hours 0..23, minutes and seconds 0..59.
    int IncrementHours() const { return FIncrementHours; }
    void SetIncrementHours(int v) { FIncrementHours = v; }
    int IncrementMinutes() const { return FIncrementMinutes; }
    void SetIncrementMinutes(int v) { FIncrementMinutes = v; }
    int IncrementSeconds() const { return FIncrementSeconds; }
    void SetIncrementSeconds(int v) { FIncrementSeconds = v; }
    // Digits after the decimal separator of sptFloat; 0 for the shortest form.
    int Precision() const { return FPrecision; }
    void SetPrecision(int v);
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool v) { FShowSeconds = v; }

    // --- look and behaviour ---
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection v);
    TEditAlign EditAlign() const { return FEditAlign; }
    void SetEditAlign(TEditAlign v);
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool v) { FEditorEnabled = v; }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool v) { FReturnIsTab = v; }
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool v) { FExcelStyleDecimalSeparator = v; }
    // Stored for the owner: the grid stores an empty cell for a blank text.
    bool AllowEmptyValue() const { return FAllowEmptyValue; }
    void SetAllowEmptyValue(bool v) { FAllowEmptyValue = v; }
    bool SpinFlat() const { return FSpinFlat; }
    void SetSpinFlat(bool v);
    bool SpinTransparent() const { return FSpinTransparent; }
    void SetSpinTransparent(bool v);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool v);
    // Set at every date step: the month comes before the day in the short date format.
    bool UsDates() const { return FUsDates; }

    // Steps the value once up or down; Page steps floats by IncrementFloatPage.
    virtual void UpClick(bool Page);
    virtual void DownClick(bool Page);
    // Whether a typed character may enter the text.
    virtual bool IsValidChar(char32_t& Key);
    virtual void UpButtonClick(rtl::TObject* Sender);
    virtual void DownButtonClick(rtl::TObject* Sender);

    void Loaded() override;

protected:
    void WndProc(ui::TMessage& Message) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DoEnter() override;
    void DoExit() override;
    void Resize() override;
    int TextAreaWidth() const override;
    // Places the arrow pair at the right edge, or raises a too small height first.
    void LayoutButton();
    int MinHeight() const;

private:
    void StepDate(int Delta);
    void StepTime(bool Up);
    void RestoreCaret(int SelStartBefore);
    std::string TimeText(double v) const;

    int FMinValue = 0;
    int FMaxValue = 100;
    double FMinFloatValue = 0.0;
    double FMaxFloatValue = 100.0;
    double FMinDateValue = 0;
    double FMaxDateValue = 0;
    double FDateValue = 0;
    double FTimeValue = 0;
    int FIncrement = 1;
    double FIncrementFloat = 0.1;
    TEsgSpinButton* FButton = nullptr;  // owned child
    bool FEditorEnabled = true;
    TSpinDirection FDirection = spVertical;
    TEsgSpinType FSpinType = sptNormal;
    int FPrecision = 0;
    bool FReturnIsTab = false;
    bool FIsWinXP = false;
    bool FExcelStyleDecimalSeparator = false;
    bool FUsDates = false;
    bool FShowSeconds = true;
    int FIncrementSeconds = 1;
    int FIncrementMinutes = 1;
    int FIncrementHours = 1;
    TEditAlign FEditAlign = eaLeft;
    bool FSpinFlat = false;
    bool FSpinTransparent = false;
    bool FAllowEmptyValue = false;
    double FIncrementFloatPage = 1.0;
    bool FInLayout = false;
};

}  // namespace grid
