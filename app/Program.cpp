// The workbench's start: the main window, then the map window.
#include "app/Program.h"

#include "app/Unit1.h"
#include "app/Unit3.h"
#include "grid/core/ExtGrid.h"
#include "grid/dropdown/ExtDropDownRegistration.h"
#include "platform/gfx/TextEngine.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrlsRegistration.h"

namespace app {

void InitializeUnits()
{
    // The fonts' configuration loads in the background while the classes register and the
    // first form description is read.
    gfx::text::StartFontSetup();
    ui::RegisterStandardControls();
    grid::RegisterExtGridClasses();
    grid::RegisterDropDownClasses();
}

TWorkbenchForms CreateWorkbenchForms(ui::TApplication& application)
{
    InitializeUnits();
    TWorkbenchForms forms;
    application.CreateForm(forms.MainForm);
    application.CreateForm(forms.MapForm);
    return forms;
}

}  // namespace app
