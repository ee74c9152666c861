// The print preview form: one page of a grid's printout at a time, paged by buttons and keys.
#include "grid/data/GridPrintPreview.h"

#include <algorithm>

#include "grid/core/ExtGrid.h"
#include "platform/gfx/Bitmap.h"
#include "platform/print/Printer.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace grid {

namespace {
constexpr int ToolbarHeight = 32;
constexpr int PageMargin = 8;
}  // namespace

TGridPrintPreview::TGridPrintPreview(rtl::TComponent* AOwner, TExtStringGrid& Grid) : ui::TForm(AOwner), FGrid(Grid)
{
    SetBounds(0, 0, 560, 800);
    SetKeyPreview(true);
    FPrev = AddButton("<", PageMargin);
    FNext = AddButton(">", PageMargin + 48);
    FPrint = AddButton("Print", PageMargin + 104);
    FPrev->OnClick = [this](rtl::TObject*) { SetPage(FPage - 1); };
    FNext->OnClick = [this](rtl::TObject*) { SetPage(FPage + 1); };
    FPrint->OnClick = [this](rtl::TObject*) { FGrid.Print(); };
    UpdateCaption();
}

ui::TButton* TGridPrintPreview::AddButton(const std::string& caption, int left)
{
    auto* b = new ui::TButton(this);
    b->SetParent(this);
    b->SetBounds(left, 4, caption.size() > 1 ? 64 : 40, ToolbarHeight - 8);
    b->SetCaption(caption);
    return b;
}

void TGridPrintPreview::SetPage(int Value)
{
    const int page = std::clamp(Value, 1, std::max(1, FPageCount));
    if (page == FPage) return;
    FPage = page;
    UpdateCaption();
    Invalidate();
}

void TGridPrintPreview::UpdateCaption()
{
    SetText("Print preview - page " + std::to_string(FPage) + " of " + std::to_string(FPageCount));
}

rtl::TRect TGridPrintPreview::PageRect() const
{
    const print::TPrinter& printer = print::Printer();
    const double ratio = static_cast<double>(printer.PageWidth()) / std::max(1, printer.PageHeight());
    const int availW = std::max(1, ClientWidth() - 2 * PageMargin);
    const int availH = std::max(1, ClientHeight() - ToolbarHeight - 2 * PageMargin);
    int w = availW, h = static_cast<int>(availW / ratio);
    if (h > availH) {
        h = availH;
        w = static_cast<int>(availH * ratio);
    }
    const int left = (ClientWidth() - w) / 2;
    const int top = ToolbarHeight + PageMargin;
    return {left, top, left + w, top + h};
}

void TGridPrintPreview::PaintWindow()
{
    gfx::TCanvas& canvas = PaintCanvas();
    canvas.Brush().SetStyle(gfx::bsSolid);
    canvas.Brush().SetColor(gfx::clBtnShadow);
    canvas.FillRect(ClientRect());
    const rtl::TRect page = PageRect();
    // The page is drawn at the screen's resolution the size of the printer's page, so that it
    // holds what the printed page holds, and shrunk into the form.
    const print::TPrinter& printer = print::Printer();
    const int width = printer.PageWidth() * gfx::ScreenPixelsPerInch / printer.PixelsPerInch();
    const int height = printer.PageHeight() * gfx::ScreenPixelsPerInch / printer.PixelsPerInch();
    gfx::TBitmap sheet(width, height);
    sheet.Canvas().Brush().SetColor(gfx::clWhite);
    sheet.Canvas().FillRect({0, 0, width, height});
    FGrid.SetPreviewPage(FPage);
    FGrid.PrintPreview(sheet.Canvas(), {0, 0, width, height});
    canvas.StretchDraw(page, sheet);
    if (FGrid.PrintNrOfPages() != FPageCount) {
        FPageCount = std::max(1, FGrid.PrintNrOfPages());
        UpdateCaption();
    }
    ui::TForm::PaintWindow();
}

void TGridPrintPreview::KeyDown(ui::WORD& Key, ui::TShiftState Shift)
{
    if (Key == ui::VK_NEXT) {
        SetPage(FPage + 1);
        Key = 0;
    } else if (Key == ui::VK_PRIOR) {
        SetPage(FPage - 1);
        Key = 0;
    }
    ui::TForm::KeyDown(Key, Shift);
}

}  // namespace grid
