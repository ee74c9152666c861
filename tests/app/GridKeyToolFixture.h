// A temporary folder standing for the grid-key tools' folders, with the status texts they report.
#pragma once

#include <string>
#include <vector>

#include "app/GridKeyOptions.h"
#include "platform/rtl/Exceptions.h"
#include "tests/app/BatchToolFixtures.h"

namespace batchfixtures {

struct TGridKeyFolder {
    testsupport::TempDir Dir;
    app::TGridKeyOptions Options;
    std::vector<std::string> Status;
    app::TToolStatus Report = [this](const std::string& text) { Status.push_back(text); };

    TGridKeyFolder()
    {
        Options.Folder = FolderOption(Dir.Path() / "soil");
        Options.CarbonFolder = FolderOption(Dir.Path() / "carbon");
        Options.Provider = FolderOption(Dir.Path() / "provider");
        for (const char* folder : {"soil", "carbon", "provider"}) fs::create_directories(Dir.Path() / folder);
    }
    fs::path File(const std::string& name) const { return Dir.Path() / "soil" / name; }
    fs::path CarbonFile(const std::string& name) const { return Dir.Path() / "carbon" / name; }
    fs::path ProviderFile(const std::string& name) const { return Dir.Path() / "provider" / name; }
};


}  // namespace batchfixtures
