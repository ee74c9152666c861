object Form1: TForm1
  object List1: TTestList
    Items.Strings = (
      'one'
      'two'#9'tab')
    Columns = <
      item
        Title = 'Date'
        Width = 85
      end
      item
        Title = 'Crop'
        Width = 150
      end>
    Picture.Data = {
      89504E47
      0D0A}
  end
end
