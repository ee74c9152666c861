// Reads the grid's export files back with python3's standard csv, xml.etree and json readers.
#pragma once

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace gridtest {

using TRows = std::vector<std::vector<std::string>>;

// Rows as one line each, every field as the hex of its UTF-8 bytes ("-" for an empty field),
// so that line breaks and quotes inside fields compare plainly.
inline std::string HexRows(const TRows& Rows)
{
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (const auto& row : Rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) out += ' ';
            if (row[i].empty()) out += '-';
            for (unsigned char c : row[i]) {
                out += digits[c >> 4];
                out += digits[c & 15];
            }
        }
        out += '\n';
    }
    return out;
}

// The python program's standard output followed by its error output; a reader that refuses
// the file shows its error here, which then differs from the expected rows.
inline std::string RunPython(const std::string& Program, const std::string& Path, const std::string& Arg = {})
{
    const std::string command = "python3 -c '" + Program + "' '" + Path + "' '" + Arg + "' 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return "popen failed";
    std::string out;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) out.append(buffer.data(), n);
    return out;
}

inline const char* PythonHexRows = R"(
def hexrows(rows):
    for row in rows:
        print(" ".join(f.encode("utf-8").hex() or "-" for f in row))
)";

// The records of a CSV file in the given python encoding (cp1250, utf-8-sig, ...); with
// CrLfBreaks every line break inside a field is shown as CR LF, the grid's own line break.
inline std::string PythonCsv(const std::string& Path, const std::string& Encoding, bool CrLfBreaks = false)
{
    return RunPython(std::string(PythonHexRows) + R"(
import csv, re, sys
encoding, crlf = sys.argv[2].split("+") + [""] if "+" not in sys.argv[2] else sys.argv[2].split("+")
with open(sys.argv[1], newline="", encoding=encoding) as f:
    rows = list(csv.reader(f))
if crlf:
    rows = [[re.sub("\r\n|\r|\n", "\r\n", x) for x in row] for row in rows]
hexrows(rows)
)",
                     Path, Encoding + (CrLfBreaks ? "+crlf" : ""));
}

// Each record element of an XML file as tag, text, tag, text ... of its children.
inline std::string PythonXmlRecords(const std::string& Path)
{
    return RunPython(std::string(PythonHexRows) + R"(
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
hexrows([[x for c in rec for x in (c.tag, c.text or "")] for rec in root])
)",
                     Path);
}

// The table rows of an XHTML document: the text of each cell, <br/> read as a line feed.
inline std::string PythonXhtmlRows(const std::string& Path)
{
    return RunPython(std::string(PythonHexRows) + R"(
import sys, xml.etree.ElementTree as ET
def text(e):
    s = e.text or ""
    for c in e:
        s += ("\n" if c.tag.split("}")[-1] == "br" else text(c)) + (c.tail or "")
    return s
root = ET.parse(sys.argv[1]).getroot()
hexrows([[text(td) for td in tr] for tr in root.iter() if tr.tag.split("}")[-1] == "tr"])
)",
                     Path);
}

// The records of the grid's JSON text: each field as its text, or name and text.
inline std::string PythonJsonRecords(const std::string& Path)
{
    return RunPython(std::string(PythonHexRows) + R"(
import sys, json
data = json.loads(open(sys.argv[1], "rb").read().decode("utf-8"))
rows = []
for rec in data["grid"]:
    if isinstance(rec, dict):
        rec = list(rec.values())[0]
    rows.append([x for f in rec for x in (list(f.items())[0] if isinstance(f, dict) else (f,))])
hexrows(rows)
)",
                     Path);
}

}  // namespace gridtest
