// The drop-down edit's input filtering, driven by real key-down and character messages.
#include <gtest/gtest.h>

#include <algorithm>

#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/ExtDropDownEdit.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Caret.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Forms.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

class DropDownEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Saved = rtl::FormatSettings;
        rtl::FormatSettings.DecimalSeparator = '.';
        rtl::FormatSettings.ThousandSeparator = ',';
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(10, 10, 300, 120);
        Edit = new TExtDropDown(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(10, 10, 150, 21);
        Other = new TExtDropDown(Form);
        Other->SetParent(Form);
        Other->SetBounds(10, 50, 150, 21);
        Form->Show();
        App->ActivateForm(Form);
        Edit->SetFocus();
    }
    void TearDown() override
    {
        App.reset();
        rtl::FormatSettings = Saved;
    }
    // Puts the window text and the caret (window positions) as a user left them.
    void Start(const std::string& value, int caret, int selLength = 0)
    {
        Edit->SetText(value);
        Edit->SetSelStart(caret);
        Edit->SetSelLength(selLength);
    }
    rtl::TFormatSettings Saved;
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtDropDown* Edit = nullptr;
    TExtDropDown* Other = nullptr;
};

struct TypingCase {
    const char* name;
    TDropDownEditType type;
    bool isSigned;
    int precision;
    const char* value;  // set through SetText
    int caret;
    const char* typed;
    const char* expected;  // the value afterwards
    int expectedCaret;
};

TEST_F(DropDownEditTest, TypedCharactersFollowTheInputType)
{
    const TypingCase cases[] = {
        {"numeric drops letters and unsigned minus", etNumeric, false, 0, "12", 2, "a-3", "123", 3},
        {"numeric minus toggles the sign", etNumeric, true, 0, "12", 1, "-", "-12", 2},
        {"numeric second minus removes it", etNumeric, true, 0, "-12", 2, "-", "12", 1},
        {"float overwrites a full fraction", etFloat, false, 2, "1.25", 3, "7", "1.27", 4},
        {"float refuses a digit after a full fraction", etFloat, false, 2, "1.25", 4, "7", "1.25", 4},
        {"float separator jumps after the existing one", etFloat, false, 2, "1.25", 1, ".", "1.25", 2},
        {"float comma where no separator is", etFloat, false, 0, "1234", 2, ",", "12,34", 3},
        {"float comma three after a separator", etFloat, false, 0, "1,234", 5, ",", "1,234,", 6},
        {"float comma too close to a separator", etFloat, false, 0, "1,234", 4, ",", "1,234", 4},
        {"float refuses letters", etFloat, false, 0, "12", 2, "x", "12", 2},
        {"upper case", etUppercase, false, 0, "", 0, "abc", "ABC", 3},
        {"lower case", etLowerCase, false, 0, "", 0, "AbC", "abc", 3},
        {"mixed case capitalises words", etMixedCase, false, 0, "", 0, "anna smith", "Anna Smith", 10},
        {"range numbers and separators", etRange, false, 0, "", 0, "1-5;7", "1-5;7", 5},
        {"range refuses a double separator", etRange, false, 0, "", 0, "1--;", "1-", 2},
        {"range refuses a leading separator", etRange, false, 0, "", 0, "-1", "1", 1},
        {"hex refuses g and keeps typed case", etHex, false, 0, "", 1, "ffg", "0ff", 3},
        {"alphanumeric", etAlphaNumeric, false, 0, "", 0, "a1 _B", "a1B", 3},
        {"string takes everything", etString, false, 0, "", 0, "a-1 ;", "a-1 ;", 5},
    };
    for (const TypingCase& c : cases) {
        Edit->SetEditType(etString);
        Edit->SetPrecision(0);
        Edit->SetEditType(c.type);
        Edit->SetSigned(c.isSigned);
        Edit->SetPrecision(c.precision);
        Start(c.value, c.caret);
        THeadlessBackend::TypeText(c.typed);
        EXPECT_EQ(Edit->Text(), c.expected) << c.name;
        EXPECT_EQ(Edit->SelStart(), c.expectedCaret) << c.name;
    }
}

TEST_F(DropDownEditTest, ValidCharsLengthLimitAndLeadingSeparator)
{
    Edit->SetEditType(etValidChars);
    Edit->SetValidChars("xy");
    Start("", 0);
    THeadlessBackend::TypeText("xaybz");
    EXPECT_EQ(Edit->Text(), "xy");

    Edit->SetEditType(etFloat);
    Edit->SetPrecision(1);
    Edit->SetLengthLimit(3);
    Start("123.5", 3);
    THeadlessBackend::TypeText("4");
    EXPECT_EQ(Edit->Text(), "123.5");
    THeadlessBackend::TypeText(".");
    EXPECT_EQ(Edit->SelStart(), 4);
    Start("12.5", 2);
    THeadlessBackend::TypeText("4");
    EXPECT_EQ(Edit->Text(), "124.5");

    // A separator typed into an empty value writes "0" before it.
    Edit->SetLengthLimit(0);
    Edit->SetTextDirect("");
    THeadlessBackend::TypeText(".");
    EXPECT_EQ(Edit->Text(), "0.");
    EXPECT_EQ(Edit->SelStart(), 2);
}

TEST_F(DropDownEditTest, MoneyShowsThousandSeparatorsWhileTyping)
{
    Edit->SetEditType(etMoney);
    Start("", 0, 1);
    const char* steps[] = {"1", "12", "123", "1,234", "12,345", "123,456", "1,234,567"};
    int i = 0;
    for (char digit : std::string("1234567")) {
        THeadlessBackend::TypeText(std::string(1, digit));
        EXPECT_EQ(Edit->Text(), steps[i]);
        EXPECT_EQ(Edit->SelStart(), static_cast<int>(std::string(steps[i]).size())) << steps[i];
        ++i;
    }
    EXPECT_TRUE(Edit->IsModified());
    THeadlessBackend::TypeText(",");
    EXPECT_EQ(Edit->Text(), "1,234,567");
}

TEST_F(DropDownEditTest, PrefixAndSuffixKeepTheCaretOnTheValue)
{
    Edit->SetPrefix("$ ");
    Edit->SetSuffix(" kg");
    Start("12", 2);
    EXPECT_EQ(Edit->WindowText(), "$ 12 kg");
    THeadlessBackend::PressKey(ui::VK_END);
    EXPECT_EQ(Edit->SelStart(), 4);
    THeadlessBackend::PressKey(ui::VK_RIGHT);
    EXPECT_EQ(Edit->SelStart(), 4);
    THeadlessBackend::PressKey(ui::VK_HOME);
    EXPECT_EQ(Edit->SelStart(), 2);
    THeadlessBackend::PressKey(ui::VK_LEFT);
    EXPECT_EQ(Edit->SelStart(), 2);
    THeadlessBackend::PressKey(ui::VK_DELETE);  // deletes the "1"
    EXPECT_EQ(Edit->Text(), "2");
    Edit->SetSelStart(3);
    THeadlessBackend::PressKey(ui::VK_DELETE);  // at the value's end: the suffix stays
    EXPECT_EQ(Edit->WindowText(), "$ 2 kg");
}

TEST_F(DropDownEditTest, BackspaceAfterPrefixDeletesFirstValueCharacterNeverThePrefix)
{
    Edit->SetPrefix("$");
    Start("12", 2);
    THeadlessBackend::PressKey(ui::VK_BACK);
    EXPECT_EQ(Edit->WindowText(), "$2");
    EXPECT_EQ(Edit->SelStart(), 1);
    THeadlessBackend::PressKey(ui::VK_BACK);
    EXPECT_EQ(Edit->WindowText(), "$2");
}

TEST_F(DropDownEditTest, AltGrCharactersGoThroughTheTypeFilter)
{
    Edit->SetEditType(etNumeric);
    Start("12", 2);
    THeadlessBackend::KeyDown(ui::VK_CONTROL);
    THeadlessBackend::KeyDown(ui::VK_MENU);
    THeadlessBackend::TypeText("@5");
    THeadlessBackend::KeyUp(ui::VK_MENU);
    THeadlessBackend::KeyUp(ui::VK_CONTROL);
    EXPECT_EQ(Edit->Text(), "125");
}

TEST_F(DropDownEditTest, TabbingInSelectsTheValueSoTypingKeepsPrefixAndSuffix)
{
    Edit->SetPrefix("$");
    Edit->SetSuffix(" kg");
    Edit->SetText("12");
    Other->SetFocus();
    THeadlessBackend::PressKey(ui::VK_TAB);
    ASSERT_EQ(ui::TInputRouter::Focus(), Edit);
    EXPECT_EQ(Edit->SelStart(), 1);
    EXPECT_EQ(Edit->SelLength(), 2);
    THeadlessBackend::TypeText("7");
    EXPECT_EQ(Edit->WindowText(), "$7 kg");

    // Without auto-select a float edit puts the caret before its decimal separator.
    Edit->SetPrefix("");
    Edit->SetSuffix("");
    Edit->SetEditType(etFloat);
    Edit->SetPrecision(2);
    Edit->SetText("3.25");
    Edit->SetAutoSelect(false);
    Other->SetFocus();
    THeadlessBackend::PressKey(ui::VK_TAB);
    ASSERT_EQ(ui::TInputRouter::Focus(), Edit);
    EXPECT_EQ(Edit->SelStart(), 1);
    EXPECT_EQ(Edit->SelLength(), 0);
}

TEST_F(DropDownEditTest, ClicksKeepTheCaretAndSelectionOnTheValue)
{
    Edit->SetPrefix("$");
    Edit->SetSuffix(" kg");
    Start("12", 1);
    // Beyond the text: the caret stops at the value's end, not in the suffix.
    THeadlessBackend::Click(Edit, 100, 8);
    EXPECT_EQ(Edit->SelStart(), 3);
    EXPECT_EQ(Edit->SelLength(), 0);
    // On the prefix: the whole value is selected.
    THeadlessBackend::Click(Edit, 0, 8);
    EXPECT_EQ(Edit->SelStart(), 1);
    EXPECT_EQ(Edit->SelLength(), 2);

    // A press inside the selection keeps it; the release puts the caret there.
    Edit->SetSelStart(0);
    Edit->SetSelLength(6);
    THeadlessBackend::MouseDown(Edit, 100, 8);
    EXPECT_EQ(Edit->SelLength(), 6);
    THeadlessBackend::MouseUp(Edit, 100, 8);
    EXPECT_EQ(Edit->SelStart(), 3);
    EXPECT_EQ(Edit->SelLength(), 0);
}

TEST_F(DropDownEditTest, ClipboardKeysGoThroughTheTypeChecksAndTheVetoEvents)
{
    Edit->SetPrefix("$");
    Edit->SetEditType(etNumeric);
    Start("1", 2);
    ui::Clipboard().SetAsText("12a");
    THeadlessBackend::PressKey('V', ui::ssCtrl);
    EXPECT_EQ(Edit->Text(), "1") << "Ctrl+V cannot paste what typing could not enter";
    ui::Clipboard().SetAsText("23");
    THeadlessBackend::PressKey(ui::VK_INSERT, ui::ssShift);
    EXPECT_EQ(Edit->Text(), "123");

    std::vector<std::string> events;
    bool allow = false;
    Edit->OnClipboardCopy = [&](rtl::TObject*, const std::string& text, bool& ok) {
        events.push_back("copy " + text);
        ok = allow;
    };
    Edit->OnClipboardCut = [&](rtl::TObject*, const std::string& text, bool& ok) {
        events.push_back("cut " + text);
        ok = allow;
    };
    ui::Clipboard().SetAsText("old");
    Start("123", 1, 2);  // "12" selected after the prefix
    THeadlessBackend::PressKey('C', ui::ssCtrl);
    THeadlessBackend::PressKey('X', ui::ssCtrl);
    EXPECT_EQ(ui::Clipboard().AsText(), "old") << "both refused";
    EXPECT_EQ(Edit->Text(), "123");
    allow = true;
    THeadlessBackend::PressKey(ui::VK_INSERT, ui::ssCtrl);
    EXPECT_EQ(ui::Clipboard().AsText(), "12");
    THeadlessBackend::PressKey(ui::VK_DELETE, ui::ssShift);
    EXPECT_EQ(Edit->Text(), "3");
    // The cut's own copy fires no copy event.
    EXPECT_EQ(events, (std::vector<std::string>{"copy 12", "cut 12", "copy 12", "cut 12"}));

    Edit->SetReadOnly(true);
    Start("45", 1, 2);
    THeadlessBackend::PressKey('X', ui::ssCtrl);
    EXPECT_EQ(events.size(), 4u) << "a read-only edit cuts nothing and asks nobody";
}

TEST_F(DropDownEditTest, PasteIsCheckedByTypeAndCanBeRefused)
{
    struct Case {
        TDropDownEditType type;
        const char* value;
        const char* clip;
        const char* expected;
    };
    const Case cases[] = {
        {etNumeric, "1", "12a", "1"},  {etNumeric, "1", "23", "123"}, {etHex, "A", "B", "A"},
        {etRange, "1", "-2", "1"},     {etFloat, "1", "x", "1"},      {etUppercase, "A", "bc", "ABC"},
        {etAlphaNumeric, "a", "b!", "a"}, {etString, "a", "-b", "a-b"},
    };
    for (const Case& c : cases) {
        Edit->SetEditType(etString);
        Edit->SetEditType(c.type);
        Start(c.value, 1);
        ui::Clipboard().SetAsText(c.clip);
        Edit->Perform(ui::WM_PASTE, 0, 0);
        EXPECT_EQ(Edit->Text(), c.expected) << c.clip;
    }
    Edit->SetEditType(etString);
    Start("ab", 1);
    std::string offered;
    Edit->OnClipboardPaste = [&](rtl::TObject*, const std::string& text, bool& allow) {
        offered = text;
        allow = false;
    };
    ui::Clipboard().SetAsText("X");
    Edit->Perform(ui::WM_PASTE, 0, 0);
    EXPECT_EQ(offered, "aXb");
    EXPECT_EQ(Edit->Text(), "ab");
}

TEST_F(DropDownEditTest, LeavingReformatsNumbers)
{
    struct Case {
        TDropDownEditType type;
        int precision;
        bool allowNull;
        const char* window;
        const char* expected;
    };
    const Case cases[] = {
        {etFloat, 2, false, "", "0.00"}, {etFloat, 2, true, "", ""},  {etFloat, 2, false, "1.5", "1.50"},
        {etMoney, 2, false, "1234.5", "1,234.50"}, {etNumeric, 0, false, "", "0"}, {etNumeric, 0, true, "", ""},
    };
    for (const Case& c : cases) {
        Edit->SetFocus();
        Edit->SetEditType(etString);
        Edit->SetPrecision(0);
        Edit->SetEditType(c.type);
        Edit->SetPrecision(c.precision);
        Edit->SetAllowNumericNullValue(c.allowNull);
        Edit->SetTextDirect(c.window);
        Other->SetFocus();
        EXPECT_EQ(Edit->Text(), c.expected) << c.window;
    }
}

TEST_F(DropDownEditTest, ValueConversions)
{
    Edit->SetEditType(etHex);
    Edit->SetFloatValue(255);
    EXPECT_EQ(Edit->Text(), "FF");
    Edit->SetText("ff");
    EXPECT_EQ(Edit->Text(), "FF");
    EXPECT_EQ(Edit->GetFloatValue(), 255);
    Edit->SetEditType(etFloat);
    Edit->SetPrecision(-1);
    Edit->SetFloatValue(0.5);
    EXPECT_EQ(Edit->Text(), "0.5");
    Edit->SetEditType(etMoney);
    Edit->SetPrecision(2);
    Edit->SetTextDirect("1,234.5");
    EXPECT_DOUBLE_EQ(Edit->GetFloatValue(), 1234.5);
    Edit->SetEditType(etNumeric);
    EXPECT_EQ(Edit->Text(), "0");  // 1,234.50 is no integer
    EXPECT_EQ(Edit->Version(), "1.4.5.5");
}

TEST_F(DropDownEditTest, EmptyTextHintShowsGreyOnlyWhileEmptyAndUnfocused)
{
    auto greyPixels = [&] {
        App->ProcessMessages();
        int grey = 0;
        for (int y = 0; y < Edit->ClientHeight(); ++y)
            for (int x = 0; x < 60; ++x)
                if (THeadlessBackend::Pixel(Edit, x, y) == 0x808080) ++grey;
        return grey;
    };
    Edit->SetEmptyText("kg per ha");
    Edit->SetText("");
    Other->SetFocus();
    EXPECT_GT(greyPixels(), 5);
    Edit->SetFocus();
    EXPECT_EQ(greyPixels(), 0);
    Edit->SetEmptyTextFocused(true);
    EXPECT_GT(greyPixels(), 5);
    Edit->SetText("12");
    EXPECT_EQ(greyPixels(), 0);
}

TEST_F(DropDownEditTest, EmptyTextStyleShapesTheHint)
{
    struct Ink {
        int grey = 0;         // pixels of the hint's colour
        int left = 1000;      // first column with one
        int longestRun = 0;   // longest horizontal run of them
    };
    auto ink = [&](gfx::TFontStyles style) {
        Edit->SetEmptyTextStyle(style);
        App->ProcessMessages();
        Ink r;
        for (int y = 0; y < Edit->ClientHeight(); ++y) {
            int run = 0;
            for (int x = 0; x < 100; ++x) {
                const bool grey = THeadlessBackend::Pixel(Edit, x, y) == 0x808080;
                run = grey ? run + 1 : 0;
                r.longestRun = std::max(r.longestRun, run);
                if (!grey) continue;
                ++r.grey;
                r.left = std::min(r.left, x);
            }
        }
        return r;
    };
    Edit->SetEmptyText("kg per ha");
    Edit->SetText("");
    Other->SetFocus();
    const Ink plain = ink({});
    const Ink bold = ink({gfx::fsBold});
    const Ink underline = ink({gfx::fsUnderline});
    EXPECT_GE(plain.left, 3);
    EXPECT_LE(plain.left, 5);
    EXPECT_GT(bold.grey, plain.grey + plain.grey / 5);
    EXPECT_LT(plain.longestRun, 12);
    EXPECT_GT(underline.longestRun, 30) << "the underline runs under the whole hint";
}

TEST_F(DropDownEditTest, TextAndCaretStartAtTheEditRectanglesCorner)
{
    struct Case {
        const char* name;
        int border;
        rtl::TPoint origin;  // client coordinates
    };
    // A tall edit: a centred line would start about ten rows lower.
    for (Case c : {Case{"border", 2, {1, 1}}, Case{"no border", 0, {2, 3}}}) {
        Edit->SetBorderThickness(c.border);
        // Every resize lays the edit out again.
        Edit->SetBounds(10, 10, 150, 30);
        Edit->SetBounds(10, 10, 150, 40);
        Start("", 0);
        THeadlessBackend::TypeText("WW");
        THeadlessBackend::PressKey(ui::VK_HOME);
        App->ProcessMessages();
        rtl::TPoint caret;
        ASSERT_TRUE(ui::GetCaretPos(caret));
        EXPECT_EQ(caret, c.origin) << c.name;
        int left = 1000, top = 1000;
        for (int y = 0; y < Edit->ClientHeight(); ++y)
            for (int x = 0; x < Edit->EditRect().Right; ++x)
                if ((THeadlessBackend::Pixel(Edit, x, y) & 0xFFFFFF) < 0x404040) {
                    left = std::min(left, x);
                    top = std::min(top, y);
                }
        EXPECT_GE(left, c.origin.X) << c.name;
        EXPECT_LE(left, c.origin.X + 1) << c.name;
        EXPECT_GE(top, c.origin.Y) << c.name;
        EXPECT_LE(top, c.origin.Y + 4) << c.name;
    }
}

TEST_F(DropDownEditTest, AssignCopiesTheSettingsOfAnotherDropDownAndIgnoresOtherSources)
{
    Other->SetEditType(etMoney);
    Other->SetPrecision(2);
    Other->SetPrefix("$");
    Other->SetSigned(true);
    Other->SetDropDownWidth(240);
    Other->SetDropPosition(dpUp);
    Other->SetDropDownColor(0x00FF00);
    Other->DropDownHeader().SetCaption("Amount");
    Other->DropDownFooter().Buttons().Add()->SetCaption("OK");
    Other->SetSelectionColor(0x123456);
    Edit->SetText("keep");

    Edit->Assign(Other);
    EXPECT_EQ(Edit->EditType(), etMoney);
    EXPECT_EQ(Edit->Precision(), 2);
    EXPECT_EQ(Edit->Prefix(), "$");
    EXPECT_TRUE(Edit->Signed());
    EXPECT_EQ(Edit->DropDownWidth(), 240);
    EXPECT_EQ(Edit->DropPosition(), dpUp);
    EXPECT_EQ(Edit->DropDownColor(), 0x00FF00u);
    EXPECT_EQ(Edit->DropDownHeader().Caption(), "Amount");
    ASSERT_EQ(Edit->DropDownFooter().Buttons().Count(), 1);
    EXPECT_EQ(Edit->SelectionColorStyle(), scCustom);
    EXPECT_EQ(Edit->SelectionColor(), 0x123456u);
    // Fields are copied directly: the value shown is not reformatted by the new type.
    EXPECT_EQ(Edit->WindowText(), "keep");

    ui::TLabel stranger(Form);
    Edit->Assign(&stranger);
    EXPECT_EQ(Edit->EditType(), etMoney);
}

}  // namespace
