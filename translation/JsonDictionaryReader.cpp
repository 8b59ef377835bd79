#include "translation/JsonDictionaryReader.h"

#include "translation/OutlineNotation.h"

#include <simdjson.h>

#include <string_view>
#include <vector>

namespace translation {

namespace {

using simdjson::error_code;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

/// The first line that is not UTF-8: lines never split a character, since a
/// line feed is never part of one.
std::size_t FirstBadUtf8Line(std::string_view bytes)
{
    std::size_t nLine = 1;
    for (std::size_t nStart = 0; nStart < bytes.size(); ++nLine) {
        const std::size_t nEnd = std::min(bytes.find('\n', nStart), bytes.size());
        if (!simdjson::validate_utf8(bytes.data() + nStart, nEnd - nStart))
            return nLine;
        nStart = nEnd + 1;
    }
    return nLine;
}

/// Where a string goes wrong before the parser walks the document: the line
/// where the first string holding a control character, or never closed, opens.
std::size_t FirstBadStringLine(std::string_view bytes)
{
    std::size_t nOpened = 0;
    bool bInString = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char ch = bytes[i];
        if (!bInString) {
            if (ch == '"') {
                bInString = true;
                nOpened = i;
            }
        } else if (ch == '\\') {
            ++i;
        } else if (ch == '"') {
            bInString = false;
        } else if (static_cast<unsigned char>(ch) < 0x20) {
            break;
        }
    }
    return CDictionaryError::LineAt(bytes, nOpened);
}

std::string Quoted(std::string_view text)
{
    std::string quoted(1, '"');
    quoted.append(text).push_back('"');
    return quoted;
}

std::string Reason(error_code error)
{
    switch (error) {
    case simdjson::INCORRECT_TYPE:
        return "the file is not one JSON object of outlines and their text";
    case simdjson::UTF8_ERROR:
        return "the text is not UTF-8";
    case simdjson::UNCLOSED_STRING:
    case simdjson::UNESCAPED_CHARS:
        return "a string is not closed on its line";
    case simdjson::EMPTY:
        return "the file is empty";
    case simdjson::TAPE_ERROR:
        return "the JSON is malformed here: a comma, colon, brace or quote is missing or too many";
    default:
        return simdjson::error_message(error);
    }
}

/// Where the JSON goes wrong: the document is walked again, this time step by
/// step, and the place the walk stops at is the line reported. Only a failed
/// read pays for this second walk.
std::size_t FailureLine(std::string_view text, std::size_t nCapacity, error_code error)
{
    if (error == simdjson::UTF8_ERROR)
        return FirstBadUtf8Line(text);
    if (error == simdjson::UNCLOSED_STRING || error == simdjson::UNESCAPED_CHARS)
        return FirstBadStringLine(text);
    simdjson::ondemand::parser parser;
    simdjson::ondemand::document document;
    if (parser.iterate(text.data(), text.size(), nCapacity).get(document) != simdjson::SUCCESS)
        return 0;
    const auto lineHere = [&] {
        const char* pLocation = nullptr;
        if (document.current_location().get(pLocation) != simdjson::SUCCESS)
            return CDictionaryError::LineAt(text, text.size());
        return CDictionaryError::LineAt(text, static_cast<std::size_t>(pLocation - text.data()));
    };
    simdjson::ondemand::object object;
    if (document.get_object().get(object) != simdjson::SUCCESS)
        return lineHere();
    for (auto field : object) {
        std::string_view strText;
        if (field.error() != simdjson::SUCCESS ||
            field.value().get_string().get(strText) != simdjson::SUCCESS)
            return lineHere();
    }
    return lineHere();
}

} // namespace

void ReadJsonDictionary(std::string& bytes, CStenoDictionary& dictionary, DictionaryNotes& notes)
{
    const std::size_t nSkip = bytes.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    bytes.reserve(bytes.size() + simdjson::SIMDJSON_PADDING);
    const std::string_view text = std::string_view(bytes).substr(nSkip);
    const std::size_t nCapacity = bytes.capacity() - nSkip;
    const auto fail = [&](error_code error, const std::string& strReason) {
        throw CDictionaryError(FailureLine(text, nCapacity, error), strReason);
    };
    simdjson::dom::parser parser;
    simdjson::dom::object object;
    if (const error_code error =
            parser.parse(text.data(), text.size(), false).get_object().get(object))
        fail(error, Reason(error));
    std::vector<steno::KeyBits> strokes;
    for (const auto [strOutline, value] : object) {
        std::string_view strText;
        if (value.get_string().get(strText) != simdjson::SUCCESS)
            fail(simdjson::INCORRECT_TYPE,
                 "the text of " + Quoted(strOutline) + " is not a string");
        if (!ParseOutline(strOutline, false, strokes) || !dictionary.Add(strokes, strText)) {
            // The line of a left-out entry is found by its key as written.
            const std::size_t nLine =
                notes.nSkipped == 0 ? CDictionaryError::LineAt(text, text.find(Quoted(strOutline)))
                                    : 0;
            notes.Skip(nLine, strOutline);
        }
    }
}

} // namespace translation
