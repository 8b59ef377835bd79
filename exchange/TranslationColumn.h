#pragma once
// The translation column of an export. A stroke that begins a translation shows
// that translation's formatted text as the transcript reads it (capitals as
// there, an attached suffix without its space: "gift", "ing"); an untranslated
// stroke its steno. The other strokes of a translation, strokes a * took back,
// the * itself and strokes without keys show nothing.

#include "exchange/StrokeExport.h"
#include "translation/DictionaryCollection.h"
#include "translation/StandingList.h"
#include "translation/StrokeKeys.h"

#include <string>
#include <string_view>
#include <vector>

namespace exchange {

class CTranslationColumn
{
public:
    /// The list's translations of strokes, formatted once; the list stays the
    /// caller's and must not change while the column is used.
    CTranslationColumn(const translation::CDictionaryCollection& dictionaries,
                       const translation::CStandingList& list,
                       const translation::IStrokeKeys& strokes);

    /// The column's UTF-8 text for the stroke at nIndex.
    std::string_view Text(std::size_t nIndex) const;
    /// Text as the export asks for it; the column must outlive the source.
    TranslationSource Source() const;

private:
    struct Span
    {
        std::size_t nBegin = 0;
        std::size_t nEnd = 0;
    };

    const translation::CStandingList& m_list;
    std::string m_strText;     ///< the whole transcript
    std::vector<Span> m_spans; ///< of each translation's text in it
};

} // namespace exchange
