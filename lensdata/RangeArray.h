// SPDX-License-Identifier: MIT
#pragma once

#include "MessageText.h"

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>

// Thrown for every index outside a declared range. The message is German
// because it reaches the user through the general error handler.
class RangeError : public std::out_of_range, public TranslatableError
{
public:
    explicit RangeError(const MessageText& message)
        : std::out_of_range(message.german())
        , TranslatableError(message)
    {
    }
};

// A fixed-size array with a declared index range Low..High (inclusive).
// Every access is checked: an index outside the range throws RangeError,
// so a wrong index is never a silent read or write.
template <typename T, int Low, int High> class RangeArray
{
    static_assert(Low <= High);

public:
    static constexpr int low() { return Low; }
    static constexpr int high() { return High; }
    static constexpr int size() { return High - Low + 1; }

    T& operator[](int index) { return m_items[checked(index)]; }
    const T& operator[](int index) const { return m_items[checked(index)]; }

    bool operator==(const RangeArray&) const = default;

private:
    static std::size_t checked(int index)
    {
        if (index < Low || index > High) {
            throw RangeError(
                MessageText(LUMIVEX_TEXT("RangeArray", "Bereichsfehler: Index %1 liegt außerhalb von %2..%3"),
                            { index, Low, High }));
        }
        return static_cast<std::size_t>(index - Low);
    }

    std::array<T, static_cast<std::size_t>(High - Low + 1)> m_items {};
};
