// Fuzz target: mini-HTML texts through the utilities and every pass of the renderer.
#include <cstddef>
#include <cstdint>
#include <string>

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/EsgHTMLEParse.h"
#include "grid/foundation/EsgHTMLEUtil.h"
#include "grid/foundation/PictureContainer.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

namespace {

// Fixed metrics keep the target fast and independent of installed fonts.
class FixedMetrics : public grid::THtmlTextMeasurer {
public:
    rtl::TSize TextExtent(const gfx::TFont& font, const std::string& text) const override
    {
        return {static_cast<int>(text.size()) * font.Size() / 2, font.Size() * 2};
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 4096) return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);

    // Utilities.
    (void)grid::StripHtmlTags(text);
    (void)grid::html::PreprocessHtml(text, size % 2 == 0);
    const std::string search = text.substr(0, size % 5);
    const std::string marked = grid::InsertHtmlMarks(text, search, "HI", size % 3 == 0, size % 7 == 0);
    (void)grid::RemoveHtmlMarks(marked, "HI");
    (void)grid::HtmlDecodeEntities(grid::HtmlEncodeEntities(text, true), true);
    (void)grid::HtmlColorFromText(text);
    std::string controls = text;
    const std::string id = grid::NextEditableControlTagID(controls, "");
    grid::SetControlTagValue(controls, id, text.substr(0, 8));
    std::string value;
    grid::GetControlTagValue(controls, id, value);
    (void)grid::UncheckRadioControlTags(controls);

    // Renderer: measure, paint and hit-test in a small cell.
    static FixedMetrics metrics;
    static gfx::TBitmap bitmap(96, 48);
    // No picture cache: a "FILE://" source could name any file of the machine running the
    // fuzzer (a device that never ends, for one); the picture loader has its own target.
    static grid::TPictureContainer container(nullptr);
    grid::THtmlRenderOptions options;
    options.TextMeasurer = &metrics;
    options.Pictures = &container;
    options.WrapWords = size % 2 == 1;
    options.PointX = 20;
    options.PointY = 8;
    options.FocusedAnchor = 0;
    grid::THtmlRenderResult result;
    const rtl::TRect bounds = rtl::Rect(0, 0, 96, 48);
    options.MeasureOnly = true;
    grid::RenderHtmlText(bitmap.Canvas(), text, bounds, options, result);
    options.MeasureOnly = false;
    grid::RenderHtmlText(bitmap.Canvas(), text, bounds, options, result);
    options.HitTestOnly = true;
    grid::RenderHtmlText(bitmap.Canvas(), text, bounds, options, result);
    return 0;
}
