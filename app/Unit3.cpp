// The map window's creation from its form description.
#include "app/Unit3.h"

#include "app/FormControls.h"
#include "app/FormDescriptions.h"
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

}  // namespace app
