// Column stretching: fits the string grid's columns to its client width.
#include "grid/core/ExtGrid.h"
#include "grid/core/FooterPanel.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsRecords.h"
#include "platform/ui/Forms.h"

namespace grid {

void TExtStringGrid::BindColumnStretch()
{
    FColumnSize->OnApplyStretch = [this](int column) { ApplyColumnStretch(column, -1); };
}

void TExtStringGrid::StretchColumns()
{
    FColumnSize->SetStretchAll(true);
    FColumnSize->SetStretch(true);
    ApplyColumnStretch(-1, -1);
}

void TExtStringGrid::StretchRightColumn()
{
    ApplyColumnStretch(ColCount() - 1, -1);
}

void TExtStringGrid::ApplyColumnStretch(int ACol, int AWidth)
{
    if (HasState(rtl::csLoading) || HasState(rtl::csDestroying)) return;
    if (ui::Application() != nullptr && ui::Application()->Terminated()) return;
    const rtl::TRect client = ClientRect();
    if (AWidth == -1) AWidth = client.Right - client.Left;
    if (ACol == -1) ACol = ColCount() - 1;
    // A column left of the first is outside the grid as well: raise rather than index it.
    if (ACol >= ColCount() || (ACol < 0 && ColCount() > 0))
        throw VIdoZovuVozir("Stretch column index out of range");
    if (ColCount() == 0 || !FColumnSize->Stretch() || FIsColChanging) return;

    FIsColChanging = true;
    FColchgFlg = false;
    try {
        if (ColCount() == 1) {
            SetColWidths(0, client.Right);
        } else if (FColumnSize->StretchAll()) {
            const int first = FixedCols();
            const int last = ColCount() - FixedRightCols() - 1;
            const int n = last - first + 1;
            if (n > 0) {
                int free = AWidth;
                for (int c = 0; c < first; ++c) free -= ColWidths(c);
                for (int c = last + 1; c < ColCount(); ++c) free -= ColWidths(c);
                const int q = free / n;
                int r = free % n;
                for (int c = first; c <= last; ++c) {
                    SetColWidths(c, r > 0 ? q + 1 : q);
                    if (r > 0) --r;
                }
            }
        } else {
            int others = 0;
            for (int c = 0; c < ColCount(); ++c)
                if (c != ACol) others += ColWidths(c);
            if (client.Right >= others)
                SetColWidths(ACol, AWidth - others);
            else if (LeftCol() == FixedCols())
                SetColWidths(ACol, DefaultColWidth());
        }
    } catch (...) {
        FColchgFlg = true;
        FIsColChanging = false;
        throw;
    }
    FColchgFlg = true;
    FIsColChanging = false;
    if (FFooterPanel != nullptr && FloatingFooter().Visible()) FFooterPanel->SetAlign(ui::alBottom);
}

}  // namespace grid
