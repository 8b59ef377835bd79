#pragma once
// The formatted text of a run of standing translations, for the transcript
// window and quillmark-cli translate: each entry read in its dictionary's
// notation, an untranslated stroke shown as its steno, and every piece of text
// tied to the translation (and so the strokes) it came from.

#include "translation/DictionaryCollection.h"
#include "translation/StandingList.h"
#include "translation/StrokeKeys.h"
#include "translation/TranscriptLayout.h"

#include <memory>
#include <vector>

namespace translation {

class CCodePage;

class CTranscriptFormatter
{
public:
    /// Translations laid out before the first one asked for, so capitals and
    /// spacing come out as in the whole text.
    static constexpr std::size_t kContext = 32;

    CTranscriptFormatter(const CDictionaryCollection& dictionaries, const CStandingList& list,
                         const IStrokeKeys& strokes);
    ~CTranscriptFormatter();
    CTranscriptFormatter(const CTranscriptFormatter&) = delete;
    CTranscriptFormatter& operator=(const CTranscriptFormatter&) = delete;

    /// The text of translations [nFirst, nEnd).
    Transcript Format(std::size_t nFirst, std::size_t nEnd) const;

private:
    void LayEntry(std::size_t nDict, std::string_view text, CTranscriptLayout& layout) const;

    const CDictionaryCollection& m_dictionaries;
    const CStandingList& m_list;
    const IStrokeKeys& m_strokes;
    std::vector<std::unique_ptr<CCodePage>> m_codePages; ///< of each RTF/CRE dictionary
};

} // namespace translation
