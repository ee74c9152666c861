// Spin edit: stepping and limits per value kind, character filtering, keys, focus and the auto-repeating arrows.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "grid/editing/EsgSpinEdit.h"
#include "grid/editing/GridEditorContract.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"
#include "tests/grid/foundation/ExtUtilTestLocale.h"

namespace {

using grid::TEsgSpinEdit;

// Month-first dates with "/" and "h:nn:ss" times unless a test says otherwise.
struct LocaleScope : gridtest::LocaleScope {
    LocaleScope() : gridtest::LocaleScope('.', ',', '/', ':', "M/d/yyyy", "h:nn:ss") {}
};

class EsgSpinEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(10, 10, 300, 200);
        Other = new ui::TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(10, 100, 80, 22);
        Spin = new TEsgSpinEdit(Form);
        Spin->SetParent(Form);
        Spin->SetBounds(10, 10, 120, 24);
        Form->Show();
        Spin->SetFocus();
    }
    void TearDown() override
    {
        ui::SetMonotonicClock(nullptr);
        App.reset();
    }
    void Put(const std::string& text, int caret)
    {
        Spin->SetText(text);
        Spin->SetSelStart(caret);
        Spin->SetSelLength(0);
    }

    LocaleScope Locale;
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    ui::TEdit* Other = nullptr;
    TEsgSpinEdit* Spin = nullptr;
};

struct StepCase {
    const char* Name;
    grid::TEsgSpinType Kind;
    std::function<void(TEsgSpinEdit&)> Setup;
    const char* Text;
    int Caret;
    bool Up;
    bool Page;
    const char* Expected;
};

TEST_F(EsgSpinEditTest, StepsEachValueKindWithinItsLimits)
{
    auto none = [](TEsgSpinEdit&) {};
    auto dayFirst = [](TEsgSpinEdit&) {
        rtl::FormatSettings.DateSeparator = '.';
        rtl::FormatSettings.ShortDateFormat = "dd.MM.yyyy";
    };
    auto noSeconds = [](TEsgSpinEdit& s) { s.SetShowSeconds(false); };
    const StepCase cases[] = {
        {"int up by increment", grid::sptNormal, [](TEsgSpinEdit& s) { s.SetIncrement(2); }, "5", 0, true, false, "7"},
        {"int page is one increment", grid::sptNormal, none, "5", 0, true, true, "6"},
        {"int clamps at max", grid::sptNormal, [](TEsgSpinEdit& s) { s.SetIncrement(5); }, "99", 0, true, false, "100"},
        {"int clamps at min", grid::sptNormal, [](TEsgSpinEdit& s) { s.SetIncrement(5); }, "1", 0, false, false, "0"},
        {"int equal limits do not clamp", grid::sptNormal, [](TEsgSpinEdit& s) { s.SetMaxValue(0); }, "500", 0, true,
         false, "501"},
        {"float step", grid::sptFloat, none, "1.5", 0, true, false, "1.6"},
        {"float page step", grid::sptFloat, none, "1.5", 0, false, true, "0.5"},
        {"float with precision", grid::sptFloat, [](TEsgSpinEdit& s) { s.SetPrecision(2); }, "1", 0, true, false,
         "1.10"},
        {"float clamps at max", grid::sptFloat, none, "99.95", 0, true, true, "100"},
        {"month keeps day in month", grid::sptDate, none, "1/31/2021", 0, true, false, "2/28/2021"},
        {"day field of month-first", grid::sptDate, none, "1/31/2021", 3, false, false, "1/30/2021"},
        {"year field", grid::sptDate, none, "1/31/2021", 8, true, false, "1/31/2022"},
        {"day field of day-first", grid::sptDate, dayFirst, "31.01.2021", 0, true, false, "01.02.2021"},
        {"month field of day-first", grid::sptDate, dayFirst, "31.01.2021", 3, true, false, "28.02.2021"},
        {"leap day into a common year", grid::sptDate, none, "2/29/2024", 7, true, false, "2/28/2025"},
        {"hour down wraps past midnight", grid::sptTime, noSeconds, "0:00", 0, false, false, "23:00"},
        {"hour up wraps past midnight", grid::sptTime, noSeconds, "23:30", 0, true, false, "0:30"},
        {"minute field", grid::sptTime, none, "10:20:30", 4, true, false, "10:21:30"},
        {"second field", grid::sptTime, none, "10:20:30", 7, true, false, "10:20:31"},
        {"minutes by their increment", grid::sptTime, [](TEsgSpinEdit& s) { s.SetIncrementMinutes(15); }, "10:50:00",
         3, true, false, "11:05:00"},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.Name);
        LocaleScope locale;
        auto* spin = new TEsgSpinEdit(Form);
        spin->SetParent(Form);
        spin->SetSpinType(c.Kind);
        c.Setup(*spin);
        spin->SetText(c.Text);
        spin->SetSelStart(c.Caret);
        if (c.Up) spin->UpClick(c.Page);
        else spin->DownClick(c.Page);
        EXPECT_EQ(spin->Text(), c.Expected);
        delete spin;
    }
}

TEST_F(EsgSpinEditTest, ADateStepKeepsTheCaretInItsField)
{
    Spin->SetSpinType(grid::sptDate);
    Put("1/31/2021", 3);
    Spin->UpClick(false);
    Spin->UpClick(false);
    EXPECT_EQ(Spin->Text(), "2/2/2021");
    EXPECT_EQ(Spin->SelStart(), 3);
    EXPECT_TRUE(Spin->UsDates());
}

TEST_F(EsgSpinEditTest, ATimeWithAnotherLocaleSeparatorStepsItsFields)
{
    rtl::FormatSettings.TimeSeparator = '.';
    rtl::FormatSettings.LongTimeFormat = "hh:nn:ss";
    Spin->SetSpinType(grid::sptTime);
    Spin->SetShowSeconds(false);
    Put("10.20", 3);
    Spin->UpClick(false);
    EXPECT_EQ(Spin->Text(), "10.21");
    Spin->SetShowSeconds(true);
    Spin->SetTimeValue(Spin->TimeValue());
    EXPECT_EQ(Spin->Text(), "10.21.00");
}

TEST_F(EsgSpinEditTest, WhileLoadingADateIsOnlyStoredAndShownWhenLoadingEnds)
{
    auto* spin = new TEsgSpinEdit(Form);
    spin->BeginLoading();
    spin->SetSpinType(grid::sptDate);
    spin->SetDateValue(rtl::EncodeDate(2020, 12, 24));
    EXPECT_EQ(spin->Text(), "0");
    spin->Loaded();
    EXPECT_EQ(spin->Text(), "12/24/2020");
}

TEST_F(EsgSpinEditTest, TextThatDoesNotConvertReadsAsTheFallbacks)
{
    Spin->SetMinValue(5);
    Spin->SetMinFloatValue(1.5);
    Spin->SetText("");
    EXPECT_EQ(Spin->Value(), 0);
    Spin->SetText("abc");
    EXPECT_EQ(Spin->Value(), 5);
    EXPECT_DOUBLE_EQ(Spin->FloatValue(), 5.0);  // the integer minimum, not MinFloatValue
    EXPECT_DOUBLE_EQ(Spin->TimeValue(), 0.0);
    Spin->SetMinDateValue(100);
    EXPECT_DOUBLE_EQ(Spin->DateValue(), 100.0);
}

TEST_F(EsgSpinEditTest, ASteponAReadOnlyEditOnlyBeeps)
{
    Spin->SetReadOnly(true);
    Put("7", 0);
    int beeps = grid::EditorBeepCount();
    Spin->UpClick(false);
    EXPECT_EQ(Spin->Text(), "7");
    EXPECT_EQ(grid::EditorBeepCount(), beeps + 1);
}

struct CharCase {
    const char* Name;
    grid::TEsgSpinType Kind;
    int Precision;
    const char* Text;
    int SelStart;
    int SelLength;
    char32_t Key;
    bool Valid;
};

TEST_F(EsgSpinEditTest, FiltersTypedCharactersByValueKind)
{
    const CharCase cases[] = {
        {"digit past the precision", grid::sptFloat, 2, "1.25", 4, 0, U'3', false},
        {"digit before the separator", grid::sptFloat, 2, "1.25", 0, 0, U'3', true},
        {"second decimal separator", grid::sptFloat, 0, "1.25", 4, 0, U'.', false},
        {"separator over the first", grid::sptFloat, 0, "1.25", 0, 2, U'.', true},
        {"thousand separator in a float", grid::sptFloat, 0, "12", 2, 0, U',', false},
        {"minus at the start", grid::sptNormal, 0, "12", 0, 0, U'-', true},
        {"minus inside", grid::sptNormal, 0, "12", 1, 0, U'-', false},
        {"second minus", grid::sptNormal, 0, "-12", 0, 0, U'-', false},
        {"minus over the minus", grid::sptNormal, 0, "-12", 0, 1, U'-', true},
        {"letter in an integer", grid::sptNormal, 0, "1", 1, 0, U'a', false},
        {"time separator in an integer", grid::sptNormal, 0, "1", 1, 0, U':', false},
        {"date separator in an integer", grid::sptNormal, 0, "1", 1, 0, U'/', false},
        {"date separator in a date", grid::sptDate, 0, "1", 1, 0, U'/', true},
        {"second time separator", grid::sptTime, 0, "10:20", 5, 0, U':', true},
        {"third time separator", grid::sptTime, 0, "10:20:30", 8, 0, U':', false},
        {"enter", grid::sptTime, 0, "1", 1, 0, U'\r', false},
        {"backspace", grid::sptNormal, 0, "1", 1, 0, U'\b', true},
    };
    for (const CharCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Spin->SetSpinType(c.Kind);
        Spin->SetPrecision(c.Precision);
        Spin->SetText(c.Text);
        Spin->SetSelStart(c.SelStart);
        Spin->SetSelLength(c.SelLength);
        char32_t key = c.Key;
        EXPECT_EQ(Spin->IsValidChar(key), c.Valid);
    }
}

TEST_F(EsgSpinEditTest, ATimeSeparatorThatIsTheDecimalSeparatorStaysValidInNumbers)
{
    rtl::FormatSettings.TimeSeparator = '.';
    Spin->SetSpinType(grid::sptFloat);
    Put("12", 2);
    char32_t key = U'.';
    EXPECT_TRUE(Spin->IsValidChar(key));
    Spin->SetSpinType(grid::sptDate);
    Put("12", 2);
    EXPECT_FALSE(Spin->IsValidChar(key));
}

TEST_F(EsgSpinEditTest, RefusedTypingBeepsAndLeavesTheText)
{
    Put("12", 2);
    int beeps = grid::EditorBeepCount();
    ui::THeadlessBackend::TypeText("a3");
    EXPECT_EQ(Spin->Text(), "123");
    EXPECT_EQ(grid::EditorBeepCount(), beeps + 1);
}

TEST_F(EsgSpinEditTest, WithEditingDisabledTheTextCannotBeTypedDeletedPastedOrCut)
{
    Spin->SetEditorEnabled(false);
    Spin->SetValue(42);
    EXPECT_EQ(Spin->SelLength(), 2);  // setting Value selects the whole text
    ui::Clipboard().SetAsText("99");
    ui::THeadlessBackend::TypeText("5");
    ui::THeadlessBackend::PressKey(ui::VK_BACK);
    ui::THeadlessBackend::PressKey(ui::VK_DELETE);
    ui::THeadlessBackend::PressKey('V', ui::ssCtrl);
    ui::THeadlessBackend::PressKey('X', ui::ssCtrl);
    EXPECT_EQ(Spin->Text(), "42");
    EXPECT_EQ(ui::Clipboard().AsText(), "99");
    Spin->SetEditorEnabled(true);
    Spin->SelectAll();
    ui::THeadlessBackend::PressKey('V', ui::ssCtrl);
    EXPECT_EQ(Spin->Text(), "99");
}

TEST_F(EsgSpinEditTest, ArrowAndPageKeysStepWithoutReachingOnKeyDown)
{
    Spin->SetSpinType(grid::sptFloat);
    Spin->SetText("1");
    int keyDowns = 0;
    Spin->OnKeyDown = [&](rtl::TObject*, ui::WORD&, ui::TShiftState) { ++keyDowns; };
    ui::THeadlessBackend::PressKey(ui::VK_UP);
    EXPECT_EQ(Spin->Text(), "1.1");
    ui::THeadlessBackend::PressKey(ui::VK_PRIOR);
    EXPECT_EQ(Spin->Text(), "2.1");
    ui::THeadlessBackend::PressKey(ui::VK_NEXT);
    ui::THeadlessBackend::PressKey(ui::VK_DOWN);
    EXPECT_EQ(Spin->Text(), "1");
    EXPECT_EQ(keyDowns, 0);
}

TEST_F(EsgSpinEditTest, TheKeypadDecimalKeyTypesTheLocaleSeparator)
{
    rtl::FormatSettings.DecimalSeparator = ',';
    rtl::FormatSettings.ThousandSeparator = '.';
    Spin->SetSpinType(grid::sptFloat);
    Spin->SetExcelStyleDecimalSeparator(true);
    Put("1", 1);
    Spin->Perform(ui::WM_CHAR, '.', 0x00400000);
    ui::THeadlessBackend::TypeText("5");
    EXPECT_EQ(Spin->Text(), "1,5");
    EXPECT_DOUBLE_EQ(Spin->FloatValue(), 1.5);
}

TEST_F(EsgSpinEditTest, LeavingPullsTheValueIntoItsLimits)
{
    Spin->SetText("500");
    Other->SetFocus();
    EXPECT_EQ(Spin->Text(), "100");
    Spin->SetSpinType(grid::sptFloat);
    Spin->SetFocus();
    Spin->SetText("-3.5");
    Other->SetFocus();
    EXPECT_EQ(Spin->Text(), "0");
}

TEST_F(EsgSpinEditTest, AHeldArrowRepeatsAfter400MsThenEvery100MsUntilReleased)
{
    ui::TManualClock clock;
    ui::SetMonotonicClock(&clock);
    Spin->SetText("0");
    int clicks = 0;
    Spin->Button()->OnUpClick = [&](rtl::TObject*) { ++clicks; };
    grid::TExtTimerSpeedButton* up = Spin->Button()->UpButton();
    ui::THeadlessBackend::MouseDown(up, 3, 3);
    EXPECT_EQ(clicks, 1);  // the press steps at once
    clock.Advance(399);
    App->ProcessMessages();
    EXPECT_EQ(clicks, 1);
    clock.Advance(1);
    App->ProcessMessages();
    EXPECT_EQ(clicks, 2);
    clock.Advance(100);
    App->ProcessMessages();
    clock.Advance(100);
    App->ProcessMessages();
    EXPECT_EQ(clicks, 4);
    ui::THeadlessBackend::MouseUp(up, 3, 3);
    EXPECT_EQ(clicks, 4);  // the release adds no click
    clock.Advance(1000);
    App->ProcessMessages();
    EXPECT_EQ(clicks, 4);
}

TEST_F(EsgSpinEditTest, AnArrowClickStepsTheValueAndFocusesTheEdit)
{
    Other->SetFocus();
    Spin->SetText("3");
    grid::TExtTimerSpeedButton* down = Spin->Button()->DownButton();
    ui::THeadlessBackend::Click(down, 3, 3);
    EXPECT_EQ(Spin->Text(), "2");
    EXPECT_TRUE(Spin->Focused());
}

TEST_F(EsgSpinEditTest, TheArrowPairLaysOutItsButtonsByDirection)
{
    grid::TEsgSpinButton* pair = Spin->Button();
    pair->SetBounds(0, 0, 10, 30);
    EXPECT_EQ(pair->Width(), 15);  // vertical pairs are at least 15 wide
    EXPECT_EQ(pair->UpButton()->BoundsRect(), rtl::Rect(0, 0, 15, 15));
    EXPECT_EQ(pair->DownButton()->BoundsRect(), rtl::Rect(0, 14, 15, 30));
    Spin->SetDirection(grid::spHorizontal);
    pair->SetBounds(0, 0, 10, 20);
    EXPECT_EQ(pair->Width(), 20);
    EXPECT_EQ(pair->DownButton()->BoundsRect(), rtl::Rect(0, 0, 10, 20));
    EXPECT_EQ(pair->UpButton()->BoundsRect(), rtl::Rect(11, 0, 21, 20));
    EXPECT_EQ(pair->UpButton()->ButtonDirection(), grid::bdRight);
}

TEST_F(EsgSpinEditTest, AFocusedArrowPairClicksItsArrowsFromTheKeyboard)
{
    auto* pair = new grid::TEsgSpinButton(Form);
    pair->SetParent(Form);
    pair->SetBounds(200, 10, 15, 30);
    pair->SetTabStop(true);
    std::string clicks;
    pair->OnUpClick = [&](rtl::TObject*) { clicks += "u"; };
    pair->OnDownClick = [&](rtl::TObject*) { clicks += "d"; };
    pair->SetFocus();
    EXPECT_NE(pair->UpButton()->TimeBtnState() & grid::tbFocusRect, 0u);
    ui::THeadlessBackend::PressKey(ui::VK_SPACE);
    ui::THeadlessBackend::PressKey(ui::VK_DOWN);
    ui::THeadlessBackend::PressKey(ui::VK_SPACE);
    EXPECT_EQ(clicks, "udd");
    EXPECT_EQ(pair->FocusedButton(), pair->DownButton());
    EXPECT_EQ(pair->UpButton()->TimeBtnState() & grid::tbFocusRect, 0u);
    EXPECT_NE(pair->DownButton()->TimeBtnState() & grid::tbFocusRect, 0u);
}

TEST_F(EsgSpinEditTest, CustomArrowColoursPaintTheFaceAndABlackTriangle)
{
    grid::TEsgSpinButton* pair = Spin->Button();
    pair->SetButtonColor(gfx::clYellow);
    Form->PaintPending();
    grid::TExtTimerSpeedButton* up = pair->UpButton();
    EXPECT_EQ(ui::THeadlessBackend::Pixel(up, 1, 1), gfx::clYellow);
    EXPECT_EQ(ui::THeadlessBackend::Pixel(up, 6, 3), gfx::clBlack);
}

}  // namespace
