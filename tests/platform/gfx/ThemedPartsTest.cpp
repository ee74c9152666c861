// Themed parts switch, our painter, classic edges and frame controls, embedded resources.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/FrameControls.h"
#include "platform/gfx/Resources.h"
#include "platform/gfx/ThemedParts.h"
#include "tests/support/TempDir.h"

namespace {

using namespace gfx;

struct Board {
    TBitmap Bitmap{40, 30};
    TCanvas& C = Bitmap.Canvas();
    Board()
    {
        C.Brush().SetColor(clWhite);
        C.FillRect(rtl::Rect(0, 0, 40, 30));
    }
};

struct ThemeSwitch {
    explicit ThemeSwitch(bool on) { SetThemesActive(on); }
    ~ThemeSwitch() { SetThemesActive(false); }
};

TEST(ThemedParts, ThemesAreInactiveUntilSwitchedOn)
{
    EXPECT_FALSE(ThemesActive());
    EXPECT_EQ(OpenThemeData("button"), nullptr);
    ThemeSwitch on(true);
    HTHEME button = OpenThemeData("BUTTON");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(OpenThemeData("treeview"), nullptr);
    Board b;
    EXPECT_TRUE(DrawThemeBackground(button, b.C, BP_PUSHBUTTON, PBS_HOT, rtl::Rect(0, 0, 20, 10)));
    EXPECT_EQ(b.C.Pixels(0, 0), RGB(0, 120, 215));       // hot border
    EXPECT_EQ(b.C.Pixels(10, 5), RGB(229, 241, 251));    // hot face
    EXPECT_EQ(b.C.Pixels(20, 10), clWhite);
    EXPECT_FALSE(DrawThemeBackground(button, b.C, 99, 1, rtl::Rect(0, 0, 5, 5)));
    CloseThemeData(button);
}

TEST(ThemedParts, CheckBoxAndRadioShowTheirState)
{
    Board b;
    DrawThemedCheckBox(b.C, rtl::Rect(0, 0, 13, 13), tsNormal, 0);
    DrawThemedCheckBox(b.C, rtl::Rect(20, 0, 33, 13), tsNormal, 1);
    auto dark = [&](int x0) {
        int n = 0;
        for (int y = 2; y < 11; ++y)
            for (int x = x0 + 2; x < x0 + 11; ++x)
                if (b.C.Pixels(x, y) != clWhite) ++n;
        return n;
    };
    EXPECT_EQ(dark(0), 0);
    EXPECT_GT(dark(20), 8);
    DrawThemedRadioButton(b.C, rtl::Rect(0, 15, 13, 28), tsNormal, true);
    EXPECT_EQ(b.C.Pixels(6, 21), RGB(51, 51, 51));
}

TEST(ThemedParts, SpinAndComboButtonsCarryAnArrow)
{
    Board b;
    DrawThemedSpinButton(b.C, rtl::Rect(0, 0, 15, 10), true, tsNormal);
    DrawThemedComboButton(b.C, rtl::Rect(20, 0, 37, 20), tsPressed);
    int arrow = 0;
    for (int y = 1; y < 9; ++y)
        for (int x = 1; x < 14; ++x)
            if (b.C.Pixels(x, y) == clBlack) ++arrow;
    EXPECT_GE(arrow, 6);
    EXPECT_EQ(b.C.Pixels(20, 0), RGB(0, 84, 153));
}

TEST(FrameControls, EdgesUseTheSystemColoursAndAdjust)
{
    Board b;
    rtl::TRect r = rtl::Rect(0, 0, 10, 10);
    EXPECT_TRUE(DrawEdge(b.C, r, EDGE_RAISED, BF_RECT | BF_ADJUST));
    EXPECT_EQ(r, rtl::Rect(2, 2, 8, 8));
    EXPECT_EQ(b.C.Pixels(0, 5), RGB(227, 227, 227));   // outer light
    EXPECT_EQ(b.C.Pixels(1, 5), RGB(255, 255, 255));   // inner highlight
    EXPECT_EQ(b.C.Pixels(9, 5), RGB(105, 105, 105));   // outer dark shadow
    EXPECT_EQ(b.C.Pixels(8, 5), RGB(160, 160, 160));   // inner shadow
    rtl::TRect s = rtl::Rect(20, 0, 30, 10);
    DrawEdge(b.C, s, BDR_SUNKENOUTER, BF_LEFT | BF_TOP);
    EXPECT_EQ(b.C.Pixels(20, 5), RGB(160, 160, 160));
    EXPECT_EQ(b.C.Pixels(29, 5), clWhite);  // right edge not asked for
    EXPECT_EQ(s, rtl::Rect(20, 0, 30, 10));
}

TEST(FrameControls, PushButtonAndScrollArrow)
{
    Board b;
    rtl::TRect r = rtl::Rect(0, 0, 16, 16);
    EXPECT_TRUE(DrawFrameControl(b.C, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX));
    EXPECT_EQ(b.C.Pixels(3, 3), RGB(240, 240, 240));
    int glyph = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (b.C.Pixels(x, y) == clBlack) ++glyph;
    EXPECT_GE(glyph, 6);
    rtl::TRect c = rtl::Rect(20, 0, 33, 13);
    EXPECT_TRUE(DrawFrameControl(b.C, c, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_FLAT));
    EXPECT_EQ(b.C.Pixels(20, 0), RGB(160, 160, 160));
    rtl::TRect x = rtl::Rect(0, 0, 5, 5);
    EXPECT_FALSE(DrawFrameControl(b.C, x, DFC_CAPTION, 0));
}

TEST(Resources, GeneratorTablesEveryFileByUpperCaseName)
{
    testsupport::TempDir dir;
    testsupport::WriteFileBytes(dir.Path() / "glyphs" / "Arrow_Down.bmp", std::string("BM\x01\x02", 4));
    testsupport::WriteFileBytes(dir.Path() / "cursors" / "101.cur", std::string("\x00\x00\x02\x00", 4));
    const std::string out = dir.File("table.cpp");
    const std::string script = (testsupport::TestDataDir().parent_path().parent_path() / "cmake" / "EmbedResources.cmake").string();
    const std::string cmd = "cmake -DROOT=" + dir.Path().string() + " -DOUTPUT=" + out + " -P " + script;
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const std::string table = testsupport::ReadFileBytes(out);
    EXPECT_NE(table.find("{\"ARROW_DOWN\", \"glyphs\", R0, 4}"), std::string::npos) << table;
    EXPECT_NE(table.find("{\"101\", \"cursors\", R1, 4}"), std::string::npos);
    EXPECT_NE(table.find("0x42,0x4d,0x01,0x02,"), std::string::npos);
}

TEST(Resources, EveryResourceFileIsFoundWithItsBytes)
{
    const auto root = testsupport::TestDataDir().parent_path().parent_path() / "resources";
    std::size_t files = 0;
    for (const char* kind : {"glyphs", "cursors", "icons"}) {
        if (!std::filesystem::exists(root / kind)) continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root / kind)) {
            if (!entry.is_regular_file()) continue;
            ++files;
            const TResource r = FindResource(entry.path().filename().string(), kind);
            ASSERT_TRUE(r.Found()) << entry.path();
            const std::string bytes = testsupport::ReadFileBytes(entry.path());
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(r.Data), r.Size), bytes);
        }
    }
    EXPECT_EQ(ResourceList().size(), files);
    EXPECT_FALSE(FindResource("NO_SUCH_RESOURCE_NAME").Found());
    EXPECT_FALSE(FindResource(-1).Found());
}

}  // namespace

namespace {

// Counts the pixels of one colour in a row (or column) of a bitmap's canvas.
int CountInRow(gfx::TBitmap& b, int y, gfx::TColor c)
{
    int n = 0;
    for (int x = 0; x < b.Width(); ++x)
        n += b.Canvas().Pixels(x, y) == c;
    return n;
}

int CountInColumn(gfx::TBitmap& b, int x, gfx::TColor c)
{
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        n += b.Canvas().Pixels(x, y) == c;
    return n;
}

// The arrow's tip lies on the side it points to: the first drawn row of an up
// arrow is its narrowest, of a down arrow its widest, and likewise sideways.
TEST(FrameControls, ArrowGlyphsPointTheirWay)
{
    struct Case {
        unsigned Direction;
        bool Vertical;
        bool TipFirst;
    };
    const Case cases[] = {
        {gfx::DFCS_SCROLLUP, true, true},
        {gfx::DFCS_SCROLLDOWN, true, false},
        {gfx::DFCS_SCROLLLEFT, false, true},
        {gfx::DFCS_SCROLLRIGHT, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Direction);
        gfx::TBitmap b(30, 30);
        b.Canvas().Brush().SetColor(gfx::clWhite);
        b.Canvas().FillRect(rtl::Rect(0, 0, 30, 30));
        gfx::DrawArrowGlyph(b.Canvas(), rtl::Rect(0, 0, 30, 30), c.Direction, gfx::clBlack);
        std::vector<int> lines;
        for (int i = 0; i < 30; ++i) {
            const int n = c.Vertical ? CountInRow(b, i, gfx::clBlack) : CountInColumn(b, i, gfx::clBlack);
            if (n > 0) lines.push_back(n);
        }
        ASSERT_GE(lines.size(), 3u);
        if (c.TipFirst) {
            EXPECT_EQ(lines.front(), 1);
            EXPECT_GT(lines.back(), lines.front());
        } else {
            EXPECT_EQ(lines.back(), 1);
            EXPECT_GT(lines.front(), lines.back());
        }
    }
}

}  // namespace
