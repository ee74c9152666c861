object Form1: TForm1
  Left = 0
  Top = 0
  BorderStyle = bsSingle
  Caption = 'Tolvek Apps'
  ClientHeight = 400
  ClientWidth = 600
  Color = clWhite
  Position = poScreenCenter
  object Label2: TLabel
    Left = 8
    Top = 8
    Width = 60
    Height = 13
    Caption = 'PROCESSING'
    Visible = False
  end
  object PageControl1: TPageControl
    Left = 0
    Top = 24
    Width = 600
    Height = 340
    ActivePage = TabSheet10
    TabOrder = 0
    object TabSheet6: TTabSheet
      Caption = 'INI file maker'
      object RB1: TRadioButton
        Left = 8
        Top = 8
        Width = 113
        Height = 17
        Caption = 'SPINUP'
        TabOrder = 0
      end
      object RB2: TRadioButton
        Left = 8
        Top = 28
        Width = 113
        Height = 17
        Caption = 'NORMAL'
        Checked = True
        TabOrder = 1
        TabStop = True
      end
      object cbtrans: TCheckBox
        Left = 8
        Top = 52
        Width = 97
        Height = 17
        Caption = 'transient run'
        Enabled = False
        TabOrder = 2
      end
      object Edit29: TEdit
        Left = 130
        Top = 8
        Width = 60
        Height = 21
        NumbersOnly = True
        MaxLength = 4
        TabOrder = 3
        Text = '2018'
      end
      object dol: TCheckListBox
        Left = 130
        Top = 40
        Width = 150
        Height = 100
        ItemHeight = 13
        Items.Strings = (
          'GPP'
          'NEE')
        TabOrder = 4
      end
      object projCB: TComboBox
        Left = 300
        Top = 8
        Width = 145
        Height = 21
        Style = csDropDownList
        ItemIndex = 1
        TabOrder = 5
        Text = 'RCP8.5'
        Items.Strings = (
          'RCP4.5'
          'RCP8.5')
      end
      object SC: TMemo
        Left = 300
        Top = 40
        Width = 185
        Height = 89
        Lines.Strings = (
          '1'
          '0')
        ScrollBars = ssVertical
        TabOrder = 6
        WordWrap = False
      end
    end
    object TabSheet2: TTabSheet
      Caption = 'GRID OPERATIONS'
      TabVisible = False
    end
    object TabSheet10: TTabSheet
      Caption = 'StoryLine Creator'
      object dnrCB: TComboBox
        Left = 8
        Top = 8
        Width = 60
        Height = 21
        TabOrder = 0
        Items.Strings = (
          '1'
          '2'
          '3')
      end
      object tsbEdit: TMaskEdit
        Left = 80
        Top = 8
        Width = 40
        Height = 21
        EditMask = '9999;1;_'
        MaxLength = 4
        TabOrder = 1
        Text = '2001'
      end
      object crop_panel: TPanel
        Left = 8
        Top = 40
        Width = 200
        Height = 100
        BevelOuter = bvLowered
        Caption = 'crop'
        TabOrder = 2
      end
    end
  end
  object MSGpanel1: TPanel
    Left = 200
    Top = 100
    Width = 200
    Height = 80
    BevelInner = bvRaised
    TabOrder = 1
    Visible = False
    object Image31: TImage
      Left = 8
      Top = 8
      Width = 32
      Height = 32
      Hint = 'Rendben'
      ParentShowHint = False
      ShowHint = True
      Stretch = True
      Picture.Data = {
        0954506E67496D61676589504E470D0A1A0A0000000D49484452000000020000
        00020802000000FDD49A730000001149444154789C63F8CFC000440C60F23F00
        1BF203FDF3E74BB10000000049454E44AE426082}
    end
  end
  object SB: TStatusBar
    Left = 0
    Top = 381
    Width = 600
    Height = 19
    Panels = <
      item
        Width = 200
      end>
  end
  object Button30: TButton
    Left = 500
    Top = 0
    Width = 75
    Height = 25
    Caption = 'MAP'
    TabOrder = 3
    Visible = False
  end
  object TrackBar1: TTrackBar
    Left = 300
    Top = 0
    Width = 150
    Height = 24
    Max = 20
    Position = 5
    TabOrder = 4
  end
  object DateTimePicker1: TDateTimePicker
    Left = 460
    Top = 370
    Width = 100
    Height = 21
    Date = 36951.000000000000000000
    Kind = dtkDate
    TabOrder = 5
  end
  object OD: TOpenDialog
    Filter = 'StoryLine files|*.stl'
    Title = 'Open StoryLine file'
    Left = 560
    Top = 8
  end
end
