#include "exchange/ExportText.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace exchange {

namespace {

bool IsPlainJson(std::string_view text)
{
    return std::ranges::all_of(
        text, [](char ch) { return ch >= 0x20 && ch < 0x7F && ch != '"' && ch != '\\'; });
}

} // namespace

void WriteCsvField(base::CBufferedWriter& out, std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out << field;
        return;
    }
    out << '"';
    for (char ch : field) {
        if (ch == '"')
            out << '"';
        out << ch;
    }
    out << '"';
}

void WriteJsonString(base::CBufferedWriter& out, std::string_view text)
{
    // Steno keys and most translations need no escape: they skip the library.
    if (IsPlainJson(text)) {
        out << '"' << text << '"';
        return;
    }
    out << std::string_view(nlohmann::json(std::string(text))
                                .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

} // namespace exchange
