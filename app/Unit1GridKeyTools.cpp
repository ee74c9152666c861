// Handlers of the grid-key tools on the hidden pages: representative subcells, key and grid tables, texture and carbon, neighbours, extracts.
#include "app/Extracts.h"
#include "app/GridKeyTables.h"
#include "app/Neighbours.h"
#include "app/RepresentativeSubcells.h"
#include "app/TextureCarbonTools.h"
#include "app/Unit1.h"

namespace app {

namespace {

// The hidden status label, shown and repainted at each text.
TToolStatus StatusLabelOf(TForm1& form)
{
    return [&form](const std::string& text) { form.ShowStatus(text); };
}

}  // namespace

void TForm1::RegisterGridKeyToolHandlers()
{
    Bind("Button16Click", &TForm1::Button16Click);
    Bind("Button21Click", &TForm1::Button21Click);
    Bind("Button19Click", &TForm1::Button19Click);
    Bind("Button20Click", &TForm1::Button20Click);
    Bind("Button22Click", &TForm1::Button22Click);
    Bind("Button24Click", &TForm1::Button24Click);
    Bind("Button23Click", &TForm1::Button23Click);
    Bind("Button25Click", &TForm1::Button25Click);
    Bind("Button26Click", &TForm1::Button26Click);
    Bind("Button7Click", &TForm1::Button7Click);
    Bind("USDAClick", &TForm1::USDAClick);
    Bind("Button66Click", &TForm1::Button66Click);
    Bind("Button67Click", &TForm1::Button67Click);
    Bind("Button68Click", &TForm1::Button68Click);
    Bind("Button65Click", &TForm1::Button65Click);
    Bind("Button6Click", &TForm1::Button6Click);
    Bind("Button57Click", &TForm1::Button57Click);
    Bind("Button56Click", &TForm1::Button56Click);
    Bind("Button79Click", &TForm1::Button79Click);
    Bind("Button61Click", &TForm1::Button61Click);
    Bind("Button86Click", &TForm1::Button86Click);
    Bind("Button80Click", &TForm1::Button80Click);
    Bind("Button88Click", &TForm1::Button88Click);
    Bind("Button38Click", &TForm1::Button38Click);
}

// --- "GRID OPERATIONS": representative subcells and the coarse grids ---
void TForm1::Button16Click(rtl::TObject*) { FindRepresentatives10km({}, StatusLabelOf(*this)); }
void TForm1::Button21Click(rtl::TObject*) { FindRepresentatives1km({}, StatusLabelOf(*this)); }
void TForm1::Button19Click(rtl::TObject*) { Create10kmGrid({}, StatusLabelOf(*this)); }
void TForm1::Button20Click(rtl::TObject*) { Create1kmGrid({}, StatusLabelOf(*this)); }
void TForm1::Button22Click(rtl::TObject*) { GetElevation({}, StatusLabelOf(*this)); }
void TForm1::Button24Click(rtl::TObject*) { GetLandUse({}, StatusLabelOf(*this)); }
void TForm1::Button23Click(rtl::TObject*) { Finalize1kmGrid({}, StatusLabelOf(*this)); }

// --- "GRID OPERATIONS": key and grid tables ---
void TForm1::Button25Click(rtl::TObject*) { CreateCellKeys({}, StatusLabelOf(*this)); }
void TForm1::Button26Click(rtl::TObject*) { WriteGridTable3({}, StatusLabelOf(*this)); }
void TForm1::Button7Click(rtl::TObject*) { MakeSpatialDataFile({}, StatusLabelOf(*this)); }

// --- "MAKE SOIL INPUT" and "GoogleSheet > JSON": texture classes and carbon groups ---
void TForm1::USDAClick(rtl::TObject*) { ClassifyRepresentatives({}, false, StatusLabelOf(*this)); }
void TForm1::Button66Click(rtl::TObject*) { ClassifyRepresentatives({}, true, StatusLabelOf(*this)); }
void TForm1::Button67Click(rtl::TObject*) { GroupCarbonByTexture({}, StatusLabelOf(*this)); }
void TForm1::Button68Click(rtl::TObject*) { FindCarbonPercentileIds({}, StatusLabelOf(*this)); }
void TForm1::Button65Click(rtl::TObject*) { JoinCarbonUncertainty({}, StatusLabelOf(*this)); }
void TForm1::Button6Click(rtl::TObject*) { Make10kmBaseDataset({}, StatusLabelOf(*this)); }

// --- "GRID OPERATIONS": neighbours and the fertiliser grid ---
void TForm1::Button57Click(rtl::TObject*) { WriteNeighbourTable({}, StatusLabelOf(*this)); }
void TForm1::Button56Click(rtl::TObject*) { WriteFertiliserGrid({}, StatusLabelOf(*this)); }

// --- extracts through the grid tables ---
void TForm1::Button79Click(rtl::TObject*) { IncorporateNewData({}, StatusLabelOf(*this)); }
void TForm1::Button61Click(rtl::TObject*) { ListCroplandIds({}, StatusLabelOf(*this)); }
void TForm1::Button86Click(rtl::TObject*) { CountLandUse({}, StatusLabelOf(*this)); }
void TForm1::Button80Click(rtl::TObject*) { QueryRepresentativeCarbon({}, StatusLabelOf(*this)); }
void TForm1::Button88Click(rtl::TObject*) { SelectFrom1haGrid({}, StatusLabelOf(*this)); }
void TForm1::Button38Click(rtl::TObject*) { SelectTopsoilDepths({}, StatusLabelOf(*this)); }

}  // namespace app
