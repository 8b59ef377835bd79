#pragma once
// The conversations with the user around the document: opening a file with the
// question whether to save the one open, saving, Save As, closing, deleting
// strokes, shifting their times, export and import, and the find, replace and
// go-to-time searches with where each next search starts. The only code that
// asks the user anything, through the Prompter and the file dialogs. Nothing
// the user wrote is lost: a save that failed and was cancelled leaves the
// document modified and open.

#include "document/BackgroundRunner.h"
#include "document/DocumentObserver.h"
#include "exchange/StrokeImport.h"
#include "shift/ShiftAmount.h"
#include "steno/StenoKeys.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class FileDialogs;
class Prompter;
} // namespace platform

class CStenoStroke;

namespace doc {

class CStrokeDocument;

/// Where the next search of each kind starts; -1 from the top (replace: from
/// the current stroke). The next single Replace follows the current stroke.
struct SearchStarts
{
    int nFind = -1;
    int nReplace = -1;
    int nGoto = -1;
};

class CDocumentFlows : private IDocumentObserver
{
public:
    /// documentsFolder is where the writer's backup folder lies (may be empty).
    CDocumentFlows(CStrokeDocument& document, platform::Prompter& prompter,
                   platform::FileDialogs& fileDialogs, std::wstring documentsFolder);
    ~CDocumentFlows() override;
    CDocumentFlows(const CDocumentFlows&) = delete;
    CDocumentFlows& operator=(const CDocumentFlows&) = delete;

    /// Loads and saves run through the runner from now on (in place by default).
    void SetRunner(IBackgroundRunner& runner) { m_pRunner = &runner; }

    /// File ▸ Open: the file dialog, then Open.
    bool OpenWithDialog();
    /// Loads the file after asking to save a modified document; false when the
    /// user kept the open document, stopped the load, or cancelled a failed one.
    bool Open(const std::wstring& strPath);
    /// Writes the document to its own file; false without one or when a failure
    /// was reported and the user chose Cancel.
    bool Save();
    /// The Save As dialog, then the save; false when either was cancelled.
    bool SaveAs();
    /// Asks to save a modified document; true when the window may close.
    bool Close();
    /// Asks once, then removes the selection, or the current stroke without one.
    void Delete();
    /// Edit ▸ Shift Times: moves the times of the selection (of every stroke
    /// without one) as one change, by the amount typed or so that the current
    /// stroke gets the time of day typed. False after a message: text that is
    /// no amount or time, no current stroke, or the first stroke that would
    /// leave its day.
    bool ShiftTimes(std::string_view text, shift::ShiftKind kind);
    /// File ▸ Export: the selection (every stroke without one) to a file, CSV or
    /// JSON as its name's extension says; false when cancelled or failed.
    bool Export();
    /// File ▸ Import: a stroke log or tape written as stroke files, one a day,
    /// under a name the user chooses; tells what was written and skipped and
    /// opens the first file. False when cancelled or nothing was written.
    bool Import();

    /// The next stroke with these keys; its index, or -1 after "No occurrences found".
    int Find(steno::KeyBits keys);
    /// The next stroke written at this time (date included); as Find.
    int GotoTime(std::int64_t time);
    /// Replace (the next match from the current stroke) or Replace All; how many changed.
    int Replace(steno::KeyBits find, steno::KeyBits put, bool bAll);
    const SearchStarts& Starts() const { return m_starts; }

private:
    void OnCurrentChanged(const CurrentChange& change) override;
    bool SaveTo(const std::wstring& strPath);
    bool SaveOrSaveAs();
    int ShowSearchResult(int nFound, int& nNext);
    int NextAfterCurrent() const;
    std::optional<std::int64_t> ShiftAmountOf(std::string_view text, shift::ShiftKind kind);
    std::optional<exchange::ImportedStrokes> ReadImport(const std::wstring& strSource);
    std::vector<std::wstring> WriteImport(const std::wstring& strOut,
                                          std::vector<CStenoStroke> strokes);

    CStrokeDocument& m_document;
    platform::Prompter& m_prompter;
    platform::FileDialogs& m_fileDialogs;
    std::wstring m_strDocumentsFolder;
    SearchStarts m_starts;
    CInPlaceRunner m_inPlace;
    IBackgroundRunner* m_pRunner = &m_inPlace;
};

// What the flows tell the user, also printed by the command-line tool.
inline constexpr std::wstring_view kNoOccurrencesText = L"No occurrences found";
/// "Nothing found to replace", or how many strokes a replace changed.
std::wstring ReplacedText(int nReplaced);
/// The question asked before a stroke is removed.
std::wstring DeleteQuestion(const CStenoStroke& stroke);
/// The question asked before more than one stroke is removed.
std::wstring DeleteQuestion(int nCount);
/// Asked on closing with unsaved changes, also when the document has no name.
std::wstring CloseQuestion(const std::wstring& strFileName);

} // namespace doc
