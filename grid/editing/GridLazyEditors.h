// The editor controls a string grid makes on first use: the spin, date and date-time editors.
#pragma once

#include <memory>

#include "platform/ui/Controls.h"

namespace grid {

// Each field stays empty until the grid first asks for its editor. Freed date-time first,
// then date, then spin, each field cleared before its control is freed.
struct TGridLazyEditors {
    std::unique_ptr<ui::TWinControl> EditSpin;
    std::unique_ptr<ui::TWinControl> EditDate;
    std::unique_ptr<ui::TWinControl> EditDateTime;

    TGridLazyEditors() = default;
    TGridLazyEditors(const TGridLazyEditors&) = delete;
    TGridLazyEditors& operator=(const TGridLazyEditors&) = delete;
    ~TGridLazyEditors()
    {
        for (auto* field : {&EditDateTime, &EditDate, &EditSpin}) {
            std::unique_ptr<ui::TWinControl> editor = std::move(*field);
            editor.reset();
        }
    }
};

}  // namespace grid
