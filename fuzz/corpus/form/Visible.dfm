object Form3: TForm1
  Caption = 'Map'
  Visible = True
end
