#pragma once
// The translation of the open document as the editor shows it: it watches the
// document and translates again what each change touches, reads the list of
// dictionaries in use and the dictionaries (again when their files changed on
// disk, or when the Dictionaries dialog changes the list), and tells its
// observers which rows may read differently. What goes wrong reaches the user
// as one message through the prompter.

#include "document/DocumentObserver.h"
#include "translation/ColumnWords.h"
#include "translation/DictionaryCollection.h"
#include "translation/DictionarySettings.h"
#include "translation/DocumentTranslation.h"
#include "translation/TranscriptLayout.h"
#include "translation/TranslationObserver.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace doc {
class CStrokeDocument;
}

namespace platform {
class Prompter;
}

namespace translation {

/// Told when Next Untranslated finds no untranslated stroke.
inline constexpr std::wstring_view kNoUntranslatedText = L"No untranslated strokes";

class CTranslationModel : private doc::IDocumentObserver
{
public:
    /// settingsFile holds the list of dictionaries (CDictionarySettings::SettingsFile()
    /// in the program). Nothing is read before LoadDictionaries.
    CTranslationModel(doc::CStrokeDocument& document, platform::Prompter& prompter,
                      std::filesystem::path settingsFile);
    ~CTranslationModel() override;
    CTranslationModel(const CTranslationModel&) = delete;
    CTranslationModel& operator=(const CTranslationModel&) = delete;

    /// Observers are told in the order they were added.
    void AddObserver(ITranslationObserver& observer);
    void RemoveObserver(ITranslationObserver& observer);

    /// Reads the list in use (the first-start list until the settings file
    /// exists) and its dictionaries, and translates the document again.
    void LoadDictionaries();
    /// Reads again each dictionary whose file changed on disk and, when any
    /// did, translates the document again.
    void ReloadChanged();
    /// The Dictionaries dialog's OK: keeps the list in the settings file, reads
    /// its dictionaries when the list changed, shows or hides the column.
    void ApplySettings(const CDictionarySettings& settings);

    const CDictionarySettings& Settings() const { return m_settings; }
    bool ShowsColumn() const { return m_settings.ShowTranslation(); }
    const CDictionaryCollection& Dictionaries() const { return m_dictionaries; }
    const CStandingList& Translations() const { return m_translation.Translations(); }

    /// The translation column of rows [nFirst, nEnd).
    std::vector<ColumnWord> Column(int nFirst, int nEnd) const;
    /// The formatted text of translations [nFirst, nEnd).
    Transcript Text(std::size_t nFirst, std::size_t nEnd) const;

    /// Edit ▸ Next Untranslated: the next untranslated stroke after the current
    /// one becomes current, from the top after the last.
    void GoToNextUntranslated();

private:
    void OnStrokesChanged(const doc::StrokesChange& change) override;

    void UseDictionaries(std::vector<std::string> messages);
    void TranslateAll();
    TranslationRows RowsOf(const TranslationChange& change,
                           const doc::StrokesChange& strokes) const;
    void Tell(const TranslationRows& rows);
    void TellColumnShown(bool bShown);
    void Report(const std::vector<std::string>& messages);

    doc::CStrokeDocument& m_document;
    platform::Prompter& m_prompter;
    std::filesystem::path m_settingsFile;
    CDictionarySettings m_settings;
    CDictionaryCollection m_dictionaries;
    CDocumentTranslation m_translation;
    std::vector<ITranslationObserver*> m_observers;
};

} // namespace translation
