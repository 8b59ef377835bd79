#include "exchange/DumpLine.h"

#include "base/AnsiText.h"

#include <array>
#include <charconv>

namespace exchange {

namespace {

template <typename Integer> void AppendNumber(std::string& text, Integer nValue)
{
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), nValue);
    text.append(digits.data(), result.ptr);
}

void AppendKeys(std::string& text, const CStenoEncoder& encoder, steno::KeyBits keys)
{
    for (wchar_t ch : encoder.KeysToSteno(keys))
        text.push_back(base::WideCharToAnsi(ch));
}

} // namespace

void AppendDumpLine(std::string& text, const CStenoEncoder& encoder, std::size_t nIndex,
                    const CStenoStroke& stroke)
{
    AppendNumber(text, nIndex);
    text.push_back('\t');
    AppendNumber(text, stroke.m_time);
    text.push_back('\t');
    AppendKeys(text, encoder, stroke.m_keys);
    text.push_back('\t');
    AppendKeys(text, encoder, stroke.m_rawKeys);
    char separator = '\t';
    for (std::uint16_t nValue : stroke.m_keyValues) {
        text.push_back(separator);
        AppendNumber(text, nValue);
        separator = ' ';
    }
    separator = '\t';
    for (const KeyTime& keyTime : stroke.m_keyTimes) {
        text.push_back(separator);
        AppendNumber(text, keyTime.nLow);
        text.push_back(',');
        AppendNumber(text, keyTime.nHigh);
        separator = ' ';
    }
    text.push_back('\n');
}

} // namespace exchange
