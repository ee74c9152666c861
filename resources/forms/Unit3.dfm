object Form3: TForm3
  Left = 0
  Top = 0
  Caption = 'Form3'
  ClientHeight = 729
  ClientWidth = 1008
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -15
  Font.Name = 'Calibri'
  Font.Style = []
  Position = poScreenCenter
  OnActivate = FormActivate
  object map: TImage
    Left = 4
    Top = 78
    Width = 1000
    Height = 650
  end
  object Edit1: TEdit
    Left = 8
    Top = 28
    Width = 505
    Height = 31
    Text = 'e:\map\KEY_10kmID_OLD_NEW.csv'
  end
  object rb1: TRadioButton
    Left = 544
    Top = 8
    Width = 113
    Height = 17
    Caption = 'median'
    Checked = True
  end
  object rb2: TRadioButton
    Left = 544
    Top = 31
    Width = 161
    Height = 17
    Caption = '95 percentile'
  end
  object rb3: TRadioButton
    Left = 544
    Top = 54
    Width = 113
    Height = 17
    Caption = 'maximum'
  end
  object Edit2: TEdit
    Left = 721
    Top = 28
    Width = 65
    Height = 31
    Text = '8'
  end
  object Edit3: TEdit
    Left = 792
    Top = 28
    Width = 65
    Height = 31
    Text = '12'
  end
  object Button1: TButton
    Left = 863
    Top = 20
    Width = 137
    Height = 47
    Caption = 'DRAW'
    Font.Style = [fsBold]
    OnClick = Button1Click
  end
end
