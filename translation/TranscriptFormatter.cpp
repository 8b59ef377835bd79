#include "translation/TranscriptFormatter.h"

#include "translation/CodePage.h"
#include "translation/EntryText.h"
#include "translation/OutlineNotation.h"

namespace translation {

CTranscriptFormatter::CTranscriptFormatter(const CDictionaryCollection& dictionaries,
                                           const CStandingList& list, const IStrokeKeys& strokes)
    : m_dictionaries(dictionaries), m_list(list), m_strokes(strokes)
{
    for (std::size_t i = 0; i < dictionaries.Count(); ++i) {
        const CDictionaryFile& file = dictionaries.Dictionary(i);
        m_codePages.push_back(file.Format() == DictionaryFormat::Rtf
                                  ? std::make_unique<CCodePage>(file.CodePage())
                                  : nullptr);
    }
}

CTranscriptFormatter::~CTranscriptFormatter() = default;

Transcript CTranscriptFormatter::Format(std::size_t nFirst, std::size_t nEnd) const
{
    CTranscriptLayout layout;
    nEnd = std::min(nEnd, m_list.Count());
    for (std::size_t i = nFirst > kContext ? nFirst - kContext : 0; i < nEnd; ++i) {
        layout.Begin(i, i >= nFirst);
        const StandingTranslation translation = m_list.At(i);
        if (!translation.IsTranslated()) {
            layout.Word(KeysText(m_strokes.Keys(translation.nFirst)));
            continue;
        }
        LayEntry(translation.nDict, m_dictionaries.Text({translation.nDict, translation.nEntry}),
                 layout);
        if (translation.nSuffix != 0) {
            const auto suffix = m_dictionaries.SuffixEntry(translation.nSuffix - 1u);
            LayEntry(suffix->nDict, m_dictionaries.Text(*suffix), layout);
        }
    }
    return std::move(layout.Result());
}

void CTranscriptFormatter::LayEntry(std::size_t nDict, std::string_view text,
                                    CTranscriptLayout& layout) const
{
    if (m_codePages[nDict])
        LayRtfEntry(text, *m_codePages[nDict], layout);
    else
        LayBraceEntry(text, layout);
}

} // namespace translation
