// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>

// The functions the fuzz targets run on one input. The fuzzer (clang,
// libFuzzer) and the corpus replay of the test suite (any compiler) call the
// same functions, so an input that once failed stays fixed in every build.
// Each one returns normally for every input; a broken promise of the code
// under test ends the process (an escaping exception, a sanitizer report or
// a failed check of an invariant, which prints what broke and aborts).

// The bytes as a lens data file: read, and when the file is well-formed
// every curve over every abscissa computed, compared with a second lens and
// read at a few abscissae. The second lens is what follows the first form
// feed byte (the first lens what precedes it); without one, the same lens.
void fuzzLensFile(const std::uint8_t* data, std::size_t size);

// The bytes as a command line: one argument per line (a line feed ends an
// argument; a last line without one is an argument too), parsed, and a
// successful parse resolved against a lens of known counts.
void fuzzCommandLine(const std::uint8_t* data, std::size_t size);

// The first word of the first line of the bytes as a field shape as
// --field takes it (what does not parse is the circle), the rest as in
// fuzzLensFile: the figures of every f-number and magnification at a
// threshold of 50 %, B's beside them, and their CSV rows.
void fuzzFigures(const std::uint8_t* data, std::size_t size);

// The first line of the bytes as a field shape, the rest as in
// fuzzLensFile: the three kinds of map at each entry of each list, sampled
// on a small raster with their contour lines, the difference to the second
// lens, and the CSV.
void fuzzMapGrids(const std::uint8_t* data, std::size_t size);
