object Form1: TForm1
  Caption = 'x'
  object Button1: TTestButton
    Left = 8
    Flavour = 3
  end
end
