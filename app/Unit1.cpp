// The main window's creation, activation, message panel and map button.
#include "app/Unit1.h"

#include <exception>

#include "app/FormControls.h"
#include "app/FormDescriptions.h"
#include "app/StartupData.h"
#include "app/StorylineModel.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Paths.h"
#include "platform/ui/CheckLst.h"
#include "platform/ui/Clock.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/StdCtrls.h"

namespace app {

TForm1* Form1 = nullptr;

namespace {

// Replaces the items of a list or box by `items`.
void SetItems(rtl::TStrings& target, const std::vector<std::string>& items)
{
    target.BeginUpdate();
    target.Clear();
    for (const std::string& item : items) target.Add(item);
    target.EndUpdate();
}

// A box that holds items shows its first one; an empty box shows empty text.
void ShowFirstItem(ui::TComboBox& box)
{
    box.SetText(box.Items().Count() > 0 ? box.Items()[0] : std::string());
}

}  // namespace

TForm1::TForm1(rtl::TComponent* AOwner) : ui::TForm(AOwner)
{
    RegisterHandlers();
}

TForm1::~TForm1()
{
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::AfterConstruction()
{
    ui::ReadComponentResText(FormDescriptionText(embedded::Unit1FormData, embedded::Unit1FormDataSize),
                             "Unit1.dfm", this);
    FindControls();
    Form1 = this;
    DoCreate();
}

void TForm1::RegisterHandlers()
{
    RegisterShellHandlers();
    RegisterIniPageHandlers();
    RegisterSoilHandlers();
    RegisterWriterVariantHandlers();
    RegisterCropModelHandlers();
    RegisterStorylineHandlers();
    RegisterSoilToolHandlers();
    RegisterGridKeyToolHandlers();
    RegisterWeatherToolHandlers();
    RegisterAnnualToolHandlers();
}

void TForm1::RegisterShellHandlers()
{
    Bind("FormCreate", &TForm1::FormCreate);
    Bind("FormActivate", &TForm1::FormActivate);
    Bind("Button30Click", &TForm1::Button30Click);
    Bind("Image31Click", &TForm1::Image31Click);
}

#define TOLVEK_FIND(name) FindFormControl(this, name, #name)

void TForm1::FindControls()
{
    TOLVEK_FIND(PageControl1);
    TOLVEK_FIND(TabSheet1); TOLVEK_FIND(TabSheet2); TOLVEK_FIND(TabSheet3); TOLVEK_FIND(TabSheet4);
    TOLVEK_FIND(TabSheet5); TOLVEK_FIND(TabSheet6); TOLVEK_FIND(TabSheet7); TOLVEK_FIND(TabSheet8);
    TOLVEK_FIND(TabSheet9); TOLVEK_FIND(TabSheet10);
    TOLVEK_FIND(Label2); TOLVEK_FIND(SB); TOLVEK_FIND(MSGpanel1); TOLVEK_FIND(MSGpLabel);
    TOLVEK_FIND(Image47); TOLVEK_FIND(Image31); TOLVEK_FIND(Image30); TOLVEK_FIND(OD);

    TOLVEK_FIND(Button30); TOLVEK_FIND(Button31); TOLVEK_FIND(Button5);
    TOLVEK_FIND(Button1); TOLVEK_FIND(Button2); TOLVEK_FIND(Button3); TOLVEK_FIND(Button4);
    TOLVEK_FIND(Edit4); TOLVEK_FIND(Edit5); TOLVEK_FIND(Edit6); TOLVEK_FIND(Edit7);
    TOLVEK_FIND(CB); TOLVEK_FIND(CB2);

    TOLVEK_FIND(RB1); TOLVEK_FIND(RB2); TOLVEK_FIND(cbtrans);
    TOLVEK_FIND(Edit28); TOLVEK_FIND(Edit29); TOLVEK_FIND(Edit32); TOLVEK_FIND(Edit35);
    TOLVEK_FIND(Edit30); TOLVEK_FIND(Edit31); TOLVEK_FIND(Edit33);
    TOLVEK_FIND(SC); TOLVEK_FIND(dol); TOLVEK_FIND(aol);
    TOLVEK_FIND(cb4); TOLVEK_FIND(cb5); TOLVEK_FIND(cb6); TOLVEK_FIND(projCB); TOLVEK_FIND(DCB); TOLVEK_FIND(CB3);
    TOLVEK_FIND(CheckBox6); TOLVEK_FIND(CheckBox7); TOLVEK_FIND(CheckBox3); TOLVEK_FIND(CheckBox4);
    TOLVEK_FIND(CheckBox5); TOLVEK_FIND(CheckBox8); TOLVEK_FIND(CheckBox9); TOLVEK_FIND(CheckBox10);
    TOLVEK_FIND(CheckBox11);
    TOLVEK_FIND(Button41); TOLVEK_FIND(Button89); TOLVEK_FIND(Button90); TOLVEK_FIND(Button91); TOLVEK_FIND(Button92);

    TOLVEK_FIND(Edit36); TOLVEK_FIND(pCB); TOLVEK_FIND(cCB); TOLVEK_FIND(cpscb); TOLVEK_FIND(Button36);

    TOLVEK_FIND(Button27); TOLVEK_FIND(Button29); TOLVEK_FIND(Button53); TOLVEK_FIND(Button54);
    TOLVEK_FIND(Button51); TOLVEK_FIND(Button52); TOLVEK_FIND(Button62); TOLVEK_FIND(Button63);
    TOLVEK_FIND(Edit27); TOLVEK_FIND(Edit24); TOLVEK_FIND(Edit25); TOLVEK_FIND(Edit26);
    TOLVEK_FIND(Button70); TOLVEK_FIND(Button58);
    TOLVEK_FIND(CheckBox1); TOLVEK_FIND(CheckBox2); TOLVEK_FIND(rb111); TOLVEK_FIND(rb112);

    TOLVEK_FIND(Button11); TOLVEK_FIND(Button12); TOLVEK_FIND(Button13); TOLVEK_FIND(Button14); TOLVEK_FIND(Button10);
    TOLVEK_FIND(Button15); TOLVEK_FIND(Button18); TOLVEK_FIND(Button9); TOLVEK_FIND(Button16); TOLVEK_FIND(Button21);
    TOLVEK_FIND(Button19); TOLVEK_FIND(Button20); TOLVEK_FIND(Button22); TOLVEK_FIND(Button24); TOLVEK_FIND(Button23);
    TOLVEK_FIND(Button25); TOLVEK_FIND(Button26); TOLVEK_FIND(Button7); TOLVEK_FIND(Button57); TOLVEK_FIND(Button56);
    TOLVEK_FIND(Button37); TOLVEK_FIND(Button28); TOLVEK_FIND(Edit2); TOLVEK_FIND(Edit3);
    TOLVEK_FIND(Button78); TOLVEK_FIND(Button47); TOLVEK_FIND(Button75); TOLVEK_FIND(Button76); TOLVEK_FIND(USDA);
    TOLVEK_FIND(Button66); TOLVEK_FIND(Button67); TOLVEK_FIND(Button68); TOLVEK_FIND(Button65); TOLVEK_FIND(Button79);
    TOLVEK_FIND(Button61); TOLVEK_FIND(Button80); TOLVEK_FIND(Button88); TOLVEK_FIND(Button38); TOLVEK_FIND(Button69);
    TOLVEK_FIND(Button84); TOLVEK_FIND(Button72); TOLVEK_FIND(Button77);
    TOLVEK_FIND(Button83); TOLVEK_FIND(Button81); TOLVEK_FIND(Button64); TOLVEK_FIND(Button87); TOLVEK_FIND(Button34);
    TOLVEK_FIND(Button55); TOLVEK_FIND(Button32); TOLVEK_FIND(Button33); TOLVEK_FIND(Button60); TOLVEK_FIND(Button59);
    TOLVEK_FIND(Radiation); TOLVEK_FIND(Button35); TOLVEK_FIND(Button40); TOLVEK_FIND(Button86);
    TOLVEK_FIND(Edit8); TOLVEK_FIND(Edit9); TOLVEK_FIND(Edit10); TOLVEK_FIND(Edit11); TOLVEK_FIND(Edit12);
    TOLVEK_FIND(Edit13); TOLVEK_FIND(Edit14); TOLVEK_FIND(Edit15); TOLVEK_FIND(Edit16); TOLVEK_FIND(Button43);
    TOLVEK_FIND(Button73); TOLVEK_FIND(Button74);
    TOLVEK_FIND(Button82); TOLVEK_FIND(Button85); TOLVEK_FIND(Button48); TOLVEK_FIND(Button39); TOLVEK_FIND(Button44);
    TOLVEK_FIND(Button42); TOLVEK_FIND(Button45); TOLVEK_FIND(Button46); TOLVEK_FIND(Button49); TOLVEK_FIND(Button50);
    TOLVEK_FIND(Button71); TOLVEK_FIND(Edit34); TOLVEK_FIND(RadioButton1); TOLVEK_FIND(RadioButton2);
    TOLVEK_FIND(Button94); TOLVEK_FIND(Button95); TOLVEK_FIND(Button96); TOLVEK_FIND(Button97); TOLVEK_FIND(Button93);
    TOLVEK_FIND(Button6); TOLVEK_FIND(Button8); TOLVEK_FIND(Edit1); TOLVEK_FIND(Edit37); TOLVEK_FIND(Edit38);
    TOLVEK_FIND(Edit39);

    TOLVEK_FIND(NewSLBut); TOLVEK_FIND(OpenSLBut); TOLVEK_FIND(SaveSLBut); TOLVEK_FIND(ExportSLBut);
    TOLVEK_FIND(slnEdit); TOLVEK_FIND(ttsbEdit); TOLVEK_FIND(ttseEdit);
    TOLVEK_FIND(AddDomBut); TOLVEK_FIND(DelDomBut); TOLVEK_FIND(dnrCB); TOLVEK_FIND(cIDsCB); TOLVEK_FIND(cIDmemo);
    TOLVEK_FIND(AddPerBut); TOLVEK_FIND(DelPerBut); TOLVEK_FIND(pnrCB); TOLVEK_FIND(tsbEdit); TOLVEK_FIND(tseEdit);
    TOLVEK_FIND(luCB); TOLVEK_FIND(cpCB); TOLVEK_FIND(ovEdit);
    TOLVEK_FIND(crop_panel); TOLVEK_FIND(grass_panel); TOLVEK_FIND(forest_panel);
    TOLVEK_FIND(mowcondCB); TOLVEK_FIND(irrcondCB); TOLVEK_FIND(MowCond_Panel); TOLVEK_FIND(irrcond_panel);
    FindStorylineGrids();
}

#undef TOLVEK_FIND

void TForm1::FormCreate(rtl::TObject*)
{
    // Every file is looked up in the current directory (the loaders name them relative to it).
    DecimalSeparatorAtStart = rtl::RecordLocaleDecimalSeparator();

    // The fixed tables are filled before the optional files are read, so that an
    // unreadable file cannot leave them empty. What was read before an error is still
    // shown, then the error goes on to the error box.
    TStartupData data;
    std::exception_ptr failure;
    try {
        LoadStartupData(data);
    } catch (...) {
        failure = std::current_exception();
    }
    SetItems(dol->Items(), data.OutputLists.Daily);
    SetItems(aol->Items(), data.OutputLists.Annual);
    if (data.ParameterSetsRead) {
        SetItems(pCB->Items(), data.ParameterSets.Hydraulic);
        SetItems(cCB->Items(), data.ParameterSets.Chemical);
    }
    ShowFirstItem(*pCB);
    ShowFirstItem(*cCB);
    StorylineEditor.StorylineDomainCount = 0;
    StorylineEditor.CurrentDomainIndex = 0;
    StorylineEditor.StorylinePeriodCount = 0;
    StorylineEditor.CurrentPeriodIndex = 0;
    if (failure) std::rethrow_exception(failure);
}

void TForm1::FormActivate(rtl::TObject*)
{
    OD->SetInitialDir(rtl::GetCurrentDir() + "\\input\\storyline");
    dol->CheckAll(true);
    aol->CheckAll(true);
    SetStorylineGridHeaders();
}

void TForm1::Button30Click(rtl::TObject*)
{
    if (Form3 != nullptr) Form3->Show();
}

void TForm1::Image31Click(rtl::TObject*)
{
    MSGpanel1->SetVisible(false);
}

void TForm1::ShowMessagePanel(const std::string& text, bool showConfirm, bool showCancel)
{
    Image31->SetVisible(showConfirm);
    Image30->SetVisible(showCancel);
    MSGpLabel->SetCaption(text);
    MSGpanel1->SetVisible(true);
    MSGpanel1->BringToFront();
}

// The label takes every text at once; the window is repainted at once at most every
// StatusRepaintMs. A tool that reports after each of 20,000 files would otherwise spend most
// of its time repainting the whole window; the text a skipped repaint leaves in the label is
// painted by the next repaint or when the tool returns.
void TForm1::ShowStatus(const std::string& text)
{
    Label2->SetCaption(text);
    const std::int64_t now = ui::GetTickCount64();
    if (FStatusPaintedAt >= 0 && now - FStatusPaintedAt < StatusRepaintMs) return;
    FStatusPaintedAt = now;
    Repaint();
}

void ShowMessagePanel(const std::string& text, bool showConfirm, bool showCancel)
{
    if (Form1 != nullptr) Form1->ShowMessagePanel(text, showConfirm, showCancel);
}

}  // namespace app
