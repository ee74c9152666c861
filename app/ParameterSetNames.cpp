// Reads the names of the hydraulic and chemical soil parameter sets from "SOImaker_data.csv".
#include "app/ParameterSetNames.h"

#include "platform/rtl/Paths.h"
#include "platform/rtl/TextFile.h"
#include "platform/rtl/Utf8.h"

namespace app {

const char* const SoiMakerDataFileName = "SOImaker_data.csv";

namespace {

constexpr long long NameStart = 6;       // character after the five-character prefix
constexpr long long NameMaxLength = 100;

std::string SetName(const std::string& line)
{
    return rtl::Utf8Copy(line, NameStart, NameMaxLength);
}

}  // namespace

bool ReadParameterSetNames(const std::string& fileName, TParameterSetNames& names)
{
    if (!rtl::FileExists(fileName)) return false;
    TParameterSetNames read;
    rtl::TTextFile file(fileName);
    file.Reset();
    std::string line;
    while (file.ReadLn(line)) {
        if (line.find("HYDR_") != std::string::npos) read.Hydraulic.push_back(SetName(line));
        if (line.find("CHEM_") != std::string::npos) read.Chemical.push_back(SetName(line));
    }
    file.Close();
    names = std::move(read);
    return true;
}

}  // namespace app
