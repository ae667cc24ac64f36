// SPDX-License-Identifier: MIT
#pragma once

#include "LensFileReader.h"

#include <fstream>
#include <sstream>
#include <string>

inline LensData readText(const std::string& text, const LensData& current = LensData())
{
    std::istringstream in(text);
    return readLensData(in, current);
}

inline std::string examplePath(const std::string& name)
{
    return std::string(LUMIVEX_SOURCE_DIR) + "/examples/" + name;
}

inline std::string exampleText(const std::string& name)
{
    std::ifstream in(examplePath(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
