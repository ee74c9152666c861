// The analog clock's painting: the face cache (shape, background, border, picture, marks, numbers, AM/PM box) and the hands drawn over it.
#include <algorithm>
#include <array>
#include <cmath>

#include "grid/dropdown/DropDownRoutines.h"
#include "grid/dropdown/ExtWatch.h"
#include "platform/gfx/Region.h"
#include "platform/rtl/DateTime.h"

namespace grid {

namespace {

constexpr double Pi = 3.14159265358979323846;

int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// The point at distance r from the centre at angle a (degrees clockwise from 12 o'clock).
rtl::TPoint OnDial(rtl::TPoint c, double degrees, double r)
{
    double a = degrees * Pi / 180.0;
    return {c.X + RoundEven(std::sin(a) * r), c.Y - RoundEven(std::cos(a) * r)};
}

// A region of the pixels inside an ellipse, or inside a rectangle with rounded corners of
// the given size (corner 0: the ellipse over the whole rectangle).
gfx::TRegion RoundedRegion(const rtl::TRect& r, int corner)
{
    gfx::TRegion region;
    int w = r.Width(), h = r.Height();
    double rx = corner > 0 ? corner / 2.0 : w / 2.0;
    double ry = corner > 0 ? corner / 2.0 : h / 2.0;
    for (int y = 0; y < h; ++y) {
        double py = y + 0.5;
        double dy = 0;
        if (py < ry) dy = ry - py;
        else if (py > h - ry) dy = py - (h - ry);
        double inset = 0;
        if (dy > 0) {
            double t = 1.0 - (dy * dy) / (ry * ry);
            inset = rx - rx * std::sqrt(std::max(0.0, t));
        }
        int x1 = static_cast<int>(std::lround(inset));
        int x2 = w - x1;
        if (x2 > x1) region.Union(rtl::Rect(r.Left + x1, r.Top + y, r.Left + x2, r.Top + y + 1));
    }
    return region;
}

void SetPen(gfx::TCanvas& c, gfx::TColor color, int width)
{
    c.Pen().SetStyle(gfx::psSolid);
    c.Pen().SetColor(color);
    c.Pen().SetWidth(std::max(1, width));
}

void Line(gfx::TCanvas& c, rtl::TPoint a, rtl::TPoint b)
{
    c.MoveTo(a.X, a.Y);
    c.LineTo(b.X, b.Y);
}

}  // namespace

void TExtWatch::Paint()
{
    if (!FFaceValid || FBKGCache.Width() != ClientWidth() || FBKGCache.Height() != ClientHeight()) PaintFaceCache();
    PaintHandsFrame(Canvas());
}

void TExtWatch::PaintFaceCache()
{
    FBKGCache.SetSize(ClientWidth(), ClientHeight());
    gfx::TCanvas& c = FBKGCache.Canvas();
    c.Brush().SetStyle(gfx::bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(ClientRect());
    DrawFace(c);
    DrawMarks(c);
    DrawNumbers(c);
    DrawAMPM(c, FAM ? "AM" : "PM");
    FFaceValid = true;
    ++FFacePaints;
}

void TExtWatch::PaintHandsFrame(gfx::TCanvas& c)
{
    rtl::TRect all = rtl::Rect(0, 0, FBKGCache.Width(), FBKGCache.Height());
    c.CopyRect(all, FBKGCache.Canvas(), all);
    if (FSlideOffset >= 0) {
        // The strip "AM" over "PM" shows through the box, one row further per frame.
        rtl::TRect box = AMPMRect();
        int shift = FSlideToAM ? box.Height() - FSlideOffset : FSlideOffset;
        int save = c.SaveState();
        c.IntersectClipRect(box);
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(FAppearance->AMPMColor());
        c.FillRect(box);
        c.Font().Assign(&FAppearance->AMPMFont());
        c.Brush().SetStyle(gfx::bsClear);
        rtl::TRect am = rtl::Bounds(box.Left, box.Top - shift, box.Width(), box.Height());
        rtl::TRect pm = rtl::Bounds(box.Left, box.Top - shift + box.Height(), box.Width(), box.Height());
        c.DrawText("AM", am, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
        c.DrawText("PM", pm, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
        c.RestoreState(save);
        if (FAppearance->AMPMBorderColor() != gfx::clNone) {
            c.Brush().SetStyle(gfx::bsSolid);
            c.Brush().SetColor(FAppearance->AMPMBorderColor());
            c.FrameRect(box);
        }
    }
    DrawHands(c);
}

void TExtWatch::DrawFace(gfx::TCanvas& c)
{
    const TWatchAppearance& a = *FAppearance;
    rtl::TRect face = FaceRect();
    rtl::TRect client = ClientRect();
    rtl::TRect shape = a.Shape() == wsCircle ? face : client;
    int save = c.SaveState();
    if (a.Shape() != wsRect) {
        rtl::TRect grown = rtl::Rect(shape.Left - 1, shape.Top - 1, shape.Right + 2, shape.Bottom + 2);
        c.SetClipRegion(RoundedRegion(grown, a.Shape() == wsRoundRect ? 20 : 0));
    }
    if (a.BackgroundColor() != gfx::clNone && a.BackgroundColorTo() != gfx::clNone) {
        DrawBandedGradient(c, a.BackgroundColor(), a.BackgroundColorTo(), a.BackgroundGradient() == wgRadial, shape, 80);
    } else if (a.BackgroundColor() != gfx::clNone) {
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(a.BackgroundColor());
        c.FillRect(shape);
    }
    if (a.BorderColor() != gfx::clNone && a.BorderWidth() > 0) {
        SetPen(c, a.BorderColor(), a.BorderWidth());
        c.Brush().SetStyle(gfx::bsClear);
        if (a.Shape() == wsCircle) c.Ellipse(face);
        else if (a.Shape() == wsRect) c.Rectangle(client);
        else c.RoundRect(client.Left, client.Top, client.Right, client.Bottom, 20, 20);
    }
    c.RestoreState(save);
    if (!a.Picture().Empty()) c.StretchDraw(client, *a.Picture().Graphic());
}

void TExtWatch::DrawMarks(gfx::TCanvas& c)
{
    const TWatchAppearance& a = *FAppearance;
    if (a.TickMarks() == tmNone) return;
    rtl::TPoint ctr = Center();
    double ro = Radius() - a.BorderWidth() / 2;
    double ri = a.HourMarkLength() != 0 ? ro - a.HourMarkLength() : ro * 0.9;
    SetPen(c, a.HourColor(), a.HourMarkWidth());
    for (int hour = 0; hour < 12; ++hour) {
        bool quarter = hour % 3 == 0;
        if (!quarter && a.TickMarks() == tmQuartHours) continue;
        double deg = hour * 30.0;
        if (quarter && a.HourMarkStyle() == hmsQuartDblLine) {
            // Two parallel lines, 2 pixels to either side of the mark.
            double rad = deg * Pi / 180.0;
            int ox = RoundEven(std::cos(rad) * 2), oy = RoundEven(std::sin(rad) * 2);
            for (int side : {-1, 1}) {
                rtl::TPoint p1 = OnDial(ctr, deg, ri), p2 = OnDial(ctr, deg, ro);
                Line(c, {p1.X + side * ox, p1.Y + side * oy}, {p2.X + side * ox, p2.Y + side * oy});
            }
            continue;
        }
        Line(c, OnDial(ctr, deg, ri), OnDial(ctr, deg, ro));
    }
    if (a.TickMarks() != tmAll) return;
    double mi = a.MinuteMarkLength() != 0 ? ro - a.MinuteMarkLength() : ro * 0.95;
    SetPen(c, a.MinuteColor(), a.MinuteMarkWidth());
    for (int minute = 0; minute < 60; ++minute) {
        if (minute % 5 == 0) continue;
        Line(c, OnDial(ctr, minute * 6.0, mi), OnDial(ctr, minute * 6.0, ro));
    }
}

void TExtWatch::DrawNumbers(gfx::TCanvas& c)
{
    const TWatchAppearance& a = *FAppearance;
    if (!FShowNumbers || a.TickMarks() == tmHours || a.TickMarks() == tmNone) return;
    rtl::TPoint ctr = Center();
    double ro = Radius() - a.BorderWidth() / 2;
    int markLength = a.HourMarkLength() != 0 ? a.HourMarkLength() : RoundEven(ro - ro * 0.9) + 2;
    double rn = ro - 2 * markLength - 2;
    c.Font().Assign(&a.HourFont());
    c.Brush().SetStyle(gfx::bsClear);
    for (int n = 1; n <= 12; ++n) {
        if (a.TickMarks() == tmQuartHours && n % 3 != 0) continue;
        std::string text = std::to_string(n);
        rtl::TSize ext = c.TextExtent(text);
        int pull = n == 10 ? RoundEven(ext.cy * 0.2) : n == 11 ? RoundEven(ext.cy * 0.15) : 0;
        double rad = n * 30.0 * Pi / 180.0;
        double dist = rn - pull + markLength / 2;
        int ax = ctr.X + 1 + RoundEven(std::sin(rad) * dist);
        int ay = ctr.Y + 1 - RoundEven(std::cos(rad) * dist);
        c.TextOut(ax - ext.cx / 2 - 1, ay - ext.cy / 2 - 1, text);
    }
}

void TExtWatch::DrawAMPM(gfx::TCanvas& c, const std::string& text)
{
    const TWatchAppearance& a = *FAppearance;
    if (!FShowAMPM) return;
    rtl::TRect box = AMPMRect();
    if (a.AMPMColor() != gfx::clNone || a.AMPMBorderColor() != gfx::clNone) {
        c.Brush().SetStyle(a.AMPMColor() == gfx::clNone ? gfx::bsClear : gfx::bsSolid);
        if (a.AMPMColor() != gfx::clNone) c.Brush().SetColor(a.AMPMColor());
        if (a.AMPMBorderColor() != gfx::clNone) SetPen(c, a.AMPMBorderColor(), 1);
        else c.Pen().SetStyle(gfx::psClear);
        if (a.AMPMFrame() == apRect) c.Rectangle(box);
        else c.RoundRect(box.Left, box.Top, box.Right, box.Bottom, 5, 5);
    }
    c.Font().Assign(&a.AMPMFont());
    c.Brush().SetStyle(gfx::bsClear);
    c.DrawText(text, box, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
}

void TExtWatch::DrawHands(gfx::TCanvas& c)
{
    const TWatchAppearance& a = *FAppearance;
    double now = CurrentTime();
    int h, m, s, ms;
    rtl::DecodeTime(now, h, m, s, ms);
    if (FSettings->Auto()) {
        bool saved = FInternalSet;
        FInternalSet = true;
        if (FAM != (h < 12)) {
            FAM = h < 12;
            // The box text changed: the next full paint shows it.
            FFaceValid = false;
        }
        FInternalSet = saved;
    }
    rtl::TPoint ctr = Center();
    double r = Radius();
    double hourDeg = (h % 12) * 30.0 + m / 12.0 * 6.0;
    double minuteDeg = m * 6.0;
    auto lineHand = [&](double deg, double tail, double length, gfx::TColor color, int width, int dx, int dy) {
        SetPen(c, color, width);
        rtl::TPoint from = OnDial(ctr, deg + 180.0, tail), to = OnDial(ctr, deg, length);
        Line(c, {from.X + dx, from.Y + dy}, {to.X + dx, to.Y + dy});
    };
    auto pointerHand = [&](double deg, double tip, gfx::TColor color, int dx, int dy) {
        std::array<rtl::TPoint, 4> pts{OnDial(ctr, deg + 180.0, 0.1 * r), OnDial(ctr, deg - 90.0, 0.05 * r),
                                       OnDial(ctr, deg, tip), OnDial(ctr, deg + 90.0, 0.05 * r)};
        for (rtl::TPoint& p : pts) p = {p.X + dx, p.Y + dy};
        SetPen(c, color, 1);
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(color);
        c.Polygon(pts);
    };
    if (a.PointerStyle() == psLine) {
        if (a.HourPointerShadow() != gfx::clNone)
            lineHand(hourDeg, 0.1 * r, 0.46 * r, a.HourPointerShadow(), a.HourPointerSize(), -1, 3);
        if (a.MinutePointerShadow() != gfx::clNone)
            lineHand(minuteDeg, 0.1 * r, 0.65 * r, a.MinutePointerShadow(), a.MinutePointerSize(), 0, 3);
        lineHand(hourDeg, 0.1 * r, 0.5 * r, a.HourPointer(), a.HourPointerSize(), 0, 0);
        lineHand(minuteDeg, 0.1 * r, 0.7 * r, a.MinutePointer(), a.MinutePointerSize(), 0, 0);
    } else if (a.PointerStyle() == psPointer) {
        if (a.HourPointerShadow() != gfx::clNone) pointerHand(hourDeg, 0.5 * r, a.HourPointerShadow(), 1, 3);
        pointerHand(hourDeg, 0.5 * r, a.HourPointer(), 0, 0);
        if (a.MinutePointerShadow() != gfx::clNone) pointerHand(minuteDeg, 0.7 * r, a.MinutePointerShadow(), 1, 3);
        pointerHand(minuteDeg, 0.7 * r, a.MinutePointer(), 0, 0);
    }
    if (FSettings->Auto() && FSettings->Second() && (a.PointerStyle() == psLine || a.PointerStyle() == psPointer))
        lineHand(s * 6.0, 0.2 * r, 0.9 * r, a.SecondPointer(), a.SecondPointerSize(), 0, 0);
    int d = a.CenterPointSize();
    if (d <= 0) return;
    rtl::TRect hub = rtl::Bounds(ctr.X - d / 2, ctr.Y - d / 2, d, d);
    int outer = 0;
    if (a.CenterPointColor() != gfx::clNone) {
        SetPen(c, a.CenterPointColor(), 1);
        c.Brush().SetStyle(gfx::bsSolid);
        c.Brush().SetColor(a.CenterPointColor());
        c.Ellipse(hub);
    }
    c.Brush().SetStyle(gfx::bsClear);
    if (a.CenterPointOuterBorderColor() != gfx::clNone) {
        outer = RoundEven(d * 0.2);
        SetPen(c, a.CenterPointOuterBorderColor(), outer);
        c.Ellipse(hub);
    }
    if (a.CenterPointBorderColor() != gfx::clNone) {
        int di = d - outer;
        SetPen(c, a.CenterPointBorderColor(), RoundEven(d * 0.1));
        c.Ellipse(rtl::Bounds(ctr.X - di / 2, ctr.Y - di / 2, di, di));
    }
}

}  // namespace grid
