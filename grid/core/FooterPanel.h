// The floating footer panel: the strip at the bottom of the string grid that paints the footer row or a preview.
#pragma once

#include <string>

#include "platform/ui/ExtCtrls.h"

namespace grid {

class TExtStringGrid;

// A child of its grid, aligned to the bottom. It paints by FloatingFooter.FooterStyle and
// reports clicks on its cells as clicks on the grid's last row.
class TFooterPanel : public ui::TPanel {
public:
    // The owner must be a TExtStringGrid (rtl::EInvalidCast otherwise).
    explicit TFooterPanel(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TFooterPanel"; }
    TExtStringGrid& Grid() const { return *FGrid; }

    // The grid's last row, and the column whose width sum first reaches X (fixed columns,
    // then the columns from LeftCol on); LeftCol - 1 for X <= 0, the last column beyond.
    void MouseToCell(int X, int Y, int& ARow, int& ACol) const;
    // The template with every "<#n>" replaced by the text of column n in the current row.
    std::string BuildFooterTemplate(const std::string& Template) const;
    // Paints the footer on a canvas of the panel's client size (Paint uses the panel's own).
    void PaintFooter(gfx::TCanvas& ACanvas);
    int LastHintX() const { return FLastHintX; }
    // The hint request of the panel (what CM_HINTSHOW asks): the footer column under
    // CursorX gets OnGridHint to fill HintStr. Answers 0 (show the hint) while ShowHint is
    // on, 1 otherwise.
    int HintShow(int CursorX, std::string& HintStr);

protected:
    void Paint() override;
    void WndProc(ui::TMessage& Message) override;
    void CreateWnd() override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseMove(ui::TShiftState Shift, int X, int Y) override;

private:
    // The footer cells' total width: fixed columns plus the columns from LeftCol on.
    int FooterWidth() const;
    int PaintFixedLastRow(gfx::TCanvas& ACanvas, const rtl::TRect& Client);
    int PaintColumnPreview(gfx::TCanvas& ACanvas, const rtl::TRect& Client, bool Template);
    void FramePreview(gfx::TCanvas& ACanvas, const rtl::TRect& Area);
    // The column under X for a hint: as MouseToCell, but -1 beyond the last column.
    int HintColumn(int X) const;

    TExtStringGrid* FGrid;
    int FLastHintX = -1;
};

}  // namespace grid
