// A tool run in a temporary folder: the tools' fixed "x:\..." places below it and the status texts they report.
#pragma once

#include <string>
#include <vector>

#include "app/WeatherConverters.h"
#include "tests/app/BatchToolFixtures.h"

namespace batchfixtures {

struct TFixedPlacesRun {
    testsupport::TempDir Dir;
    app::TWeatherToolOptions Places;
    std::vector<std::string> Status;
    app::TToolStatus Report = [this](const std::string& text) { Status.push_back(text); };

    TFixedPlacesRun() { Places.Root = Dir.Path().string() + "/"; }
    // The folder drive `letter` maps to.
    fs::path Drive(char letter) const { return Dir.Path() / "drives" / std::string(1, letter); }
};

}  // namespace batchfixtures
