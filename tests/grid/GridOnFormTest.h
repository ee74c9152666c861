// A string grid on a 500 × 400 form of a headless application, for tests that drive the grid through real windows.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

namespace gridtest {

class GridOnFormTest : public ::testing::Test {
protected:
    void SetUp() override { MakeGridOnForm(true); }
    void TearDown() override { App.reset(); }

    // The application with the headless backend, the form, and the grid owned by the form;
    // ParentGrid puts the grid on the form (its window is made when the form shows).
    void MakeGridOnForm(bool ParentGrid)
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(0, 0, 500, 400);
        Grid = new grid::TExtStringGrid(Form);
        if (ParentGrid) Grid->SetParent(Form);
    }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    grid::TExtStringGrid* Grid = nullptr;
};

}  // namespace gridtest
