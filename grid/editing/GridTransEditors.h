// The fixed-cell editors: a borderless edit and a combo placed over a header cell, storing on stop.
#pragma once

#include <string>

#include "platform/ui/StdCtrlsEdit.h"
#include "platform/ui/StdCtrlsList.h"

namespace grid {

class TExtStringGrid;

class TGridTransEdit : public ui::TEdit {
public:
    // The owner becomes the grid when it is a TExtStringGrid; the edit starts hidden.
    explicit TGridTransEdit(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridTransEdit"; }
    int Col() const { return FCol; }
    void SetCol(int v) { FCol = v; }
    int Row() const { return FRow; }
    void SetRow(int v) { FRow = v; }
    bool FilterEdit() const { return FFilterEdit; }
    void SetFilterEdit(bool v) { FFilterEdit = v; }
    // Validates the text, stores it in the cell and hides the edit; a refused value keeps
    // the edit focused on its cell (result false).
    bool StopEdit();
    // Whether the last refusal asked for the invalid-entry balloon (title or text set).
    bool BalloonShown() const { return FBalloonShown; }

protected:
    void KeyPress(char32_t& Key) override;
    void DoExit() override;

private:
    int FCol = 0;
    int FRow = 0;
    bool FFilterEdit = false;
    bool FBalloonShown = false;
    bool FStopping = false;
    TExtStringGrid* FGrid;
};

class TGridTransCombo : public ui::TComboBox {
public:
    explicit TGridTransCombo(rtl::TComponent* AOwner);
    std::string ClassName() const override { return "TGridTransCombo"; }
    int Col() const { return FCol; }
    void SetCol(int v) { FCol = v; }
    int Row() const { return FRow; }
    void SetRow(int v) { FRow = v; }
    int DropWidth() const { return FDropWidth; }
    void SetDropWidth(int v) { FDropWidth = v; }
    // Widens the drop-down list to the widest item, never narrower than the combo.
    void SizeDropDownWidth();
    bool StopEdit();
    // Whether the last refusal showed the invalid-entry balloon.
    bool BalloonShown() const { return FBalloonShown; }

protected:
    void KeyPress(char32_t& Key) override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void DoExit() override;

private:
    void ApplyDropWidth();
    int FCol = 0;
    int FRow = 0;
    int FDropWidth = 0;
    bool FBalloonShown = false;
    bool FStopping = false;
    TExtStringGrid* FGrid;
};

}  // namespace grid
