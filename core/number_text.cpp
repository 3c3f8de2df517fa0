// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace furlox {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<double> readNumber(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    std::string_view body = text.substr(begin, end - begin);

    bool negative = false;
    if (!body.empty() && (body.front() == '+' || body.front() == '-')) {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }

    int digits = 0;
    int points = 0;
    int integerDigits = 0;  // significant digits before the point
    bool leadingZeros = true;
    for (char c : body) {
        if (isDigit(c)) {
            ++digits;
            if (points == 0) {
                if (c != '0')
                    leadingZeros = false;
                if (!leadingZeros)
                    ++integerDigits;
            }
        } else if (c == '.') {
            if (++points > 1)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;

    double value = 0.0;
    auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), value,
                                     std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        value = integerDigits > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc() || ptr != body.data() + body.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::string writeNumber(double value)
{
    if (std::isnan(value))
        return "0";
    // The largest amount whose 15-digit text still reads back as a finite
    // number; anything beyond it (infinity included) is written as that.
    constexpr double kLargest = 1.79769313486231e308;
    if (std::fabs(value) > kLargest)
        value = std::copysign(kLargest, value);
    if (value == 0.0)
        return "0";

    // Round to 15 significant digits first, then lay the digits out without an
    // exponent. 15 digits is what a double always holds exactly, so sums such
    // as 0.3 - 0.1 come out as "0.2" rather than "0.19999999999999998".
    char buf[64];
    auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    (void)ec;
    std::string sci(buf, ptr);  // "-d.dddddddddddddde+XX"

    bool negative = sci.front() == '-';
    if (negative)
        sci.erase(0, 1);
    const std::size_t e = sci.find('e');
    const int exponent = std::stoi(sci.substr(e + 1));
    std::string digits;
    for (std::size_t i = 0; i < e; ++i)
        if (sci[i] != '.')
            digits += sci[i];
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    const int pointAt = exponent + 1;  // digits before the decimal point
    if (pointAt <= 0) {
        out = "0." + std::string(static_cast<std::size_t>(-pointAt), '0') + digits;
    } else if (static_cast<std::size_t>(pointAt) >= digits.size()) {
        out = digits + std::string(static_cast<std::size_t>(pointAt) - digits.size(), '0');
    } else {
        out = digits.substr(0, static_cast<std::size_t>(pointAt)) + "." +
              digits.substr(static_cast<std::size_t>(pointAt));
    }
    return negative ? "-" + out : out;
}

std::string swapDecimalMark(std::string_view text, char mark)
{
    std::string out(text);
    if (mark == '.')
        return out;
    for (char& c : out) {
        if (c == '.')
            c = mark;
        else if (c == mark)
            c = '.';
    }
    return out;
}

}  // namespace furlox
