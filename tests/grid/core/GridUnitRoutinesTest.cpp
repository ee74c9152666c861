// Tests of the grid unit routines: logical order, locale look-ups, focus-window hook, file versions, pop-up tool bar.
#include "grid/core/GridUnitRoutines.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/core/GridUnitRoutinesPopup.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Color.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/Forms.h"
#include "platform/ui/RichEdit.h"
#include "platform/ui/StdCtrls.h"
#include "tests/support/TempDir.h"

using namespace grid;

TEST(GridUnitRoutinesTest, LogicalOrderComparesDigitRunsByValueAndLettersWithoutCase)
{
    struct Case {
        const char* a;
        const char* b;
        int sign;
    };
    const Case cases[] = {
        {"item2", "item10", -1}, {"item10", "item2", 1}, {"ABC", "abc", 0}, {"a", "ab", -1},
        {"x9y", "x10a", -1},     {"file007", "file7", 0}, {"2", "10", -1}, {"", "", 0},
        {"", "a", -1},           {"b1", "a2", 1},         {"v1.10", "v1.9", 1}, {"123456789012345678901", "99", 1},
    };
    for (const auto& c : cases) {
        int r = CompareStrLogical(c.a, c.b);
        int sign = (r > 0) - (r < 0);
        EXPECT_EQ(sign, c.sign) << c.a << " vs " << c.b;
    }
}

TEST(GridUnitRoutinesTest, LocaleLookUpsReadTheCurrentFormatSettings)
{
    rtl::TFormatSettings saved = rtl::FormatSettings;
    rtl::FormatSettings.DecimalSeparator = ',';
    rtl::FormatSettings.ThousandSeparator = '.';
    rtl::FormatSettings.DateSeparator = '-';
    rtl::FormatSettings.TimeSeparator = '.';
    rtl::FormatSettings.ShortDateFormat = "yyyy-mm-dd";
    rtl::FormatSettings.ShortTimeFormat = "hh.nn";
    rtl::FormatSettings.LongTimeFormat = "hh.nn.ss";
    rtl::FormatSettings.CurrencyString = "Ft";
    EXPECT_EQ(GetDecimalSeparator(), ',');
    EXPECT_EQ(GetThousandSeparator(), '.');
    EXPECT_EQ(GetDateSeparator(), '-');
    EXPECT_EQ(GetTimeSeparator(), '.');
    EXPECT_EQ(GetShortDateFormat(), "yyyy-mm-dd");
    EXPECT_EQ(GetShortTimeFormat(), "hh.nn");
    EXPECT_EQ(GetLongTimeFormat(), "hh.nn.ss");
    EXPECT_EQ(GetCurrencyString(), "Ft");
    rtl::FormatSettings = saved;
}

namespace {
// Sends a message through the calling thread's hook chain, as delivering it would.
void Deliver(ui::UINT message)
{
    ui::CallWndProcHooks(0, message, 0, 0, true);
}

class FocusWindowHookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // An older hook behind ours sees what ours passes on.
        FSpy = ui::SetWindowsHookEx(
            ui::WH_CALLWNDPROC,
            [this](int code, ui::WPARAM w, ui::LPARAM l) {
                const auto* msg = reinterpret_cast<const ui::CWPSTRUCT*>(l);
                Seen.push_back(msg->message);
                return ui::CallNextHookEx(FSpy, code, w, l);
            },
            nullptr, ui::GetCurrentThreadId());
        InstallFocusWindowHook();
    }
    void TearDown() override
    {
        SetFocusWindowGrid(nullptr, nullptr);
        RemoveFocusWindowHook();
        ui::UnhookWindowsHookEx(FSpy);
    }
    std::vector<ui::UINT> Seen;

private:
    ui::HHOOK FSpy = 0;
};
}  // namespace

TEST_F(FocusWindowHookTest, WithNoGridRegisteredMessagesArePassedOn)
{
    ASSERT_NE(FocusWindowHookHandle(), 0);
    Deliver(ui::WM_WINDOWPOSCHANGED);
    Deliver(ui::WM_PAINT);
    EXPECT_EQ(Seen, (std::vector<ui::UINT>{ui::WM_WINDOWPOSCHANGED, ui::WM_PAINT}));
}

TEST_F(FocusWindowHookTest, PositionChangesReplaceTheRegisteredGridsFocusWindow)
{
    rtl::TObject grid;
    int placed = 0;
    SetFocusWindowGrid(&grid, [&] { ++placed; });
    EXPECT_EQ(FocusWindowGrid(), &grid);

    Deliver(ui::WM_WINDOWPOSCHANGING);
    Deliver(ui::WM_WINDOWPOSCHANGED);
    Deliver(ui::WM_PAINT);
    EXPECT_EQ(placed, 2);
    EXPECT_EQ(Seen.size(), 3u);

    SetFocusWindowGrid(nullptr, [&] { ++placed; });
    Deliver(ui::WM_WINDOWPOSCHANGED);
    EXPECT_EQ(placed, 2);
    EXPECT_EQ(FocusWindowGrid(), nullptr);
}

TEST_F(FocusWindowHookTest, PlacingTheFocusWindowDoesNotTriggerItselfAgain)
{
    rtl::TObject grid;
    int placed = 0;
    // Moving the focus window sends position messages of its own.
    SetFocusWindowGrid(&grid, [&] {
        ++placed;
        Deliver(ui::WM_WINDOWPOSCHANGING);
        Deliver(ui::WM_WINDOWPOSCHANGED);
    });
    Deliver(ui::WM_WINDOWPOSCHANGED);
    EXPECT_EQ(placed, 1);
    EXPECT_EQ(Seen.size(), 3u);
    Deliver(ui::WM_WINDOWPOSCHANGED);
    EXPECT_EQ(placed, 2);
}

namespace {
void PutU16(std::string& s, std::uint16_t v)
{
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>(v >> 8);
}
void PutU32(std::string& s, std::uint32_t v)
{
    PutU16(s, static_cast<std::uint16_t>(v & 0xFFFF));
    PutU16(s, static_cast<std::uint16_t>(v >> 16));
}

// A file holding a version-information block whose fixed part has the given signature
// and most significant file-version word, behind some other bytes.
std::string VersionFile(std::uint32_t signature, std::uint32_t versionMS)
{
    std::string s(64, '\x5A');
    std::string block;
    PutU16(block, 92);  // length
    PutU16(block, 52);  // value length: the fixed file information
    PutU16(block, 0);   // binary
    for (char c : std::string("VS_VERSION_INFO")) PutU16(block, static_cast<std::uint16_t>(c));
    PutU16(block, 0);
    PutU16(block, 0);  // padding to a 32-bit boundary
    PutU32(block, signature);
    PutU32(block, 0x00010000);
    PutU32(block, versionMS);
    PutU32(block, 0x00020003);  // least significant word
    block += std::string(36, '\0');
    return s + block;
}
}  // namespace

TEST(GridUnitRoutinesTest, FileVersionReadsTheMostSignificantWordOfTheFixedBlock)
{
    testsupport::TempDir dir;
    testsupport::WriteFileBytes(dir.File("comctl.dll"), VersionFile(0xFEEF04BD, (6u << 16) | 10u));
    testsupport::WriteFileBytes(dir.File("plain.dll"), std::string(200, '\x01'));
    testsupport::WriteFileBytes(dir.File("badsig.dll"), VersionFile(0x12345678, (6u << 16) | 10u));
    testsupport::WriteFileBytes(dir.File("old.dll"), VersionFile(0xFEEF04BD, (4u << 16) | 69u));

    EXPECT_EQ(GetFileVersionMS(dir.File("comctl.dll")), 6 * 65536 + 10);
    EXPECT_EQ(GetFileVersionMS(dir.File("old.dll")), 262213);
    EXPECT_EQ(GetFileVersionMS(dir.File("plain.dll")), -1);
    EXPECT_EQ(GetFileVersionMS(dir.File("badsig.dll")), -1);
    EXPECT_EQ(GetFileVersionMS(dir.File("missing.dll")), -1);
}

namespace {
class TTestPopup : public TExtGridPopup {
public:
    using TExtGridPopup::TExtGridPopup;
    bool MouseInPopup(const rtl::TPoint& pt) override { return Visible() && pt.X < 10 && pt.Y < 10; }
};
}  // namespace

TEST(GridUnitRoutinesTest, PopupToolBarShowsAndHidesThroughItsVisibleFlag)
{
    TTestPopup popup(nullptr);
    EXPECT_FALSE(popup.Visible());
    popup.Show({1, 1});
    EXPECT_TRUE(popup.Visible());
    EXPECT_TRUE(popup.MouseInPopup({1, 1}));
    popup.Hide();
    EXPECT_FALSE(popup.Visible());
    EXPECT_FALSE(popup.MouseInPopup({1, 1}));
}

// The transparent style makes a rich edit draw its text over what lies beneath it, without
// its own window colour; asked twice it stays so. Another kind of control keeps painting
// its own background.
TEST(GridUnitRoutinesTest, TransparentStyleLetsARichEditShowWhatLiesBeneath)
{
    ui::TApplication app;
    app.SetBackend(std::make_unique<ui::THeadlessBackend>());
    auto* form = new ui::TForm(&app);
    form->SetBounds(0, 0, 300, 200);
    form->SetColor(gfx::clLime);
    auto* rich = new ui::TRichEdit(form);
    rich->SetParent(form);
    rich->SetBounds(0, 0, 200, 60);
    rich->SetColor(gfx::clWhite);
    rich->SetText("Wide text");
    auto* edit = new ui::TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(0, 100, 200, 24);
    edit->SetColor(gfx::clWhite);
    form->Show();
    auto pixel = [](ui::TControl* c, int x, int y) {
        return static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(c, x, y)) & 0xFFFFFF;
    };
    auto darkPixels = [&](ui::TControl* c) {
        int n = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 120; ++x) n += (pixel(c, x, y) & 0xFF) < 0x60 ? 1 : 0;
        return n;
    };
    form->PaintPending();
    ASSERT_EQ(pixel(rich, 180, 50), gfx::clWhite);
    for (int call = 0; call < 2; ++call) {
        SetWindowTransparentStyle(rich);
        SetWindowTransparentStyle(edit);
        form->Invalidate();
        form->PaintPending();
        EXPECT_EQ(pixel(rich, 180, 50), gfx::clLime);
        EXPECT_GT(darkPixels(rich), 10);  // the text is still drawn
        EXPECT_EQ(pixel(edit, 180, 12), gfx::clWhite);
    }
}
