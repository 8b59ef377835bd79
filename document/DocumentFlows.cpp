#include "document/DocumentFlows.h"

#include "base/AnsiText.h"
#include "base/LocalTime.h"
#include "document/FileAttempt.h"
#include "document/FileRequests.h"
#include "document/StrokeDocument.h"
#include "platform/core/FileDialogs.h"
#include "platform/core/Prompter.h"
#include "shift/TimeShift.h"
#include "steno/StenoEncoder.h"

#include <utility>

namespace doc {
namespace {

using platform::Answer;

constexpr int kStrokeTextCompactLetters = 2;

std::wstring Quoted(const std::wstring& strText)
{
    return L"'" + strText + L"'";
}

std::wstring LoadFailureText(const std::wstring& strPath)
{
    return L"Failed to load file " + Quoted(strPath);
}

std::wstring SaveFailureText(const std::wstring& strPath)
{
    return L"Failed to save file " + Quoted(strPath);
}

} // namespace

std::wstring ReplacedText(int nReplaced)
{
    return nReplaced == 0 ? L"Nothing found to replace"
                          : std::to_wstring(nReplaced) + L" stroke(s) replaced";
}

std::wstring DeleteQuestion(const CStenoStroke& stroke)
{
    // A time that cannot be converted shows as an empty text.
    const std::wstring strTime = base::FormatLocalTime(stroke.m_time, "%I:%M:%S %p");
    const std::wstring strKeys = StrokeText(stroke, kStrokeTextCompactLetters);
    return L"Do you want to remove stroke '" + strTime + L":  " + strKeys + L"'?";
}

std::wstring DeleteQuestion(int nCount)
{
    return L"Delete " + std::to_wstring(nCount) + L" strokes?";
}

std::wstring CloseQuestion(const std::wstring& strFileName)
{
    return L"Do you want to save file " + Quoted(strFileName) + L" before close?";
}

CDocumentFlows::CDocumentFlows(CStrokeDocument& document, platform::Prompter& prompter,
                               platform::FileDialogs& fileDialogs, std::wstring documentsFolder)
    : m_document(document), m_prompter(prompter), m_fileDialogs(fileDialogs),
      m_strDocumentsFolder(std::move(documentsFolder))
{
    m_document.AddObserver(*this);
}

CDocumentFlows::~CDocumentFlows()
{
    m_document.RemoveObserver(*this);
}

// A single Replace after the user moved starts at the stroke now current.
void CDocumentFlows::OnCurrentChanged(const CurrentChange& change)
{
    m_starts.nReplace = change.nCurrent;
}

bool CDocumentFlows::OpenWithDialog()
{
    return Open(m_fileDialogs.OpenFile(OpenRequest(m_strDocumentsFolder)));
}

bool CDocumentFlows::Open(const std::wstring& strPath)
{
    if (strPath.empty())
        return false;
    if (m_document.IsModified() &&
        m_prompter.YesNo(L"Do you want to save file " + Quoted(m_document.FileName()) + L"?") ==
            Answer::Yes &&
        !SaveOrSaveAs())
        return false;
    return RetryFileWork(
        m_prompter, [&] { return m_document.Load(strPath, *m_pRunner); },
        [&](const std::string&) { return LoadFailureText(strPath); });
}

bool CDocumentFlows::SaveTo(const std::wstring& strPath)
{
    // On failure the file on disk is as it was and the document keeps its changes.
    return RetryFileWork(
        m_prompter, [&] { return m_document.Save(strPath, *m_pRunner); },
        [&](const std::string&) { return SaveFailureText(strPath); });
}

bool CDocumentFlows::Save()
{
    return !m_document.FileName().empty() && SaveTo(m_document.FileName());
}

bool CDocumentFlows::SaveAs()
{
    const std::wstring strPath =
        m_fileDialogs.SaveFile(SaveAsRequest(m_document.FileName(), m_strDocumentsFolder));
    return !strPath.empty() && SaveTo(strPath);
}

// Strokes left by a failed load have no file of their own: they need a name first.
bool CDocumentFlows::SaveOrSaveAs()
{
    return m_document.FileName().empty() ? SaveAs() : Save();
}

bool CDocumentFlows::Close()
{
    if (!m_document.IsModified())
        return true;
    switch (m_prompter.YesNoCancel(CloseQuestion(m_document.FileName()))) {
    case Answer::Yes:
        return SaveOrSaveAs();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void CDocumentFlows::Delete()
{
    const StrokeRange target = m_document.Target();
    if (target.IsEmpty())
        return;
    const std::wstring strQuestion = target.Count() == 1
                                         ? DeleteQuestion(m_document.Stroke(target.nFirst))
                                         : DeleteQuestion(target.Count());
    if (m_prompter.YesNo(strQuestion) == Answer::Yes)
        m_document.DeleteStrokes(target.nFirst, target.Count());
}

std::optional<std::int64_t> CDocumentFlows::ShiftAmountOf(std::string_view text,
                                                          shift::ShiftKind kind)
{
    const std::wstring strText = L"'" + base::AnsiToWide(text) + L"'";
    if (kind == shift::ShiftKind::ByAmount) {
        const std::optional<std::int64_t> nAmount = shift::ParseShiftAmount(text);
        if (!nAmount)
            m_prompter.Information(strText + L" is not an amount of time: type +HH:MM:SS or "
                                             L"-HH:MM:SS, with .mmm for milliseconds.");
        return nAmount;
    }
    const std::optional<base::TimeOfDay> time = base::ParseTimeOfDay(text);
    if (!time) {
        m_prompter.Information(strText + L" is not a time of day: type HH:MM:SS.");
        return std::nullopt;
    }
    const int nCurrent = m_document.Current();
    const std::optional<std::int64_t> nAmount =
        nCurrent == -1 ? std::nullopt
                       : shift::AmountToTimeOfDay(m_document.Stroke(nCurrent), *time);
    if (!nAmount)
        m_prompter.Information(L"There is no current stroke with a time of day to change.");
    return nAmount;
}

bool CDocumentFlows::ShiftTimes(std::string_view text, shift::ShiftKind kind)
{
    const std::optional<std::int64_t> nAmount = ShiftAmountOf(text, kind);
    if (!nAmount)
        return false;
    const std::wstring strRefusal = m_document.ShiftTimes(m_document.SelectionOrAll(), *nAmount);
    if (!strRefusal.empty())
        m_prompter.Information(strRefusal);
    return strRefusal.empty();
}

// After a hit the next search starts behind it, and from the top after the last stroke.
int CDocumentFlows::NextAfterCurrent() const
{
    const int nNext = m_document.Current() + 1;
    return nNext >= m_document.Count() ? -1 : nNext;
}

int CDocumentFlows::ShowSearchResult(int nFound, int& nNext)
{
    if (nFound == -1) {
        m_prompter.Information(std::wstring(kNoOccurrencesText));
        nNext = m_document.SetCurrentStroke(0, true);
        return -1;
    }
    m_document.SetCurrentStroke(nFound, true);
    nNext = NextAfterCurrent();
    return nFound;
}

int CDocumentFlows::Find(steno::KeyBits keys)
{
    return ShowSearchResult(m_document.FindStrokeByKeys(m_starts.nFind, keys), m_starts.nFind);
}

int CDocumentFlows::GotoTime(std::int64_t time)
{
    return ShowSearchResult(m_document.FindStrokeByTime(m_starts.nGoto, time), m_starts.nGoto);
}

int CDocumentFlows::Replace(steno::KeyBits find, steno::KeyBits put, bool bAll)
{
    const int nReplaced = m_document.ReplaceKeys(bAll ? -1 : m_starts.nReplace, find, put, bAll);
    m_prompter.Information(ReplacedText(nReplaced));
    // Moving the current stroke has made the replace start follow it; these come after.
    if (nReplaced == 0 || bAll)
        m_starts.nReplace = m_document.SetCurrentStroke(0, true);
    else
        m_starts.nReplace = NextAfterCurrent();
    return nReplaced;
}

} // namespace doc
