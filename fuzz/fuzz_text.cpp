// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for what a screen reader asks of a text: any text, any
// offset, cursor and boundary, before, at or after. Every answer must come
// (run with -timeout), be a piece of the text or -1s, and the item at an
// offset must hold it and be the same item when asked at its own start.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "screens/accessible_text.h"

namespace {

int readInt(const std::uint8_t* data)
{
    std::int32_t value;
    std::memcpy(&value, data, sizeof value);
    return value;
}

// A piece of the text, or nothing with -1s; anything else stops the run.
void checkAnswer(const QString& text, const QString& got, int start, int end)
{
    const bool none = start == -1 && end == -1 && got.isEmpty();
    if (!none && !(0 <= start && start < end && end <= text.size() && got == text.mid(start, end - start)))
        std::abort();
}

}  // namespace

// Input: boundary (any the type can hold), side, an offset and a cursor (4 bytes
// each), then the text as UTF-16 code units, lone surrogates and all. Most
// offsets are brought near the text, where the items are; a flag keeps it raw.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 10)
        return 0;
    const auto boundary = QAccessible::TextBoundaryType(data[0] % 8);  // 6, 7: none Qt knows
    const auto side = furlox::TextSide(data[1] % 3);
    QString text(int((size - 10) / 2), Qt::Uninitialized);
    for (int i = 0; i < text.size(); ++i)
        text[i] = QChar(char16_t(data[10 + 2 * i] | data[11 + 2 * i] << 8));
    const int n = int(text.size());
    const int raw = readInt(data + 2), cursor = readInt(data + 6);
    const int offset = data[1] & 0x80 ? raw : int(std::uint32_t(raw) % std::uint32_t(n + 4)) - 3;
    int start = 0, end = 0;
    const QString got = furlox::textItem(text, offset, cursor, boundary, side, &start, &end);
    checkAnswer(text, got, start, end);
    const int at = offset == -1 ? n : offset == -2 ? cursor : offset;
    const bool known = boundary >= QAccessible::CharBoundary && boundary <= QAccessible::NoBoundary;
    if ((!known || at < 0 || at > n) && start != -1)  // nothing out of the text
        std::abort();
    if (side != furlox::TextSide::at || !known || at < 0 || at >= n)
        return 0;
    if (start > at || at >= end)  // an item in the text holds its offset
        std::abort();
    int again = 0, againEnd = 0;
    furlox::textItem(text, start, cursor, boundary, side, &again, &againEnd);
    if (again != start || againEnd != end)
        std::abort();
    return 0;
}
