// The main window TForm1: its pages and controls, built from resources/forms/Unit1.dfm, and its handlers.
#pragma once

#include <string>
#include <utility>

#include "platform/ui/Forms.h"

namespace rtl {
class TObject;
}
namespace ui {
class TButton;
class TCheckBox;
class TCheckListBox;
class TComboBox;
class TEdit;
class TImage;
class TLabel;
class TMemo;
class TOpenDialog;
class TPageControl;
class TPanel;
class TRadioButton;
class TStatusBar;
class TTabSheet;
}  // namespace ui
namespace grid {
class TExtStringGrid;
}

namespace app {

// The workbench's main window. The controls are created by the form description
// (owned by the form) and found by name right after it is read; every handler is a
// method of this class, bound to its control by name in the description.
//
// The handlers are defined by subsystem, each file registering its own: Unit1.cpp
// (creation, activation, message panel, map button), Unit1Ini.cpp, Unit1Soil.cpp,
// Unit1Storyline.cpp, … A handler file defines its Register…Handlers() declared below
// with one Bind() per handler, adds the call to RegisterHandlers() in Unit1.cpp and the
// event line ("OnClick = Button41Click") to the control in the form description.
class TForm1 : public ui::TForm {
public:
    explicit TForm1(rtl::TComponent* AOwner);
    ~TForm1() override;
    std::string ClassName() const override { return "TForm1"; }

    // Reads the built-in form description, finds the controls, then runs FormCreate.
    void AfterConstruction() override;

    // --- window-wide controls ---
    ui::TPageControl* PageControl1 = nullptr;
    ui::TTabSheet* TabSheet6 = nullptr;   // "INI file maker"
    ui::TTabSheet* TabSheet1 = nullptr;   // "SOI file maker"
    ui::TTabSheet* TabSheet2 = nullptr;   // "GRID OPERATIONS" (tab hidden)
    ui::TTabSheet* TabSheet3 = nullptr;   // "MAKE SOIL INPUT" (tab hidden)
    ui::TTabSheet* TabSheet4 = nullptr;   // "CLIMATE" (tab hidden)
    ui::TTabSheet* TabSheet5 = nullptr;   // "PTFs" (tab hidden)
    ui::TTabSheet* TabSheet7 = nullptr;   // "Make INI" (tab hidden)
    ui::TTabSheet* TabSheet8 = nullptr;   // "Annout" (tab hidden)
    ui::TTabSheet* TabSheet9 = nullptr;   // "GoogleSheet > JSON" (tab hidden)
    ui::TTabSheet* TabSheet10 = nullptr;  // "StoryLine Creator", shown at start
    ui::TLabel* Label2 = nullptr;         // status label, hidden
    ui::TStatusBar* SB = nullptr;         // one panel of 200 pixels
    ui::TPanel* MSGpanel1 = nullptr;      // message panel, hidden at start
    ui::TLabel* MSGpLabel = nullptr;
    ui::TImage* Image47 = nullptr;
    ui::TImage* Image31 = nullptr;        // confirm, hint "Rendben"
    ui::TImage* Image30 = nullptr;        // cancel, hint "Mégsem"
    ui::TOpenDialog* OD = nullptr;        // "Open StoryLine file"

    // --- hidden controls outside the pages ---
    ui::TButton* Button30 = nullptr;  // "MAP"
    ui::TButton* Button31 = nullptr;  // "PROCESS"
    ui::TButton* Button5 = nullptr;   // "P R O C E S S   P E R I O D"
    ui::TButton* Button1 = nullptr;
    ui::TButton* Button2 = nullptr;
    ui::TButton* Button3 = nullptr;
    ui::TButton* Button4 = nullptr;
    ui::TEdit* Edit4 = nullptr;  // "30"
    ui::TEdit* Edit5 = nullptr;  // "PROCESSED"
    ui::TEdit* Edit6 = nullptr;  // "RAW.TXT"
    ui::TEdit* Edit7 = nullptr;  // "100"
    ui::TMemo* CB = nullptr;
    ui::TMemo* CB2 = nullptr;

    // --- "INI file maker" ---
    ui::TRadioButton* RB1 = nullptr;  // "SPINUP"
    ui::TRadioButton* RB2 = nullptr;  // "NORMAL", checked
    ui::TCheckBox* cbtrans = nullptr; // "transient run", disabled
    ui::TEdit* Edit28 = nullptr;      // first year "1981"
    ui::TEdit* Edit29 = nullptr;      // last year "2010"
    ui::TEdit* Edit32 = nullptr;      // EPC file
    ui::TEdit* Edit35 = nullptr;      // soil folder
    ui::TEdit* Edit30 = nullptr;      // management file
    ui::TEdit* Edit31 = nullptr;      // output type "0"
    ui::TEdit* Edit33 = nullptr;      // output folder "grid/10km/"
    ui::TMemo* SC = nullptr;          // simulation control, 14 lines
    ui::TCheckListBox* dol = nullptr; // daily output variables
    ui::TCheckListBox* aol = nullptr; // annual output variables
    ui::TCheckBox* cb4 = nullptr;     // "use CARPATCLIM"
    ui::TCheckBox* cb5 = nullptr;     // "use ERA5"
    ui::TCheckBox* cb6 = nullptr;     // the projection box
    ui::TComboBox* projCB = nullptr;  // "select projection..."
    ui::TComboBox* DCB = nullptr;     // "none", "D1" … "D5"
    ui::TCheckBox* CB3 = nullptr;     // "kiterjesztés", hidden
    ui::TCheckBox* CheckBox6 = nullptr;   // "maize"
    ui::TCheckBox* CheckBox7 = nullptr;   // "grass"
    ui::TCheckBox* CheckBox3 = nullptr;   // "foresee"
    ui::TCheckBox* CheckBox4 = nullptr;   // "carpatclim"
    ui::TCheckBox* CheckBox5 = nullptr;   // "era5"
    ui::TCheckBox* CheckBox8 = nullptr;   // "EU-SHG"
    ui::TCheckBox* CheckBox9 = nullptr;   // "EU-PTF"
    ui::TCheckBox* CheckBox10 = nullptr;  // "HU-PTF"
    ui::TCheckBox* CheckBox11 = nullptr;  // "US-PTF"
    ui::TButton* Button41 = nullptr;  // "MAKE 10km GRID INIs"
    ui::TButton* Button89 = nullptr;  // "select all" (dol)
    ui::TButton* Button90 = nullptr;  // "deselect all" (dol)
    ui::TButton* Button91 = nullptr;  // "select all" (aol)
    ui::TButton* Button92 = nullptr;  // "deselect all" (aol)

    // --- "SOI file maker" ---
    ui::TEdit* Edit36 = nullptr;      // location of soi files
    ui::TComboBox* pCB = nullptr;     // hydraulic property set
    ui::TComboBox* cCB = nullptr;     // chemical property set
    ui::TCheckBox* cpscb = nullptr;   // "use chemical selector file"
    ui::TButton* Button36 = nullptr;  // "MAKE 10km GRID SOIs"

    // --- "MAKE SOIL INPUT" ---
    ui::TButton* Button27 = nullptr;  // "4M"
    ui::TButton* Button29 = nullptr;  // runs the same writer as Button27
    ui::TButton* Button53 = nullptr;  // "4M100m"
    ui::TButton* Button54 = nullptr;  // "4M agr"

    // --- "Make INI" ---
    ui::TButton* Button51 = nullptr;  // "MAKE INI"
    ui::TButton* Button52 = nullptr;  // "GET from CC"
    ui::TButton* Button62 = nullptr;  // "Create PRO"
    ui::TButton* Button63 = nullptr;  // "Create AGR"
    ui::TEdit* Edit27 = nullptr;      // "CC id:" "415"
    ui::TEdit* Edit24 = nullptr;      // "elevation:" "97"
    ui::TEdit* Edit25 = nullptr;      // "annTavg:" "11.05"
    ui::TEdit* Edit26 = nullptr;      // "annDT:" "9.97"

    // --- "Annout" ---
    ui::TButton* Button70 = nullptr;  // "MAKE selected INI"
    ui::TButton* Button58 = nullptr;  // "MAKE 100m GRID INI"

    // --- "GoogleSheet > JSON" ---
    ui::TCheckBox* CheckBox1 = nullptr;  // "adjust chemical parameters"
    ui::TCheckBox* CheckBox2 = nullptr;  // "adjust hydraulic parameters"
    ui::TRadioButton* rb111 = nullptr;   // "maize"
    ui::TRadioButton* rb112 = nullptr;   // "grass"

    // --- tools of "GRID OPERATIONS" (tab hidden) ---
    ui::TButton* Button11 = nullptr;        // "MAKE THE GRID"
    ui::TButton* Button12 = nullptr;        // "?MISSING"
    ui::TButton* Button13 = nullptr;        // "FIX MISSING DATA"
    ui::TButton* Button14 = nullptr;        // "FIX DATA"
    ui::TButton* Button10 = nullptr;        // "FIND MIN GRID"
    ui::TButton* Button15 = nullptr;        // "MERGE DATA"
    ui::TButton* Button18 = nullptr;        // "CELLs by FILEs"
    ui::TButton* Button9 = nullptr;         // "100m SUBCELLs in 10km GRID"
    ui::TButton* Button16 = nullptr;        // "FIND REPRESENTATIVE SUBCELL FOR 10km CELLS"
    ui::TButton* Button21 = nullptr;        // "FIND REPRESENTATIVE SUBCELL FOR 1km CELLS"
    ui::TButton* Button19 = nullptr;        // "CREATE 10km GRID"
    ui::TButton* Button20 = nullptr;        // "CREATE 1km GRID"
    ui::TButton* Button22 = nullptr;        // "GET ELEVATION"
    ui::TButton* Button24 = nullptr;        // "GET LANDUSE"
    ui::TButton* Button23 = nullptr;        // "FINALIZE 1km GRID"
    ui::TButton* Button25 = nullptr;        // "CREATE KEYS"
    ui::TButton* Button26 = nullptr;        // "FOR DB"
    ui::TButton* Button7 = nullptr;         // "FIX CC IDs and MAKE SPATIAL DATA FILE"
    ui::TButton* Button57 = nullptr;        // "CC cell neighbors"
    ui::TButton* Button56 = nullptr;        // "Nfert grid"
    ui::TButton* Button37 = nullptr;        // "Button37"
    ui::TButton* Button28 = nullptr;        // "CC new IDs"
    ui::TEdit* Edit2 = nullptr;             // "ths_0_30cm.txt"
    ui::TEdit* Edit3 = nullptr;             // "5"

    // --- tools of "MAKE SOIL INPUT" (tab hidden) ---
    ui::TButton* Button78 = nullptr;        // "SOIL DB ERR CHECK"
    ui::TButton* Button47 = nullptr;        // "adjust DWC"
    ui::TButton* Button75 = nullptr;        // "soil table correct"
    ui::TButton* Button76 = nullptr;        // "Button76"
    ui::TButton* USDA = nullptr;            // "USDA"
    ui::TButton* Button66 = nullptr;        // "USDA coarse"
    ui::TButton* Button67 = nullptr;        // "USDA groups"
    ui::TButton* Button68 = nullptr;        // "USDA perc ID"
    ui::TButton* Button65 = nullptr;        // "SOC"
    ui::TButton* Button79 = nullptr;        // "incorporate new data"
    ui::TButton* Button61 = nullptr;        // "merge"
    ui::TButton* Button80 = nullptr;        // "query"
    ui::TButton* Button88 = nullptr;        // "select from 1ha grid"
    ui::TButton* Button38 = nullptr;        // "select"
    ui::TButton* Button69 = nullptr;        // "Tolvek SOIL selected ID"
    ui::TButton* Button84 = nullptr;        // "EU/HU-PTF soils"
    ui::TButton* Button72 = nullptr;        // "4M soil selected"
    ui::TButton* Button77 = nullptr;        // "select similar 3"

    // --- tools of "CLIMATE" (tab hidden) ---
    ui::TButton* Button83 = nullptr;        // "foresee > carpatclim"
    ui::TButton* Button81 = nullptr;        // "extend foresee"
    ui::TButton* Button64 = nullptr;        // "rename 000"
    ui::TButton* Button87 = nullptr;        // "rename"
    ui::TButton* Button34 = nullptr;        // "FORESEE > FORESEE"
    ui::TButton* Button55 = nullptr;        // "MuSo > 4M (new grid > old grid)"
    ui::TButton* Button32 = nullptr;        // "CSV > WTH"
    ui::TButton* Button33 = nullptr;        // "CC > CC"
    ui::TButton* Button60 = nullptr;        // "WTH: old grid > new grid"
    ui::TButton* Button59 = nullptr;        // "Button59"
    ui::TButton* Radiation = nullptr;       // "RAD, GDD, OPTDAYS"
    ui::TButton* Button35 = nullptr;        // "FORESEE SRAD"
    ui::TButton* Button40 = nullptr;        // "annual averages"
    ui::TButton* Button86 = nullptr;        // "landuse"

    // --- tools of "PTFs" (tab hidden) ---
    ui::TEdit* Edit8 = nullptr;             // "1.4"
    ui::TEdit* Edit9 = nullptr;             // "2"
    ui::TEdit* Edit10 = nullptr;            // "30"
    ui::TEdit* Edit11 = nullptr;            // "40"
    ui::TEdit* Edit12 = nullptr;            // "30"
    ui::TEdit* Edit13 = nullptr;
    ui::TEdit* Edit14 = nullptr;
    ui::TEdit* Edit15 = nullptr;
    ui::TEdit* Edit16 = nullptr;
    ui::TButton* Button43 = nullptr;        // "Ritchie"

    // --- tools of "Make INI" (tab hidden) ---
    ui::TButton* Button73 = nullptr;        // "yield"
    ui::TButton* Button74 = nullptr;        // "Ydisaggregation"

    // --- tools of "Annout" (tab hidden) ---
    ui::TButton* Button82 = nullptr;        // "process"
    ui::TButton* Button85 = nullptr;        // "Button85"
    ui::TButton* Button48 = nullptr;        // "Button48"
    ui::TButton* Button39 = nullptr;        // "Button39"
    ui::TButton* Button44 = nullptr;        // "Button44"
    ui::TButton* Button42 = nullptr;        // "PROCESS ANNOUT FILES"
    ui::TButton* Button45 = nullptr;        // "Button45"
    ui::TButton* Button46 = nullptr;        // "Button46"
    ui::TButton* Button49 = nullptr;        // "datefix"
    ui::TButton* Button50 = nullptr;        // "delete empty lines"
    ui::TButton* Button71 = nullptr;        // "select 1ha cells"
    ui::TEdit* Edit34 = nullptr;            // "foresee_huptf"
    ui::TRadioButton* RadioButton1 = nullptr;// "TSOC"
    ui::TRadioButton* RadioButton2 = nullptr;// "NBP"

    // --- tools of "GoogleSheet > JSON" (tab hidden) ---
    ui::TButton* Button94 = nullptr;        // "process annout"
    ui::TButton* Button95 = nullptr;        // "CONVERT"
    ui::TButton* Button96 = nullptr;        // "Button96"
    ui::TButton* Button97 = nullptr;        // "Button97"
    ui::TButton* Button93 = nullptr;        // "restore soil table"
    ui::TButton* Button6 = nullptr;         // "make 10km base dataset"
    ui::TButton* Button8 = nullptr;         // "make WTH_DB"
    ui::TEdit* Edit1 = nullptr;             // "e:\DBsensitivity\"
    ui::TEdit* Edit37 = nullptr;
    ui::TEdit* Edit38 = nullptr;            // "3"
    ui::TEdit* Edit39 = nullptr;            // "3"

    // --- "StoryLine Creator" ---
    ui::TButton* NewSLBut = nullptr;
    ui::TButton* OpenSLBut = nullptr;
    ui::TButton* SaveSLBut = nullptr;
    ui::TButton* ExportSLBut = nullptr;
    ui::TEdit* slnEdit = nullptr;     // "Name:"
    ui::TEdit* ttsbEdit = nullptr;    // total time span, first year (read-only)
    ui::TEdit* ttseEdit = nullptr;    // total time span, last year (read-only)
    ui::TButton* AddDomBut = nullptr;
    ui::TButton* DelDomBut = nullptr;
    ui::TComboBox* dnrCB = nullptr;   // "Domain nr.:"
    ui::TComboBox* cIDsCB = nullptr;  // "Cell ID selector:"
    ui::TMemo* cIDmemo = nullptr;     // "Cell IDs:"
    ui::TButton* AddPerBut = nullptr;
    ui::TButton* DelPerBut = nullptr;
    ui::TComboBox* pnrCB = nullptr;   // "Period nr.:"
    ui::TEdit* tsbEdit = nullptr;     // period time span, first year
    ui::TEdit* tseEdit = nullptr;     // period time span, last year
    ui::TComboBox* luCB = nullptr;    // "Landuse type:"
    ui::TComboBox* cpCB = nullptr;    // "Climate projection:"
    ui::TEdit* ovEdit = nullptr;      // "Output variables:"
    ui::TPanel* crop_panel = nullptr;
    ui::TPanel* grass_panel = nullptr;
    ui::TPanel* forest_panel = nullptr;
    ui::TCheckBox* mowcondCB = nullptr;
    ui::TCheckBox* irrcondCB = nullptr;
    ui::TPanel* MowCond_Panel = nullptr;
    ui::TPanel* irrcond_panel = nullptr;
    grid::TExtStringGrid* plantingTB = nullptr;
    grid::TExtStringGrid* harvestTB = nullptr;
    grid::TExtStringGrid* fertilizationTB = nullptr;
    grid::TExtStringGrid* irrigationTB = nullptr;
    grid::TExtStringGrid* cultivationTB = nullptr;
    grid::TExtStringGrid* grazingTB = nullptr;
    grid::TExtStringGrid* mowingTB = nullptr;
    grid::TExtStringGrid* thinningTB = nullptr;

    // --- creation and activation (Unit1.cpp) ---
    void FormCreate(rtl::TObject* Sender);
    void FormActivate(rtl::TObject* Sender);
    // "MAP": shows the map window.
    void Button30Click(rtl::TObject* Sender);
    // The confirm picture hides the message panel.
    void Image31Click(rtl::TObject* Sender);

    // --- handlers of the other subsystems: each file that defines some of them defines
    //     its Register…Handlers() with one Bind() per handler, and RegisterHandlers()
    //     (Unit1.cpp) calls it; the description binds the event by the handler's name.

    // "INI file maker" (Unit1Ini.cpp): the 10 km writer and the page's option rules.
    void RegisterIniPageHandlers();
    void Button41Click(rtl::TObject* Sender); void Button89Click(rtl::TObject* Sender); void Button90Click(rtl::TObject* Sender);
    void Button91Click(rtl::TObject* Sender); void Button92Click(rtl::TObject* Sender);
    void RB1Click(rtl::TObject* Sender); void RB2Click(rtl::TObject* Sender); void cb4Click(rtl::TObject* Sender);
    void cb5Click(rtl::TObject* Sender); void cb6Click(rtl::TObject* Sender); void CB3Click(rtl::TObject* Sender);
    // The nine option boxes (CheckBox3 … CheckBox11).
    void CheckBox6Click(rtl::TObject* Sender); void CheckBox7Click(rtl::TObject* Sender); void CheckBox3Click(rtl::TObject* Sender);
    void CheckBox4Click(rtl::TObject* Sender); void CheckBox5Click(rtl::TObject* Sender); void CheckBox8Click(rtl::TObject* Sender);
    void CheckBox9Click(rtl::TObject* Sender); void CheckBox10Click(rtl::TObject* Sender); void CheckBox11Click(rtl::TObject* Sender);

    // "SOI file maker" (Unit1Soil.cpp).
    void RegisterSoilHandlers();
    void Button36Click(rtl::TObject* Sender);

    // Spin-up, selected-cell and 100 m run-control writers (Unit1IniVariants.cpp).
    void RegisterWriterVariantHandlers();
    void Button51Click(rtl::TObject* Sender); void Button52Click(rtl::TObject* Sender); void Button58Click(rtl::TObject* Sender);
    void Button70Click(rtl::TObject* Sender);

    // The crop model's project, agromanagement and soil files (Unit1CropModel.cpp).
    void RegisterCropModelHandlers();
    void Button62Click(rtl::TObject* Sender); void Button63Click(rtl::TObject* Sender); void Button54Click(rtl::TObject* Sender);
    void Button27Click(rtl::TObject* Sender); void Button53Click(rtl::TObject* Sender);

    // "StoryLine Creator" (Unit1Storyline.cpp).
    void RegisterStorylineHandlers();
    void NewSLButClick(rtl::TObject* Sender); void OpenSLButClick(rtl::TObject* Sender); void SaveSLButClick(rtl::TObject* Sender);
    void ExportSLButClick(rtl::TObject* Sender); void AddPerButClick(rtl::TObject* Sender); void mowcondCBClick(rtl::TObject* Sender);
    void irrcondCBClick(rtl::TObject* Sender);
    void dnrCBChange(rtl::TObject* Sender); void pnrCBChange(rtl::TObject* Sender); void tsbEditChange(rtl::TObject* Sender);
    void tseEditChange(rtl::TObject* Sender); void luCBChange(rtl::TObject* Sender); void cIDsCBChange(rtl::TObject* Sender);
    void cIDmemoChange(rtl::TObject* Sender); void slnEditChange(rtl::TObject* Sender);
    // The edit rule of the eight management tables (their OnSetEditText).
    void plantingTBSetEditText(rtl::TObject* Sender, int ACol, int ARow, const std::string& Value);
    void harvestTBSetEditText(rtl::TObject* Sender, int ACol, int ARow, const std::string& Value);
    void fertilizationTBSetEditText(rtl::TObject* Sender, int ACol, int ARow, const std::string& Value);
    void irrigationTBSetEditText(rtl::TObject* Sender, int ACol, int ARow, const std::string& Value);
    void cultivationTBSetEditText(rtl::TObject* Sender, int ACol, int ARow, const std::string& Value);
    void grazingTBSetEditText(rtl::TObject* Sender, int ACol, int ARow, const std::string& Value);
    void mowingTBSetEditText(rtl::TObject* Sender, int ACol, int ARow, const std::string& Value);
    void thinningTBSetEditText(rtl::TObject* Sender, int ACol, int ARow, const std::string& Value);

    // The soil tools of the hidden pages (Unit1SoilTools.cpp): the soil table check and
    // repairs, the Ritchie calculator and the 100 m soil grid.
    void RegisterSoilToolHandlers();
    // The grid-key tools (Unit1GridKeyTools.cpp): representative subcells, key and grid
    // tables, texture and carbon, neighbours and the extracts.
    void RegisterGridKeyToolHandlers();

    // The weather tools of the hidden pages (Unit1WeatherTools.cpp).
    void RegisterWeatherToolHandlers();

    // The annual output, sheet, statistics and soil-variant tools (Unit1AnnualTools.cpp).
    void RegisterAnnualToolHandlers();

    // The data tools of the hidden pages and the hidden buttons.
    void RegisterToolHandlers();
    void USDAClick(rtl::TObject* Sender); void Button1Click(rtl::TObject* Sender); void Button2Click(rtl::TObject* Sender);
    void Button3Click(rtl::TObject* Sender); void Button4Click(rtl::TObject* Sender); void Button6Click(rtl::TObject* Sender);
    void Button7Click(rtl::TObject* Sender); void Button8Click(rtl::TObject* Sender); void Button9Click(rtl::TObject* Sender);
    void Button10Click(rtl::TObject* Sender); void Button11Click(rtl::TObject* Sender); void Button12Click(rtl::TObject* Sender);
    void Button13Click(rtl::TObject* Sender); void Button14Click(rtl::TObject* Sender); void Button15Click(rtl::TObject* Sender);
    void Button16Click(rtl::TObject* Sender); void Button18Click(rtl::TObject* Sender); void Button19Click(rtl::TObject* Sender);
    void Button20Click(rtl::TObject* Sender); void Button21Click(rtl::TObject* Sender); void Button22Click(rtl::TObject* Sender);
    void Button23Click(rtl::TObject* Sender); void Button24Click(rtl::TObject* Sender); void Button25Click(rtl::TObject* Sender);
    void Button26Click(rtl::TObject* Sender); void Button28Click(rtl::TObject* Sender); void Button31Click(rtl::TObject* Sender);
    void Button32Click(rtl::TObject* Sender); void Button33Click(rtl::TObject* Sender); void Button34Click(rtl::TObject* Sender);
    void Button35Click(rtl::TObject* Sender); void Button37Click(rtl::TObject* Sender); void Button38Click(rtl::TObject* Sender);
    void Button39Click(rtl::TObject* Sender); void Button40Click(rtl::TObject* Sender); void Button42Click(rtl::TObject* Sender);
    void Button43Click(rtl::TObject* Sender); void Button44Click(rtl::TObject* Sender); void Button45Click(rtl::TObject* Sender);
    void Button46Click(rtl::TObject* Sender); void Button47Click(rtl::TObject* Sender); void Button48Click(rtl::TObject* Sender);
    void Button49Click(rtl::TObject* Sender); void Button50Click(rtl::TObject* Sender); void Button55Click(rtl::TObject* Sender);
    void Button56Click(rtl::TObject* Sender); void Button57Click(rtl::TObject* Sender); void Button59Click(rtl::TObject* Sender);
    void Button60Click(rtl::TObject* Sender); void Button61Click(rtl::TObject* Sender); void Button64Click(rtl::TObject* Sender);
    void Button65Click(rtl::TObject* Sender); void Button66Click(rtl::TObject* Sender); void Button67Click(rtl::TObject* Sender);
    void Button68Click(rtl::TObject* Sender); void Button69Click(rtl::TObject* Sender); void Button71Click(rtl::TObject* Sender);
    void Button72Click(rtl::TObject* Sender); void Button73Click(rtl::TObject* Sender); void Button74Click(rtl::TObject* Sender);
    void Button75Click(rtl::TObject* Sender); void Button76Click(rtl::TObject* Sender); void Button77Click(rtl::TObject* Sender);
    void Button78Click(rtl::TObject* Sender); void Button79Click(rtl::TObject* Sender); void Button80Click(rtl::TObject* Sender);
    void Button81Click(rtl::TObject* Sender); void Button82Click(rtl::TObject* Sender); void Button83Click(rtl::TObject* Sender);
    void Button84Click(rtl::TObject* Sender); void Button85Click(rtl::TObject* Sender); void Button86Click(rtl::TObject* Sender);
    void Button87Click(rtl::TObject* Sender); void Button88Click(rtl::TObject* Sender); void Button93Click(rtl::TObject* Sender);
    void Button94Click(rtl::TObject* Sender); void Button95Click(rtl::TObject* Sender); void Button96Click(rtl::TObject* Sender);
    void Button97Click(rtl::TObject* Sender); void RadiationClick(rtl::TObject* Sender);

    // Shows the message panel with the text and the confirm and cancel pictures as asked.
    void ShowMessagePanel(const std::string& text, bool showConfirm, bool showCancel);
    // Sets the hidden status label and repaints the whole window at once.
    void ShowStatus(const std::string& text);
    static constexpr std::int64_t StatusRepaintMs = 40;

protected:
    // Makes a handler method available to the form description under its name.
    void Bind(const std::string& name, void (TForm1::*method)(rtl::TObject*))
    {
        Methods().RegisterMethod(name, ui::TNotifyEvent([this, method](rtl::TObject* sender) { (this->*method)(sender); }));
    }
    // The same for an event with other arguments (a grid's OnSetEditText): Event is the
    // event's std::function type.
    template <typename Event, typename... Args>
    void BindEvent(const std::string& name, void (TForm1::*method)(rtl::TObject*, Args...))
    {
        Methods().RegisterMethod(name, Event([this, method](rtl::TObject* sender, Args... args) {
                                     (this->*method)(sender, std::forward<Args>(args)...);
                                 }));
    }

private:
    std::int64_t FStatusPaintedAt = -1;  // when ShowStatus last repainted the window
    void RegisterHandlers();
    void RegisterShellHandlers();
    void FindControls();
    // The eight storyline grids (Unit1Grids.cpp).
    void FindStorylineGrids();
    // Column widths and header comments of the storyline grids, set at each activation.
    void SetStorylineGridHeaders();
};

// The one main window of the running program (nullptr before it is created and after
// it is gone).
extern TForm1* Form1;

// Shows a text in the main window's message panel (the shared routine the storyline
// actions use); does nothing while there is no main window.
void ShowMessagePanel(const std::string& text, bool showConfirm, bool showCancel);

}  // namespace app
