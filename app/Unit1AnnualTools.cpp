// Handlers of the annual output, sheet, statistics and soil-variant tools of the hidden pages.
#include "app/AnnualOutputs.h"
#include "app/CropModelSoil.h"
#include "app/SheetTools.h"
#include "app/SoilPropVariants.h"
#include "app/Unit1.h"
#include "app/YieldStatistics.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/StdCtrls.h"
#include "platform/ui/StdCtrlsEdit.h"

namespace app {

namespace {

TToolStatus StatusOf(TForm1& form)
{
    return [&form](const std::string& text) { form.ShowStatus(text); };
}

// Empties the buffer and pastes the clipboard's text into it; its lines.
TSheetLines PasteInto(ui::TMemo& buffer)
{
    buffer.Clear();
    buffer.PasteFromClipboard();
    rtl::TStrings& lines = buffer.Lines();
    TSheetLines rows;
    rows.reserve(static_cast<std::size_t>(lines.Count()));
    for (int k = 0; k < lines.Count(); ++k) rows.push_back(lines[k]);
    return rows;
}

// Sets the buffer to the lines, each followed by a line break (the last one
// only when `finalBreak`), then selects it all and copies it to the clipboard;
// an empty buffer leaves the clipboard as it was.
void CopyOut(ui::TMemo& buffer, const TSheetLines& lines, bool finalBreak = true)
{
    std::string text;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        text += lines[k];
        if (k + 1 < lines.size() || finalBreak) text += "\r\n";
    }
    buffer.SetText(text);
    buffer.SelectAll();
    buffer.CopyToClipboard();
}

}  // namespace

void TForm1::RegisterAnnualToolHandlers()
{
    Bind("Button82Click", &TForm1::Button82Click);
    Bind("Button85Click", &TForm1::Button85Click);
    Bind("Button94Click", &TForm1::Button94Click);
    Bind("Button42Click", &TForm1::Button42Click);
    Bind("Button31Click", &TForm1::Button31Click);
    Bind("Button45Click", &TForm1::Button45Click);
    Bind("Button73Click", &TForm1::Button73Click);
    Bind("Button74Click", &TForm1::Button74Click);
    Bind("Button71Click", &TForm1::Button71Click);
    Bind("Button95Click", &TForm1::Button95Click);
    Bind("Button96Click", &TForm1::Button96Click);
    Bind("Button49Click", &TForm1::Button49Click);
    Bind("Button2Click", &TForm1::Button2Click);
    Bind("Button46Click", &TForm1::Button46Click);
    Bind("Button50Click", &TForm1::Button50Click);
    Bind("Button69Click", &TForm1::Button69Click);
    Bind("Button77Click", &TForm1::Button77Click);
    Bind("Button84Click", &TForm1::Button84Click);
    Bind("Button72Click", &TForm1::Button72Click);
}

// --- annual outputs ---
void TForm1::Button82Click(rtl::TObject*) { WriteCarbonBalance({}, Edit34->GetText(), StatusOf(*this)); }
void TForm1::Button85Click(rtl::TObject*) { WriteVariantDifferences({}, StatusOf(*this)); }
void TForm1::Button94Click(rtl::TObject*)
{
    WriteScenarioMeans({}, {Edit1->GetText(), Edit37->GetText(), Edit38->GetText()}, StatusOf(*this));
}
void TForm1::Button42Click(rtl::TObject*) { WriteSoilOrganicMatter(".", StatusOf(*this)); }
void TForm1::Button31Click(rtl::TObject*)
{
    WriteShrunkStatistics({}, {Edit4->GetText(), Edit5->GetText(), Edit6->GetText(), Edit7->GetText()}, StatusOf(*this));
}
void TForm1::Button45Click(rtl::TObject*) { WritePrecipitationGrid({}); }


// --- yield and fertiliser statistics ---
void TForm1::Button73Click(rtl::TObject*) { WriteYieldMultipliers({}, StatusOf(*this)); }
void TForm1::Button74Click(rtl::TObject*) { WriteDisaggregatedYields({}, StatusOf(*this)); }
void TForm1::Button71Click(rtl::TObject*) { WriteFertiliserTables({}, StatusOf(*this)); }

// --- sheet tools on the clipboard ---
void TForm1::Button95Click(rtl::TObject*)
{
    CB2->Clear();
    CopyOut(*CB2, SheetToJson(PasteInto(*CB)));
}
void TForm1::Button96Click(rtl::TObject*)
{
    CB2->Clear();
    CopyOut(*CB2, WideToLong(PasteInto(*CB), Edit39->GetText()));
}
void TForm1::Button49Click(rtl::TObject*)
{
    const TSheetLines lines = PasteInto(*CB);
    const std::string text = CB->GetText();
    const bool finalBreak = text.size() >= 1 && text.back() == '\n';
    CopyOut(*CB, RepairDates(lines), finalBreak);
}
void TForm1::Button2Click(rtl::TObject*)
{
    CB2->Clear();
    CopyOut(*CB2, NutrientDemands(PasteInto(*CB)));
}
void TForm1::Button46Click(rtl::TObject*)
{
    ShowStatus("PROCESSING");
    CB->Clear();
    CopyOut(*CB, MissingAnnualOutputs({}));
    ShowStatus("READY");
}
void TForm1::Button50Click(rtl::TObject*) { DropShortLines({}, StatusOf(*this)); }

// --- soil-property variants and the crop-model soil files of selected cells ---
void TForm1::Button69Click(rtl::TObject*) { WriteSelectedSoilFiles({}, StatusOf(*this)); }
void TForm1::Button77Click(rtl::TObject*) { WriteSimilarSoilFiles({}, StatusOf(*this)); }
void TForm1::Button84Click(rtl::TObject*) { WriteEuPtfSoilFiles({}, StatusOf(*this)); }
void TForm1::Button72Click(rtl::TObject*) { MakeCropSoilFilesSelected100m({}, StatusOf(*this)); }

}  // namespace app
