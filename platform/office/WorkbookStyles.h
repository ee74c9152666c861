// The styles part of a workbook: the number formats of its cells when read, and the date styles of a written sheet.
#pragma once

#include <string>
#include <vector>

namespace office {

// Cell styles (the "s" index of a cell) and the number formats they show.
class TCellFormats {
public:
    // Reads the cell styles of a styles part; raises EOfficeFileError naming the part and file.
    static TCellFormats Read(const std::string& xml, const std::string& part, const std::string& fileName);
    bool IsDate(int style) const;
    bool IsTimeOnly(int style) const;

private:
    // Per cell style, decided once: the styles are asked for every number of a sheet.
    std::vector<bool> FDate;
    std::vector<bool> FTimeOnly;
};

// The cell style index a written sheet gives each kind of date.
struct TDateStyles {
    int Date = 0;
    int DateTime = 0;
    int Time = 0;
};

// A styles part with the general style and the three date styles.
std::string NewStylesXml(TDateStyles& styles);
// The styles part with the three date styles added after its own.
std::string AddDateStyles(const std::string& xml, const std::string& part, const std::string& fileName,
                          TDateStyles& styles);

}  // namespace office
