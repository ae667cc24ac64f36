// SPDX-License-Identifier: MIT
#include "LensFileReader.h"

#include "LineFormatError.h"
#include "LineParsing.h"
#include "LoadError.h"
#include "TextEncoding.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <limits>
#include <memory>

#include <sys/stat.h>

namespace {

constexpr std::string_view InfinityMarker = "-1E20";
constexpr int GaussLinesSkipped = 6;

// The file being read, one line at a time. Lines are counted from 1; text
// is the current line without its LF or CR LF, as bytes.
struct LineInput
{
    std::string_view rest; // the bytes after the current line
    int lineNumber = 0;
    std::string text;
};

// Reads the next line. At the end of the file the error names what was
// sought (the text describe() returns; built only then) and the line where
// it was expected, one past the last line.
template <typename Describe> const std::string& nextLine(LineInput& input, const Describe& describe)
{
    if (input.rest.empty()) {
        throw LoadError(
            input.lineNumber + 1,
            MessageText(LUMIVEX_TEXT("LensFileReader", "Unerwartetes Dateiende: gesucht wurde %1"), { describe() }));
    }
    const std::size_t end = input.rest.find('\n');
    input.text = input.rest.substr(0, end);
    input.rest.remove_prefix(end == std::string_view::npos ? input.rest.size() : end + 1);
    if (!input.text.empty() && input.text.back() == '\r') {
        input.text.pop_back();
    }
    ++input.lineNumber;
    return input.text;
}

const std::string& nextLine(LineInput& input, SourceText sought)
{
    return nextLine(input, [sought] { return MessageText(sought); });
}

// Skips lines up to and including the one that starts with the marker
// (case-sensitive, from column 1).
void seekMarker(LineInput& input, std::string_view marker)
{
    const auto sought
        = [marker] { return MessageText(LUMIVEX_TEXT("LensFileReader", "die Markierung %1"), { quoted(marker) }); };
    while (!nextLine(input, sought).starts_with(marker)) { }
}

void splitCurrentLine(const LineInput& input, LineTokens& tokens)
{
    try {
        splitLine(input.text, tokens);
    } catch (const LineFormatError& error) {
        throw LoadError(input.lineNumber, error.text());
    }
}

// The messages about one kind of list line: %1 the line; %1 the limit, %2
// the number of the first value too many and %3 that value.
struct ListTexts
{
    SourceText empty;
    SourceText tooMany;
};

// Stores values 1 .. count - 1 of a labelled list line into target and
// returns their number. A list needs at least one value and at most limit.
template <int N>
int storeList(const LineInput& input, const LineTokens& tokens, RangeArray<std::string, 1, N>& target, int limit,
              const ListTexts& texts)
{
    const int values = tokens.valueCount();
    if (values == 0) {
        throw LoadError(input.lineNumber, MessageText(texts.empty, { quoted(input.text) }));
    }
    if (values > limit) {
        throw LoadError(input.lineNumber,
                        MessageText(texts.tooMany, { limit, limit + 1, quoted(tokens.LineToken[limit + 1]) }));
    }
    for (int i = 1; i <= values; ++i) {
        target[i] = decodeWindows1252(tokens.LineToken[i]);
    }
    return values;
}

void readHead(LineInput& input, LensData& lens)
{
    nextLine(input, LUMIVEX_TEXT("LensFileReader", "Zeile 1 (Dateikopf)"));
    const std::string& head = nextLine(input, LUMIVEX_TEXT("LensFileReader", "die Kopfzeile (Zeile 2)"));
    if (head.size() < 6 || head[5] < '0' || head[5] > '9') {
        throw LoadError(input.lineNumber,
                        MessageText(LUMIVEX_TEXT("LensFileReader", "Spalte 6 der Kopfzeile %1 enthält keine Ziffer"),
                                    { quoted(head) }));
    }
    lens.ImageHeightPerFNumber = head[5] - '0';

    nextLine(input, LUMIVEX_TEXT("LensFileReader", "Zeile 3 (Dateikopf)"));
    nextLine(input, LUMIVEX_TEXT("LensFileReader", "Zeile 4 (Dateikopf)"));
    const std::string& title = nextLine(input, LUMIVEX_TEXT("LensFileReader", "die Titelzeile (Zeile 5)"));
    // The name runs from column 5 to the third character after the first
    // "/", cut at the end of the line; without a "/" it is the rest of the
    // line, trailing blanks removed (an empty name would leave the window,
    // the report and the exports without one).
    std::string_view name = title.size() > 4 ? std::string_view(title).substr(4) : std::string_view();
    if (const std::size_t slash = title.find('/'); slash != std::string::npos) {
        name = name.substr(0, slash); // p - 1 characters for the 1-based column p
    } else if (const std::size_t last = name.find_last_not_of(' '); last != std::string_view::npos) {
        name = name.substr(0, last + 1);
    } else {
        name = {};
    }
    lens.LensName = decodeWindows1252(name);
}

void readImageHeights(LineInput& input, LineTokens& tokens, LensData& lens)
{
    const int rows = lens.imageHeightRowCount();
    RangeArray<RangeArray<double, 1, LensData::MaxImageHeights>, 1, LensData::MaxFNumbers> values;
    int firstCount = 0;
    int count = 0;
    for (int r = 1; r <= rows; ++r) {
        nextLine(input, [&lens, r] {
            return lens.ImageHeightPerFNumber > 0
                ? MessageText(LUMIVEX_TEXT("LensFileReader", "die Bildhöhenzeile der Blende %1"), { r })
                : MessageText(LUMIVEX_TEXT("LensFileReader", "die Bildhöhenzeile"));
        });
        splitCurrentLine(input, tokens);
        count = storeList(
            input, tokens, lens.ImageHeightText[r], LensData::MaxImageHeights,
            { LUMIVEX_TEXT("LensFileReader", "Zeile der Bildhöhen %1 enthält keine Werte"),
              LUMIVEX_TEXT("LensFileReader", "Bereichsfehler: mehr als %1 Bildhöhen, der %2. Wert ist %3") });
        // Capping compares the values of a row with its last value, so every
        // row needs as many values as the last one.
        if (r == 1) {
            firstCount = count;
        } else if (count != firstCount) {
            throw LoadError(
                input.lineNumber,
                MessageText(LUMIVEX_TEXT("LensFileReader", "Bildhöhenzeile %1 hat %2 Werte, die erste hat %3"),
                            { quoted(input.text), count, firstCount }));
        }
        for (int c = 1; c <= count; ++c) {
            const std::optional<double> value = parseDecimal(tokens.LineToken[c]);
            if (!value) {
                throw LoadError(input.lineNumber,
                                MessageText(LUMIVEX_TEXT("LensFileReader", "Bildhöhe %1 ist keine Zahl"),
                                            { quoted(tokens.LineToken[c]) }));
            }
            values[r][c] = *value;
        }
    }
    lens.ImageHeightCount = count;
    lens.MaxImageHeight = values[rows][count];

    // Cap each row at the first column that reaches the row's last value;
    // that column takes the last value's text.
    for (int r = 1; r <= rows; ++r) {
        const double last = values[r][count];
        int c = 1;
        while (values[r][c] < last) {
            ++c;
        }
        lens.ImageHeightValidCount[r] = c;
        lens.ImageHeightText[r][c] = lens.ImageHeightText[r][count];
    }
}

void readParameters(LineInput& input, LineTokens& tokens, LensData& lens)
{
    nextLine(input, LUMIVEX_TEXT("LensFileReader", "die Zeile der Blendenzahlen"));
    splitCurrentLine(input, tokens);
    lens.FNumberCount = storeList(
        input, tokens, lens.FNumberText, LensData::MaxFNumbers,
        { LUMIVEX_TEXT("LensFileReader", "Zeile der Blendenzahlen %1 enthält keine Werte"),
          LUMIVEX_TEXT("LensFileReader", "Bereichsfehler: mehr als %1 Blendenzahlen, der %2. Wert ist %3") });

    nextLine(input, LUMIVEX_TEXT("LensFileReader", "die Zeile der Abbildungsmaßstäbe"));
    splitCurrentLine(input, tokens);
    lens.MagnificationCount = storeList(
        input, tokens, lens.MagnificationText, LensData::MaxMagnifications,
        { LUMIVEX_TEXT("LensFileReader", "Zeile der Abbildungsmaßstäbe %1 enthält keine Werte"),
          LUMIVEX_TEXT("LensFileReader", "Bereichsfehler: mehr als %1 Abbildungsmaßstäbe, der %2. Wert ist %3") });

    readImageHeights(input, tokens, lens);

    // Wavelengths stand in fields of four columns after a four-column label;
    // an incomplete last field is dropped.
    const std::string& wavelengths = nextLine(input, LUMIVEX_TEXT("LensFileReader", "die Zeile der Wellenlängen"));
    std::string wavelengthText;
    for (std::size_t field = 1; field < wavelengths.size() / 4; ++field) {
        wavelengthText += "   ";
        wavelengthText += wavelengths.substr(field * 4, 4);
    }
    lens.WavelengthText = decodeWindows1252(wavelengthText);

    const std::string& weights = nextLine(input, LUMIVEX_TEXT("LensFileReader", "die Zeile der Gewichte"));
    lens.WeightText = weights.size() > 4 ? decodeWindows1252(std::string_view(weights).substr(4)) : std::string();

    nextLine(input, LUMIVEX_TEXT("LensFileReader", "die Zeile der Ortsfrequenzen"));
    splitCurrentLine(input, tokens);
    lens.FrequencyCount = storeList(
        input, tokens, lens.FrequencyText, LensData::MaxFrequencies,
        { LUMIVEX_TEXT("LensFileReader", "Zeile der Ortsfrequenzen %1 enthält keine Werte"),
          LUMIVEX_TEXT("LensFileReader", "Bereichsfehler: mehr als %1 Ortsfrequenzen, der %2. Wert ist %3") });
}

void readDistances(LineInput& input, LineTokens& tokens, LensData& lens)
{
    seekMarker(input, "[ABB]");
    for (int i = 1; i <= lens.MagnificationCount; ++i) {
        nextLine(input, [i] {
            return MessageText(LUMIVEX_TEXT("LensFileReader", "die Abstandszeile des Abbildungsmaßstabs %1"), { i });
        });
        splitCurrentLine(input, tokens);
        // The third value; a line with fewer values leaves what an earlier
        // line put into that token, as the format has always done.
        const std::string& distance = tokens.LineToken[3];
        try {
            lens.DistanceLabels[i] = distanceLabel(distance, i == 1);
        } catch (const LineFormatError& error) {
            throw LoadError(input.lineNumber, error.text());
        }
        lens.DistanceText[i] = decodeWindows1252(distance);
    }
    // Entries beyond the new count keep the earlier file's distances; their
    // labels show them (or 0 for entries no file has filled).
    for (int i = lens.MagnificationCount + 1; i <= LensData::MaxMagnifications; ++i) {
        try {
            lens.DistanceLabels[i] = distanceLabel(lens.DistanceText[i], i == 1);
        } catch (const LineFormatError& error) {
            throw LoadError(input.lineNumber, error.text());
        }
    }
}

// sought: the line's description, %1 the f-number, %2 the magnification and
// %3 the image height.
void readModulationLines(LineInput& input, LensData& lens, ModulationTable& table, int fNumber, SourceText sought)
{
    for (int m = 1; m <= lens.MagnificationCount; ++m) {
        for (int h = 1; h <= lens.ImageHeightCount; ++h) {
            nextLine(input, [&] { return MessageText(sought, { fNumber, m, h }); });
            std::vector<int> values;
            try {
                values = parseModulationLine(input.text, lens.FrequencyCount);
            } catch (const LineFormatError& error) {
                throw LoadError(input.lineNumber, error.text());
            }
            for (int q = 1; q <= lens.FrequencyCount; ++q) {
                table.set(fNumber - 1, q - 1, h - 1, m - 1, static_cast<std::uint8_t>(values[q - 1]));
            }
        }
    }
}

void readModulationBlocks(LineInput& input, LensData& lens)
{
    for (int n = 1; n <= lens.FNumberCount; ++n) {
        // Appended, not "[" + ...: GCC 12 warns falsely (-Wrestrict) on that
        // form once it is inlined here.
        std::string marker = "[";
        marker += std::to_string(n) + "/SAGMOD]";
        seekMarker(input, marker);
        readModulationLines(
            input, lens, lens.SagModulation, n,
            LUMIVEX_TEXT("LensFileReader",
                         "die sagittale Modulationszeile der Blende %1 für Abbildungsmaßstab %2, Bildhöhe %3"));
        nextLine(input, [n] {
            return MessageText(
                LUMIVEX_TEXT("LensFileReader", "die Trennzeile vor den tangentialen Werten der Blende %1"), { n });
        });
        readModulationLines(
            input, lens, lens.TanModulation, n,
            LUMIVEX_TEXT("LensFileReader",
                         "die tangentiale Modulationszeile der Blende %1 für Abbildungsmaßstab %2, Bildhöhe %3"));
    }
}

void readFile(LineInput& input, LensData& lens)
{
    // Working storage of the line splitter; it lives for one load.
    LineTokens tokens;
    readHead(input, lens);
    seekMarker(input, "[GAUSS]");
    for (int i = 1; i <= GaussLinesSkipped; ++i) {
        nextLine(input, [i] {
            return MessageText(LUMIVEX_TEXT("LensFileReader", "Zeile %1 von %2 nach „[GAUSS]“"),
                               { i, GaussLinesSkipped });
        });
    }
    seekMarker(input, "[PARAM]");
    readParameters(input, tokens, lens);
    readDistances(input, tokens, lens);
    readModulationBlocks(input, lens);
}

// The whole file as bytes.
LensData readLensBytes(std::string_view bytes, const LensData& current)
{
    LensData lens = current;
    LineInput input { bytes, 0, {} };
    try {
        readFile(input, lens);
    } catch (const RangeError& error) {
        // Every index is checked before use; this only guards against a
        // fault of the reader itself turning into an error without a line.
        throw LoadError(input.lineNumber > 0 ? input.lineNumber : 1, error.text());
    }
    lens.FileLoaded = 1;
    return lens;
}

} // namespace

LensData readLensData(std::istream& in, const LensData& current)
{
    const std::string bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    if (in.bad()) {
        throw FileOpenError();
    }
    return readLensBytes(bytes, current);
}

// C stdio and stat rather than a file stream and std::filesystem: each
// costs a one-file export about 0.2 MB more memory for the library code it
// touches.
LensData readLensFile(const std::string& path, const LensData& current)
{
    const auto failure = [](int error) {
        return FileOpenError(error == ENOENT || error == ENOTDIR     ? FileOpenError::Cause::NotFound
                                 : error == EACCES || error == EPERM ? FileOpenError::Cause::NoPermission
                                 : error == EISDIR                   ? FileOpenError::Cause::Directory
                                                                     : FileOpenError::Cause::Unreadable);
    };
    struct stat status
    {
    };
    if (::stat(path.c_str(), &status) != 0) {
        throw failure(errno);
    }
    if (S_ISDIR(status.st_mode)) {
        throw FileOpenError(FileOpenError::Cause::Directory);
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) {
        throw failure(errno);
    }
    std::string bytes;
    char chunk[16384];
    std::size_t count = 0;
    while ((count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        bytes.append(chunk, count);
    }
    if (std::ferror(file.get()) != 0) {
        throw FileOpenError();
    }
    return readLensBytes(bytes, current);
}

std::string distanceLabel(std::string_view distanceText, bool firstEntry)
{
    if (firstEntry && distanceText == InfinityMarker) {
        return "unendlich";
    }
    if (distanceText.empty()) {
        return "0";
    }
    const std::optional<double> value = parseDecimal(distanceText);
    if (!value) {
        throw LineFormatError(
            MessageText(LUMIVEX_TEXT("LensFileReader", "Abstand %1 ist keine Zahl"), { quoted(distanceText) }));
    }
    // Round to nearest, a half to the even neighbour.
    double rounded = std::floor(*value);
    const double fraction = *value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) {
        rounded += 1.0;
    }
    if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min())
        || rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        const bool misplacedInfinity = distanceText.find_first_not_of(' ') != std::string_view::npos
            && distanceText.substr(distanceText.find_first_not_of(' ')) == InfinityMarker;
        throw LineFormatError(
            misplacedInfinity
                ? MessageText(LUMIVEX_TEXT("LensFileReader",
                                           "Abstand %1 passt gerundet nicht in eine 32-Bit-Ganzzahl "
                                           "(„-1E20“ für unendlich steht nur beim ersten "
                                           "Abbildungsmaßstab und ohne Leerzeichen davor)"),
                              { quoted(distanceText) })
                : MessageText(LUMIVEX_TEXT("LensFileReader", "Abstand %1 passt gerundet nicht in eine 32-Bit-Ganzzahl"),
                              { quoted(distanceText) }));
    }
    return std::to_string(static_cast<std::int32_t>(rounded));
}
