// The set-up shared by the tests that drive drop-downs with keys and the mouse on a headless
// form: an application on the headless backend, a manual clock, and a borderless form.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"
#include "platform/ui/ScreenModel.h"

namespace dropdowntest {

class HeadlessFormTest : public ::testing::Test {
protected:
    // Starts the application on the manual clock with its borderless form at (100, 100).
    void StartForm(int width, int height)
    {
        ui::SetMonotonicClock(&Clock);
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBorderStyle(ui::bsNone);
        Form->SetBounds(100, 100, width, height);
    }
    // Shows the form as the active one, with the focus on the control.
    void ShowFormFocused(ui::TWinControl* control)
    {
        Form->Show();
        App->ActivateForm(Form);
        control->SetFocus();
    }
    void TearDown() override
    {
        App.reset();
        ui::SetScreenMonitors({});
        ui::SetMonotonicClock(nullptr);
    }

    ui::TManualClock Clock{10000};
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
};

}  // namespace dropdowntest
