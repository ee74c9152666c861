// Internal state of one RenderHtmlText call and the line-layout walk shared by its measure, paint and hit-test passes.
#pragma once

#include <string>
#include <string_view>

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLEParse.h"
#include "platform/gfx/GraphicsObjects.h"

namespace grid::html {

enum class TPassMode { Measure, Paint, HitTest };

// The running font as tags change it.
struct TFontState {
    std::string Name;
    int Size = 8;
    gfx::TFontStyles Style;
    gfx::TColor Color = gfx::clBlack;
    int Orientation = 0;
    friend bool operator==(const TFontState&, const TFontState&) = default;
};

// Style, anchor, paragraph and list state that carries from line to line. Both passes of a
// line start from the same copy of it, so hit-testing and painting lay out alike.
struct TFlowState {
    TFontState Font;
    // anchors
    int AnchorCount = 0;
    bool InAnchor = false;
    std::string Href;
    std::string Title;
    int AnchorStartX = 0;
    int AnchorStartTop = 0;
    gfx::TColor HoverSavedBack = gfx::clNone;
    gfx::TColor HoverSavedText = gfx::clNone;
    // paragraph
    int Align = 0;  // 0 left, 1 right, 2 centre
    int Indent = 0;
    bool ParaBack = false;
    gfx::TColor ParaColor = gfx::clNone;
    gfx::TColor ParaSavedBack = gfx::clNone;
    // running style that is not a font property
    bool Sub = false;
    bool Sup = false;
    bool Shadow = false;
    bool ErrorMark = false;
    bool Hidden = false;
    bool Highlight = false;
    gfx::TColor HiSavedText = gfx::clNone;
    gfx::TColor HiSavedBack = gfx::clNone;
    gfx::TColor BackColor = gfx::clNone;   // text background; none = transparent
    gfx::TColor SavedBackColor = gfx::clNone;
    // lists
    int ListLevel = 0;
    bool Numbered = false;
    int ListCounter = 1;
};

// What a pass finds out about one line.
struct TLineInfo {
    int Width = 0;
    int Height = 0;
    int SubOff = 0;
    int SupOff = 0;
    int ImgOff = 0;
    int StartGh = 0;       // "gh" height of the font at the line's start
    bool AnchorHit = false;
    bool ObjectHit = false;
    bool FloatSeen = false;
    bool DropRest = false; // the rest of the text after this line is dropped
};

// The cursor of one pass over one line.
struct TLineCursor {
    TPassMode Mode = TPassMode::Measure;
    int XAdv = 0;
    int CurLeft = 0;
    int TrailingBlank = 0;
    bool LineBreak = false;
    bool Full = false;
    bool ItemSeen = false;
    bool MadeFull = false;  // the tag being applied filled the line: it stays for the next line
    std::string Accum;
    std::string LastRun;
    bool Painting() const { return Mode == TPassMode::Paint; }
};

// The whole call: canvas, options, results and the state kept for the call.
struct TRenderContext {
    gfx::TCanvas& Canvas;
    const THtmlRenderOptions& Opt;
    THtmlRenderResult& Res;
    rtl::TRect Bounds;
    TFontState CallerFont;
    gfx::TColor EntryBrushColor = gfx::clWhite;
    double Zoom = 1.0;
    double Dpi = 1.0;
    bool Themed = false;
    // float band and floating paragraph
    int FloatLeftW = 0;
    int FloatRightW = 0;
    int FloatHeight = 0;
    int FloatSavedLeft = 0;
    int FloatSavedTop = 0;
    // anchor at the point, waiting for its closing tag; focus rectangle of the focused anchor
    bool AnchorPending = false;
    rtl::TRect FocusRect{};
    // the font last put on the canvas
    TFontState Applied;
    bool HasApplied = false;
    TFontState GhFont;
    int GhHeight = -1;

    TRenderContext(gfx::TCanvas& canvas, const THtmlRenderOptions& opt, THtmlRenderResult& res)
        : Canvas(canvas), Opt(opt), Res(res) {}

    void ApplyFont(const TFontState& font);
    int TextWidth(const TFontState& font, const std::string& run);
    int TextHeight(const TFontState& font, const std::string& run);
    int GhHeightOf(const TFontState& font);
    // Scaled sizes round to the nearest integer, halves to the even neighbour.
    static int RoundEven(double v);
};

// Lays out one line of `text` at `rect` in the pass's mode; returns the bytes consumed.
std::size_t LayoutLine(TRenderContext& ctx, TFlowState& flow, std::string_view text, TPassMode mode,
                       const rtl::TRect& rect, TLineInfo& line);

// Tag effects of the text tags; objects are below.
void ApplyTextTag(TRenderContext& ctx, TFlowState& flow, TTag tag, std::string_view tagText, const rtl::TRect& rect,
                  TLineInfo& line, TLineCursor& cur);
void LayoutImage(TRenderContext& ctx, TFlowState& flow, std::string_view tagText, const rtl::TRect& rect,
                 TLineInfo& line, TLineCursor& cur);
void PaintBody(TRenderContext& ctx, TFlowState& flow, std::string_view tagText);
void LayoutControl(TRenderContext& ctx, TFlowState& flow, std::string_view tagText, const rtl::TRect& rect,
                   TLineInfo& line, TLineCursor& cur);

}  // namespace grid::html
