// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for reading and writing amounts: any text either reads
// as a number or is refused; whatever reads back must write and read again
// to the same value, with no exponent, no "-0" and nothing infinite.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
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
