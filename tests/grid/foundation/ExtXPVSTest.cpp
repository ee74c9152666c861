#include "grid/foundation/ExtXPVS.h"

#include <gtest/gtest.h>

#include "grid/foundation/ETXPVS.h"
#include "grid/foundation/ExtXPVSModule.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/rtl/Exceptions.h"

namespace {

using namespace grid;

// The entries of each binding, in binding order.
std::vector<TFarProc> ExtEntries()
{
#define ENTRY(name, result, params) reinterpret_cast<TFarProc>(grid::name),
    return {GRID_VISUAL_STYLES_FUNCTIONS(ENTRY)};
#undef ENTRY
}

std::vector<TFarProc> EtEntries()
{
#define ENTRY(name, result, params) reinterpret_cast<TFarProc>(grid::etxpvs::name),
    return {GRID_VISUAL_STYLES_FUNCTIONS(ENTRY)};
#undef ENTRY
}

int BoundCount(const std::vector<TFarProc>& entries)
{
    int n = 0;
    for (TFarProc p : entries) n += p != nullptr;
    return n;
}

// Starts each test with both bindings released and visual styles off, and leaves it so.
class VisualStylesBinding : public ::testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset()
    {
        UnloadVisualStylesLibrary();
        etxpvs::UnbindThemeApi();
        gfx::SetThemesActive(false);
    }
};

TEST_F(VisualStylesBinding, WithoutVisualStylesTheLibraryIsAbsentAndEveryEntryEmpty)
{
    LoadVisualStylesLibrary();
    etxpvs::BindThemeApi();
    EXPECT_FALSE(VisualStylesLibraryLoaded());
    EXPECT_FALSE(etxpvs::ThemeApiBound());
    EXPECT_EQ(BoundCount(ExtEntries()), 0);
    EXPECT_EQ(BoundCount(EtEntries()), 0);
    EXPECT_EQ(LoadThemeLibrary("uxtheme.dll"), nullptr);
}

TEST_F(VisualStylesBinding, WithVisualStylesAll45EntriesAreBoundOnceAndEmptiedOnRelease)
{
    gfx::SetThemesActive(true);
    LoadVisualStylesLibrary();
    ASSERT_TRUE(VisualStylesLibraryLoaded());
    const auto first = ExtEntries();
    EXPECT_EQ(BoundCount(first), VisualStylesFunctionCount);
    LoadVisualStylesLibrary();  // a second call binds nothing new
    EXPECT_EQ(ExtEntries(), first);
    EXPECT_FALSE(etxpvs::ThemeApiBound());  // the other binding is its own

    etxpvs::BindThemeApi();
    EXPECT_TRUE(etxpvs::ThemeApiBound());
    EXPECT_EQ(EtEntries(), first);

    UnloadVisualStylesLibrary();
    EXPECT_FALSE(VisualStylesLibraryLoaded());
    EXPECT_EQ(BoundCount(ExtEntries()), 0);
    EXPECT_TRUE(etxpvs::ThemeApiBound());
}

TEST_F(VisualStylesBinding, BoundEntriesPaintWithOurPainterOrAnswerNotAvailable)
{
    gfx::SetThemesActive(true);
    LoadVisualStylesLibrary();
    ASSERT_TRUE(IsThemeActive && IsThemeActive());
    EXPECT_TRUE(IsAppThemed());
    EXPECT_EQ(OpenThemeData(0, "treeview"), nullptr);
    HTHEME button = OpenThemeData(0, "BUTTON");
    ASSERT_NE(button, nullptr);

    gfx::TBitmap bitmap;
    bitmap.SetSize(40, 20);
    bitmap.Canvas().Brush().SetColor(gfx::clBlack);
    bitmap.Canvas().FillRect({0, 0, 40, 20});
    const rtl::TRect rect{0, 0, 30, 20};
    const rtl::TRect clip{0, 0, 20, 20};
    EXPECT_EQ(DrawThemeBackground(button, &bitmap.Canvas(), gfx::BP_PUSHBUTTON, gfx::PBS_NORMAL, &rect, &clip), S_OK);
    EXPECT_EQ(bitmap.Canvas().Pixels(10, 10), gfx::RGB(225, 225, 225));  // the painter's button face
    EXPECT_EQ(bitmap.Canvas().Pixels(25, 10), gfx::clBlack);              // outside the clip
    EXPECT_EQ(bitmap.Canvas().Pixels(35, 10), gfx::clBlack);              // outside the part
    EXPECT_FALSE(bitmap.Canvas().HasClip());                              // the clip is not left behind

    rtl::TRect content;
    EXPECT_EQ(GetThemeBackgroundContentRect(button, &bitmap.Canvas(), gfx::BP_PUSHBUTTON, 1, &rect, &content), S_OK);
    EXPECT_EQ(content, (rtl::TRect{1, 1, 29, 19}));
    EXPECT_TRUE(IsThemePartDefined(button, gfx::BP_CHECKBOX, 0));
    EXPECT_FALSE(IsThemePartDefined(button, 7, 0));
    EXPECT_TRUE(IsThemeBackgroundPartiallyTransparent(button, gfx::BP_RADIOBUTTON, 1));
    unsigned short hit = 99;
    EXPECT_EQ(HitTestThemeBackground(button, nullptr, 1, 1, 0, &rect, nullptr, {5, 5}, &hit), S_OK);
    EXPECT_EQ(hit, HTCLIENT);
    EXPECT_EQ(HitTestThemeBackground(button, nullptr, 1, 1, 0, &rect, nullptr, {35, 5}, &hit), S_OK);
    EXPECT_EQ(hit, HTNOWHERE);

    std::string file, color, size;
    EXPECT_EQ(GetCurrentThemeName(file, color, size), S_OK);
    EXPECT_EQ(color, "NormalColor");
    EXPECT_EQ(GetThemeSysColor(button, 15), gfx::GetSysColor(15));
    gfx::TColor themeColor = 0;
    EXPECT_EQ(GetThemeColor(button, 1, 1, 3803, &themeColor), E_NOTIMPL);
    EXPECT_EQ(GetWindowTheme(0), nullptr);
    EXPECT_EQ(CloseThemeData(button), S_OK);
}

TEST_F(VisualStylesBinding, ALibraryLackingAFunctionFailsTheAssertionWithItsLine)
{
    gfx::SetThemesActive(true);
    const TThemeModule* library = LoadThemeLibrary("UxTheme.dll");
    ASSERT_NE(library, nullptr);
    struct Case {
        const char* Missing;
        const char* Unit;
        int FirstLine;
        const char* Message;
    };
    const Case cases[] = {
        {"OpenThemeData", "ExtXPVS", 1533, "Assertion failure (ExtXPVS, line 1533)"},
        {"DrawThemeIcon", "ExtXPVS", 1533, "Assertion failure (ExtXPVS, line 1566)"},
        {"EnableTheming", "ExtXPVS", 1533, "Assertion failure (ExtXPVS, line 1665)"},
        {"EnableTheming", "ETXPVS", 1537, "Assertion failure (ETXPVS, line 1669)"},
    };
    for (const Case& c : cases) {
        TThemeModule lacking = *library;
        std::erase_if(lacking.Exports, [&c](const auto& e) { return e.first == c.Missing; });
        TFarProc slots[VisualStylesFunctionCount] = {};
        try {
            BindVisualStylesFunctions(lacking, c.Unit, c.FirstLine, slots);
            ADD_FAILURE() << c.Missing << ": no assertion";
        } catch (const rtl::EAssertionFailed& e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
        EXPECT_NE(slots[0] == nullptr, std::string(c.Missing) != "OpenThemeData") << "bound before the gap";
    }
    FreeThemeLibrary(library);
}

}  // namespace
