// SPDX-License-Identifier: MIT
#include "TextEncoding.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <optional>
#include <string>

namespace {

// glibc's own Windows-1252 converter, an independent reference; nullopt for
// the bytes it leaves unassigned.
std::optional<std::string> referenceDecode(std::string input)
{
    iconv_t converter = iconv_open("UTF-8", "CP1252");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string output(input.size() * 4 + 4, '\0');
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

TEST(Windows1252, EveryByteAgreesWithIconvAndTheUnassignedBecomeC1Controls)
{
    int unassigned = 0;
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const std::string input(1, static_cast<char>(byte));
        const std::optional<std::string> reference = referenceDecode(input);
        if (reference) {
            EXPECT_EQ(decodeWindows1252(input), *reference) << "byte " << byte;
        } else {
            ++unassigned;
            EXPECT_EQ(decodeWindows1252(input), std::string({ '\xC2', static_cast<char>(byte) })) << "byte " << byte;
        }
    }
    EXPECT_EQ(unassigned, 5) << "iconv's CP1252 table is missing or differs";
    using namespace std::string_literals;
    EXPECT_EQ(decodeWindows1252("Pr\xFC\0f\x80"s), "Prü\0f€"s);
}

} // namespace
