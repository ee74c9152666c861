// Test controls and the fixture that runs an application on the headless backend.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Forms.h"

namespace uitest {

// A button-like control: takes the focus when pressed, paints itself in its colour,
// counts clicks and records the messages it sees.
class TTestButton : public ui::TCustomControl {
public:
    explicit TTestButton(rtl::TComponent* owner) : ui::TCustomControl(owner)
    {
        SetTabStop(true);
        SetBounds(0, 0, 75, 25);
        SetColor(gfx::clBtnFace);
        FControlStyle |= ui::csOpaque;
    }
    std::string ClassName() const override { return "TTestButton"; }

    std::vector<ui::UINT> Messages;
    int Clicks = 0;
    ui::LRESULT DlgCode = 0;

protected:
    void WndProc(ui::TMessage& m) override
    {
        Messages.push_back(m.Msg);
        if (m.Msg == ui::WM_GETDLGCODE) {
            m.Result = DlgCode;
            return;
        }
        ui::TCustomControl::WndProc(m);
    }
    void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override
    {
        if (CanFocus()) SetFocus();
        ui::TCustomControl::MouseDown(button, shift, x, y);
    }
    void Click() override
    {
        ++Clicks;
        ui::TCustomControl::Click();
    }
    void Paint() override
    {
        Canvas().Brush().SetColor(Color());
        Canvas().FillRect(ClientRect());
    }
};

// A container for nested controls.
class TTestPanel : public ui::TCustomControl {
public:
    explicit TTestPanel(rtl::TComponent* owner) : ui::TCustomControl(owner) { SetBounds(0, 0, 185, 41); }
    std::string ClassName() const override { return "TTestPanel"; }
};

// Registers the test controls for form descriptions (once).
void RegisterTestControls();

class UiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        auto backend = std::make_unique<ui::THeadlessBackend>();
        Backend = backend.get();
        App->SetBackend(std::move(backend));
    }
    void TearDown() override
    {
        App.reset();
        ui::SetMonotonicClock(nullptr);
    }
    // A shown form of the given client size, owned by the application.
    ui::TForm* NewForm(int width = 300, int height = 200)
    {
        auto* form = new ui::TForm(App.get());
        form->SetBounds(10, 10, width, height);
        return form;
    }

    std::unique_ptr<ui::TApplication> App;
    ui::THeadlessBackend* Backend = nullptr;
};

}  // namespace uitest
