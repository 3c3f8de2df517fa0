// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for reading and writing amounts: any text either reads
// as a number or is refused; whatever reads back must write and read again
// to the same value, with no exponent, no "-0" and nothing infinite. The
// same holds for the text as a language with a decimal comma types it: read
// in the record's form it is the number the point form would be, and it
// goes there and back unchanged.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Typed with a comma: the record's form, and back to the very same text.
    const std::string recorded = furlox::swapDecimalMark(text, ',');
    if (furlox::swapDecimalMark(recorded, ',') != text || furlox::swapDecimalMark(text, '.') != text)
        std::abort();
    const auto comma = furlox::readNumber(recorded);
    if (comma && text.find('.') != std::string_view::npos)
        std::abort();  // a point is no decimal mark where the language writes a comma
    if (comma) {
        std::string pointed(text);
        for (char& c : pointed)
            c = c == ',' ? '.' : c;
        if (furlox::readNumber(pointed) != comma)
            std::abort();
    }
    const auto value = furlox::readNumber(text);
    if (!value)
        return 0;
    if (std::isnan(*value))
        std::abort();
    const std::string written = furlox::writeNumber(*value);
    if (written.empty() || written == "-0" || written.find_first_of("eEnN") != std::string::npos)
        std::abort();
    const auto again = furlox::readNumber(written);
    if (!again || !std::isfinite(*again))
        std::abort();
    if (std::isfinite(*value) && std::fabs(*again - *value) > std::fabs(*value) * 1e-14)
        std::abort();
    if (furlox::writeNumber(*again) != written)
        std::abort();
    return 0;
}
