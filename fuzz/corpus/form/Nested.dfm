object Form1: TForm1
  Left = 200
  Top = 120
  BorderStyle = bsSingle
  Caption = 'Tolvek Apps'
  ClientHeight = 180
  ClientWidth = 320
  Color = clWhite
  Font.Charset = EASTEUROPE_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = [fsBold]
  Position = poScreenCenter
  ActiveControl = Button1
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 200
    Height = 100
    Color = $00C0FFC0
    Hint = 'Rendben'#13#10'M'#233'gsem ' +
      'it''s fine'
    ShowHint = True
    TabOrder = 1
    object Button1: TButton
      Left = 10
      Top = 10
      Width = 80
      Height = 24
      Caption = 'GO'
      Color = clRed
      ParentFont = False
      TabOrder = 0
    end
  end
  object Button2: TButton
    Left = 220
    Top = 8
    Width = 75
    Height = 25
    Caption = 'MAP'
    Visible = False
    TabOrder = 0
  end
  object Timer1: TTimer
    Enabled = False
    Interval = 250
  end
end
