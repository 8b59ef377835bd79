// Writes stroke files for translating:
//   quillmark-translation-strokes random DICT COUNT OUT [SEED]
//     COUNT strokes of DICT's outlines with stray strokes and * among them
//     (the file the comparison with the open steno engine translates);
//   quillmark-translation-strokes sample DICT OUT
//     the end of Lincoln's second inaugural address (1865, public domain)
//     written in DICT's outlines, with a few misstrokes taken back by * and a
//     few strokes left untranslated: examples/sample.rtf, written from the
//     engine's main.json. The words it reads as go to standard error.
#include "bench/TranslationStrokes.h"
#include "base/FileException.h"
#include "base/LocalTime.h"
#include "rtfcre/StrokeFileSaving.h"
#include "translation/DictionaryCollection.h"
#include "translation/DocumentTranslation.h"
#include "translation/TranscriptFormatter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

using namespace translation;
using Outline = std::vector<steno::KeyBits>;

constexpr std::string_view kPassage =
    "If we shall suppose that American slavery is one of those offenses which, in the "
    "providence of God, must needs come, but which, having continued through His appointed "
    "time, He now wills to remove, and that He gives to both North and South this terrible war "
    "as the woe due to those by whom the offense came, shall we discern therein any departure "
    "from those divine attributes which the believers in a living God always ascribe to Him? "
    "Fondly do we hope, fervently do we pray, that this mighty scourge of war may speedily pass "
    "away. Yet, if God wills that it continue until all the wealth piled by the bondsman's two "
    "hundred and fifty years of unrequited toil shall be sunk, and until every drop of blood "
    "drawn with the lash shall be paid by another drawn with the sword, as was said three "
    "thousand years ago, so still it must be said \"the judgments of the Lord are true and "
    "righteous altogether.\" With malice toward none, with charity for all, with firmness in the "
    "right as God gives us "
    "to see the right, let us strive on to finish the work we are in, to bind up the nation's "
    "wounds, to care for him who shall have borne the battle and for his widow and his orphan, "
    "to do all which may achieve and cherish a just and lasting peace among ourselves and with "
    "all nations.";

// Tokens before which a misstroke and its * go in, and before which a stroke
// stays untranslated.
constexpr std::size_t kMisstrokes[] = {12, 57, 118, 190};
constexpr std::size_t kUntranslated[] = {34, 150, 231};
constexpr std::size_t kMostTries = 200000;
// Every fifth stroke from the third brushes a key: marked keys to see in the
// list and the monitors, the third stroke's among them.
constexpr std::size_t kBrushedEvery = 5;
constexpr std::size_t kFirstBrushed = 2;
// The engine's dictionary capitalises the next word with this entry.
constexpr const char* kCapital = "{}{-|}";

struct Token
{
    std::vector<std::vector<std::string>> choices; ///< entry texts that may write it
    std::size_t nEnd = 0;                          ///< where it ends in the passage
};

std::string Lowered(std::string text)
{
    for (char& ch : text)
        ch = static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    return text;
}

/// Ways to write a word: as it is, or in lower case with a capital stroke
/// before it unless a capital is coming anyway; each whole, with a suffix
/// stroke, or letter by letter.
std::vector<std::vector<std::string>> WordChoices(const std::string& strWord, bool bCapitalNext)
{
    std::vector<std::vector<std::string>> forms;
    const bool bUpper = strWord[0] >= 'A' && strWord[0] <= 'Z';
    if (!bUpper || !bCapitalNext)
        forms.push_back({strWord});
    if (bUpper)
        forms.push_back(bCapitalNext ? std::vector<std::string>{Lowered(strWord)}
                                     : std::vector<std::string>{kCapital, Lowered(strWord)});
    std::vector<std::vector<std::string>> choices = forms;
    for (const auto& form : forms) {
        const std::string& strBase = form.back();
        for (const char* pSuffix : {"'s", "s", "ly", "ed", "ing", "es", "er", "ness", "ment"}) {
            const std::string strSuffix = pSuffix;
            if (strBase.size() <= strSuffix.size() || !strBase.ends_with(strSuffix))
                continue;
            auto choice = form;
            choice.back().resize(strBase.size() - strSuffix.size());
            choice.push_back("{^" + strSuffix + "}");
            choices.push_back(choice);
        }
    }
    std::vector<std::string> letters(forms.back().begin(), forms.back().end() - 1);
    for (char ch : forms.back().back())
        letters.push_back(std::string("{>}{&") + ch + "}");
    choices.push_back(letters);
    return choices;
}

std::vector<Token> Tokens()
{
    std::vector<Token> tokens;
    bool bCapitalNext = false;
    for (std::size_t i = 0; i < kPassage.size();) {
        const char ch = kPassage[i];
        std::string strMark;
        std::size_t nEnd = i + 1;
        if (ch == ' ' || ch == '\n') {
            ++i;
            continue;
        }
        if (std::isalpha(static_cast<unsigned char>(ch))) {
            while (nEnd < kPassage.size() &&
                   (std::isalpha(static_cast<unsigned char>(kPassage[nEnd])) ||
                    kPassage[nEnd] == '\''))
                ++nEnd;
            const std::string strWord(kPassage.substr(i, nEnd - i));
            tokens.push_back({WordChoices(strWord, bCapitalNext), nEnd});
            bCapitalNext = false;
            i = nEnd;
            continue;
        }
        if (ch == '.' && nEnd < kPassage.size() && kPassage[nEnd] == '\n')
            strMark = "{.}{^\n^}{-|}", ++nEnd;
        else if (ch == '"')
            strMark = i == 0 || kPassage[i - 1] == ' ' ? "{~|\"^}" : "{^~|\"}";
        else
            strMark = {'{', ch, '}'};
        bCapitalNext = ch == '.' || ch == '?' || ch == '!' || (ch == '"' && bCapitalNext);
        tokens.push_back({{{strMark}}, nEnd});
        i = nEnd;
    }
    return tokens;
}

/// Every outline of each entry text, fewest strokes and keys first.
std::map<std::string, std::vector<Outline>> OutlinesByText(const CStenoDictionary& dictionary)
{
    std::map<std::string, std::vector<Outline>> outlines;
    dictionary.ForEach([&](CStenoDictionary::EntryId nEntry) {
        Outline outline;
        dictionary.AppendOutline(nEntry, outline);
        outlines[std::string(dictionary.Text(nEntry))].push_back(outline);
    });
    const auto weight = [](const Outline& outline) {
        std::size_t nKeys = 0;
        for (steno::KeyBits keys : outline)
            nKeys += static_cast<std::size_t>(__builtin_popcount(keys));
        return std::pair(outline.size(), nKeys);
    };
    for (auto& [text, list] : outlines)
        std::sort(list.begin(), list.end(), [&](const Outline& a, const Outline& b) {
            return std::pair(weight(a), a) < std::pair(weight(b), b);
        });
    return outlines;
}

class CSampleWriter
{
public:
    explicit CSampleWriter(const CDictionaryCollection& dictionaries)
        : m_dictionaries(dictionaries),
          m_outlines(OutlinesByText(dictionaries.Dictionary(0).Entries())), m_tokens(Tokens())
    {
    }

    /// The strokes of every token, each token's written so the words so far read
    /// as the passage; a token whose ways all fail sends the search back a token.
    bool Write()
    {
        m_choices.assign(m_tokens.size(), 0);
        m_strokes.assign(m_tokens.size(), {});
        std::size_t nTries = 0;
        for (std::size_t t = 0; t < m_tokens.size();) {
            if (++nTries > kMostTries)
                return false;
            if (m_choices[t] >= Ways(t)) {
                m_choices[t] = 0;
                if (t == 0)
                    return false;
                ++m_choices[--t];
                continue;
            }
            if (StrokesOf(t, m_choices[t], m_strokes[t]) && ReadsAsPassage(t))
                ++t;
            else
                ++m_choices[t];
        }
        return true;
    }

    std::vector<steno::KeyBits> WithMistakes() const
    {
        std::vector<steno::KeyBits> keys;
        for (std::size_t t = 0; t < m_tokens.size(); ++t) {
            const steno::KeyBits first = m_strokes[t].front();
            if (std::find(std::begin(kMisstrokes), std::end(kMisstrokes), t) !=
                std::end(kMisstrokes)) {
                keys.push_back(Slipped(first, true));
                keys.push_back(steno::KeyBit(steno::kKeyStar));
            }
            if (std::find(std::begin(kUntranslated), std::end(kUntranslated), t) !=
                std::end(kUntranslated))
                keys.push_back(Slipped(first, false));
            keys.insert(keys.end(), m_strokes[t].begin(), m_strokes[t].end());
        }
        return keys;
    }

    std::string Read(const std::vector<steno::KeyBits>& keys) const
    {
        const CKeyList strokes(keys);
        CDocumentTranslation translation(m_dictionaries);
        translation.TranslateAll(strokes);
        const CTranscriptFormatter formatter(m_dictionaries, translation.Translations(), strokes);
        return formatter.Format(0, translation.Translations().Count()).strText;
    }

private:
    std::size_t Ways(std::size_t t) const { return m_tokens[t].choices.size() * 8; }

    /// The strokes of way nChoice to write token t: a choice of texts, and the
    /// nChoice / texts-th outline of its first text.
    bool StrokesOf(std::size_t t, std::size_t nChoice, Outline& strokes) const
    {
        const auto& choices = m_tokens[t].choices;
        const auto& texts = choices[nChoice % choices.size()];
        strokes.clear();
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const auto found = m_outlines.find(texts[i]);
            const std::size_t nOutline = i == 0 ? nChoice / choices.size() : 0;
            if (found == m_outlines.end() || nOutline >= found->second.size())
                return false;
            strokes.insert(strokes.end(), found->second[nOutline].begin(),
                           found->second[nOutline].end());
        }
        return true;
    }

    bool ReadsAsPassage(std::size_t nLast) const
    {
        std::vector<steno::KeyBits> keys;
        for (std::size_t t = 0; t <= nLast; ++t)
            keys.insert(keys.end(), m_strokes[t].begin(), m_strokes[t].end());
        return Read(keys) == kPassage.substr(0, m_tokens[nLast].nEnd);
    }

    /// The stroke with one key more or less: one the dictionaries have when
    /// bKnown (a misstroke that writes a wrong word), else one they do not.
    steno::KeyBits Slipped(steno::KeyBits keys, bool bKnown) const
    {
        for (int i = steno::kKeyLeftS; i < steno::kKeyCount; ++i) {
            const steno::KeyBits slipped = keys ^ steno::KeyBit(i);
            if (slipped != 0 && slipped != steno::KeyBit(steno::kKeyStar) &&
                m_dictionaries.Find(slipped).has_value() == bKnown)
                return slipped;
        }
        return keys;
    }

    const CDictionaryCollection& m_dictionaries;
    std::map<std::string, std::vector<Outline>> m_outlines;
    std::vector<Token> m_tokens;
    std::vector<std::size_t> m_choices;
    std::vector<Outline> m_strokes;
};

int Save(const char* pPath, const std::vector<steno::KeyBits>& keys)
{
    const std::int64_t nStart = base::MakeLocalTime(2024, 5, 3, 9, 0, 0);
    std::mt19937_64 random(7);
    std::vector<CStenoStroke> records;
    for (std::size_t i = 0; i < keys.size(); ++i)
        records.push_back(bench::StrokeRecord(keys[i],
                                              nStart + static_cast<std::int64_t>(i * 3 / 4),
                                              i % kBrushedEvery == kFirstBrushed, random));
    try {
        SaveStrokeFile(pPath, records, static_cast<std::time_t>(nStart));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Failed to save file '%s': %s\n", pPath, error.what());
        return 1;
    }
    return 0;
}

int Usage()
{
    std::fputs("Usage: quillmark-translation-strokes random DICT COUNT OUT [SEED]\n"
               "       quillmark-translation-strokes sample DICT OUT\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string strMode = argc > 1 ? argv[1] : "";
    if (!((strMode == "random" && (argc == 5 || argc == 6)) || (strMode == "sample" && argc == 4)))
        return Usage();
    CDictionaryCollection dictionaries;
    for (const std::string& strMessage : dictionaries.Load({argv[2]}))
        std::fprintf(stderr, "%s\n", strMessage.c_str());
    if (dictionaries.Count() == 0)
        return 1;
    if (strMode == "random") {
        std::vector<steno::KeyBits> keys;
        bench::COutlineStrokes(dictionaries.Dictionary(0).Entries(),
                               argc == 6 ? std::strtoull(argv[5], nullptr, 10) : 1)
            .Append(std::strtoull(argv[3], nullptr, 10), keys);
        return Save(argv[4], keys);
    }
    CSampleWriter writer(dictionaries);
    if (!writer.Write()) {
        std::fputs("quillmark-translation-strokes: found no strokes that read as the passage\n",
                   stderr);
        return 1;
    }
    const auto keys = writer.WithMistakes();
    std::fprintf(stderr, "%zu strokes:\n%s\n", keys.size(), writer.Read(keys).c_str());
    return Save(argv[3], keys);
}
