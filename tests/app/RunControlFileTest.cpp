// Tests of the shared run-control line table: the switches the spin-up, selected-cell and 100 m writers use.
#include "app/RunControlFile.h"

#include "app/ModelFileLayout.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace app;

std::string Padded(const std::string& value, std::size_t width)
{
    return value + std::string(width - value.size(), ' ');
}

TEST(RunControlFile, SpinupVariantSwitchesChangeOnlyTheirLines)
{
    const std::vector<std::string> control(14, "1       (flag) x");
    const std::vector<std::string> annual = {Padded("2734", 10) + "annmax_lai",
                                             Padded("3022", 10) + "cum_npp"};
    TRunControlContent c;
    c.WeatherFile = "inputs/weather/7.wth";
    c.MeteorologicalYears = "68";
    c.SimulationYears = "68";
    c.FirstYear = "1951";
    c.SoilKeyword = "SOILPROP_FILE";
    c.SoilFile = "inputs/soil/10km7.soi";
    c.SoilComment = "(filename) SPROP filename";
    c.ManagementFile = "no management";
    c.ManagementComment = "(filename) MGM filename (or \"no management\")";
    c.SimulationControl = control;
    c.DailyOutputComment = "(flag)  writing daily output (0 = no; 1 = binary; 2 = ascii)";
    c.AnnualOutputFlag = "2";
    c.AnnualOutputs = annual;
    c.AnnualCountWidth = 10;

    TModelFileLayout L;
    LayOutRunControlFile(c, L);
    EXPECT_EQ(L.Line(14), Padded("68", 60) + "(int) number of meteorological data years");
    EXPECT_EQ(L.Line(15), Padded("68", 60) + "(int) number of simulation years");
    EXPECT_EQ(L.Line(16), Padded("1951", 60) + "(int) first simulation year");
    // Every line after the extra one moves down by one.
    EXPECT_EQ(L.Line(38), "SOILPROP_FILE");
    EXPECT_EQ(L.Line(39), Padded("inputs/soil/10km7.soi", 60) + "(filename) SPROP filename");
    EXPECT_EQ(L.Line(45), Padded("no management", 60) + "(filename) MGM filename (or \"no management\")");
    EXPECT_EQ(L.Line(48), "1       (flag) x");
    EXPECT_EQ(L.Line(107), Padded("0", 60) + "(flag)  writing daily output (0 = no; 1 = binary; 2 = ascii)");
    EXPECT_EQ(L.Line(110), Padded("2", 60) + "(flag)  writing annual output (0 = no; 1 = binary; 2 = ascii)");
    EXPECT_EQ(L.Line(114), Padded("0", 60) + "number of daily output variables");
    EXPECT_EQ(L.Line(115), "");
    EXPECT_EQ(L.Line(117), Padded("2", 10) + "number of annual output variables");
    EXPECT_EQ(L.Line(118), "2734      annmax_lai");
    EXPECT_EQ(L.Line(L.LineCount() - 1), "END_INIT");
    EXPECT_EQ(L.LineCount(), 122u);
}

TEST(RunControlFile, FewerThanFourteenControlLinesRaiseTheListError)
{
    const std::vector<std::string> control(13, "1");
    TRunControlContent c;
    c.SimulationControl = control;
    TModelFileLayout L;
    EXPECT_THROW(LayOutRunControlFile(c, L), rtl::EListError);
}

TEST(RunControlFile, CellRowsGiveTheirSiteColumnsAndCellNumbersAreFourDigits)
{
    std::size_t fields = 0;
    const TCellSite site =
        CellSiteFromRow("1104;10977225; 48.5;21.6;171;1;HU311;8.59;9.83 ;4;2;300", &fields);
    EXPECT_EQ(fields, 12u);
    EXPECT_EQ(site.Latitude, "48.5");         // leading blanks of a field are dropped
    EXPECT_EQ(site.Elevation, "171");
    EXPECT_EQ(site.MeanTemperature, "8.59");
    EXPECT_EQ(site.TemperatureRange, "9.83 ");  // trailing ones are kept

    CellSiteFromRow("1;2;3", &fields);
    EXPECT_EQ(fields, 3u);
    CellSiteFromRow("", &fields);
    EXPECT_EQ(fields, 1u);

    EXPECT_EQ(CellNumber4(7), "0007");
    EXPECT_EQ(CellNumber4(1104), "1104");
}

}  // namespace
