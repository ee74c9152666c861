// Draws the grid family's glyph bitmaps with our own canvas and writes them as BMP files under resources/glyphs.
//
// Usage: make_glyphs <output folder>. Run through tools/make_glyphs.sh, which builds this
// program against the graphics library. Every picture is drawn here from scratch; the
// files are committed so that the build only embeds them.
//
// Pixel (0, 0) of every glyph holds the key colour: the grid replaces that colour by the
// cell's background when it draws a glyph at its natural size, so the key never appears
// inside a glyph.
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>

namespace {

using gfx::RGB;
using gfx::TBitmap;
using gfx::TColor;
using rtl::TPoint;
using rtl::TRect;

const TColor Key = RGB(254, 254, 254);
const TColor White = RGB(255, 255, 255);
const TColor Black = RGB(0, 0, 0);

std::string OutDir;

struct Glyph {
    TBitmap Bitmap;
    Glyph(int w, int h) : Bitmap(w, h)
    {
        Bitmap.SetPixelFormat(gfx::pf24bit);
        Fill(rtl::Rect(0, 0, w, h), Key);
    }
    gfx::TCanvas& C() { return Bitmap.Canvas(); }
    void Px(int x, int y, TColor c) { C().SetPixels(x, y, c); }
    void Fill(const TRect& r, TColor c)
    {
        C().Brush().SetStyle(gfx::bsSolid);
        C().Brush().SetColor(c);
        C().FillRect(r);
    }
    // A line including both end points.
    void Line(int x1, int y1, int x2, int y2, TColor c)
    {
        C().Pen().SetStyle(gfx::psSolid);
        C().Pen().SetWidth(1);
        C().Pen().SetColor(c);
        C().MoveTo(x1, y1);
        C().LineTo(x2, y2);
        Px(x2, y2, c);
    }
    void Polygon(std::initializer_list<TPoint> points, TColor c)
    {
        C().Pen().SetStyle(gfx::psSolid);
        C().Pen().SetWidth(1);
        C().Pen().SetColor(c);
        C().Brush().SetStyle(gfx::bsSolid);
        C().Brush().SetColor(c);
        C().Polygon(std::span<const TPoint>(points.begin(), points.size()));
    }
    void Ellipse(const TRect& r, TColor pen, TColor brush)
    {
        C().Pen().SetStyle(gfx::psSolid);
        C().Pen().SetWidth(1);
        C().Pen().SetColor(pen);
        C().Brush().SetStyle(gfx::bsSolid);
        C().Brush().SetColor(brush);
        C().Ellipse(r);
    }
    // Top-to-bottom gradient over the rectangle.
    void VGradient(const TRect& r, TColor from, TColor to)
    {
        const int h = std::max(1, r.Height() - 1);
        for (int y = r.Top; y < r.Bottom; ++y) {
            const int i = y - r.Top;
            auto mix = [&](int a, int b) { return a + (b - a) * i / h; };
            Fill(rtl::Rect(r.Left, y, r.Right, y + 1),
                 RGB(mix(gfx::GetRValue(from), gfx::GetRValue(to)), mix(gfx::GetGValue(from), gfx::GetGValue(to)),
                     mix(gfx::GetBValue(from), gfx::GetBValue(to))));
        }
    }
    // A one-pixel frame whose four corner pixels stay as they were (a softly rounded box).
    void SoftFrame(const TRect& r, TColor c)
    {
        Line(r.Left + 1, r.Top, r.Right - 2, r.Top, c);
        Line(r.Left + 1, r.Bottom - 1, r.Right - 2, r.Bottom - 1, c);
        Line(r.Left, r.Top + 1, r.Left, r.Bottom - 2, c);
        Line(r.Right - 1, r.Top + 1, r.Right - 1, r.Bottom - 2, c);
    }
    void Save(const std::string& name)
    {
        const gfx::TBytes bytes = Bitmap.SaveToBytes();
        const std::string path = OutDir + "/" + name + ".bmp";
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::cerr << "cannot write " << path << "\n";
            std::exit(1);
        }
    }
};

// A tick of two strokes, two pixels thick, with its lowest point at (x + 2, y + 4).
void Tick(Glyph& g, int x, int y, TColor c)
{
    for (int t = 0; t < 2; ++t) {
        g.Line(x, y + 2 + t, x + 2, y + 4 + t, c);
        g.Line(x + 2, y + 4 + t, x + 6, y + t, c);
    }
}

// --- check boxes: 15 × 15, box 13 × 13 at (1, 1) --------------------------------------
struct BoxColours {
    TColor Border, Top, Bottom, Mark;
};

void CheckBox(const std::string& name, const BoxColours& k, bool soft, bool checked)
{
    Glyph g(15, 15);
    const TRect box = rtl::Rect(1, 1, 14, 14);
    g.VGradient(rtl::Rect(2, 2, 13, 13), k.Top, k.Bottom);
    if (soft)
        g.SoftFrame(box, k.Border);
    else {
        g.C().Brush().SetColor(k.Border);
        g.C().FrameRect(box);
    }
    if (checked) Tick(g, 4, 4, k.Mark);
    g.Save(name);
}

// --- radio buttons: 16 × 16, circle of 13 at (1, 1) ------------------------------------
void RadioButton(const std::string& name, const BoxColours& k, bool checked)
{
    Glyph g(16, 16);
    g.Ellipse(rtl::Rect(1, 1, 14, 14), k.Border, k.Bottom);
    g.Ellipse(rtl::Rect(3, 3, 12, 8), k.Top, k.Top);  // light upper half
    if (checked) g.Ellipse(rtl::Rect(5, 5, 10, 10), k.Mark, k.Mark);
    g.Save(name);
}

// --- tree nodes ---------------------------------------------------------------------------
// Leaf markers, 12 × 12: a hollow triangle pointing right (contracted) or a filled one
// pointing down and right (expanded).
void LeafNodes()
{
    Glyph closed(12, 12);
    const TColor grey = RGB(110, 110, 110);
    closed.Line(4, 2, 4, 10, grey);
    closed.Line(4, 2, 8, 6, grey);
    closed.Line(8, 6, 4, 10, grey);
    closed.Save("ESGLEAFCLOSE");

    Glyph open(12, 12);
    const TColor dark = RGB(64, 64, 64);
    open.Polygon({{8, 3}, {8, 9}, {2, 9}}, dark);
    open.Save("ESGLEAFOPEN");
}

// Boxed plus and minus, 9 × 9 with soft corners.
void BoxNodes()
{
    for (bool contracted : {true, false}) {
        Glyph g(9, 9);
        g.VGradient(rtl::Rect(1, 1, 8, 8), White, RGB(200, 205, 215));
        g.SoftFrame(rtl::Rect(0, 0, 9, 9), RGB(120, 150, 180));
        g.Line(2, 4, 6, 4, Black);
        if (contracted) g.Line(4, 2, 4, 6, Black);
        g.Save(contracted ? "XPNODEC" : "XPNODEO");
    }
}

// --- header filter button: 16 × 16 funnel -------------------------------------------------
void FilterGlyph()
{
    Glyph g(16, 16);
    const TColor ink = RGB(60, 60, 60);
    g.Polygon({{3, 3}, {12, 3}, {9, 7}, {9, 11}, {6, 13}, {6, 7}}, ink);
    g.Line(4, 4, 11, 4, RGB(150, 150, 150));  // lighter rim
    g.Save("ESGFILT");
}

// --- search panel buttons ------------------------------------------------------------------
// Close cross, 14 × 14: plain, hot (on a red square) and pressed (on a darker one).
void CloseGlyphs()
{
    struct Variant { const char* name; TColor face, cross; };
    const Variant variants[] = {
        {"ESGCLOSE", Key, RGB(80, 80, 80)},
        {"ESGCLOSEH", RGB(220, 60, 60), White},
        {"ESGCLOSED", RGB(160, 30, 30), White},
    };
    for (const Variant& v : variants) {
        Glyph g(14, 14);
        if (v.face != Key) {
            g.Fill(rtl::Rect(1, 1, 13, 13), v.face);
            g.Px(1, 1, Key), g.Px(12, 1, Key), g.Px(1, 12, Key), g.Px(12, 12, Key);
        }
        for (int t = 0; t < 2; ++t) {
            g.Line(3 + t, 3, 10, 10 - t, v.cross);
            g.Line(10 - t, 3, 3, 10 - t, v.cross);
        }
        g.Save(v.name);
    }
}

// Find next / previous arrows, 16 × 16: shaft and head, blue or greyed.
void FindArrows()
{
    const TColor blue = RGB(30, 90, 170), grey = RGB(165, 165, 165);
    for (bool down : {true, false})
        for (bool disabled : {false, true}) {
            Glyph g(16, 16);
            const TColor c = disabled ? grey : blue;
            if (down) {
                g.Fill(rtl::Rect(6, 2, 10, 9), c);
                g.Polygon({{2, 8}, {13, 8}, {8, 13}, {7, 13}}, c);
            } else {
                g.Fill(rtl::Rect(6, 7, 10, 14), c);
                g.Polygon({{2, 7}, {13, 7}, {8, 2}, {7, 2}}, c);
            }
            g.Save(std::string(down ? "ESGARDOWN" : "ESGARUP") + (disabled ? "D" : ""));
        }
}

// Highlight, 16 × 16: a marker pen over a coloured band.
void HighlightGlyphs()
{
    for (bool disabled : {false, true}) {
        Glyph g(16, 16);
        g.Fill(rtl::Rect(1, 11, 15, 15), disabled ? RGB(215, 215, 215) : RGB(255, 225, 0));
        const TColor body = disabled ? RGB(150, 150, 150) : RGB(70, 70, 70);
        g.Polygon({{9, 1}, {13, 5}, {7, 11}, {3, 7}}, body);
        g.Polygon({{3, 8}, {6, 11}, {4, 12}, {2, 10}}, disabled ? RGB(190, 190, 190) : RGB(230, 190, 0));
        g.Save(disabled ? "ESGHID" : "ESGHI");
    }
}

// --- filter-type icons of the filter-edit menu: 16 × 16 ----------------------------------
// A grey text line with the matched part in blue (start, end, middle), the same crossed out
// in red for "not", equality and comparison signs, and a red cross for clearing.
void FilterTypeGlyphs()
{
    const TColor blue = RGB(30, 90, 170), grey = RGB(150, 150, 150), red = RGB(200, 40, 40);
    auto textLine = [&](Glyph& g, int from, int to) {
        g.Line(from, 8, to, 8, grey);
        g.Line(from, 9, to, 9, grey);
    };
    auto slash = [&](Glyph& g) {
        g.Line(3, 13, 12, 2, red);
        g.Line(4, 13, 13, 2, red);
    };
    auto equal = [&](Glyph& g) {
        g.Fill(rtl::Rect(3, 5, 13, 7), blue);
        g.Fill(rtl::Rect(3, 10, 13, 12), blue);
    };
    auto angle = [&](Glyph& g, bool larger) {
        const int tip = larger ? 11 : 4, open = larger ? 4 : 11;
        for (int t = 0; t < 2; ++t) {
            g.Line(open, 3 + t, tip, 8, blue);
            g.Line(tip, 8, open, 13 - t, blue);
        }
    };
    struct Kind { const char* name; std::function<void(Glyph&)> draw; };
    const Kind kinds[] = {
        {"JYXGRDSTARTSWITH", [&](Glyph& g) { textLine(g, 7, 14); g.Fill(rtl::Rect(1, 5, 7, 12), blue); }},
        {"JYXGRDENDSWITH", [&](Glyph& g) { textLine(g, 1, 8); g.Fill(rtl::Rect(9, 5, 15, 12), blue); }},
        {"JYXGRDCONTAINS", [&](Glyph& g) { textLine(g, 1, 14); g.Fill(rtl::Rect(5, 5, 11, 12), blue); }},
        {"JYXGRDNOTCONTAINS",
         [&](Glyph& g) { textLine(g, 1, 14); g.Fill(rtl::Rect(5, 5, 11, 12), blue); slash(g); }},
        {"JYXGRDEQUAL", [&](Glyph& g) { equal(g); }},
        {"JYXGRDNOTEQUAL", [&](Glyph& g) { equal(g); slash(g); }},
        {"JYXGRDLARGER", [&](Glyph& g) { angle(g, true); }},
        {"JYXGRDSMALLER", [&](Glyph& g) { angle(g, false); }},
        {"JYXGRDCLEAR",
         [&](Glyph& g) {
             for (int t = 0; t < 2; ++t) {
                 g.Line(3 + t, 3, 12, 12 - t, red);
                 g.Line(12 - t, 3, 3, 12 - t, red);
             }
         }},
    };
    for (const Kind& k : kinds) {
        Glyph g(16, 16);
        k.draw(g);
        g.Save(k.name);
    }
}

// --- wheel panning marks: 32 × 32 ------------------------------------------------------------
void PanningMarks()
{
    const TColor ink = RGB(40, 40, 40);
    for (int kind = 1; kind <= 3; ++kind) {
        Glyph g(32, 32);
        g.Ellipse(rtl::Rect(2, 2, 30, 30), RGB(100, 100, 100), White);
        g.Ellipse(rtl::Rect(14, 14, 18, 18), ink, ink);
        const bool horizontal = kind == 1 || kind == 2, vertical = kind == 1 || kind == 3;
        if (vertical) {
            g.Polygon({{16, 5}, {20, 10}, {12, 10}}, ink);
            g.Polygon({{16, 26}, {20, 21}, {12, 21}}, ink);
        }
        if (horizontal) {
            g.Polygon({{5, 16}, {10, 12}, {10, 20}}, ink);
            g.Polygon({{26, 16}, {21, 12}, {21, 20}}, ink);
        }
        g.Save("INTLI" + std::to_string(kind));
    }
}

// --- colour spectrum: 128 × 128 ---------------------------------------------------------------
// Hue from red at the left edge through yellow, green, cyan, blue and magenta back to red
// at the right edge; white along the top, full colour at mid-height, black along the bottom.
void Spectrum()
{
    TBitmap b(128, 128);
    b.SetPixelFormat(gfx::pf24bit);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const double h = x * 6.0 / 127.0;
            const double f = h - std::floor(h);
            const int sector = std::min(5, static_cast<int>(h));
            std::array<double, 3> c{};
            switch (sector) {
            case 0: c = {1, f, 0}; break;
            case 1: c = {1 - f, 1, 0}; break;
            case 2: c = {0, 1, f}; break;
            case 3: c = {0, 1 - f, 1}; break;
            case 4: c = {f, 0, 1}; break;
            default: c = {1, 0, 1 - f}; break;
            }
            if (x == 127) c = {1, 0, 0};
            const double v = y / 127.0;  // 0 top, 1 bottom
            for (double& k : c) k = v <= 0.5 ? 1 - (1 - k) * (v * 2) : k * (2 - v * 2);
            b.Canvas().SetPixels(x, y, RGB(static_cast<int>(std::lround(c[0] * 255)),
                                            static_cast<int>(std::lround(c[1] * 255)),
                                            static_cast<int>(std::lround(c[2] * 255))));
        }
    const gfx::TBytes bytes = b.SaveToBytes();
    std::ofstream out(OutDir + "/JYX_SPECTRUM.bmp", std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_glyphs <output folder>\n";
        return 2;
    }
    OutDir = argv[1];

    // Check boxes and radio buttons: 01..04 our own look, 05..08 the XP-like look, each
    // checked enabled, unchecked enabled, checked disabled, unchecked disabled.
    const BoxColours jyx{RGB(70, 100, 140), White, RGB(215, 228, 245), RGB(30, 70, 130)};
    const BoxColours jyxOff{RGB(170, 170, 170), RGB(250, 250, 250), RGB(230, 230, 230), RGB(160, 160, 160)};
    const BoxColours xp{RGB(28, 81, 128), RGB(220, 220, 215), White, RGB(33, 161, 33)};
    const BoxColours xpOff{RGB(202, 200, 187), White, White, RGB(202, 200, 187)};
    const BoxColours looks[] = {jyx, jyx, jyxOff, jyxOff, xp, xp, xpOff, xpOff};
    for (int i = 0; i < 8; ++i) {
        char number[3];
        std::snprintf(number, sizeof number, "%02d", i + 1);
        const bool checked = i % 2 == 0;
        CheckBox(std::string("ESGCHK") + number, looks[i], i < 4, checked);
        RadioButton(std::string("ESGRAD") + number, looks[i], checked);
    }
    LeafNodes();
    BoxNodes();
    FilterGlyph();
    CloseGlyphs();
    FindArrows();
    HighlightGlyphs();
    FilterTypeGlyphs();
    PanningMarks();
    Spectrum();
    return 0;
}
