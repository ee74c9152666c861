// Tests of the embedded glyph bitmaps the grid family draws by name: presence, size, transparency and what each shows.
#include "grid/foundation/ExtUtilDraw.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Resources.h"
#include "tests/grid/foundation/ExtUtilTestCanvas.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

using gfx::RGB;
using gfx::TColor;
using gridtest::Surface;

constexpr TColor Back = 0x808000;  // a background no glyph uses

std::unique_ptr<gfx::TBitmap> Load(const std::string& name)
{
    const gfx::TResource r = gfx::FindResource(name, "glyphs");
    if (!r.Found()) return nullptr;
    auto b = std::make_unique<gfx::TBitmap>();
    b->LoadFromBytes(r.Data, r.Size);
    return b;
}

// The glyph drawn as the grid draws it: at its natural size on the background.
std::unique_ptr<Surface> Drawn(const std::string& name)
{
    auto s = std::make_unique<Surface>(40, 40, Back);
    grid::DrawResourceBitmap(s->Canvas(), Back, rtl::Rect(0, 0, 40, 40), name, 1.0);
    return s;
}

bool Greyish(TColor c)
{
    return std::abs(gfx::GetRValue(c) - gfx::GetBValue(c)) < 20 && std::abs(gfx::GetGValue(c) - gfx::GetBValue(c)) < 20;
}

TEST(GlyphResources, EveryGlyphTheGridDrawsIsEmbeddedInItsSizeWithATransparentCorner)
{
    struct Case { const char* name; int width, height; };
    const Case cases[] = {
        {"ESGCHK01", 15, 15}, {"ESGCHK02", 15, 15}, {"ESGCHK03", 15, 15}, {"ESGCHK04", 15, 15},
        {"ESGCHK05", 15, 15}, {"ESGCHK06", 15, 15}, {"ESGCHK07", 15, 15}, {"ESGCHK08", 15, 15},
        {"ESGRAD01", 16, 16}, {"ESGRAD02", 16, 16}, {"ESGRAD03", 16, 16}, {"ESGRAD04", 16, 16},
        {"ESGRAD05", 16, 16}, {"ESGRAD06", 16, 16}, {"ESGRAD07", 16, 16}, {"ESGRAD08", 16, 16},
        {"ESGCLOSE", 14, 14}, {"ESGCLOSEH", 14, 14}, {"ESGCLOSED", 14, 14},
        {"ESGARDOWN", 16, 16}, {"ESGARDOWND", 16, 16}, {"ESGARUP", 16, 16}, {"ESGARUPD", 16, 16},
        {"ESGHI", 16, 16}, {"ESGHID", 16, 16}, {"ESGFILT", 16, 16},
        {"ESGLEAFCLOSE", 12, 12}, {"ESGLEAFOPEN", 12, 12}, {"XPNODEC", 9, 9}, {"XPNODEO", 9, 9},
        {"INTLI1", 32, 32}, {"INTLI2", 32, 32}, {"INTLI3", 32, 32},
    };
    for (const Case& c : cases) {
        const auto bitmap = Load(c.name);
        ASSERT_TRUE(bitmap) << c.name;
        EXPECT_EQ(bitmap->Width(), c.width) << c.name;
        EXPECT_EQ(bitmap->Height(), c.height) << c.name;
        const auto s = Drawn(c.name);
        EXPECT_EQ(s->At(0, 0), Back) << c.name;  // the corner colour is the transparent one
        const rtl::TRect box = rtl::Rect(0, 0, c.width, c.height);
        EXPECT_GT(s->Count(box, [](TColor p) { return p != Back; }), 8) << c.name;
        EXPECT_TRUE(s->UntouchedOutside(box, Back)) << c.name;
    }
}

TEST(GlyphResources, CheckAndRadioGlyphsShowTheirStateAndEnabledness)
{
    // Numbers 1..8: checked enabled, unchecked enabled, checked disabled, unchecked disabled,
    // in our own look and then in the XP-like look. The mark crosses the centre (7, 7).
    for (const char* prefix : {"ESGCHK0", "ESGRAD0"})
        for (int look = 0; look < 2; ++look) {
            auto at = [&](int n, int x, int y) { return Drawn(prefix + std::to_string(look * 4 + n))->At(x, y); };
            for (int disabled = 0; disabled < 2; ++disabled) {
                const int checked = 1 + disabled * 2, unchecked = checked + 1;
                EXPECT_NE(at(checked, 7, 7), at(unchecked, 7, 7)) << prefix << look << disabled;
                EXPECT_EQ(at(checked, 1, 7), at(unchecked, 1, 7)) << prefix << look << disabled;  // same box
                EXPECT_EQ(Greyish(at(checked, 1, 7)), disabled == 1) << prefix << look << disabled;
                EXPECT_EQ(Greyish(at(checked, 7, 7)), disabled == 1) << prefix << look << disabled;
            }
        }
}

TEST(GlyphResources, NodeArrowAndPanningGlyphsShowTheirDirection)
{
    // Plus for a contracted node, minus for an expanded one.
    EXPECT_EQ(Drawn("XPNODEC")->At(4, 2), gfx::clBlack);
    EXPECT_NE(Drawn("XPNODEO")->At(4, 2), gfx::clBlack);
    EXPECT_EQ(Drawn("XPNODEO")->At(2, 4), gfx::clBlack);
    EXPECT_NE(Drawn("ESGLEAFCLOSE")->At(5, 6), Drawn("ESGLEAFOPEN")->At(5, 6));

    // Find arrows: the head is the widest row; down arrows have it at the bottom.
    auto widestRowBelowMiddle = [](const std::string& name) {
        const auto s = Drawn(name);
        int widest = 0, row = 0;
        for (int y = 0; y < 16; ++y) {
            const int n = s->Count(rtl::Rect(0, y, 16, y + 1), [](TColor p) { return p != Back; });
            if (n > widest) widest = n, row = y;
        }
        return row >= 8;
    };
    EXPECT_TRUE(widestRowBelowMiddle("ESGARDOWN"));
    EXPECT_TRUE(widestRowBelowMiddle("ESGARDOWND"));
    EXPECT_FALSE(widestRowBelowMiddle("ESGARUP"));
    EXPECT_FALSE(widestRowBelowMiddle("ESGARUPD"));
    EXPECT_FALSE(Greyish(Drawn("ESGARDOWN")->At(7, 4)));
    EXPECT_TRUE(Greyish(Drawn("ESGARDOWND")->At(7, 4)));

    // Panning marks: INTLI1 both ways, INTLI2 horizontal, INTLI3 vertical.
    const TColor ink = RGB(40, 40, 40);
    struct Case { const char* name; bool horizontal, vertical; };
    for (const Case& c : {Case{"INTLI1", true, true}, Case{"INTLI2", true, false}, Case{"INTLI3", false, true}}) {
        const auto s = Drawn(c.name);
        EXPECT_EQ(s->At(7, 16) == ink && s->At(24, 16) == ink, c.horizontal) << c.name;
        EXPECT_EQ(s->At(16, 7) == ink && s->At(16, 24) == ink, c.vertical) << c.name;
        EXPECT_EQ(s->At(16, 16), ink) << c.name;
    }
}

TEST(GlyphResources, SpectrumRunsThroughTheHuesFromWhiteToBlack)
{
    const auto spectrum = Load("JYX_SPECTRUM");
    ASSERT_TRUE(spectrum);
    ASSERT_EQ(spectrum->Width(), 128);
    ASSERT_EQ(spectrum->Height(), 128);
    const gfx::TResource r = gfx::FindResource("JYX_SPECTRUM");
    EXPECT_EQ(r.Data[28], 24);  // 24 bits per pixel
    auto near = [](TColor a, TColor b) {
        return std::abs(gfx::GetRValue(a) - gfx::GetRValue(b)) <= 16 && std::abs(gfx::GetGValue(a) - gfx::GetGValue(b)) <= 16 &&
               std::abs(gfx::GetBValue(a) - gfx::GetBValue(b)) <= 16;
    };
    const gfx::TCanvas& c = spectrum->Canvas();
    struct Hue { int x; TColor color; };
    const Hue hues[] = {{0, RGB(255, 0, 0)},     {21, RGB(255, 255, 0)}, {42, RGB(0, 255, 0)}, {64, RGB(0, 255, 255)},
                        {85, RGB(0, 0, 255)},    {106, RGB(255, 0, 255)}, {127, RGB(255, 0, 0)}};
    for (const Hue& h : hues) {
        EXPECT_TRUE(near(c.Pixels(h.x, 64), h.color)) << h.x;  // full colour at mid-height
        EXPECT_TRUE(near(c.Pixels(h.x, 0), RGB(255, 255, 255))) << h.x;
        EXPECT_TRUE(near(c.Pixels(h.x, 127), RGB(0, 0, 0))) << h.x;
    }
}

}  // namespace
