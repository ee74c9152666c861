// The calculator drop-down on a headless form: keypad sequences clicked on the open keypad,
// typing with the pop-up closed and open, the keypad's button rectangles and its pixels.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "grid/dropdown/ButtonPanel.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtCalculatorDropdown.h"
#include "grid/foundation/ETXPVS.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/ThemedParts.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Forms.h"
#include "platform/ui/InputRouter.h"

namespace {

using namespace grid;
using gfx::RGB;
using ui::THeadlessBackend;

class CalculatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        rtl::FormatSettings.DecimalSeparator = '.';
        rtl::FormatSettings.ThousandSeparator = ',';
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBorderStyle(ui::bsNone);
        Form->SetBounds(100, 100, 400, 300);
        Calc = new TExtCalculatorDropdown(Form);
        Calc->SetParent(Form);
        Calc->SetBounds(10, 10, 150, 21);
        Form->Show();
        App->ActivateForm(Form);
        Calc->SetFocus();
    }
    void TearDown() override
    {
        etxpvs::UnbindThemeApi();
        gfx::SetThemesActive(false);
        App.reset();
    }

    TCustomButtonPanel& Keypad() { return *Calc->ButtonPanel(); }
    int Index(const std::string& caption)
    {
        for (int i = 0; i < Keypad().Buttons().Count(); ++i)
            if (Keypad().Buttons().Items(i)->Caption() == caption) return i;
        ADD_FAILURE() << "no button " << caption;
        return 0;
    }
    rtl::TRect Rect(const std::string& caption) { return Keypad().Buttons().Items(Index(caption))->Rect(); }
    void Open()
    {
        if (!Calc->DroppedDown()) Calc->ShowDropDown();
        ASSERT_TRUE(Calc->DroppedDown());
    }
    // Clicks the keypad buttons of the blank-separated captions; a number clicks its digits.
    void Keys(const std::string& sequence)
    {
        Open();
        std::istringstream in(sequence);
        std::string token;
        while (in >> token) {
            const bool number = token.find_first_not_of("0123456789") == std::string::npos;
            for (const std::string& caption :
                 number ? Digits(token) : std::vector<std::string>{token}) {
                const rtl::TRect r = Rect(caption);
                THeadlessBackend::Click(&Keypad(), (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
            }
        }
    }
    static std::vector<std::string> Digits(const std::string& number)
    {
        std::vector<std::string> out;
        for (char c : number) out.emplace_back(1, c);
        return out;
    }
    static void Press(int vk, ui::TShiftState shift = 0) { THeadlessBackend::PressKey(vk, shift); }
    static void Type(const std::string& text) { THeadlessBackend::TypeText(text); }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtCalculatorDropdown* Calc = nullptr;
};

TEST_F(CalculatorTest, KeypadSequencesShowTheirResults)
{
    struct TCase {
        const char* Keys;
        const char* Display;
    };
    const TCase cases[] = {
        {"2 + 3 +", "5.00"},                // each operator computes the pending one
        {"2 + 3 + 4 =", "9.00"},
        {"2 + 3 * 4 =", "20.00"},           // left to right
        {"8 - 3 =", "5.00"},
        {"5 + +", "10.00"},                 // a second operator applies the pending one again
        {"7 / 0 =", "Error"},
        {"7 / 0 = 5", "5.00"},              // the next digit starts a new number
        {"9 sqrt", "3.00"},
        {"9 +/- sqrt", "Error"},
        {"4 1/x", "0.25"},
        {"0 1/x", "Error"},
        {"50 + 10 %", "5.00"},
        {"50 + 10 % =", "55.00"},
        {"1 . 2 3 4", "1.23"},              // digits beyond Precision are not kept
        {"1 . 2 3 4 5 =", "1.23"},
        {"123 Back", "12.00"},
        {"1 . 5 Back", "1.00"},
        {"5 Back", "0.00"},
        {"12 + 3 Back", "3.00"},            // nothing with an operator pending
        {"12 + 3 = Back", "1.00"},          // the result of 15, less its last digit
        {"3 MS C MR", "3.00"},
        {"3 MS C 4 M+ MR", "7.00"},
        {"3 MS MC MR", "0.00"},
        {"5 + 3 CE 2 =", "2.00"},          // clearing forgets the pending addition
        {"5 + 3 C 2 =", "2.00"},
        {"5 + 3 2 =", "37.00"},
        {"5 +/- 3", "-53.00"},             // a digit extends a negative display's magnitude
        {"5 +/- . 2", "-5.20"},
        {"5 +/- +/-", "5.00"},
        {"2 . 5 * 4 =", "10.00"},
    };
    for (const TCase& c : cases) {
        Keys("C " + std::string(c.Keys));
        EXPECT_EQ(Calc->Text(), c.Display) << c.Keys;
    }
}

TEST_F(CalculatorTest, MemoryAndAccumulatorSurviveClosingAndOpeningStartsANewNumber)
{
    Keys("6 MS C 2 +");
    Press(ui::VK_ESCAPE);
    ASSERT_FALSE(Calc->DroppedDown());
    EXPECT_EQ(Calc->Memory(), 6);
    EXPECT_EQ(Calc->Accumulator(), 2);
    // Reopened, the display starts a new number; the pending addition and memory stay.
    Keys("4 =");
    EXPECT_EQ(Calc->Text(), "6.00");
    Keys("MR *");
    Keys("MR =");
    EXPECT_EQ(Calc->Text(), "36.00");
}

TEST_F(CalculatorTest, ALengthLimitStopsDigitsSignAndSeparatorButNotTheOperators)
{
    Calc->SetPrecision(0);
    Calc->SetMaxLength(3);
    Keys("C 123");
    EXPECT_EQ(Calc->Text(), "123");
    Keys("4 +/- .");
    EXPECT_EQ(Calc->Text(), "123") << "a full display takes no digit, sign or separator";
    Keys("+ 7 =");
    EXPECT_EQ(Calc->Text(), "130") << "a digit starting a new number replaces a full display";
    Keys("Back");
    EXPECT_EQ(Calc->Text(), "13");
}

TEST_F(CalculatorTest, ADisplayThatIsNoNumberReadsAsZeroAndRaisesNothing)
{
    Calc->SetTextDirect("12abc");
    EXPECT_EQ(Calc->Value(), 0);
    Keys("+");
    EXPECT_EQ(Calc->Text(), "0.00");
    Calc->SetTextDirect("x");
    Keys("MS 5 =");
    EXPECT_EQ(Calc->Text(), "5.00");
    EXPECT_EQ(Calc->Memory(), 0);
    Calc->SetTextDirect("");
    EXPECT_EQ(Calc->Value(), 0);
    EXPECT_EQ(Calc->Text(), "0.00") << "an empty display is first set to 0";
}

TEST_F(CalculatorTest, ThousandSeparatorsShowAndStillCompute)
{
    Calc->SetShowThousandSeparator(true);
    EXPECT_EQ(Calc->EditType(), etMoney);
    Keys("C 1234567");
    EXPECT_EQ(Calc->Text(), "1,234,567.00");
    Keys("* 2 =");
    EXPECT_EQ(Calc->Text(), "2,469,134.00");
    EXPECT_EQ(Calc->Value(), 2469134);
    Calc->SetShowThousandSeparator(false);
    EXPECT_EQ(Calc->Text(), "2469134.00");
}

TEST_F(CalculatorTest, TypingWithThePopupClosed)
{
    struct TCase {
        const char* Typed;
        const char* Display;
    };
    const TCase cases[] = {
        {"12+3=", "15.00"},
        {"2+3*4\r", "20.00"},
        {"3.5", "3.50"},
        {"3.5.", "3.50"},      // a second separator inserts nothing
        {"0.05", "0.05"},
        {"0.05*3=", "0.15"},
        {"50+10%", "5.00"},
        {"50+10%=", "55.00"},
        {"5-=", "0.00"},       // the subtraction key does not also negate the shown 5
        {"9-4=", "5.00"},
        {"7/0=", "Error"},
        {"7/0=8", "8.00"},     // a digit on "Error" starts a new number
        {"1,234", "1234.00"},  // thousand separators typed are dropped
        {"12x?", "12.00"},     // other characters too
        {"6*7c", "0.00"},
        {"6*7c2=", "2.00"},    // c forgets the pending operator
    };
    for (const TCase& c : cases) {
        Calc->ButtonPanelClick(Calc, 0);  // the blank clear key
        Type(c.Typed);
        EXPECT_EQ(Calc->Text(), c.Display) << c.Typed;
        EXPECT_FALSE(Calc->DroppedDown());
    }
    // Backspace on a single character leaves 0 with the caret after it.
    Calc->SetPrecision(0);
    Calc->ButtonPanelClick(Calc, 0);
    Type("7");
    Press(ui::VK_BACK);
    EXPECT_EQ(Calc->Text(), "0");
    EXPECT_EQ(Calc->SelStart(), 1);
    // Delete leaving an empty display shows 0.
    Calc->SelectAll();
    Press(ui::VK_DELETE);
    EXPECT_EQ(Calc->Text(), "0");
}

TEST_F(CalculatorTest, TypingWithThePopupOpenComputesAndEnterClosesKeepingTheResult)
{
    Press(ui::VK_DOWN, ui::ssAlt);
    ASSERT_TRUE(Calc->DroppedDown());
    EXPECT_EQ(ui::TInputRouter::Focus(), &Keypad());
    Type("12*3");
    EXPECT_EQ(Calc->Text(), "3.00");
    Type("-6");
    EXPECT_EQ(Calc->Text(), "6.00") << "the minus key subtracts, it does not change the sign";
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Calc->DroppedDown());
    EXPECT_EQ(Calc->Text(), "30.00");
    EXPECT_EQ(ui::TInputRouter::Focus(), Calc);

    // Decimals, percent and "=" with the pop-up open; Backspace takes the last digit.
    Press(ui::VK_F4);
    ASSERT_TRUE(Calc->DroppedDown());
    Type("2.75");
    EXPECT_EQ(Calc->Text(), "2.75");
    Press(ui::VK_BACK);
    EXPECT_EQ(Calc->Text(), "2.70");
    Type("+10%=");
    EXPECT_EQ(Calc->Text(), "2.97");
    Type("C");
    EXPECT_EQ(Calc->Accumulator(), 0);
    EXPECT_EQ(Calc->Text(), "0.00");
    // Tab closes keeping the value; a click elsewhere does too.
    Type("8");
    Press(ui::VK_TAB);
    EXPECT_FALSE(Calc->DroppedDown());
    EXPECT_EQ(Calc->Text(), "8.00");
    Calc->ShowDropDown();
    Keys("9");
    THeadlessBackend::Click(Form, 300, 250);
    EXPECT_FALSE(Calc->DroppedDown());
    EXPECT_EQ(Calc->Text(), "9.00");
    EXPECT_TRUE(Calc->Signed()) << "closed, a typed minus may sign the number again";
}

TEST_F(CalculatorTest, EscapeClosesThePopupAsCancelled)
{
    std::vector<bool> cancels;
    Calc->OnDropUp = [&](rtl::TObject*, bool cancelled) { cancels.push_back(cancelled); };
    Open();
    EXPECT_FALSE(Calc->Signed());
    Type("4");
    Press(ui::VK_ESCAPE);
    EXPECT_FALSE(Calc->DroppedDown());
    EXPECT_EQ(cancels, std::vector<bool>{true});
    Open();
    Press(ui::VK_RETURN);
    EXPECT_EQ(cancels, (std::vector<bool>{true, false}));
}

TEST_F(CalculatorTest, KeypadButtonRectangles)
{
    Open();
    ASSERT_EQ(Keypad().Buttons().Count(), 28);
    EXPECT_EQ(Keypad().Parent(), Calc->DropDownForm());
    EXPECT_EQ(Calc->DropDownForm()->Width(), 230);
    // Inside the pop-up's one-pixel frame: 228 x 150, content 212 x 134, buttons 34 x 26.
    ASSERT_EQ(Keypad().Width(), 228);
    ASSERT_EQ(Keypad().Height(), 150);
    struct TCase {
        const char* Caption;
        rtl::TRect Rect;
    };
    const TCase cases[] = {
        {"", rtl::Bounds(8, 8, 34, 26)},       {"Back", rtl::Bounds(46, 8, 54, 26)},
        {"CE", rtl::Bounds(104, 8, 54, 26)},   {"C", rtl::Bounds(162, 8, 55, 26)},
        {"MC", rtl::Bounds(8, 38, 34, 26)},    {"M+", rtl::Bounds(8, 113, 34, 26)},
        {"7", rtl::Bounds(46, 38, 34, 26)},    {"8", rtl::Bounds(79, 38, 34, 26)},
        {"9", rtl::Bounds(112, 38, 34, 26)},   {"/", rtl::Bounds(150, 38, 34, 26)},
        {"sqrt", rtl::Bounds(183, 38, 34, 26)}, {"5", rtl::Bounds(79, 63, 34, 26)},
        {"%", rtl::Bounds(183, 63, 34, 26)},   {"1/x", rtl::Bounds(183, 88, 34, 26)},
        {"0", rtl::Bounds(46, 113, 34, 26)},   {"+/-", rtl::Bounds(79, 113, 34, 26)},
        {".", rtl::Bounds(112, 113, 34, 26)},  {"+", rtl::Bounds(150, 113, 34, 26)},
        {"=", rtl::Bounds(183, 113, 34, 26)},
    };
    for (const TCase& c : cases) EXPECT_EQ(Rect(c.Caption), c.Rect) << c.Caption;
    // Neighbours share their border pixel: the first that holds the point wins.
    EXPECT_EQ(Keypad().ButtonAt(79, 40), Index("7"));
    EXPECT_EQ(Keypad().ButtonAt(80, 40), Index("8"));
    EXPECT_EQ(Keypad().ButtonAt(44, 40), -1) << "the gap between memory keys and digits";
    // A wider keypad is arranged again.
    Keypad().SetBounds(0, 0, 308, 150);
    EXPECT_EQ(Rect("="), rtl::Bounds(248, 113, 47, 26));
}

TEST_F(CalculatorTest, TheKeypadOnPixels)
{
    Open();
    auto pixel = [&](int x, int y) {
        App->ProcessMessages();
        return static_cast<gfx::TColor>(THeadlessBackend::Pixel(&Keypad(), x, y));
    };
    // Captions are anti-aliased: a pixel counts when it is near the colour.
    auto count = [&](const rtl::TRect& r, gfx::TColor color) {
        auto near = [](int a, int b) { return a - b < 48 && b - a < 48; };
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) {
                const gfx::TColor p = pixel(x, y);
                n += near(p & 0xFF, color & 0xFF) && near((p >> 8) & 0xFF, (color >> 8) & 0xFF) &&
                     near((p >> 16) & 0xFF, (color >> 16) & 0xFF);
            }
        return n;
    };
    // Without visual styles: the fill in the drop-down colour, captions in the text colours.
    EXPECT_EQ(pixel(2, 2), gfx::clWhite);
    EXPECT_EQ(pixel(Rect("7").Left + 1, Rect("7").Top + 1), gfx::clWhite);
    EXPECT_GT(count(Rect("7"), 0x000000), 10) << "a digit in TextColor";
    EXPECT_EQ(count(Rect("7"), 128), 0);
    EXPECT_GT(count(Rect("C"), 128), 10) << "a special key in SpecialTextColor";
    EXPECT_EQ(count(Rect(""), 0x000000), 0) << "the blank key has no caption";
    EXPECT_EQ(pixel(0, 0), gfx::clWhite) << "an attached keypad draws no frame";

    // With visual styles (bound as the program starts with them on): push-button faces by
    // state, hot following the pointer.
    gfx::SetThemesActive(true);
    etxpvs::BindThemeApi();
    Keypad().Invalidate();
    const rtl::TRect seven = Rect("7");
    const rtl::TRect eight = Rect("8");
    EXPECT_EQ(pixel(eight.Left + 3, eight.Top + 3), RGB(225, 225, 225)) << "normal";
    THeadlessBackend::MouseMove(&Keypad(), seven.Left + 5, seven.Top + 5);
    EXPECT_EQ(Keypad().ButtonHot(), Index("7"));
    EXPECT_EQ(pixel(seven.Left + 3, seven.Top + 3), RGB(229, 241, 251)) << "hot";
    THeadlessBackend::MouseDown(&Keypad(), seven.Left + 5, seven.Top + 5);
    EXPECT_EQ(pixel(seven.Left + 3, seven.Top + 3), RGB(204, 228, 247)) << "pressed";
    // Released elsewhere: no click.
    THeadlessBackend::MouseMove(&Keypad(), eight.Left + 5, eight.Top + 5);
    THeadlessBackend::MouseUp(&Keypad(), eight.Left + 5, eight.Top + 5);
    EXPECT_EQ(Calc->Text(), "0.00");
    EXPECT_EQ(pixel(seven.Left + 3, seven.Top + 3), RGB(225, 225, 225));
    EXPECT_EQ(pixel(eight.Left + 3, eight.Top + 3), RGB(229, 241, 251));
}

TEST_F(CalculatorTest, AButtonsListImageStandsBesideOrAboveItsCaptionByLayout)
{
    gfx::TImageList images(8, 8);
    gfx::TBitmap red;
    red.SetSize(8, 8);
    red.Canvas().Brush().SetColor(gfx::clRed);
    red.Canvas().FillRect(rtl::Rect(0, 0, 8, 8));
    red.Canvas().Changed();
    images.Add(red);
    Open();
    Keypad().SetImages(&images);
    Keypad().Buttons().Items(Index("MC"))->SetImageIndex(0);
    const rtl::TRect r = Rect("MC");
    // Content: the button less its 4-pixel margin, 26 x 18.
    auto redAt = [&](int x, int y) {
        App->ProcessMessages();
        return static_cast<gfx::TColor>(THeadlessBackend::Pixel(&Keypad(), x, y)) == gfx::clRed;
    };
    EXPECT_TRUE(redAt(r.Left + 4, r.Top + 4 + 5)) << "caption right: the image at the left, centred";
    EXPECT_FALSE(redAt(r.Left + 4, r.Top + 4 + 1));
    Keypad().SetButtonLayout(ilCaptionLeft);
    EXPECT_FALSE(redAt(r.Left + 4, r.Top + 4 + 5));
    EXPECT_TRUE(redAt(r.Right - 5, r.Top + 4 + 5)) << "caption left: the image after the caption";
    Keypad().SetImages(nullptr);
    EXPECT_FALSE(redAt(r.Right - 5, r.Top + 4 + 5));
}

TEST_F(CalculatorTest, DisabledButtonsTakeNoHoverPressOrClick)
{
    Open();
    Keypad().Buttons().Items(Index("5"))->SetEnabled(false);
    const rtl::TRect r = Rect("5");
    THeadlessBackend::MouseMove(&Keypad(), r.Left + 5, r.Top + 5);
    EXPECT_EQ(Keypad().ButtonHot(), -1);
    THeadlessBackend::Click(&Keypad(), r.Left + 5, r.Top + 5);
    EXPECT_EQ(Keypad().ButtonDown(), -1);
    EXPECT_EQ(Calc->Text(), "0.00");
    Keys("6");
    EXPECT_EQ(Calc->Text(), "6.00");
}

TEST_F(CalculatorTest, TheKeypadTakesTheStylesButtonColoursAndTheDropDownColour)
{
    Calc->SetComponentStyle(tsOffice2010Blue);
    const TExtButtonAppearance& b = Calc->ButtonAppearance();
    EXPECT_EQ(Calc->CalcButtonAppearance().Color(), b.Color());
    EXPECT_EQ(Calc->CalcButtonAppearance().ColorChecked(), b.ColorDisabledTo());
    EXPECT_EQ(Calc->CalcButtonAppearance().GlowColorDown(), b.ColorHot());
    Calc->SetComponentStyle(tsWindowsXP);
    EXPECT_EQ(Calc->CalcButtonAppearance().GlowColorDown(), 0xD5C244u);
    EXPECT_EQ(Calc->CalcButtonAppearance().GlowColorHot(), Calc->ButtonAppearance().ColorDownTo());
    Calc->CalcButtonAppearance().SetSpecialTextColor(0x00FF00);
    Calc->SetDropDownColor(0xEEEEEE);
    Open();
    EXPECT_EQ(Keypad().ButtonAppearance().SpecialTextColor(), 0x00FF00u);
    App->ProcessMessages();
    EXPECT_EQ(static_cast<gfx::TColor>(THeadlessBackend::Pixel(&Keypad(), 2, 2)), 0xEEEEEEu);
}

}  // namespace
