// The masked edit: edit masks with required and optional places, literals, case and blank character.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/StdCtrlsEdit.h"

namespace ui {

// An edit mask: "mask;save-literals;blank". Mask characters: L letter, l optional letter,
// A letter or digit, a optional, C any character, c optional, 0 digit, 9 optional digit,
// # optional digit or sign, : time separator, / date separator, > upper case from here,
// < lower case, <> no case change, \ the next character is a literal, ! optional
// places trimmed at the start instead of the end, _ a blank literal. The second field
// "0" leaves the literals out of Text; the third field is the character shown for an
// empty place ("_" by default).
class TEditMask {
public:
    TEditMask() = default;
    explicit TEditMask(const std::string& mask);

    bool Empty() const { return FPlaces.empty(); }
    int Length() const { return static_cast<int>(FPlaces.size()); }
    bool IsLiteral(int pos) const { return FPlaces[pos].Literal; }
    char32_t LiteralChar(int pos) const { return FPlaces[pos].Char; }
    bool Required(int pos) const;
    bool SaveLiterals() const { return FSaveLiterals; }
    char32_t Blank() const { return FBlank; }
    bool TrimLeading() const { return FTrimLeading; }
    // The character as it goes into that place (case applied), or 0 when it does not fit.
    char32_t Accept(int pos, char32_t ch) const;
    // The text shown for the entered characters (blank places shown with the blank).
    std::u32string EmptyEditText() const;
    // Text from the shown text: blanks become spaces; literals only when saved.
    std::u32string TextFromEditText(const std::u32string& editText) const;
    // The shown text for a Text value (with or without literals).
    std::u32string EditTextFromText(const std::u32string& text) const;
    // First place at or after pos (before pos when backwards) that takes input; -1 none.
    int NextEditable(int pos) const;
    int PrevEditable(int pos) const;
    // Whether every required place of the shown text is filled.
    bool Complete(const std::u32string& editText) const;

private:
    struct TPlace {
        bool Literal = false;
        char32_t Char = 0;  // the mask character, or the literal
        int Case = 0;       // 1 upper, 2 lower
    };
    std::vector<TPlace> FPlaces;
    bool FSaveLiterals = true;
    char32_t FBlank = U'_';
    bool FTrimLeading = false;
};

// A text field that follows an edit mask: typing fills the places, skipping literals;
// Back and Delete clear places. EditText is what is shown; Text follows the mask's
// save-literals field. Leaving a field with required places empty reports an error.
class TMaskEdit : public TCustomEdit {
public:
    explicit TMaskEdit(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TMaskEdit"; }
    const std::string& EditMask() const { return FMaskText; }
    void SetEditMask(const std::string& value);
    bool IsMasked() const { return !FMask.Empty(); }
    std::string EditText() const;
    void SetEditText(const std::string& value);
    std::string GetText() const override;
    void SetText(const std::string& value) override;
    // Raises rtl::Exception when a required place is empty.
    void ValidateEdit();

protected:
    bool CharAllowed(char32_t ch) const override;
    bool UserReplaceSelection(const std::u32string& text) override;
    void UserDelete(bool backwards, bool wholeWord) override;
    void DoExit() override;
    void DoEnter() override;
    // Escape gives back the text the field had when it was entered.
    void KeyDown(WORD& Key, TShiftState Shift) override;

private:
    void Fill(std::u32string edit, int caret);
    std::string FMaskText;
    TEditMask FMask;
    std::u32string FEnterChars;
};

}  // namespace ui
