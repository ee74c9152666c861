// The workbench's start: its two windows created as the program's main block creates them.
#pragma once

namespace ui {
class TApplication;
}

namespace app {

class TForm1;
class TForm3;

struct TWorkbenchForms {
    TForm1* MainForm = nullptr;
    TForm3* MapForm = nullptr;
};

// What the units register before any window is built: the classes the form
// descriptions name. Runs once; later calls do nothing.
void InitializeUnits();

// Creates the main window (its controls from the form description, then FormCreate; an
// error of FormCreate goes to the application's error box and the window stays), then
// the map window, hidden. Both are owned by the application; the main window is its
// main form. The application needs its backend already. Runs InitializeUnits first.
TWorkbenchForms CreateWorkbenchForms(ui::TApplication& application);

}  // namespace app
