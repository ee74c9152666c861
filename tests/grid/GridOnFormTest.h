// Fixtures of a headless application with a string grid: on a 500 × 400 form (driven through real windows) or on its own.
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

    // The application with the headless backend, the form (FormWidth × 400), and the grid owned
    // by the form; ParentGrid puts the grid on the form (its window is made when the form shows).
    void MakeGridOnForm(bool ParentGrid, int FormWidth = 500)
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(0, 0, FormWidth, 400);
        Grid = new grid::TExtStringGrid(Form);
        if (ParentGrid) Grid->SetParent(Form);
    }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    grid::TExtStringGrid* Grid = nullptr;
};

// A grid without owner or parent in a headless application; freed before the application.
class GridInAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Grid = std::make_unique<grid::TExtStringGrid>(nullptr);
    }
    void TearDown() override
    {
        Grid.reset();
        App.reset();
    }

    std::unique_ptr<ui::TApplication> App;
    std::unique_ptr<grid::TExtStringGrid> Grid;
};

}  // namespace gridtest
