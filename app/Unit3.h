// The map window TForm3: the 1104 cells of the 10 km grid drawn in colour classes; built from resources/forms/Unit3.dfm.
#pragma once

#include <string>

#include "app/MapDrawing.h"

#include "platform/ui/Forms.h"

namespace ui {
class TButton;
class TEdit;
class TImage;
class TRadioButton;
}  // namespace ui

namespace app {

// Created hidden at start, after the main window; the main window's "MAP" button shows it.
class TForm3 : public ui::TForm {
public:
    explicit TForm3(rtl::TComponent* AOwner) : ui::TForm(AOwner) {}
    ~TForm3() override;
    std::string ClassName() const override { return "TForm3"; }

    // Reads the built-in form description and finds the controls.
    void AfterConstruction() override;

    ui::TImage* map = nullptr;          // the picture the cells are drawn on
    ui::TEdit* Edit1 = nullptr;         // path of the value table
    ui::TRadioButton* rb1 = nullptr;    // "median", selected
    ui::TRadioButton* rb2 = nullptr;    // "95 percentile"
    ui::TRadioButton* rb3 = nullptr;    // "maximum"
    ui::TEdit* Edit2 = nullptr;         // lower class bound "8"
    ui::TEdit* Edit3 = nullptr;         // upper class bound "12"
    ui::TButton* Button1 = nullptr;     // "DRAW"

    // Each activation reads the cell positions anew.
    void FormActivate(rtl::TObject* Sender);
    // "DRAW": classes the values of the table in Edit1 between Edit2 and Edit3 and paints the map.
    void Button1Click(rtl::TObject* Sender);

    const TCellPositions& CellPositions() const { return FPositions; }

private:
    void FindControls();
    void RegisterHandlers();
    TCellPositions FPositions{};  // kept from activation to activation
};

// The map window of the running program (nullptr before it is created and after it is gone).
extern TForm3* Form3;

}  // namespace app
