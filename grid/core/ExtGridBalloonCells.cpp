// Balloon cells: a balloon of its own in a cell, or hosted by an icon, check box or radio button cell.
#include <memory>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "platform/rtl/StringList.h"

namespace grid {

namespace {

bool IsBalloonHost(TCellType t) { return t == ctIcon || t == ctCheckBox || t == ctDataCheckBox || t == ctRadioButton; }

}  // namespace

// The title (item 0) and the text (item 1) live in a string list the record owns, so a
// hosted balloon's texts go with the record whatever its kind (icon cells included).
void TExtStringGrid::AddBalloon(int ACol, int ARow, const std::string& Title, const std::string& Text,
                                TBalloonIcon Icon)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) {
        g = CreateCellGraphic(ACol, ARow);
        g->SetCellType(ctBalloon);
        g->SetCellAngle(0);
    } else if (IsBalloonHost(g->CellType())) {
        g->SetCellAngle(1);
    } else {
        return;
    }
    g->SetCellIndex(Icon);
    auto texts = std::make_unique<rtl::TStringList>();
    texts->Add(Title);
    texts->Add(Text);
    g->AdoptCellBitmap(std::move(texts));
}

bool TExtStringGrid::IsBalloon(int ACol, int ARow, std::string& Title, std::string& Text, TBalloonIcon& Icon)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return false;
    const bool balloon = g->CellType() == ctBalloon || (IsBalloonHost(g->CellType()) && g->CellAngle() == 1);
    if (!balloon) return false;
    if (const auto* texts = dynamic_cast<const rtl::TStringList*>(g->CellBitmap()); texts != nullptr && texts->Count() >= 2) {
        Title = texts->Strings(0);
        Text = texts->Strings(1);
        Icon = static_cast<TBalloonIcon>(g->CellIndex());
    }
    return true;
}

bool TExtStringGrid::HasBalloon(int ACol, int ARow)
{
    const rtl::TPoint b = BaseCell(ACol, ARow);
    return GetCellType(b.X, b.Y) == ctBalloon;
}

void TExtStringGrid::RemoveBalloon(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g == nullptr) return;
    const TCellType t = g->CellType();
    if ((t == ctCheckBox || t == ctDataCheckBox || t == ctRadioButton) && g->CellAngle() == 1) {
        g->SetCellAngle(0);
        g->SetCellBitmap(nullptr);
        return;
    }
    if (t == ctBalloon) FreeControlGraphic(ACol, ARow);
}

}  // namespace grid
