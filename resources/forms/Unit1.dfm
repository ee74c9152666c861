object Form1: TForm1
  Left = 0
  Top = 0
  BorderStyle = bsSingle
  Caption = 'Tolvek Apps'
  ClientHeight = 739
  ClientWidth = 1016
  Color = clWhite
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -12
  Font.Name = 'Segoe UI'
  Font.Style = []
  Position = poScreenCenter
  OnActivate = FormActivate
  OnCreate = FormCreate
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 1016
    Height = 720
    ActivePage = TabSheet10
    Align = alClient
    TabOrder = 0
    object TabSheet6: TTabSheet
      Caption = 'INI file maker'
      TabVisible = True
      object Label10: TLabel
        Left = 12
        Top = 12
        Width = 63
        Height = 15
        Caption = 'Run mode:'
        Font.Style = [fsBold]
      end
      object RB1: TRadioButton
        Left = 20
        Top = 32
        Width = 90
        Height = 17
        Caption = 'SPINUP'
        OnClick = RB1Click
      end
      object RB2: TRadioButton
        Left = 116
        Top = 32
        Width = 90
        Height = 17
        Caption = 'NORMAL'
        Checked = True
        OnClick = RB2Click
      end
      object cbtrans: TCheckBox
        Left = 212
        Top = 32
        Width = 120
        Height = 17
        Caption = 'transient run'
        Enabled = False
        OnClick = cb5Click
      end
      object Label11: TLabel
        Left = 12
        Top = 62
        Width = 119
        Height = 15
        Caption = 'Simulation years:'
        Font.Style = [fsBold]
      end
      object Label12: TLabel
        Left = 20
        Top = 86
        Width = 42
        Height = 15
        Caption = 'first:'
      end
      object Edit28: TEdit
        Left = 68
        Top = 82
        Width = 60
        Height = 23
        Text = '1981'
        NumbersOnly = True
      end
      object Label13: TLabel
        Left = 148
        Top = 86
        Width = 35
        Height = 15
        Caption = 'last:'
      end
      object Edit29: TEdit
        Left = 188
        Top = 82
        Width = 60
        Height = 23
        Text = '2010'
        NumbersOnly = True
      end
      object Label14: TLabel
        Left = 12
        Top = 116
        Width = 126
        Height = 15
        Caption = 'Files and folders:'
        Font.Style = [fsBold]
      end
      object Label15: TLabel
        Left = 20
        Top = 142
        Width = 63
        Height = 15
        Caption = 'EPC file:'
      end
      object Edit32: TEdit
        Left = 130
        Top = 138
        Width = 210
        Height = 23
        Text = 'input/plant/maize.epc'
      end
      object Label16: TLabel
        Left = 20
        Top = 170
        Width = 84
        Height = 15
        Caption = 'soil folder:'
      end
      object Edit35: TEdit
        Left = 130
        Top = 166
        Width = 210
        Height = 23
        Text = ''
      end
      object Label17: TLabel
        Left = 20
        Top = 198
        Width = 112
        Height = 15
        Caption = 'management file:'
      end
      object Edit30: TEdit
        Left = 130
        Top = 194
        Width = 210
        Height = 23
        Text = 'input/management/maize_mono_intensive.mgm'
      end
      object Label18: TLabel
        Left = 20
        Top = 226
        Width = 84
        Height = 15
        Caption = 'output type:'
      end
      object Edit31: TEdit
        Left = 130
        Top = 222
        Width = 40
        Height = 23
        Text = '0'
      end
      object Label19: TLabel
        Left = 20
        Top = 254
        Width = 98
        Height = 15
        Caption = 'output folder:'
      end
      object Edit33: TEdit
        Left = 130
        Top = 250
        Width = 210
        Height = 23
        Text = 'grid/10km/'
      end
      object Label20: TLabel
        Left = 12
        Top = 284
        Width = 56
        Height = 15
        Caption = 'Weather:'
        Font.Style = [fsBold]
      end
      object cb4: TCheckBox
        Left = 20
        Top = 306
        Width = 130
        Height = 17
        Caption = 'use CARPATCLIM'
        OnClick = cb4Click
      end
      object cb5: TCheckBox
        Left = 162
        Top = 306
        Width = 100
        Height = 17
        Caption = 'use ERA5'
        OnClick = cb5Click
      end
      object cb6: TCheckBox
        Left = 20
        Top = 335
        Width = 17
        Height = 17
        Caption = ''
        OnClick = cb6Click
      end
      object projCB: TComboBox
        Left = 42
        Top = 332
        Width = 200
        Height = 23
        Text = 'select projection...'
        Items.Strings = (
          'RCP45_CNRM-CM5_RCA4'
          'RCP45_CNRM-CM5_RCA4_RAW'
          'RCP45_EC-EARTH_RACMO22E'
          'RCP45_IPSL-CM5A-MR_RCA4'
          'RCP85_CNRM-CM5_RCA4'
          'RCP85_CNRM-CM5_RCA4_RAW'
          'RCP85_EC-EARTH_RACMO22E'
          'RCP85_IPSL-CM5A-MR_RCA4'
          'SRESA1B_ARPEGE_ALADIN'
          'SRESA1B_ARPEGE_HIRHAM5'
          'SRESA1B_ECHAM5_HIRHAM5'
          'SRESA1B_ECHAM5_RACMO2'
          'SRESA1B_ECHAM5_RCA'
          'SRESA1B_ECHAM5_RegCM3'
          'SRESA1B_ECHAM5_REMO'
          'SRESA1B_HadCM3Q0_CLM'
          'SRESA1B_HadCM3Q0_HadRM3Q0'
          'SRESA1B_HadCM3Q0_RCA')
      end
      object DCB: TComboBox
        Left = 250
        Top = 332
        Width = 90
        Height = 23
        Text = 'none'
        Style = csDropDownList
        ItemIndex = 0
        Items.Strings = (
          'none'
          'D1'
          'D2'
          'D3'
          'D4'
          'D5')
      end
      object CB3: TCheckBox
        Left = 20
        Top = 362
        Width = 120
        Height = 17
        Caption = 'kiterjeszt'#233's'
        Visible = False
        OnClick = CB3Click
      end
      object Label21: TLabel
        Left = 12
        Top = 362
        Width = 56
        Height = 15
        Caption = 'Options:'
        Font.Style = [fsBold]
      end
      object CheckBox6: TCheckBox
        Left = 20
        Top = 384
        Width = 100
        Height = 17
        Caption = 'maize'
        OnClick = CheckBox6Click
      end
      object CheckBox7: TCheckBox
        Left = 20
        Top = 406
        Width = 100
        Height = 17
        Caption = 'grass'
        OnClick = CheckBox7Click
      end
      object CheckBox3: TCheckBox
        Left = 126
        Top = 384
        Width = 100
        Height = 17
        Caption = 'foresee'
        OnClick = CheckBox3Click
      end
      object CheckBox4: TCheckBox
        Left = 126
        Top = 406
        Width = 100
        Height = 17
        Caption = 'carpatclim'
        OnClick = CheckBox4Click
      end
      object CheckBox5: TCheckBox
        Left = 126
        Top = 428
        Width = 100
        Height = 17
        Caption = 'era5'
        OnClick = CheckBox5Click
      end
      object CheckBox8: TCheckBox
        Left = 232
        Top = 384
        Width = 100
        Height = 17
        Caption = 'EU-SHG'
        OnClick = CheckBox8Click
      end
      object CheckBox9: TCheckBox
        Left = 232
        Top = 406
        Width = 100
        Height = 17
        Caption = 'EU-PTF'
        OnClick = CheckBox9Click
      end
      object CheckBox10: TCheckBox
        Left = 232
        Top = 428
        Width = 100
        Height = 17
        Caption = 'HU-PTF'
        OnClick = CheckBox10Click
      end
      object CheckBox11: TCheckBox
        Left = 232
        Top = 450
        Width = 100
        Height = 17
        Caption = 'US-PTF'
        OnClick = CheckBox11Click
      end
      object Button41: TButton
        Left = 12
        Top = 486
        Width = 316
        Height = 44
        Caption = 'MAKE 10km GRID INIs'
        TabOrder = 0
        Font.Style = [fsBold]
        OnClick = Button41Click
      end
      object Label22: TLabel
        Left = 352
        Top = 12
        Width = 133
        Height = 15
        Caption = 'Simulation control:'
        Font.Style = [fsBold]
      end
      object SC: TMemo
        Left = 352
        Top = 32
        Width = 644
        Height = 236
        ScrollBars = ssHorizontal
        WordWrap = False
        WantReturns = False
        Font.Name = 'Courier New'
        Lines.Strings = (
          '1       (flag) phenology flag (1 = MODEL PHENOLOGY 0 = USER-SPECIFIED PHENOLOGY)'
          '1       (flag) use GSI index to calculate vegper if MODEL PHENOLOGY is used (0: original, 1: GSI)'
          '1       (flag) transferGDD flag (1= transfer calc. from GDD 0 = transfer calc. from EPC)'
          '1       (flag) q10 flag (1 = temperature dependent q10 value; 0= constans q10 value)'
          '1       (flag) acclimation flag of photosynthesis (1 = acclimation 0 = no acclimation)'
          '1       (flag) acclimation flag of respiration (1 = acclimation 0 = no acclimation)'
          '1       (flag) CO2 conductance reduction flag (0: no effect, 1: multiplier)'
          '0       (flag) soil temperature calculation method (0: Zheng, 1: DSSAT)'
          '1       (flag) soil hydrological calculation method (0: Richards, 1: tipping DSSAT)'
          '0       (int) discretization level of soil hydr.calc.[Richards-method] (0: low, 1: medium, 2: high)'
          '0       (flag) photosynthesis calculation method (0: Farquhar, 1: DSSAT)'
          '0       (flag) evapotranspiration calculation method (0: Penman-Montieth, 1: Priestly-Taylor)'
          '0       (flag) radiation calculation method (0: SWabs, 1: Rn)'
          '0       (flag) soilstress calculation method (0: based on VWC, 1: based on transp. demand)')
      end
      object Label23: TLabel
        Left = 352
        Top = 280
        Width = 161
        Height = 15
        Caption = 'Daily output variables:'
        Font.Style = [fsBold]
      end
      object Button89: TButton
        Left = 564
        Top = 276
        Width = 90
        Height = 24
        Caption = 'select all'
        TabOrder = 0
        OnClick = Button89Click
      end
      object Button90: TButton
        Left = 658
        Top = 276
        Width = 90
        Height = 24
        Caption = 'deselect all'
        TabOrder = 0
        OnClick = Button90Click
      end
      object dol: TCheckListBox
        Left = 352
        Top = 304
        Width = 396
        Height = 376
        ItemHeight = 17
        Items.Strings = (
          '2502      actual development phase'
          '310       fine root C (kgC/m2)'
          '316       soft stem C (kgC/m2)'
          '307       leaf C (kgC/m2)'
          '313       grain C (kgC/m2)'
          '3054      grain yield (kg/m2)'
          '2520      lai'
          '2636      rooting depth (m)'
          '2527      plant height (m)'
          '3048      cum evaporation (kgH2O/m2)'
          '3049      cum transpiration (kgH2O/m2)'
          '204       water leached from rootzone (kgH2O/m2)'
          '2603      swc1 (m3/m3)'
          '2604      swc2 (m3/m3)'
          '2605      swc3 (m3/m3)'
          '2606      swc4 (m3/m3)'
          '2607      swc5 (m3/m3)'
          '2608      swc6 (m3/m3)'
          '2609      swc7 (m3/m3)'
          '2610      swc8 (m3/m3)'
          '2611      swc9 (m3/m3)'
          '2612      swc10 (m3/m3)'
          '50        soiltemp1 ('#176'C)'
          '51        soiltemp2 ('#176'C)'
          '52        soiltemp3 ('#176'C)'
          '53        soiltemp4 ('#176'C)'
          '54        soiltemp5 ('#176'C)'
          '55        soiltemp6 ('#176'C)'
          '56        soiltemp7 ('#176'C)'
          '57        soiltemp8 ('#176'C)'
          '58        soiltemp9 ('#176'C)'
          '59        soiltemp10 ('#176'C)'
          '3006      daily npp (kgC/m2)'
          '3005      daily nep (kgC/m2)'
          '3007      daily nee (kgC/m2)'
          '3009      daily gpp (kgC/m2)'
          '3010      daily maintenance respiration (kgC/m2)'
          '3011      daily growth respiration (kgC/m2)'
          '3012      daily heterotrophic respiration (kgC/m2)'
          '3013      daily soil respiration (kgC/m2)'
          '3014      daily total respiration (kgC/m2)'
          '3022      cumulative NPP (kgC/m2)'
          '3023      cumulative NEP (kgC/m2)'
          '3024      cumulative NEE (kgC/m2)'
          '3025      cumulative GPP (kgC/m2)'
          '3026      cumulative maintenance respiration (kgC/m2)'
          '3027      cumulative growth respiration (kgC/m2)'
          '3028      cumulative heterotrophic respiration (kgC/m2)'
          '3029      cumulative total respiration (kgC/m2)'
          '3031      cumulative management related C loss (kgC/m2) '
          '3058      total vegetation C (kgC/m2)'#9
          '3059      total aboveground biomass C (kgC/m2)'#9
          '3060      total litter C (kgC/m2)'#9
          '3061      total soil C (kgC/m2)'
          '1531      total mineral NH4 in the soil (kgN/m2)'
          '1532      total mineral NO3 in the soil (kgN/m2)')
      end
      object Label24: TLabel
        Left = 760
        Top = 280
        Width = 168
        Height = 15
        Caption = 'Annual output variables:'
        Font.Style = [fsBold]
      end
      object Button91: TButton
        Left = 760
        Top = 304
        Width = 114
        Height = 24
        Caption = 'select all'
        TabOrder = 0
        OnClick = Button91Click
      end
      object Button92: TButton
        Left = 880
        Top = 304
        Width = 114
        Height = 24
        Caption = 'deselect all'
        TabOrder = 0
        OnClick = Button92Click
      end
      object aol: TCheckListBox
        Left = 760
        Top = 334
        Width = 236
        Height = 346
        ItemHeight = 17
        Items.Strings = (
          '3022      NPP (kgC/m2)'
          '3024      NEE (kgC/m2)'
          '3025      GPP (kgC/m2)'
          '3029      TER (kgC/m2)'
          '3031      cumulative management related C loss (kgC/m2)'
          '3061      TSOC (kgC/m2)')
      end
    end
    object TabSheet1: TTabSheet
      Caption = 'SOI file maker'
      TabVisible = True
      object Label30: TLabel
        Left = 16
        Top = 20
        Width = 154
        Height = 15
        Caption = 'Location of soi files:'
      end
      object Edit36: TEdit
        Left = 16
        Top = 40
        Width = 600
        Height = 23
        Text = '[base directory]\input\soil\grid\10km\'
      end
      object Label31: TLabel
        Left = 16
        Top = 80
        Width = 161
        Height = 15
        Caption = 'HYDRAULIC property set:'
      end
      object pCB: TComboBox
        Left = 16
        Top = 100
        Width = 400
        Height = 23
        Text = ''
      end
      object Label32: TLabel
        Left = 16
        Top = 140
        Width = 154
        Height = 15
        Caption = 'CHEMICAL property set:'
      end
      object cCB: TComboBox
        Left = 16
        Top = 160
        Width = 400
        Height = 23
        Text = ''
      end
      object cpscb: TCheckBox
        Left = 16
        Top = 200
        Width = 200
        Height = 17
        Caption = 'use chemical selector file'
        OnClick = cb4Click
      end
      object Button36: TButton
        Left = 16
        Top = 240
        Width = 316
        Height = 44
        Caption = 'MAKE 10km GRID SOIs'
        TabOrder = 0
        Font.Style = [fsBold]
        OnClick = Button36Click
      end
    end
    object TabSheet2: TTabSheet
      Caption = 'GRID OPERATIONS'
      TabVisible = False
      object Button11: TButton
        Left = 16
        Top = 16
        Width = 236
        Height = 30
        Caption = 'MAKE THE GRID'
        TabOrder = 0
        OnClick = Button11Click
      end
      object Button12: TButton
        Left = 16
        Top = 56
        Width = 236
        Height = 30
        Caption = '?MISSING'
        TabOrder = 0
        OnClick = Button12Click
      end
      object Button13: TButton
        Left = 16
        Top = 96
        Width = 236
        Height = 30
        Caption = 'FIX MISSING DATA'
        TabOrder = 0
        OnClick = Button13Click
      end
      object Button14: TButton
        Left = 16
        Top = 136
        Width = 236
        Height = 30
        Caption = 'FIX DATA'
        TabOrder = 0
        OnClick = Button14Click
      end
      object Button10: TButton
        Left = 16
        Top = 176
        Width = 236
        Height = 30
        Caption = 'FIND MIN GRID'
        TabOrder = 0
        OnClick = Button10Click
      end
      object Button15: TButton
        Left = 16
        Top = 216
        Width = 236
        Height = 30
        Caption = 'MERGE DATA'
        TabOrder = 0
        OnClick = Button15Click
      end
      object Button18: TButton
        Left = 16
        Top = 256
        Width = 236
        Height = 30
        Caption = 'CELLs by FILEs'
        TabOrder = 0
        OnClick = Button18Click
      end
      object Button9: TButton
        Left = 16
        Top = 296
        Width = 236
        Height = 30
        Caption = '100m SUBCELLs in 10km GRID'
        TabOrder = 0
        OnClick = Button9Click
      end
      object Button16: TButton
        Left = 16
        Top = 336
        Width = 236
        Height = 30
        Caption = 'FIND REPRESENTATIVE SUBCELL FOR 10km CELLS'
        TabOrder = 0
        OnClick = Button16Click
      end
      object Button21: TButton
        Left = 16
        Top = 376
        Width = 236
        Height = 30
        Caption = 'FIND REPRESENTATIVE SUBCELL FOR 1km CELLS'
        TabOrder = 0
        OnClick = Button21Click
      end
      object Button19: TButton
        Left = 16
        Top = 416
        Width = 236
        Height = 30
        Caption = 'CREATE 10km GRID'
        TabOrder = 0
        OnClick = Button19Click
      end
      object Button20: TButton
        Left = 16
        Top = 456
        Width = 236
        Height = 30
        Caption = 'CREATE 1km GRID'
        TabOrder = 0
        OnClick = Button20Click
      end
      object Button22: TButton
        Left = 16
        Top = 496
        Width = 236
        Height = 30
        Caption = 'GET ELEVATION'
        TabOrder = 0
        OnClick = Button22Click
      end
      object Button24: TButton
        Left = 16
        Top = 536
        Width = 236
        Height = 30
        Caption = 'GET LANDUSE'
        TabOrder = 0
        OnClick = Button24Click
      end
      object Button23: TButton
        Left = 266
        Top = 16
        Width = 236
        Height = 30
        Caption = 'FINALIZE 1km GRID'
        TabOrder = 0
        OnClick = Button23Click
      end
      object Button25: TButton
        Left = 266
        Top = 56
        Width = 236
        Height = 30
        Caption = 'CREATE KEYS'
        TabOrder = 0
        OnClick = Button25Click
      end
      object Button26: TButton
        Left = 266
        Top = 96
        Width = 236
        Height = 30
        Caption = 'FOR DB'
        TabOrder = 0
        OnClick = Button26Click
      end
      object Button7: TButton
        Left = 266
        Top = 136
        Width = 236
        Height = 30
        Caption = 'FIX CC IDs and MAKE SPATIAL DATA FILE'
        TabOrder = 0
        OnClick = Button7Click
      end
      object Button57: TButton
        Left = 266
        Top = 176
        Width = 236
        Height = 30
        Caption = 'CC cell neighbors'
        TabOrder = 0
        OnClick = Button57Click
      end
      object Button56: TButton
        Left = 266
        Top = 216
        Width = 236
        Height = 30
        Caption = 'Nfert grid'
        TabOrder = 0
        OnClick = Button56Click
      end
      object Button37: TButton
        Left = 266
        Top = 256
        Width = 236
        Height = 30
        Caption = 'Button37'
        TabOrder = 0
        OnClick = Button37Click
      end
      object Button28: TButton
        Left = 266
        Top = 296
        Width = 236
        Height = 30
        Caption = 'CC new IDs'
        TabOrder = 0
        OnClick = Button28Click
      end
      object Label70: TLabel
        Left = 780
        Top = 20
        Width = 77
        Height = 15
        Caption = 'data table:'
      end
      object Edit2: TEdit
        Left = 880
        Top = 16
        Width = 120
        Height = 23
        Text = 'ths_0_30cm.txt'
      end
      object Label71: TLabel
        Left = 780
        Top = 50
        Width = 98
        Height = 15
        Caption = 'border column:'
      end
      object Edit3: TEdit
        Left = 880
        Top = 46
        Width = 120
        Height = 23
        Text = '5'
      end
    end
    object TabSheet3: TTabSheet
      Caption = 'MAKE SOIL INPUT'
      TabVisible = False
      object Button27: TButton
        Left = 16
        Top = 16
        Width = 236
        Height = 30
        Caption = '4M'
        TabOrder = 0
        OnClick = Button27Click
      end
      object Button29: TButton
        Left = 16
        Top = 56
        Width = 236
        Height = 30
        Caption = '4M'
        TabOrder = 0
        OnClick = Button27Click
      end
      object Button53: TButton
        Left = 16
        Top = 96
        Width = 236
        Height = 30
        Caption = '4M100m'
        TabOrder = 0
        OnClick = Button53Click
      end
      object Button54: TButton
        Left = 16
        Top = 136
        Width = 236
        Height = 30
        Caption = '4M agr'
        TabOrder = 0
        OnClick = Button54Click
      end
      object Button78: TButton
        Left = 16
        Top = 176
        Width = 236
        Height = 30
        Caption = 'SOIL DB ERR CHECK'
        TabOrder = 0
        OnClick = Button78Click
      end
      object Button47: TButton
        Left = 16
        Top = 216
        Width = 236
        Height = 30
        Caption = 'adjust DWC'
        TabOrder = 0
        OnClick = Button47Click
      end
      object Button75: TButton
        Left = 16
        Top = 256
        Width = 236
        Height = 30
        Caption = 'soil table correct'
        TabOrder = 0
        OnClick = Button75Click
      end
      object Button76: TButton
        Left = 16
        Top = 296
        Width = 236
        Height = 30
        Caption = 'Button76'
        TabOrder = 0
        OnClick = Button76Click
      end
      object USDA: TButton
        Left = 16
        Top = 336
        Width = 236
        Height = 30
        Caption = 'USDA'
        TabOrder = 0
        OnClick = USDAClick
      end
      object Button66: TButton
        Left = 16
        Top = 376
        Width = 236
        Height = 30
        Caption = 'USDA coarse'
        TabOrder = 0
        OnClick = Button66Click
      end
      object Button67: TButton
        Left = 16
        Top = 416
        Width = 236
        Height = 30
        Caption = 'USDA groups'
        TabOrder = 0
        OnClick = Button67Click
      end
      object Button68: TButton
        Left = 16
        Top = 456
        Width = 236
        Height = 30
        Caption = 'USDA perc ID'
        TabOrder = 0
        OnClick = Button68Click
      end
      object Button65: TButton
        Left = 16
        Top = 496
        Width = 236
        Height = 30
        Caption = 'SOC'
        TabOrder = 0
        OnClick = Button65Click
      end
      object Button79: TButton
        Left = 16
        Top = 536
        Width = 236
        Height = 30
        Caption = 'incorporate new data'
        TabOrder = 0
        OnClick = Button79Click
      end
      object Button61: TButton
        Left = 266
        Top = 16
        Width = 236
        Height = 30
        Caption = 'merge'
        TabOrder = 0
        OnClick = Button61Click
      end
      object Button80: TButton
        Left = 266
        Top = 56
        Width = 236
        Height = 30
        Caption = 'query'
        TabOrder = 0
        OnClick = Button80Click
      end
      object Button88: TButton
        Left = 266
        Top = 96
        Width = 236
        Height = 30
        Caption = 'select from 1ha grid'
        TabOrder = 0
        OnClick = Button88Click
      end
      object Button38: TButton
        Left = 266
        Top = 136
        Width = 236
        Height = 30
        Caption = 'select'
        TabOrder = 0
        OnClick = Button38Click
      end
      object Button69: TButton
        Left = 266
        Top = 176
        Width = 236
        Height = 30
        Caption = 'Tolvek SOIL selected ID'
        TabOrder = 0
        OnClick = Button69Click
      end
      object Button84: TButton
        Left = 266
        Top = 216
        Width = 236
        Height = 30
        Caption = 'EU/HU-PTF soils'
        TabOrder = 0
        OnClick = Button84Click
      end
      object Button72: TButton
        Left = 266
        Top = 256
        Width = 236
        Height = 30
        Caption = '4M soil selected'
        TabOrder = 0
        OnClick = Button72Click
      end
      object Button77: TButton
        Left = 266
        Top = 296
        Width = 236
        Height = 30
        Caption = 'select similar 3'
        TabOrder = 0
        OnClick = Button77Click
      end
    end
    object TabSheet4: TTabSheet
      Caption = 'CLIMATE'
      TabVisible = False
      object Button83: TButton
        Left = 16
        Top = 16
        Width = 236
        Height = 30
        Caption = 'foresee > carpatclim'
        TabOrder = 0
        OnClick = Button83Click
      end
      object Button81: TButton
        Left = 16
        Top = 56
        Width = 236
        Height = 30
        Caption = 'extend foresee'
        TabOrder = 0
        OnClick = Button81Click
      end
      object Button64: TButton
        Left = 16
        Top = 96
        Width = 236
        Height = 30
        Caption = 'rename 000'
        TabOrder = 0
        OnClick = Button64Click
      end
      object Button87: TButton
        Left = 16
        Top = 136
        Width = 236
        Height = 30
        Caption = 'rename'
        TabOrder = 0
        OnClick = Button87Click
      end
      object Button34: TButton
        Left = 16
        Top = 176
        Width = 236
        Height = 30
        Caption = 'FORESEE > FORESEE'
        TabOrder = 0
        OnClick = Button34Click
      end
      object Button55: TButton
        Left = 16
        Top = 216
        Width = 236
        Height = 30
        Caption = 'MuSo > 4M (new grid > old grid)'
        TabOrder = 0
        OnClick = Button55Click
      end
      object Button32: TButton
        Left = 16
        Top = 256
        Width = 236
        Height = 30
        Caption = 'CSV > WTH'
        TabOrder = 0
        OnClick = Button32Click
      end
      object Button33: TButton
        Left = 16
        Top = 296
        Width = 236
        Height = 30
        Caption = 'CC > CC'
        TabOrder = 0
        OnClick = Button33Click
      end
      object Button60: TButton
        Left = 16
        Top = 336
        Width = 236
        Height = 30
        Caption = 'WTH: old grid > new grid'
        TabOrder = 0
        OnClick = Button60Click
      end
      object Button59: TButton
        Left = 16
        Top = 376
        Width = 236
        Height = 30
        Caption = 'Button59'
        TabOrder = 0
        OnClick = Button59Click
      end
      object Radiation: TButton
        Left = 16
        Top = 416
        Width = 236
        Height = 30
        Caption = 'RAD, GDD, OPTDAYS'
        TabOrder = 0
        OnClick = RadiationClick
      end
      object Button35: TButton
        Left = 16
        Top = 456
        Width = 236
        Height = 30
        Caption = 'FORESEE SRAD'
        TabOrder = 0
        OnClick = Button35Click
      end
      object Button40: TButton
        Left = 16
        Top = 496
        Width = 236
        Height = 30
        Caption = 'annual averages'
        TabOrder = 0
        OnClick = Button40Click
      end
      object Button86: TButton
        Left = 16
        Top = 536
        Width = 236
        Height = 30
        Caption = 'landuse'
        TabOrder = 0
        OnClick = Button86Click
      end
    end
    object TabSheet5: TTabSheet
      Caption = 'PTFs'
      TabVisible = False
      object Label80: TLabel
        Left = 16
        Top = 20
        Width = 14
        Height = 15
        Caption = 'TT'
      end
      object Edit8: TEdit
        Left = 76
        Top = 16
        Width = 80
        Height = 23
        Text = '1.4'
      end
      object Label81: TLabel
        Left = 16
        Top = 50
        Width = 14
        Height = 15
        Caption = 'OM'
      end
      object Edit9: TEdit
        Left = 76
        Top = 46
        Width = 80
        Height = 23
        Text = '2'
      end
      object Label82: TLabel
        Left = 16
        Top = 80
        Width = 28
        Height = 15
        Caption = 'SAND'
      end
      object Edit10: TEdit
        Left = 76
        Top = 76
        Width = 80
        Height = 23
        Text = '30'
      end
      object Label83: TLabel
        Left = 16
        Top = 110
        Width = 28
        Height = 15
        Caption = 'SILT'
      end
      object Edit11: TEdit
        Left = 76
        Top = 106
        Width = 80
        Height = 23
        Text = '40'
      end
      object Label84: TLabel
        Left = 16
        Top = 140
        Width = 28
        Height = 15
        Caption = 'CLAY'
      end
      object Edit12: TEdit
        Left = 76
        Top = 136
        Width = 80
        Height = 23
        Text = '30'
      end
      object Label85: TLabel
        Left = 200
        Top = 20
        Width = 21
        Height = 15
        Caption = 'SAT'
      end
      object Edit13: TEdit
        Left = 260
        Top = 16
        Width = 80
        Height = 23
        Text = ''
      end
      object Label86: TLabel
        Left = 200
        Top = 50
        Width = 21
        Height = 15
        Caption = 'DUL'
      end
      object Edit14: TEdit
        Left = 260
        Top = 46
        Width = 80
        Height = 23
        Text = ''
      end
      object Label87: TLabel
        Left = 200
        Top = 80
        Width = 14
        Height = 15
        Caption = 'LL'
      end
      object Edit15: TEdit
        Left = 260
        Top = 76
        Width = 80
        Height = 23
        Text = ''
      end
      object Label88: TLabel
        Left = 200
        Top = 110
        Width = 21
        Height = 15
        Caption = 'HVK'
      end
      object Edit16: TEdit
        Left = 260
        Top = 106
        Width = 80
        Height = 23
        Text = ''
      end
      object Button43: TButton
        Left = 16
        Top = 176
        Width = 264
        Height = 30
        Caption = 'Ritchie'
        TabOrder = 0
        OnClick = Button43Click
      end
    end
    object TabSheet7: TTabSheet
      Caption = 'Make INI'
      TabVisible = False
      object Button51: TButton
        Left = 16
        Top = 16
        Width = 236
        Height = 30
        Caption = 'MAKE INI'
        TabOrder = 0
        OnClick = Button51Click
      end
      object Button62: TButton
        Left = 16
        Top = 56
        Width = 236
        Height = 30
        Caption = 'Create PRO'
        TabOrder = 0
        OnClick = Button62Click
      end
      object Button63: TButton
        Left = 16
        Top = 96
        Width = 236
        Height = 30
        Caption = 'Create AGR'
        TabOrder = 0
        OnClick = Button63Click
      end
      object Button73: TButton
        Left = 16
        Top = 136
        Width = 236
        Height = 30
        Caption = 'yield'
        TabOrder = 0
        OnClick = Button73Click
      end
      object Button74: TButton
        Left = 16
        Top = 176
        Width = 236
        Height = 30
        Caption = 'Ydisaggregation'
        TabOrder = 0
        OnClick = Button74Click
      end
      object Button52: TButton
        Left = 280
        Top = 16
        Width = 160
        Height = 30
        Caption = 'GET from CC'
        TabOrder = 0
        OnClick = Button52Click
      end
      object Label40: TLabel
        Left = 280
        Top = 60
        Width = 42
        Height = 15
        Caption = 'CC id:'
      end
      object Edit27: TEdit
        Left = 360
        Top = 56
        Width = 80
        Height = 23
        Text = '415'
      end
      object Label41: TLabel
        Left = 280
        Top = 90
        Width = 70
        Height = 15
        Caption = 'elevation:'
      end
      object Edit24: TEdit
        Left = 360
        Top = 86
        Width = 80
        Height = 23
        Text = '97'
      end
      object Label42: TLabel
        Left = 280
        Top = 120
        Width = 56
        Height = 15
        Caption = 'annTavg:'
      end
      object Edit25: TEdit
        Left = 360
        Top = 116
        Width = 80
        Height = 23
        Text = '11.05'
      end
      object Label43: TLabel
        Left = 280
        Top = 150
        Width = 42
        Height = 15
        Caption = 'annDT:'
      end
      object Edit26: TEdit
        Left = 360
        Top = 146
        Width = 80
        Height = 23
        Text = '9.97'
      end
    end
    object TabSheet8: TTabSheet
      Caption = 'Annout'
      TabVisible = False
      object Button70: TButton
        Left = 16
        Top = 16
        Width = 236
        Height = 30
        Caption = 'MAKE selected INI'
        TabOrder = 0
        OnClick = Button70Click
      end
      object Button58: TButton
        Left = 16
        Top = 56
        Width = 236
        Height = 30
        Caption = 'MAKE 100m GRID INI'
        TabOrder = 0
        OnClick = Button58Click
      end
      object Button82: TButton
        Left = 16
        Top = 96
        Width = 236
        Height = 30
        Caption = 'process'
        TabOrder = 0
        OnClick = Button82Click
      end
      object Button85: TButton
        Left = 16
        Top = 136
        Width = 236
        Height = 30
        Caption = 'Button85'
        TabOrder = 0
        OnClick = Button85Click
      end
      object Button48: TButton
        Left = 16
        Top = 176
        Width = 236
        Height = 30
        Caption = 'Button48'
        TabOrder = 0
        Visible = False
        OnClick = Button48Click
      end
      object Button39: TButton
        Left = 16
        Top = 216
        Width = 236
        Height = 30
        Caption = 'Button39'
        TabOrder = 0
        Visible = False
        OnClick = Button39Click
      end
      object Button44: TButton
        Left = 16
        Top = 256
        Width = 236
        Height = 30
        Caption = 'Button44'
        TabOrder = 0
        Visible = False
        OnClick = Button44Click
      end
      object Button42: TButton
        Left = 16
        Top = 296
        Width = 236
        Height = 30
        Caption = 'PROCESS ANNOUT FILES'
        TabOrder = 0
        Visible = False
        OnClick = Button42Click
      end
      object Button45: TButton
        Left = 16
        Top = 336
        Width = 236
        Height = 30
        Caption = 'Button45'
        TabOrder = 0
        Visible = False
        OnClick = Button45Click
      end
      object Button46: TButton
        Left = 16
        Top = 376
        Width = 236
        Height = 30
        Caption = 'Button46'
        TabOrder = 0
        Visible = False
        OnClick = Button46Click
      end
      object Button49: TButton
        Left = 16
        Top = 416
        Width = 236
        Height = 30
        Caption = 'datefix'
        TabOrder = 0
        Visible = False
        OnClick = Button49Click
      end
      object Button50: TButton
        Left = 16
        Top = 456
        Width = 236
        Height = 30
        Caption = 'delete empty lines'
        TabOrder = 0
        Visible = False
        OnClick = Button50Click
      end
      object Button71: TButton
        Left = 16
        Top = 496
        Width = 236
        Height = 30
        Caption = 'select 1ha cells'
        TabOrder = 0
        Visible = False
        OnClick = Button71Click
      end
      object Label90: TLabel
        Left = 280
        Top = 100
        Width = 63
        Height = 15
        Caption = 'run name:'
      end
      object Edit34: TEdit
        Left = 360
        Top = 96
        Width = 160
        Height = 23
        Text = 'foresee_huptf'
      end
      object RadioButton1: TRadioButton
        Left = 280
        Top = 150
        Width = 80
        Height = 17
        Caption = 'TSOC'
        Checked = True
      end
      object RadioButton2: TRadioButton
        Left = 370
        Top = 150
        Width = 80
        Height = 17
        Caption = 'NBP'
      end
    end
    object TabSheet9: TTabSheet
      Caption = 'GoogleSheet > JSON'
      TabVisible = False
      object CheckBox1: TCheckBox
        Left = 16
        Top = 16
        Width = 200
        Height = 17
        Caption = 'adjust chemical parameters'
        OnClick = CB3Click
      end
      object CheckBox2: TCheckBox
        Left = 16
        Top = 40
        Width = 200
        Height = 17
        Caption = 'adjust hydraulic parameters'
        OnClick = CB3Click
      end
      object rb111: TRadioButton
        Left = 16
        Top = 72
        Width = 100
        Height = 17
        Caption = 'maize'
        OnClick = RB1Click
      end
      object rb112: TRadioButton
        Left = 16
        Top = 96
        Width = 100
        Height = 17
        Caption = 'grass'
        OnClick = RB2Click
      end
      object Button94: TButton
        Left = 260
        Top = 16
        Width = 236
        Height = 30
        Caption = 'process annout'
        TabOrder = 0
        OnClick = Button94Click
      end
      object Button95: TButton
        Left = 260
        Top = 56
        Width = 236
        Height = 30
        Caption = 'CONVERT'
        TabOrder = 0
        OnClick = Button95Click
      end
      object Button96: TButton
        Left = 260
        Top = 96
        Width = 236
        Height = 30
        Caption = 'Button96'
        TabOrder = 0
        OnClick = Button96Click
      end
      object Button97: TButton
        Left = 260
        Top = 136
        Width = 236
        Height = 30
        Caption = 'Button97'
        TabOrder = 0
        OnClick = Button97Click
      end
      object Button93: TButton
        Left = 260
        Top = 176
        Width = 236
        Height = 30
        Caption = 'restore soil table'
        TabOrder = 0
        Visible = False
        OnClick = Button93Click
      end
      object Button6: TButton
        Left = 260
        Top = 216
        Width = 236
        Height = 30
        Caption = 'make 10km base dataset'
        TabOrder = 0
        Visible = False
        OnClick = Button6Click
      end
      object Button8: TButton
        Left = 260
        Top = 256
        Width = 236
        Height = 30
        Caption = 'make WTH_DB'
        TabOrder = 0
        Visible = False
        OnClick = Button8Click
      end
      object Label91: TLabel
        Left = 520
        Top = 20
        Width = 42
        Height = 15
        Caption = 'mappa:'
      end
      object Edit1: TEdit
        Left = 670
        Top = 16
        Width = 200
        Height = 23
        Text = 'e:\DBsensitivity\'
      end
      object Label92: TLabel
        Left = 520
        Top = 50
        Width = 105
        Height = 15
        Caption = 'f'#225'jln'#233'v el'#337'tag:'
      end
      object Edit37: TEdit
        Left = 670
        Top = 46
        Width = 200
        Height = 23
        Text = ''
      end
      object Label93: TLabel
        Left = 520
        Top = 80
        Width = 140
        Height = 15
        Caption = 'v'#225'ltoz'#243' oszlopsz'#225'ma:'
      end
      object Edit38: TEdit
        Left = 670
        Top = 76
        Width = 200
        Height = 23
        Text = '3'
      end
      object Label94: TLabel
        Left = 520
        Top = 110
        Width = 91
        Height = 15
        Caption = 'columns kept:'
      end
      object Edit39: TEdit
        Left = 670
        Top = 106
        Width = 200
        Height = 23
        Text = '3'
      end
    end
    object TabSheet10: TTabSheet
      Caption = 'StoryLine Creator'
      TabVisible = True
      object NewSLBut: TButton
        Left = 8
        Top = 8
        Width = 116
        Height = 30
        Caption = 'New Storyline'
        TabOrder = 0
        OnClick = NewSLButClick
      end
      object OpenSLBut: TButton
        Left = 128
        Top = 8
        Width = 116
        Height = 30
        Caption = 'Open Storyline'
        TabOrder = 0
        OnClick = OpenSLButClick
      end
      object SaveSLBut: TButton
        Left = 8
        Top = 42
        Width = 116
        Height = 30
        Caption = 'Save Storyline'
        TabOrder = 0
        OnClick = SaveSLButClick
      end
      object ExportSLBut: TButton
        Left = 8
        Top = 76
        Width = 236
        Height = 30
        Caption = 'Export Storyline to CSV'
        TabOrder = 0
        OnClick = ExportSLButClick
      end
      object Label50: TLabel
        Left = 8
        Top = 122
        Width = 35
        Height = 15
        Caption = 'Name:'
      end
      object slnEdit: TEdit
        Left = 108
        Top = 118
        Width = 136
        Height = 23
        Text = ''
        OnChange = slnEditChange
      end
      object Label51: TLabel
        Left = 8
        Top = 152
        Width = 112
        Height = 15
        Caption = 'Total time span:'
      end
      object ttsbEdit: TEdit
        Left = 108
        Top = 148
        Width = 60
        Height = 23
        Text = ''
        NumbersOnly = True
        ReadOnly = True
      end
      object Label52: TLabel
        Left = 174
        Top = 152
        Width = 8
        Height = 15
        Caption = '-'
      end
      object ttseEdit: TEdit
        Left = 184
        Top = 148
        Width = 60
        Height = 23
        Text = ''
        NumbersOnly = True
        ReadOnly = True
      end
      object Label53: TLabel
        Left = 8
        Top = 190
        Width = 77
        Height = 15
        Caption = 'Domain nr.:'
      end
      object dnrCB: TComboBox
        Left = 108
        Top = 186
        Width = 60
        Height = 23
        Text = ''
        Items.Strings = (
          '1'
          '2'
          '3'
          '4'
          '5'
          '6'
          '7'
          '8'
          '9'
          '10')
        OnChange = dnrCBChange
      end
      object AddDomBut: TButton
        Left = 8
        Top = 216
        Width = 116
        Height = 26
        Caption = 'Add Domain'
        TabOrder = 0
      end
      object DelDomBut: TButton
        Left = 128
        Top = 216
        Width = 116
        Height = 26
        Caption = 'Delete Domain'
        TabOrder = 0
      end
      object Label54: TLabel
        Left = 8
        Top = 252
        Width = 119
        Height = 15
        Caption = 'Cell ID selector:'
      end
      object cIDsCB: TComboBox
        Left = 8
        Top = 270
        Width = 236
        Height = 23
        Text = ''
        Items.Strings = (
          'ALL'
          'Plain region (alt<200m)'
          'Hill region (200m < alt < 500m)'
          'Mountain region (alt > 500m)'
          'HU11 - Budapest'
          'HU12 - Pest'
          'HU21 - Central Transdanubia'
          'HU22 - Western Transdanubia'
          'HU23 - Southern Transdanubia'
          'HU31 - Northern Hungary'
          'HU32 - Northern Great Plain'
          'HU33 - Southern Great Plain')
        OnChange = cIDsCBChange
      end
      object Label55: TLabel
        Left = 8
        Top = 300
        Width = 63
        Height = 15
        Caption = 'Cell IDs:'
      end
      object cIDmemo: TMemo
        Left = 8
        Top = 318
        Width = 236
        Height = 100
        ScrollBars = ssVertical
        OnChange = cIDmemoChange
      end
      object Label56: TLabel
        Left = 8
        Top = 432
        Width = 77
        Height = 15
        Caption = 'Period nr.:'
      end
      object pnrCB: TComboBox
        Left = 108
        Top = 428
        Width = 60
        Height = 23
        Text = ''
        OnChange = pnrCBChange
      end
      object AddPerBut: TButton
        Left = 8
        Top = 458
        Width = 116
        Height = 26
        Caption = 'Add Period'
        TabOrder = 0
        OnClick = AddPerButClick
      end
      object DelPerBut: TButton
        Left = 128
        Top = 458
        Width = 116
        Height = 26
        Caption = 'Delete Period'
        TabOrder = 0
      end
      object Label57: TLabel
        Left = 8
        Top = 498
        Width = 70
        Height = 15
        Caption = 'Time span:'
      end
      object tsbEdit: TEdit
        Left = 108
        Top = 494
        Width = 60
        Height = 23
        Text = ''
        NumbersOnly = True
        OnChange = tsbEditChange
      end
      object Label58: TLabel
        Left = 174
        Top = 498
        Width = 8
        Height = 15
        Caption = '-'
      end
      object tseEdit: TEdit
        Left = 184
        Top = 494
        Width = 60
        Height = 23
        Text = ''
        NumbersOnly = True
        OnChange = tseEditChange
      end
      object Label59: TLabel
        Left = 8
        Top = 528
        Width = 91
        Height = 15
        Caption = 'Landuse type:'
      end
      object luCB: TComboBox
        Left = 108
        Top = 524
        Width = 136
        Height = 23
        Text = ''
        Items.Strings = (
          'cropland'
          'grassland'
          'forest')
        OnChange = luCBChange
      end
      object Label60: TLabel
        Left = 8
        Top = 562
        Width = 133
        Height = 15
        Caption = 'Climate projection:'
      end
      object cpCB: TComboBox
        Left = 8
        Top = 580
        Width = 236
        Height = 23
        Text = 'SRESA1B_HadCM3Q0_HadRM3Q0'
        Items.Strings = (
          'ALL'
          'Plain region (alt<200m)'
          'Hill region (200m < alt < 500m)'
          'Mountain region (alt > 500m)'
          'HU11 - Budapest'
          'HU12 - Pest'
          'HU21 - Central Transdanubia'
          'HU22 - Western Transdanubia'
          'HU23 - Southern Transdanubia'
          'HU31 - Northern Hungary'
          'HU32 - Northern Great Plain'
          'HU33 - Southern Great Plain')
      end
      object Label61: TLabel
        Left = 8
        Top = 610
        Width = 119
        Height = 15
        Caption = 'Output variables:'
      end
      object ovEdit: TEdit
        Left = 8
        Top = 628
        Width = 236
        Height = 23
        Text = ''
      end
      object forest_panel: TPanel
        Left = 254
        Top = 8
        Width = 748
        Height = 172
        BevelOuter = bvNone
        Caption = ''
        ShowCaption = False
        Color = clWhite
        ParentBackground = False
        object thinningTitle: TPanel
          Left = 0
          Top = 0
          Width = 454
          Height = 22
          Alignment = taLeftJustify
          BevelOuter = bvNone
          Caption = ' Thinning'
          Color = clPurple
          ParentBackground = False
          Font.Color = clWhite
          Font.Style = [fsBold]
        end
        object thinningTB: TExtStringGrid
          Left = 0
          Top = 22
          Width = 454
          Height = 150
          Cursor = crHandPoint
          ColCount = 5
          RowCount = 21
          FixedCols = 0
          FixedRows = 1
          DefaultRowHeight = 24
          FixedColor = clPurple
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clWindowText
          Font.Height = -16
          Font.Name = 'Calibri'
          Font.Style = []
          Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
          ParentFont = False
          ScrollBars = ssVertical
          ShowHint = True
          GridLineColor = clMedGray
          GridFixedLineColor = clMedGray
          FixedFont.Charset = DEFAULT_CHARSET
          FixedFont.Color = clWhite
          FixedFont.Height = -16
          FixedFont.Name = 'Calibri'
          FixedFont.Style = [fsBold]
          Flat = True
          Look = glStandard
          HintShowLargeText = True
          HintShowLargeTextPos = hpCursor
          SelectionColor = clSkyBlue
          ShowFocusedSelectionColor = False
          OnSetEditText = thinningTBSetEditText
        end
      end
      object grass_panel: TPanel
        Left = 254
        Top = 8
        Width = 748
        Height = 172
        BevelOuter = bvNone
        Caption = ''
        ShowCaption = False
        Color = clWhite
        ParentBackground = False
        object grazingTitle: TPanel
          Left = 0
          Top = 0
          Width = 445
          Height = 22
          Alignment = taLeftJustify
          BevelOuter = bvNone
          Caption = ' Grazing'
          Color = clPurple
          ParentBackground = False
          Font.Color = clWhite
          Font.Style = [fsBold]
        end
        object grazingTB: TExtStringGrid
          Left = 0
          Top = 22
          Width = 445
          Height = 150
          Cursor = crHandPoint
          ColCount = 4
          RowCount = 21
          FixedCols = 0
          FixedRows = 1
          DefaultRowHeight = 24
          FixedColor = clPurple
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clWindowText
          Font.Height = -16
          Font.Name = 'Calibri'
          Font.Style = []
          Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
          ParentFont = False
          ScrollBars = ssVertical
          ShowHint = True
          GridLineColor = clMedGray
          GridFixedLineColor = clMedGray
          FixedFont.Charset = DEFAULT_CHARSET
          FixedFont.Color = clWhite
          FixedFont.Height = -16
          FixedFont.Name = 'Calibri'
          FixedFont.Style = [fsBold]
          Flat = True
          Look = glStandard
          HintShowLargeText = True
          HintShowLargeTextPos = hpCursor
          SelectionColor = clSkyBlue
          ShowFocusedSelectionColor = False
          OnSetEditText = grazingTBSetEditText
        end
        object mowingTitle: TPanel
          Left = 453
          Top = 0
          Width = 289
          Height = 22
          Alignment = taLeftJustify
          BevelOuter = bvNone
          Caption = ' Moving'
          Color = clPurple
          ParentBackground = False
          Font.Color = clWhite
          Font.Style = [fsBold]
          object mowcondCB: TCheckBox
            Left = 161
            Top = 3
            Width = 124
            Height = 17
            Caption = 'use conditions'
            Color = clPurple
            Font.Color = clWhite
            OnClick = mowcondCBClick
          end
        end
        object MowCond_Panel: TPanel
          Left = 453
          Top = 22
          Width = 289
          Height = 150
          BevelOuter = bvLowered
          Caption = ''
          ShowCaption = False
        end
        object mowingTB: TExtStringGrid
          Left = 453
          Top = 22
          Width = 289
          Height = 150
          Cursor = crHandPoint
          ColCount = 3
          RowCount = 21
          FixedCols = 0
          FixedRows = 1
          DefaultRowHeight = 24
          FixedColor = clPurple
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clWindowText
          Font.Height = -16
          Font.Name = 'Calibri'
          Font.Style = []
          Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
          ParentFont = False
          ScrollBars = ssVertical
          ShowHint = True
          GridLineColor = clMedGray
          GridFixedLineColor = clMedGray
          FixedFont.Charset = DEFAULT_CHARSET
          FixedFont.Color = clWhite
          FixedFont.Height = -16
          FixedFont.Name = 'Calibri'
          FixedFont.Style = [fsBold]
          Flat = True
          Look = glStandard
          HintShowLargeText = True
          HintShowLargeTextPos = hpCursor
          SelectionColor = clSkyBlue
          ShowFocusedSelectionColor = False
          OnSetEditText = mowingTBSetEditText
        end
      end
      object crop_panel: TPanel
        Left = 254
        Top = 8
        Width = 748
        Height = 172
        BevelOuter = bvNone
        Caption = ''
        ShowCaption = False
        Color = clWhite
        ParentBackground = False
        object plantingTitle: TPanel
          Left = 0
          Top = 0
          Width = 473
          Height = 22
          Alignment = taLeftJustify
          BevelOuter = bvNone
          Caption = ' Planting'
          Color = clPurple
          ParentBackground = False
          Font.Color = clWhite
          Font.Style = [fsBold]
        end
        object plantingTB: TExtStringGrid
          Left = 0
          Top = 22
          Width = 473
          Height = 150
          Cursor = crHandPoint
          ColCount = 4
          RowCount = 6
          FixedCols = 0
          FixedRows = 1
          DefaultRowHeight = 24
          FixedColor = clPurple
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clWindowText
          Font.Height = -16
          Font.Name = 'Calibri'
          Font.Style = []
          Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
          ParentFont = False
          ScrollBars = ssNone
          ShowHint = True
          GridLineColor = clMedGray
          GridFixedLineColor = clMedGray
          FixedFont.Charset = DEFAULT_CHARSET
          FixedFont.Color = clWhite
          FixedFont.Height = -16
          FixedFont.Name = 'Calibri'
          FixedFont.Style = [fsBold]
          Flat = True
          Look = glStandard
          HintShowLargeText = True
          HintShowLargeTextPos = hpCursor
          SelectionColor = clSkyBlue
          ShowFocusedSelectionColor = False
          OnSetEditText = plantingTBSetEditText
        end
        object harvestTitle: TPanel
          Left = 481
          Top = 0
          Width = 272
          Height = 22
          Alignment = taLeftJustify
          BevelOuter = bvNone
          Caption = ' Harvest'
          Color = clPurple
          ParentBackground = False
          Font.Color = clWhite
          Font.Style = [fsBold]
        end
        object harvestTB: TExtStringGrid
          Left = 481
          Top = 22
          Width = 272
          Height = 150
          Cursor = crHandPoint
          ColCount = 3
          RowCount = 6
          FixedCols = 0
          FixedRows = 1
          DefaultRowHeight = 24
          FixedColor = clPurple
          Font.Charset = DEFAULT_CHARSET
          Font.Color = clWindowText
          Font.Height = -16
          Font.Name = 'Calibri'
          Font.Style = []
          Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
          ParentFont = False
          ScrollBars = ssNone
          ShowHint = True
          GridLineColor = clMedGray
          GridFixedLineColor = clMedGray
          FixedFont.Charset = DEFAULT_CHARSET
          FixedFont.Color = clWhite
          FixedFont.Height = -16
          FixedFont.Name = 'Calibri'
          FixedFont.Style = [fsBold]
          Flat = True
          Look = glStandard
          HintShowLargeText = True
          HintShowLargeTextPos = hpCursor
          SelectionColor = clSkyBlue
          ShowFocusedSelectionColor = False
          OnSetEditText = harvestTBSetEditText
        end
      end
      object fertilizationTitle: TPanel
        Left = 254
        Top = 190
        Width = 420
        Height = 22
        Alignment = taLeftJustify
        BevelOuter = bvNone
        Caption = ' Fertilization'
        Color = clPurple
        ParentBackground = False
        Font.Color = clWhite
        Font.Style = [fsBold]
      end
      object fertilizationTB: TExtStringGrid
        Left = 254
        Top = 212
        Width = 420
        Height = 219
        Cursor = crHandPoint
        ColCount = 4
        RowCount = 21
        FixedCols = 0
        FixedRows = 1
        DefaultRowHeight = 24
        FixedColor = clPurple
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -16
        Font.Name = 'Calibri'
        Font.Style = []
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
        ParentFont = False
        ScrollBars = ssVertical
        ShowHint = True
        GridLineColor = clMedGray
        GridFixedLineColor = clMedGray
        FixedFont.Charset = DEFAULT_CHARSET
        FixedFont.Color = clWhite
        FixedFont.Height = -16
        FixedFont.Name = 'Calibri'
        FixedFont.Style = [fsBold]
        Flat = True
        Look = glStandard
        HintShowLargeText = True
        HintShowLargeTextPos = hpCursor
        SelectionColor = clSkyBlue
        ShowFocusedSelectionColor = False
        ScrollBarAlways = saVert
        OnSetEditText = fertilizationTBSetEditText
      end
      object cultivationTitle: TPanel
        Left = 254
        Top = 439
        Width = 289
        Height = 22
        Alignment = taLeftJustify
        BevelOuter = bvNone
        Caption = ' Cultivation'
        Color = clPurple
        ParentBackground = False
        Font.Color = clWhite
        Font.Style = [fsBold]
      end
      object cultivationTB: TExtStringGrid
        Left = 254
        Top = 461
        Width = 289
        Height = 219
        Cursor = crHandPoint
        ColCount = 3
        RowCount = 21
        FixedCols = 0
        FixedRows = 1
        DefaultRowHeight = 24
        FixedColor = clPurple
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -16
        Font.Name = 'Calibri'
        Font.Style = []
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
        ParentFont = False
        ScrollBars = ssVertical
        ShowHint = True
        GridLineColor = clMedGray
        GridFixedLineColor = clMedGray
        FixedFont.Charset = DEFAULT_CHARSET
        FixedFont.Color = clWhite
        FixedFont.Height = -16
        FixedFont.Name = 'Calibri'
        FixedFont.Style = [fsBold]
        Flat = True
        Look = glStandard
        HintShowLargeText = True
        HintShowLargeTextPos = hpCursor
        SelectionColor = clSkyBlue
        ShowFocusedSelectionColor = False
        ScrollBarAlways = saVert
        OnSetEditText = cultivationTBSetEditText
      end
      object irrigationTitle: TPanel
        Left = 682
        Top = 190
        Width = 230
        Height = 22
        Alignment = taLeftJustify
        BevelOuter = bvNone
        Caption = ' Irrigation'
        Color = clPurple
        ParentBackground = False
        Font.Color = clWhite
        Font.Style = [fsBold]
        object irrcondCB: TCheckBox
          Left = 102
          Top = 3
          Width = 124
          Height = 17
          Caption = 'use conditions'
          Color = clPurple
          Font.Color = clWhite
          OnClick = irrcondCBClick
        end
      end
      object irrcond_panel: TPanel
        Left = 682
        Top = 212
        Width = 230
        Height = 468
        BevelOuter = bvLowered
        Caption = ''
        ShowCaption = False
      end
      object irrigationTB: TExtStringGrid
        Left = 682
        Top = 212
        Width = 230
        Height = 468
        Cursor = crHandPoint
        ColCount = 2
        RowCount = 21
        FixedCols = 0
        FixedRows = 1
        DefaultRowHeight = 24
        FixedColor = clPurple
        Font.Charset = DEFAULT_CHARSET
        Font.Color = clWindowText
        Font.Height = -16
        Font.Name = 'Calibri'
        Font.Style = []
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
        ParentFont = False
        ScrollBars = ssVertical
        ShowHint = True
        GridLineColor = clMedGray
        GridFixedLineColor = clMedGray
        FixedFont.Charset = DEFAULT_CHARSET
        FixedFont.Color = clWhite
        FixedFont.Height = -16
        FixedFont.Name = 'Calibri'
        FixedFont.Style = [fsBold]
        Flat = True
        Look = glStandard
        HintShowLargeText = True
        HintShowLargeTextPos = hpCursor
        SelectionColor = clSkyBlue
        ShowFocusedSelectionColor = False
        ScrollBarAlways = saVert
        OnSetEditText = irrigationTBSetEditText
      end
    end
  end
  object Label2: TLabel
    Left = 900
    Top = 4
    Width = 100
    Height = 15
    Caption = 'Label2'
    Visible = False
  end
  object SB: TStatusBar
    Left = 0
    Top = 720
    Width = 1016
    Height = 19
    Panels = <
    item
      Width = 200
    end>
    SizeGrip = False
  end
  object Button30: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Caption = 'MAP'
    TabOrder = 0
    Visible = False
    OnClick = Button30Click
  end
  object Button31: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Caption = 'PROCESS'
    TabOrder = 0
    Visible = False
    OnClick = Button31Click
  end
  object Button5: TButton
    Left = 8
    Top = 8
    Width = 200
    Height = 25
    Caption = 'P R O C E S S   P E R I O D'
    TabOrder = 0
    Visible = False
  end
  object Button1: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Caption = 'Button1'
    TabOrder = 0
    Visible = False
    OnClick = Button1Click
  end
  object Button2: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Caption = 'Button2'
    TabOrder = 0
    Visible = False
    OnClick = Button2Click
  end
  object Button3: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Caption = 'Button3'
    TabOrder = 0
    Visible = False
    OnClick = Button3Click
  end
  object Button4: TButton
    Left = 8
    Top = 8
    Width = 75
    Height = 25
    Caption = 'Button4'
    TabOrder = 0
    Visible = False
    OnClick = Button4Click
  end
  object Edit4: TEdit
    Left = 8
    Top = 8
    Width = 60
    Height = 23
    Text = '30'
    Visible = False
  end
  object Edit5: TEdit
    Left = 8
    Top = 8
    Width = 60
    Height = 23
    Text = 'PROCESSED'
    Visible = False
  end
  object Edit6: TEdit
    Left = 8
    Top = 8
    Width = 60
    Height = 23
    Text = 'RAW.TXT'
    Visible = False
  end
  object Edit7: TEdit
    Left = 8
    Top = 8
    Width = 60
    Height = 23
    Text = '100'
    Visible = False
  end
  object CB: TMemo
    Left = 877
    Top = 8
    Width = 131
    Height = 57
    Visible = False
    Lines.Strings = (
      'CB')
  end
  object CB2: TMemo
    Left = 877
    Top = 8
    Width = 131
    Height = 57
    Visible = False
    Lines.Strings = (
      'CB')
  end
  object MSGpanel1: TPanel
    Left = 308
    Top = 270
    Width = 400
    Height = 150
    BevelInner = bvRaised
    BevelOuter = bvRaised
    Caption = ''
    ShowCaption = False
    Color = clBtnFace
    ParentBackground = False
    Visible = False
    object Image47: TImage
      Left = 20
      Top = 20
      Width = 32
      Height = 32
      Picture.Data = {
        0954506E67496D61676589504E470D0A1A0A0000000D49484452000000200000
        00200806000000737A7AF40000025A4944415478DA6360184A40C4A6C91F88FB
        81783F10FF47C3FBA172FED4B6941F88EB81F8BDA463FB7FA3B845FF9DF237FD
        0F6C3C848241622039901A905AA81E7E6AF8F8BDAC7BCF7F97E26DFF93A65E23
        0A83D482F4401DE24FAEE5F32580BEB1C9D9F03F76D255B23048AF042444E693
        6CB98C5BCF7FEFFA23FF23FAAE5084416680CC22DA112085D2AE3DFF03DACEFE
        0FE9BE8417776D7800C684D481CC029949D011A0F8127768FBEF5279E8BF7FC7
        45BCF8DECB6FFF6100C426A41E6426C86C9C69029ADADF1BA5AEFBEFD57A012F
        6E5E7DFF3F3A008911D207321B9A30F9B139A05ECAA5FBBF5BD37982B87EE53D
        0C0780C488D10BB20364173607BC3748DDF8DFB1FE1C51F8F6B3AF70CB416C62
        F581EC00D98511F762F66DFF6DAACF90842B96DC016352F581EC42490BA02254
        3168EE7F8B8AD374C120BB4076223B60BF6ACCAAFFC6A5A788C269D3AF63A401
        9018B1FA417681EC4476C07FF594EDFFF58A4E128541C52D3A008911AB1F6417
        C84E1407A8246DFBAF997F82281C3FF92A86034062C4EA07D985E100E5C46DFF
        35F24E108541E53C3A008911AB1F64D7A073C07EF98895747300C82EF444D82F
        ED37876E0E00D9859E0DFD45818503BD1C206A8FA55202158F0AD16B69EE0090
        1D184531AC321273EAA2B9034076E0AA8CC0D5313189915C074013DF7B9C8D55
        585A5049D945747C128B4166628D7B6C4D325030A9651DA69AE520B3A0414F7C
        BB10A4811A2101328324CB911D010A32520A286C710E0DF6F914754C403E2036
        8BC2B21AD4D7EF29EEAA2177CD40BE019562209F81CA73640C1203C9417D4C9D
        AED9A0E89CD21A00009BF108D2C337B51B0000000049454E44AE426082}
    end
    object MSGpLabel: TLabel
      Left = 68
      Top = 20
      Width = 312
      Height = 70
      AutoSize = False
      Caption = ''
      WordWrap = True
    end
    object Image31: TImage
      Left = 300
      Top = 102
      Width = 32
      Height = 32
      Cursor = crHandPoint
      Hint = 'Rendben'
      ShowHint = True
      Picture.Data = {
        0954506E67496D61676589504E470D0A1A0A0000000D49484452000000200000
        00200806000000737A7AF4000002AF4944415478DAD597CD4B1B4118C6FD0FF2
        1FF811F1EB123C4411D1A01751C104BF1014599148237EE059102F06F4A246EC
        A15054A4B6156DC54AA8C543849E7A51CFA685DEEA4516F4E4E9751F9995D99D
        99EC6E76053BF0C0B2F3CEFB7B66E69DFD2829F99F5A69B2346168CD50CE10D9
        94637D89A0A121438B86F4CAC94A8A2DC528FE364EDA9E6611EEA10F31886563
        4241CC58AF9DADA5DE77BD34F763CE95108B31CC48A258F87678324C5D1B5D34
        FD7DBA28612C7220976778CD6C0D0D7F1CA65436E54BC8815CAE4D20B07AA69A
        B4AF1A254F928108B990D3D104F62B9C0A53FF6E3F69C75AA0424EE456D604AB
        76BD6DB58D468E467CCB2C48FE1E72B3C20CC90C2C56CD54D1D09721DF3AFF7B
        4E66C335DF07065832037A6C3D467D077DBEB475B945F6866234FBC1004BD8FB
        F25439C5F7E3BE94F99521594321F27160596A018FD0C84284BA3F75172D9CFB
        FB877B017EF6E74C88050B4CDE402EBA1CA58E0F1D4569F468540ABFBAB992C6
        8305266F809A369AA87DB7DDA28993093AFD7DFA245CDBFBA19ECF3D94BFCD0B
        70DC439F6C0C58605A0C34641AA875A7D5227E56B81EFF362EC45CFCBB10E077
        0F7734783828C49A024B3010CD44A965A7E559D85359E2B1E3B1E7986C3EEB18
        2313588E062024530154159FFE992E085719C845D21121102095095983292738
        0496BD08D7EAE6EBA4C12A13F686ED700387C0B21FC344D99B32E50027132844
        B770082CE1A584C763FD4ABD6713D7B7D7D4B9D7E91A0E86F028365F46155315
        0507DB4DE07AE060C0D3ECC150BD8C9E5EC7B262B49BC07E434EC74D517CBAF2
        63D5AC85C6CD464F89DD0839A57B2FFB24C33235BF6F0E0C8E5C6CE9DD7F1762
        40102B811C9EE0BC092C99534D38ED395BF66D5F3F269841A1232A3B6A6CD6BA
        EF5F35FED70CB3C1530C33C3F39C17EEA18FCD38985FB357F173FAD2ED11EB16
        B0589ED0AEB80000000049454E44AE426082}
      OnClick = Image31Click
    end
    object Image30: TImage
      Left = 348
      Top = 102
      Width = 32
      Height = 32
      Cursor = crHandPoint
      Hint = 'M'#233'gsem'
      ShowHint = True
      Picture.Data = {
        0954506E67496D61676589504E470D0A1A0A0000000D49484452000000200000
        00200806000000737A7AF4000002974944415478DAD557CF6B134118ED7F90FF
        A04DD21F416D6B5329561A851E82104A17ECA18A39F4A0A007FF868287E6D06A
        6F82080DE2B5052929318636975205899ADA8A7A14D44B9305F5FEB92F4E6477
        F69B9DD964051D7824CC7CDF7B6FBE9D9DD9E9EBFB9FDADDFE7ECBC1BA839A03
        9250136356D4A23107CB0EECC260929E6466A83497A3FDFC350FD08731C42056
        E4C4A298B17D2F95A28A35479FEEDC36026291238C58DD8A170BC9246D5FCED2
        C75B37BB0272C101AED0E26B2323F46271813EDC58EA09E00097B189DFE2C3D4
        C85FA5F74BF948002E706A4DE0791512093A709EE1F1F5C548014E702BD78458
        EDF6D34B3374E494CD8D6F8F8BF4F3F8A8FD2B8F858905B7589831CEC0F2DAD0
        20BDBB32EFC1D78D47E46EADBD5D5F4C07187337E4CA31D0801667C02E652ED0
        E17CCE831F870D925B6BB7EA8B439FDC902BC741035ABE67BF128F532397F5E1
        CBC307C4B556B5F22706FFB9865C8E135A9EB5802DB4387A86DE666759342B65
        56A05979D6063F5656F2410B9A6E03B5ADF4597A339B51A259DE21D386D8202E
        6841D36D80AA53697A7D713A10273B25AD3862743CD082A6C7C0F3F438D5A7CF
        697152DA568B3B63261CD0F21B9818A3FAF9492DB4060C38A0D5958120F13026
        3803B5CDD1533D8B9B9A8096BC08D73752C3A1C5D11F34A6E28396FC1A5A2B03
        036CF0E7FBAB5A019509E4729CD0F21D4AED8368ECB42FF87BFD95D1EC3813C8
        95E3A0E1DB8A3B87D16A22AEAD40506965135C05A0A13A8CDAC731B7184184D9
        A84A6A1A2B169FADFC58EDAC85BDC971A3F7390CC0C93E7BEE930C657A393511
        9938B844E9CDBF0B91104525C0114ADC6D0225D36D50BA0D4794BDD8D3C50433
        E05E5115102B666DF77C55735FCD301BEC629819F67337D0873131E368AE66FF
        C4E5F46FB75F7BEC3CC0C6F05BEB0000000049454E44AE426082}
    end
  end
  object OD: TOpenDialog
    Filter = 'StoryLine files|*.stl'
    Title = 'Open StoryLine file'
    Left = 960
    Top = 40
  end
end
