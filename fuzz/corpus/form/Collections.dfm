object Form1: TForm1
  object List1: TListBox
    Items.Strings = (
      'one'
      'two'#9'tab')
  end
  object Bar1: TStatusBar
    Panels = <
      item
        Width = 85
      end
      item
        Width = 150
      end>
  end
  object Image1: TImage
    Picture.Data = {
      0A544A504547496D616765
      89504E470D0A1A0A}
  end
  object Grid1: TExtStringGrid
    ColCount = 3
    RowCount = 4
    RowIndicator.Data = {
      0800000089504E470D0A1A0A}
  end
end
