#include "translation/TranslationModel.h"

#include "base/FilePath.h"
#include "document/StrokeDocument.h"
#include "platform/core/Prompter.h"
#include "translation/TranscriptFormatter.h"

#include <algorithm>
#include <exception>

namespace translation {

CTranslationModel::CTranslationModel(doc::CStrokeDocument& document, platform::Prompter& prompter,
                                     std::filesystem::path settingsFile)
    : m_document(document), m_prompter(prompter), m_settingsFile(std::move(settingsFile)),
      m_translation(m_dictionaries)
{
    m_translation.TranslateAll(CStrokeRecordKeys(m_document.Strokes()));
    m_document.AddObserver(*this);
}

CTranslationModel::~CTranslationModel()
{
    m_document.RemoveObserver(*this);
}

void CTranslationModel::AddObserver(ITranslationObserver& observer)
{
    m_observers.push_back(&observer);
}

void CTranslationModel::RemoveObserver(ITranslationObserver& observer)
{
    std::erase(m_observers, &observer);
}

void CTranslationModel::LoadDictionaries()
{
    std::string strMessage;
    const bool bShown = ShowsColumn();
    m_settings = CDictionarySettings::Load(m_settingsFile, strMessage);
    std::vector<std::string> messages;
    if (!strMessage.empty())
        messages.push_back(std::move(strMessage));
    UseDictionaries(std::move(messages));
    if (bShown != ShowsColumn())
        TellColumnShown(ShowsColumn());
}

void CTranslationModel::ReloadChanged()
{
    std::vector<std::string> messages;
    if (m_dictionaries.ReloadChanged(messages))
        TranslateAll();
    Report(messages);
}

void CTranslationModel::ApplySettings(const CDictionarySettings& settings)
{
    const bool bShown = ShowsColumn();
    const bool bNewList = settings.Entries() != m_settings.Entries();
    m_settings = settings;
    std::vector<std::string> messages;
    try {
        m_settings.Save(m_settingsFile);
    } catch (const std::exception& failure) {
        messages.push_back("Failed to save the dictionary list '" + m_settingsFile.string() +
                           "': " + failure.what());
    }
    if (bNewList)
        UseDictionaries(std::move(messages));
    else
        Report(messages);
    if (bShown != ShowsColumn())
        TellColumnShown(ShowsColumn());
}

void CTranslationModel::UseDictionaries(std::vector<std::string> messages)
{
    for (std::string& strMessage : m_dictionaries.Load(m_settings.EnabledPaths()))
        messages.push_back(std::move(strMessage));
    TranslateAll();
    Report(messages);
}

void CTranslationModel::TranslateAll()
{
    m_translation.TranslateAll(CStrokeRecordKeys(m_document.Strokes()));
    Tell({0, m_document.Count()});
}

std::vector<ColumnWord> CTranslationModel::Column(int nFirst, int nEnd) const
{
    if (nFirst < 0 || nEnd <= nFirst)
        return {};
    return ColumnWords(m_dictionaries, Translations(), CStrokeRecordKeys(m_document.Strokes()),
                       static_cast<std::size_t>(nFirst), static_cast<std::size_t>(nEnd));
}

Transcript CTranslationModel::Text(std::size_t nFirst, std::size_t nEnd) const
{
    const CStrokeRecordKeys keys(m_document.Strokes());
    return CTranscriptFormatter(m_dictionaries, Translations(), keys).Format(nFirst, nEnd);
}

void CTranslationModel::GoToNextUntranslated()
{
    const int nCurrent = m_document.Current();
    const auto nNext = m_translation.NextUntranslated(
        nCurrent == -1 ? std::nullopt : std::optional(static_cast<std::uint32_t>(nCurrent)));
    if (nNext)
        m_document.SetCurrentStroke(static_cast<int>(*nNext), true);
    else if (m_document.Count() > 0)
        m_prompter.Information(std::wstring(kNoUntranslatedText));
}

void CTranslationModel::OnStrokesChanged(const doc::StrokesChange& change)
{
    if (change.bNewDocument)
        return TranslateAll();
    const auto nFirst = static_cast<std::uint32_t>(change.nFirst);
    const TranslationChange done =
        m_translation.Retranslate(CStrokeRecordKeys(m_document.Strokes()),
                                  {nFirst, nFirst + static_cast<std::uint32_t>(change.nRemoved),
                                   nFirst + static_cast<std::uint32_t>(change.nInserted)});
    Tell(RowsOf(done, change));
}

// The changed translations lie between the last unchanged one before them and
// the first unchanged one after them; the changed strokes themselves may show
// other steno under the same translation.
TranslationRows CTranslationModel::RowsOf(const TranslationChange& change,
                                          const doc::StrokesChange& strokes) const
{
    TranslationRows rows{strokes.nFirst, strokes.nFirst + strokes.nInserted};
    if (change.nOldCount == 0 && change.nNewCount == 0)
        return rows;
    const CStandingList& list = Translations();
    const std::size_t nAfter = change.nFirst + change.nNewCount;
    const int nLow =
        change.nFirst > 0 ? static_cast<int>(list.At(change.nFirst - 1).nFirst) + 1 : 0;
    const int nHigh =
        nAfter < list.Count() ? static_cast<int>(list.At(nAfter).nFirst) : m_document.Count();
    return {std::min(rows.nFirst, nLow), std::max(rows.nEnd, nHigh)};
}

void CTranslationModel::Tell(const TranslationRows& rows)
{
    // A copy: an observer may come or go while the others are told.
    const std::vector<ITranslationObserver*> observers = m_observers;
    for (ITranslationObserver* pObserver : observers)
        pObserver->OnTranslationChanged(rows);
}

void CTranslationModel::TellColumnShown(bool bShown)
{
    const std::vector<ITranslationObserver*> observers = m_observers;
    for (ITranslationObserver* pObserver : observers)
        pObserver->OnColumnShown(bShown);
}

void CTranslationModel::Report(const std::vector<std::string>& messages)
{
    if (messages.empty())
        return;
    std::string strText;
    for (const std::string& strMessage : messages)
        strText += (strText.empty() ? "" : "\n") + strMessage;
    // Paths and reasons are UTF-8, as file names are.
    m_prompter.Information(base::WideFromPath(std::filesystem::path(strText)));
}

} // namespace translation
