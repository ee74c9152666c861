// A program whose application is freed while its statics are destroyed ends cleanly with grids (and their overlay pop-ups) on a form.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

namespace {

// The application lives in a static made before any window or overlay, so it is freed after
// the platform's own registries at exit: freeing its grids must not touch a freed registry.
[[noreturn]] void RunWithApplicationInAStatic()
{
    static std::unique_ptr<ui::TApplication> application;
    application = std::make_unique<ui::TApplication>();
    application->SetBackend(std::make_unique<ui::THeadlessBackend>());
    auto* form = new ui::TForm(application.get());
    form->SetBounds(0, 0, 300, 200);
    auto* grid = new grid::TExtStringGrid(form);
    grid->SetParent(form);
    form->Show();
    application->ProcessMessages();
    std::exit(0);
}

TEST(GridOverlayAtExitDeathTest, ApplicationFreedDuringStaticDestructionEndsTheProgramCleanly)
{
    // The check runs in a fresh process, so its statics are made in the order above.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunWithApplicationInAStatic(), ::testing::ExitedWithCode(0), "");
}

}  // namespace
