// The map window's creation from its form description.
#include "app/Unit3.h"

#include "app/FormControls.h"
#include "app/FormDescriptions.h"
#include "app/Unit2.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/StdCtrls.h"

namespace app {

TForm3* Form3 = nullptr;

TForm3::~TForm3()
{
    if (Form3 == this) Form3 = nullptr;
}

void TForm3::AfterConstruction()
{
    RegisterHandlers();
    ui::ReadComponentResText(FormDescriptionText(embedded::Unit3FormData, embedded::Unit3FormDataSize),
                             "Unit3.dfm", this);
    FindControls();
    Form3 = this;
    DoCreate();
}

void TForm3::FindControls()
{
    FindFormControl(this, map, "map");
    FindFormControl(this, Edit1, "Edit1");
    FindFormControl(this, rb1, "rb1");
    FindFormControl(this, rb2, "rb2");
    FindFormControl(this, rb3, "rb3");
    FindFormControl(this, Edit2, "Edit2");
    FindFormControl(this, Edit3, "Edit3");
    FindFormControl(this, Button1, "Button1");
}

void TForm3::RegisterHandlers()
{
    Methods().RegisterMethod("FormActivate", ui::TNotifyEvent([this](rtl::TObject* sender) { FormActivate(sender); }));
    Methods().RegisterMethod("Button1Click", ui::TNotifyEvent([this](rtl::TObject* sender) { Button1Click(sender); }));
}

void TForm3::FormActivate(rtl::TObject*)
{
    // Activation comes from the window system, not from an event the
    // application guards: a missing table is reported in the standard error
    // box and the window stays open, as for the other handlers.
    try {
        LoadCellPositions({}, FPositions);
    } catch (const std::exception& e) {
        if (ui::TApplication* application = ui::Application()) application->ShowException(e);
    }
}

void TForm3::Button1Click(rtl::TObject*)
{
    const double low = ParseDecimal(Edit2->GetText());
    const double high = ParseDecimal(Edit3->GetText());
    const TCellClasses classes = ReadCellClasses(Edit1->GetText(), low, high);
    gfx::TBitmap& picture = map->Picture().Bitmap();
    // A picture without a graphic draws on a bitmap of the control's size.
    if (picture.Width() != map->Width() || picture.Height() != map->Height()) picture.SetSize(map->Width(), map->Height());
    DrawCellMap(picture, FPositions, classes);
    map->Invalidate();
}

}  // namespace app
