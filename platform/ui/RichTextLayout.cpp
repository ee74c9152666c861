// Rich text laid out in lines of format runs, measured and drawn into a rectangle of any canvas.
#include "platform/ui/RichTextLayout.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gfx/Canvas.h"
#include "platform/rtl/Utf8.h"

namespace ui {

namespace {

// One stretch of a line in one format.
struct TSpan {
    std::size_t From = 0, To = 0;
    int Width = 0;
};

struct TLine {
    std::vector<TSpan> Spans;
    int Width = 0;
    int Ascent = 0;
    int Descent = 0;
    TAlignment Alignment = taLeftJustify;
    int Height() const { return Ascent + Descent; }
};

// Sub- and superscript characters are drawn at two thirds of their size.
void ApplyFormat(gfx::TFont& font, const TRichCharFormat& f, int pixelsPerInch)
{
    const int points = f.Offset != 0 ? std::max(1, f.Size * 2 / 3) : f.Size;
    font.SetName(f.FontName);
    font.SetSize(std::max(1, static_cast<int>(std::lround(points * pixelsPerInch / 96.0))));
    font.SetStyle(f.Style);
    font.SetColor(f.Color);
}

class TLayout {
public:
    TLayout(gfx::TCanvas& canvas, const TRichText& doc, const TRichDrawOptions& options)
        : FCanvas(canvas), FDoc(doc), FOptions(options)
    {
    }

    std::vector<TLine> Lines(int width)
    {
        std::vector<TLine> lines;
        std::size_t start = 0;
        for (int paragraph = 0;; ++paragraph) {
            std::size_t end = FDoc.Text.find(U'\n', start);
            if (end == std::u32string::npos) end = FDoc.Text.size();
            const auto p = static_cast<std::size_t>(paragraph);
            const TAlignment a = p < FDoc.ParagraphAlignment.size() ? FDoc.ParagraphAlignment[p] : taLeftJustify;
            LayParagraph(start, end, width, a, lines);
            if (end == FDoc.Text.size()) break;
            start = end + 1;
        }
        return lines;
    }

    const TRichCharFormat& FormatAt(std::size_t i) const
    {
        static const TRichCharFormat plain;
        if (FDoc.Formats.empty()) return plain;
        return FDoc.Formats[std::min(i, FDoc.Formats.size() - 1)];
    }

    void Apply(const TRichCharFormat& f) { ApplyFormat(FCanvas.Font(), f, FOptions.PixelsPerInch); }

private:
    // Format runs of [from, to): spans measured in their fonts.
    void AddRuns(std::size_t from, std::size_t to, std::vector<TSpan>& spans, int& width)
    {
        for (std::size_t i = from; i < to;) {
            std::size_t j = i + 1;
            while (j < to && FDoc.Formats[j] == FDoc.Formats[i]) ++j;
            Apply(FDoc.Formats[i]);
            const int w = FCanvas.TextWidth(rtl::Utf8Encode(FDoc.Text.substr(i, j - i)));
            spans.push_back({i, j, w});
            width += w;
            i = j;
        }
    }

    void Finish(TLine& line, std::size_t formatIndex)
    {
        if (line.Spans.empty()) {
            Apply(FormatAt(formatIndex));
            const gfx::TTextMetric m = FCanvas.TextMetric();
            line.Ascent = m.Ascent;
            line.Descent = m.Descent;
            return;
        }
        for (const TSpan& span : line.Spans) {
            Apply(FDoc.Formats[span.From]);
            const gfx::TTextMetric m = FCanvas.TextMetric();
            line.Ascent = std::max(line.Ascent, m.Ascent);
            line.Descent = std::max(line.Descent, m.Descent);
        }
    }

    void LayParagraph(std::size_t start, std::size_t end, int width, TAlignment a, std::vector<TLine>& lines)
    {
        TLine line;
        line.Alignment = a;
        if (!FOptions.WordWrap) {
            AddRuns(start, end, line.Spans, line.Width);
            Finish(line, start > 0 && start == end ? start - 1 : start);
            lines.push_back(std::move(line));
            return;
        }
        // Words with their trailing blanks; a line takes words while the word without its
        // blanks still fits, and a word wider than the line stands alone on it.
        for (std::size_t i = start; i < end;) {
            std::size_t blanks = i;
            while (blanks < end && FDoc.Text[blanks] != U' ' && FDoc.Text[blanks] != U'\t') ++blanks;
            std::size_t next = blanks;
            while (next < end && (FDoc.Text[next] == U' ' || FDoc.Text[next] == U'\t')) ++next;
            std::vector<TSpan> word;
            int wordWidth = 0;
            AddRuns(i, blanks, word, wordWidth);
            if (!line.Spans.empty() && line.Width + wordWidth > width) {
                Finish(line, i);
                lines.push_back(std::move(line));
                line = TLine{};
                line.Alignment = a;
            }
            line.Spans.insert(line.Spans.end(), word.begin(), word.end());
            line.Width += wordWidth;
            int blankWidth = 0;
            AddRuns(blanks, next, line.Spans, blankWidth);
            line.Width += blankWidth;
            i = next;
        }
        Finish(line, start > 0 && start == end ? start - 1 : start);
        lines.push_back(std::move(line));
    }

    gfx::TCanvas& FCanvas;
    const TRichText& FDoc;
    const TRichDrawOptions& FOptions;
};

}  // namespace

rtl::TSize MeasureRichText(gfx::TCanvas& Canvas, const TRichText& Doc, int Width, const TRichDrawOptions& Options)
{
    const int saved = Canvas.SaveState();
    TLayout layout(Canvas, Doc, Options);
    rtl::TSize size;
    for (const TLine& line : layout.Lines(Width)) {
        size.cx = std::max(size.cx, line.Width);
        size.cy += line.Height();
    }
    Canvas.RestoreState(saved);
    return size;
}

void DrawRichText(gfx::TCanvas& Canvas, const TRichText& Doc, const rtl::TRect& Rect, const TRichDrawOptions& Options)
{
    const int saved = Canvas.SaveState();
    Canvas.IntersectClipRect(Rect);
    Canvas.Brush().SetStyle(gfx::bsClear);
    TLayout layout(Canvas, Doc, Options);
    int y = Rect.Top;
    for (const TLine& line : layout.Lines(Rect.Right - Rect.Left)) {
        if (y >= Rect.Bottom) break;
        const int room = Rect.Right - Rect.Left - line.Width;
        int x = Rect.Left;
        if (line.Alignment == taCenter) x += room / 2;
        else if (line.Alignment == taRightJustify) x += room;
        const int baseline = y + line.Ascent;
        for (const TSpan& span : line.Spans) {
            const TRichCharFormat& f = Doc.Formats[span.From];
            layout.Apply(f);
            if (Options.TextColor != gfx::clNone) Canvas.Font().SetColor(Options.TextColor);
            const int shift = f.Offset > 0 ? -line.Height() / 3 : f.Offset < 0 ? line.Height() / 3 : 0;
            Canvas.TextOut(x, baseline - Canvas.TextMetric().Ascent + shift,
                           rtl::Utf8Encode(Doc.Text.substr(span.From, span.To - span.From)));
            x += span.Width;
        }
        y += line.Height();
    }
    Canvas.RestoreState(saved);
}

}  // namespace ui
