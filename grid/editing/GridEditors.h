// The in-place editor controls a string grid owns: created hidden at run time, freed with the grid.
#pragma once

#include <memory>

#include "grid/editing/ControlEditors.h"
#include "grid/editing/GridButtonEditor.h"
#include "grid/editing/GridCheckEditor.h"
#include "grid/editing/GridCombo.h"
#include "grid/editing/GridEditButtons.h"
#include "grid/editing/GridTransEditors.h"

namespace grid {

struct TGridEditorControls {
    std::unique_ptr<TGridCombo> EditCombo;
    std::unique_ptr<TGridTransEdit> EditTrans;
    std::unique_ptr<TGridTransCombo> ComboTrans;
    std::unique_ptr<TGridCheckBox> EditCheck;
    std::unique_ptr<TGridEditBtn> EditBtn;
    std::unique_ptr<TGridUnitEditBtn> UnitEditBtn;
    std::unique_ptr<TGridButton> GridButton;
    std::unique_ptr<TControlEdit> EditControl;
    std::unique_ptr<TControlCombo> ComboControl;
};

}  // namespace grid
