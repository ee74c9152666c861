// Handlers of the "INI file maker" page: the 10 km run-control writer and the page's option rules.
#include "app/GlobalTables.h"
#include "app/IniMaker10km.h"
#include "app/IniPageOptions.h"
#include "app/Unit1.h"
#include "platform/ui/CheckLst.h"
#include "platform/ui/StdCtrls.h"

namespace app {

namespace {

std::vector<std::string> LinesOf(const rtl::TStrings& lines)
{
    std::vector<std::string> result;
    for (int i = 0; i < lines.Count(); ++i) result.push_back(lines[i]);
    return result;
}

// The ticked items of a check list, in list order.
std::vector<std::string> TickedItems(const ui::TCheckListBox& list)
{
    std::vector<std::string> result;
    for (int i = 0; i < list.Items().Count(); ++i) {
        if (list.Checked(i)) result.push_back(list.Items()[i]);
    }
    return result;
}

std::vector<bool> TickMarks(const ui::TCheckListBox& list)
{
    std::vector<bool> result;
    for (int i = 0; i < list.Items().Count(); ++i) result.push_back(list.Checked(i));
    return result;
}

void SetTickMarks(ui::TCheckListBox& list, const std::vector<bool>& ticked)
{
    for (int i = 0; i < list.Items().Count() && i < static_cast<int>(ticked.size()); ++i)
        list.SetChecked(i, ticked[static_cast<std::size_t>(i)]);
}

TIniPageState ReadIniPage(const TForm1& form)
{
    TIniPageState page;
    page.Spinup = form.RB1->Checked();
    page.TransientRun = form.cbtrans->Checked();
    page.TransientRunEnabled = form.cbtrans->Enabled();
    page.UseCarpatclim = form.cb4->Checked();
    page.UseEra5 = form.cb5->Checked();
    page.UseProjection = form.cb6->Checked();
    page.Projection = form.projCB->Text();
    page.ExtendedForesee = form.CB3->Checked();
    page.LastYear = form.Edit29->Text();
    page.EpcFile = form.Edit32->Text();
    page.SoilFolder = form.Edit35->Text();
    page.OutputFolder = form.Edit33->Text();
    page.DailyTicked = TickMarks(*form.dol);
    page.AnnualTicked = TickMarks(*form.aol);
    return page;
}

// Writes the state back. A check box changed from code fires its click, so another
// handler may run in between; it reads the page as it then stands and changes nothing
// that is not already so, because every rule only acts on a ticked box and a value set
// to what it already is fires nothing.
void WriteIniPage(TForm1& form, const TIniPageState& page)
{
    form.RB1->SetChecked(page.Spinup);
    form.cbtrans->SetChecked(page.TransientRun);
    form.cbtrans->SetEnabled(page.TransientRunEnabled);
    form.cb4->SetChecked(page.UseCarpatclim);
    form.cb5->SetChecked(page.UseEra5);
    form.cb6->SetChecked(page.UseProjection);
    form.projCB->SetText(page.Projection);
    form.CB3->SetChecked(page.ExtendedForesee);
    form.Edit29->SetText(page.LastYear);
    form.Edit32->SetText(page.EpcFile);
    form.Edit35->SetText(page.SoilFolder);
    form.Edit33->SetText(page.OutputFolder);
    SetTickMarks(*form.dol, page.DailyTicked);
    SetTickMarks(*form.aol, page.AnnualTicked);
}

template <typename Rule>
void ApplyToPage(TForm1& form, Rule rule)
{
    TIniPageState page = ReadIniPage(form);
    rule(page);
    WriteIniPage(form, page);
}

void ApplyOptionBoxToPage(TForm1& form, TIniOptionBox box)
{
    ApplyToPage(form, [box](TIniPageState& page) { ApplyOptionBox(box, SelectedWords(), page); });
}

}  // namespace

void TForm1::RegisterIniPageHandlers()
{
    Bind("Button41Click", &TForm1::Button41Click);
    Bind("Button89Click", &TForm1::Button89Click);
    Bind("Button90Click", &TForm1::Button90Click);
    Bind("Button91Click", &TForm1::Button91Click);
    Bind("Button92Click", &TForm1::Button92Click);
    Bind("RB1Click", &TForm1::RB1Click);
    Bind("RB2Click", &TForm1::RB2Click);
    Bind("cb4Click", &TForm1::cb4Click);
    Bind("cb5Click", &TForm1::cb5Click);
    Bind("cb6Click", &TForm1::cb6Click);
    Bind("CB3Click", &TForm1::CB3Click);
    Bind("CheckBox6Click", &TForm1::CheckBox6Click);
    Bind("CheckBox7Click", &TForm1::CheckBox7Click);
    Bind("CheckBox3Click", &TForm1::CheckBox3Click);
    Bind("CheckBox4Click", &TForm1::CheckBox4Click);
    Bind("CheckBox5Click", &TForm1::CheckBox5Click);
    Bind("CheckBox8Click", &TForm1::CheckBox8Click);
    Bind("CheckBox9Click", &TForm1::CheckBox9Click);
    Bind("CheckBox10Click", &TForm1::CheckBox10Click);
    Bind("CheckBox11Click", &TForm1::CheckBox11Click);
}

void TForm1::Button41Click(rtl::TObject*)
{
    TIniMaker10kmOptions options;
    options.Spinup = RB1->Checked();
    options.TransientRun = cbtrans->Checked();
    options.FirstYear = Edit28->Text();
    options.LastYear = Edit29->Text();
    options.EpcFile = Edit32->Text();
    options.SoilFolder = Edit35->Text();
    options.ManagementFile = Edit30->Text();
    options.OutputType = Edit31->Text();
    options.OutputFolder = Edit33->Text();
    options.SimulationControl = LinesOf(SC->Lines());
    options.DailyOutputs = TickedItems(*dol);
    options.AnnualOutputs = TickedItems(*aol);
    options.UseCarpatclim = cb4->Checked();
    options.UseEra5 = cb5->Checked();
    options.UseProjection = cb6->Checked();
    options.Projection = projCB->Text();
    options.Delta = DCB->Text();
    options.ExtendedForesee = CB3->Checked();
    MakeGridInis10km(options, BaseTable10km, IniFolder10km(), [this](const std::string& text) { ShowStatus(text); });
}

void TForm1::Button89Click(rtl::TObject*) { dol->CheckAll(true); }
void TForm1::Button90Click(rtl::TObject*) { dol->CheckAll(false); }
void TForm1::Button91Click(rtl::TObject*) { aol->CheckAll(true); }
void TForm1::Button92Click(rtl::TObject*) { aol->CheckAll(false); }

void TForm1::RB1Click(rtl::TObject*) { ApplyToPage(*this, ApplyRunMode); }
void TForm1::RB2Click(rtl::TObject*) { ApplyToPage(*this, ApplyRunMode); }
void TForm1::cb4Click(rtl::TObject*) { ApplyToPage(*this, ApplyCarpatclimBox); }
void TForm1::cb5Click(rtl::TObject*) { ApplyToPage(*this, ApplyEra5Box); }
void TForm1::cb6Click(rtl::TObject*) { ApplyToPage(*this, ApplyProjectionBox); }
void TForm1::CB3Click(rtl::TObject*) { ApplyToPage(*this, ApplyExtendedWeatherBox); }

void TForm1::CheckBox6Click(rtl::TObject*) { ApplyOptionBoxToPage(*this, TIniOptionBox::Maize); }
void TForm1::CheckBox7Click(rtl::TObject*) { ApplyOptionBoxToPage(*this, TIniOptionBox::Grass); }
void TForm1::CheckBox3Click(rtl::TObject*) { ApplyOptionBoxToPage(*this, TIniOptionBox::Foresee); }
void TForm1::CheckBox4Click(rtl::TObject*) { ApplyOptionBoxToPage(*this, TIniOptionBox::Carpatclim); }
void TForm1::CheckBox5Click(rtl::TObject*) { ApplyOptionBoxToPage(*this, TIniOptionBox::Era5); }
void TForm1::CheckBox8Click(rtl::TObject*) { ApplyOptionBoxToPage(*this, TIniOptionBox::EuShg); }
void TForm1::CheckBox9Click(rtl::TObject*) { ApplyOptionBoxToPage(*this, TIniOptionBox::EuPtf); }
void TForm1::CheckBox10Click(rtl::TObject*) { ApplyOptionBoxToPage(*this, TIniOptionBox::HuPtf); }
void TForm1::CheckBox11Click(rtl::TObject*) { ApplyOptionBoxToPage(*this, TIniOptionBox::UsPtf); }

}  // namespace app
