#include "TestFiles.h"

#include "LensFileReader.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

int TestFile::modulationValue(int n, int orientation, int m, int h, int q)
{
    return (n * 41 + orientation * 23 + m * 13 + h * 7 + q * 3) % 101;
}

std::vector<std::string> TestFile::lines() const
{
    std::vector<std::string> out = { "Lens data", head, "Lumivex-Projekt", "Testdatei", title, "[GAUSS]" };
    for (int i = 1; i <= 6; ++i) {
        out.push_back("Gauss-Zeile " + std::to_string(i));
    }
    out.push_back("[PARAM]");
    out.push_back(fNumberLine);
    out.push_back(magnificationLine);
    out.insert(out.end(), imageHeightLines.begin(), imageHeightLines.end());
    out.push_back(wavelengthLine);
    out.push_back(weightLine);
    out.push_back(frequencyLine);
    out.push_back("[ABB]");
    out.insert(out.end(), distanceLines.begin(), distanceLines.end());
    for (int n = 1; n <= fNumbers; ++n) {
        for (int orientation = 1; orientation <= 2; ++orientation) {
            out.push_back("[" + std::to_string(n) + (orientation == 1 ? "/SAGMOD]" : "/TANMOD]"));
            for (int m = 1; m <= magnifications; ++m) {
                for (int h = 1; h <= imageHeights; ++h) {
                    std::string line = "y" + std::to_string(h);
                    for (int q = 1; q <= frequencies; ++q) {
                        line += " " + std::to_string(modulationValue(n, orientation, m, h, q));
                    }
                    out.push_back(line + " ");
                }
            }
        }
    }
    return out;
}

std::string joinLines(const std::vector<std::string>& lines, const std::string& lineEnd)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += lineEnd;
    }
    return text;
}

LensData readText(const std::string& text, const LensData& current)
{
    std::istringstream in(text);
    return readLensData(in, current);
}

std::string examplePath(const std::string& name)
{
    return std::string(LUMIVEX_SOURCE_DIR) + "/examples/" + name;
}

std::string exampleText(const std::string& name)
{
    std::ifstream in(examplePath(name), std::ios::binary);
    if (!in) {
        throw std::runtime_error("example missing: " + name);
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
