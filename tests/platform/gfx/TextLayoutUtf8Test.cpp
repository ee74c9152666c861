// Text that is not well-formed UTF-8 on the canvas: shown with replacement characters, nothing lost, no layout warnings.
#include <gtest/gtest.h>

#include <glib.h>

#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace {

using namespace gfx;

// Counts the warnings and criticals the text layout logs while it lives.
class LayoutWarningCounter {
public:
    LayoutWarningCounter()
    {
        const auto levels = static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL);
        FHandler = g_log_set_handler("Pango", levels, &Count, &FCount);
    }
    ~LayoutWarningCounter() { g_log_remove_handler("Pango", FHandler); }
    LayoutWarningCounter(const LayoutWarningCounter&) = delete;
    LayoutWarningCounter& operator=(const LayoutWarningCounter&) = delete;
    int Warnings() const { return FCount; }

private:
    static void Count(const gchar*, GLogLevelFlags, const gchar*, gpointer counter) { ++*static_cast<int*>(counter); }
    int FCount = 0;
    guint FHandler = 0;
};

// The text drawn at (4, 4) on white, as pixels.
std::string Drawn(const std::string& text, const std::string& prefixed = "")
{
    TBitmap bmp(220, 40);
    TCanvas& c = bmp.Canvas();
    c.Brush().SetColor(clWhite);
    c.FillRect(rtl::Rect(0, 0, 220, 40));
    c.Brush().SetStyle(bsClear);
    c.Font().SetColor(clBlack);
    if (prefixed.empty()) {
        c.TextOut(4, 4, text);
    } else {
        rtl::TRect r = rtl::Rect(4, 4, 216, 36);
        c.DrawText(prefixed, r, DT_LEFT | DT_SINGLELINE);
    }
    std::string pixels;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 220; ++x) pixels += std::to_string(c.Pixels(x, y)) + ",";
    return pixels;
}

std::string Blank() { return Drawn(""); }

TEST(TextLayoutUtf8, MalformedBytesAreDrawnAsReplacementCharactersAndTheRestOfTheTextStays)
{
    const std::string fffd = "\xEF\xBF\xBD";
    struct TCase {
        const char* Name;
        std::string Raw;
        std::string Shown;
    };
    const TCase cases[] = {
        {"code page byte", "caf\xE9 bar", "caf" + fffd + " bar"},
        {"lone continuation byte", "a\x80z", "a" + fffd + "z"},
        {"cut sequence", "x\xC3", "x" + fffd},
        {"surrogate", "\xED\xA0\x80q", fffd + fffd + fffd + "q"},
        {"NUL inside", std::string("left\0right", 10), "left" + fffd + "right"},
    };
    LayoutWarningCounter warnings;
    for (const TCase& c : cases) {
        const std::string raw = Drawn(c.Raw);
        EXPECT_NE(raw, Blank()) << c.Name << ": nothing was drawn";
        EXPECT_EQ(raw, Drawn(c.Shown)) << c.Name;
    }
    EXPECT_EQ(warnings.Warnings(), 0);
}

// The accelerator underline stays under its own character when bytes before it are replaced.
TEST(TextLayoutUtf8, AcceleratorUnderlineFollowsItsCharacterPastReplacedBytes)
{
    LayoutWarningCounter warnings;
    EXPECT_EQ(Drawn("", "\xE9&Save"), Drawn("", "\xEF\xBF\xBD&Save"));
    EXPECT_NE(Drawn("", "\xE9&Save"), Drawn("", "\xEF\xBF\xBDSave"));
    EXPECT_EQ(warnings.Warnings(), 0);
}

}  // namespace
