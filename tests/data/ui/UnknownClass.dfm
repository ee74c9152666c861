object Form1: TForm1
  Caption = 'x'
  object Panel1: TTestPanel
    Left = 8
    object Gauge1: TNoSuchGauge
      Left = 1
    end
  end
end
