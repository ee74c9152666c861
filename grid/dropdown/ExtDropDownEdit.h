// The drop-down edit: a value between a fixed prefix and suffix, twelve input types with
// their character filter, number conversions, clipboard vetoes and reformatting on exit.
#pragma once

#include <functional>
#include <string>

#include "grid/dropdown/DropDownAppearance.h"
#include "platform/ui/Mask.h"

namespace grid {

enum TDropDownEditType {
    etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword, etMoney, etRange, etHex,
    etAlphaNumeric, etValidChars
};
enum TDropPosition { dpAuto, dpDown, dpUp };

using TClipboardEvent = std::function<void(rtl::TObject* Sender, const std::string& Text, bool& Allow)>;

class TExtCustomDropDown : public ui::TMaskEdit {
public:
    explicit TExtCustomDropDown(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TExtCustomDropDown"; }

    // --- value ---
    // The value: the window text without prefix and suffix.
    std::string GetText() const override;
    // Shows the value between prefix and suffix, formatted by type and precision.
    void SetText(const std::string& value) override;
    // The window text exactly as passed.
    void SetTextDirect(const std::string& value) { ui::TMaskEdit::SetText(value); }
    std::string WindowText() const { return ui::TMaskEdit::GetText(); }
    double GetFloatValue() const;
    void SetFloatValue(double value);
    void SetIntValue(long long value);
    std::string Version() const { return "1.4.5.5"; }

    // --- settings ---
    TDropDownEditType EditType() const { return FEditType; }
    void SetEditType(TDropDownEditType value);
    int Precision() const { return FPrecision; }
    void SetPrecision(int value);
    const std::string& Prefix() const { return FPrefix; }
    void SetPrefix(const std::string& value) { FPrefix = value; }
    const std::string& Suffix() const { return FSuffix; }
    void SetSuffix(const std::string& value) { FSuffix = value; }
    bool Signed() const { return FSigned; }
    void SetSigned(bool value) { FSigned = value; }
    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int value) { FLengthLimit = value; }
    bool AllowNumericNullValue() const { return FAllowNumericNullValue; }
    void SetAllowNumericNullValue(bool value) { FAllowNumericNullValue = value; }
    bool AutoThousandSeparator() const { return FAutoThousandSeparator; }
    void SetAutoThousandSeparator(bool value) { FAutoThousandSeparator = value; }
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool value) { FExcelStyleDecimalSeparator = value; }
    const std::string& ValidChars() const { return FValidChars; }
    void SetValidChars(const std::string& value) { FValidChars = value; }
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool value) { FEditorEnabled = value; }
    bool CanUndo() const { return FCanUndo; }
    void SetCanUndo(bool value) { FCanUndo = value; }
    bool IsModified() const { return FIsModified; }
    void SetModifiedFlag(bool value);

    // --- selection within the value ---
    // Selects exactly the value part.
    void SelectAll();
    void SelectBeforeDecimal();
    void SelectAfterDecimal();

    // --- clipboard vetoes ---
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardCut;
    TClipboardEvent OnClipboardPaste;

    // Number written into an empty etNumeric edit on leaving it.
    virtual int EmptyNumericValue() const { return 0; }

protected:
    void WndProc(ui::TMessage& Message) override;
    void Change() override;

private:
    int PrefixLength() const;
    int ValueLength() const;
    int IntegerPartLength() const;
    int DecimalSeparatorPos() const;
    bool IsAllowedMinus(char32_t ch) const;
    bool ControlHeld() const;
    void SetWindowChars(const std::u32string& chars, int caret);
    void RefreshModified();
    // The character filter; returns the character to insert (0 = dropped).
    char32_t FilterChar(char32_t ch, std::uint32_t keyData);
    char32_t FilterByType(char32_t ch);
    char32_t FilterFloat(char32_t ch, bool money);
    bool ThousandSeparatorMisplaced() const;
    void ToggleSign(bool keepModified);
    void FormatMoneyText();
    bool FilterKeyDown(ui::WORD key);
    void Paste();
    void ReformatOnExit();

    TDropDownEditType FEditType = etString;
    int FPrecision = 0;
    std::string FPrefix;
    std::string FSuffix;
    bool FSigned = false;
    int FLengthLimit = 0;
    bool FAllowNumericNullValue = false;
    bool FAutoThousandSeparator = true;
    bool FExcelStyleDecimalSeparator = false;
    std::string FValidChars;
    bool FEditorEnabled = true;
    bool FCanUndo = true;
    bool FIsModified = false;
    bool FBlockChange = false;
    std::string FOldText;
};

class TExtDropDown : public TExtCustomDropDown {
public:
    using TExtCustomDropDown::TExtCustomDropDown;
    std::string ClassName() const override { return "TExtDropDown"; }
};

}  // namespace grid
