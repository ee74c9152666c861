// String grid combo item list: the items of the one combo editor every combo cell shares.
#include "grid/core/ExtGrid.h"
#include "grid/editing/GridCombo.h"
#include "platform/rtl/StringList.h"

namespace grid {

void TExtStringGrid::ClearComboString() { EditCombo()->Items().Clear(); }

void TExtStringGrid::AddComboString(const std::string& S) { EditCombo()->Items().Add(S); }

void TExtStringGrid::AddComboStringObject(const std::string& S, rtl::TObject* AObject)
{
    EditCombo()->Items().AddObject(S, AObject);
}

bool TExtStringGrid::RemoveComboString(const std::string& S)
{
    rtl::TStrings& items = EditCombo()->Items();
    const int i = items.IndexOf(S);
    if (i < 0) return false;
    items.Delete(i);
    return true;
}

int TExtStringGrid::GetComboCount() { return EditCombo()->Items().Count(); }

// OnGetEditorProp may fill the list for the cell first.
int TExtStringGrid::GetComboIndex(int ACol, int ARow)
{
    GetEditorProp(ACol, ARow, nullptr);
    return EditCombo()->Items().IndexOf(GetCellEx(ACol, ARow));
}

// An index outside the list raises the list's index error.
void TExtStringGrid::SetComboIndex(int ACol, int ARow, int Value)
{
    GetEditorProp(ACol, ARow, nullptr);
    SetCellEx(ACol, ARow, EditCombo()->Items().Get(Value));
}

}  // namespace grid
