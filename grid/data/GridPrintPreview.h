// The print preview form: one page of a grid's printout at a time, paged by buttons and keys.
#pragma once

#include "platform/ui/Forms.h"

namespace ui {
class TButton;
}

namespace grid {

class TExtStringGrid;

// Shows the page Page() of the grid's print layout, scaled into the form below a row of
// buttons: "<" and ">" (or Page Up and Page Down) turn the pages, "Print" prints the grid on
// the program's printer. The grid must outlive the form.
class TGridPrintPreview : public ui::TForm {
public:
    TGridPrintPreview(rtl::TComponent* AOwner, TExtStringGrid& Grid);
    std::string ClassName() const override { return "TGridPrintPreview"; }

    int Page() const { return FPage; }
    // Clamped to 1 … the page count of the last drawing.
    void SetPage(int Value);
    int PageCount() const { return FPageCount; }
    // The rectangle the page is drawn in (client coordinates): the paper's proportions.
    rtl::TRect PageRect() const;

protected:
    void PaintWindow() override;
    void KeyDown(ui::WORD& Key, ui::TShiftState Shift) override;

private:
    ui::TButton* AddButton(const std::string& caption, int left);
    void UpdateCaption();

    TExtStringGrid& FGrid;
    int FPage = 1;
    int FPageCount = 1;
    ui::TButton* FPrev = nullptr;
    ui::TButton* FNext = nullptr;
    ui::TButton* FPrint = nullptr;
};

}  // namespace grid
