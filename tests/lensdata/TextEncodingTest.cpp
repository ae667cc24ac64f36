#include "TextEncoding.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cerrno>
#include <string>

namespace {

// glibc's own Windows-1252 converter, an independent reference. Returns
// nullopt for the bytes it does not map.
std::optional<std::string> referenceDecode(const std::string& bytes)
{
    iconv_t converter = iconv_open("UTF-8", "CP1252");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string input = bytes;
    std::string output(bytes.size() * 4 + 4, '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size();
    std::size_t outLeft = output.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    output.resize(output.size() - outLeft);
    return output;
}

TEST(Windows1252, AsciiIsUnchanged)
{
    EXPECT_EQ(decodeWindows1252("Obj:Testlinse 2.8/50 mm"), "Obj:Testlinse 2.8/50 mm");
    EXPECT_EQ(decodeWindows1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Windows1252, GermanLettersAndTypography)
{
    EXPECT_EQ(decodeWindows1252("\xE4\xF6\xFC\xC4\xD6\xDC\xDF"), "äöüÄÖÜß");
    EXPECT_EQ(decodeWindows1252("\x80"), "€");
    EXPECT_EQ(decodeWindows1252("\x84Zitat\x93"), "„Zitat“");
    EXPECT_EQ(decodeWindows1252("\x96\x97\x85"), "–—…");
    EXPECT_EQ(decodeWindows1252("\x9F\xFF"), "Ÿÿ");
    EXPECT_EQ(decodeWindows1252("\xA0"), "\u00A0");
}

TEST(Windows1252, UnassignedBytesBecomeC1Controls)
{
    for (const unsigned char byte : { 0x81, 0x8D, 0x8F, 0x90, 0x9D }) {
        const std::string decoded = decodeWindows1252(std::string(1, static_cast<char>(byte)));
        EXPECT_EQ(decoded, std::string({ '\xC2', static_cast<char>(byte) })) << int(byte);
    }
}

TEST(Windows1252, EveryAssignedByteAgreesWithIconv)
{
    int compared = 0;
    for (int byte = 1; byte <= 0xFF; ++byte) {
        const std::string input(1, static_cast<char>(byte));
        const std::optional<std::string> reference = referenceDecode(input);
        if (!reference) {
            continue; // unassigned in glibc's table
        }
        EXPECT_EQ(decodeWindows1252(input), *reference) << "byte " << byte;
        ++compared;
    }
    EXPECT_GE(compared, 250) << "iconv's CP1252 table is missing";
}

} // namespace
