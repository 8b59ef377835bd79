// Loading and saving of the stroke document.
#include "strokelist/StrokeDocument.h"

#include "base/FilePath.h"
#include "rtfcre/StrokeFileLoading.h"
#include "rtfcre/StrokeFileSaving.h"
#include "strokelist/StrokeListView.h"

#include <ctime>
#include <exception>
#include <new>
#include <string_view>

namespace strokelist {
namespace {

std::wstring Quoted(const std::wstring& strText)
{
    return L"'" + strText + L"'";
}

// Runs one attempt at a load or a save; every failure, whatever raised it, is
// caught and its reason kept for the user who asks.
template <typename Action> bool Attempt(Action action, std::string& strReason)
{
    try {
        action();
        return true;
    } catch (const std::bad_alloc&) {
        strReason = "not enough memory";
    } catch (const std::exception& error) {
        strReason = error.what();
    } catch (...) {
        strReason = "unknown failure";
    }
    return false;
}

} // namespace

void CStrokeDocument::DropStrokes()
{
    // Free the storage too: the next file may be much smaller.
    std::vector<CStenoStroke>().swap(m_strokes);
    m_nCurrent = -1;
}

void CStrokeDocument::ReadFile(const std::wstring& strPath)
{
    m_header = StrokeFileHeader{};
    // A file without its header lines or that cannot be opened fails here, so the
    // document never belongs to a file whose strokes it did not read.
    LoadStrokeFile(base::PathFromWide(strPath), m_header, m_strokes);
}

bool CStrokeDocument::LoadFile(const std::wstring& strPath, platform::Prompter& prompter)
{
    if (m_bModified) {
        if (prompter.YesNo(L"Do you want to save file " + Quoted(m_strFileName) + L"?") ==
            platform::Answer::Yes)
            SaveFile(m_strFileName, prompter);
        m_bModified = false;
    }
    DropStrokes();
    m_history.Clear();
    m_strFileName.clear();
    while (!Attempt([&] { ReadFile(strPath); }, m_strLastFailure)) {
        if (prompter.RetryCancel(L"Failed to load file " + Quoted(strPath)) !=
            platform::Answer::Retry) {
            // The strokes read before the failure stay, without a file to save them over.
            m_view.ResetLayout();
            SetCurrentStroke(0, true);
            return false;
        }
        DropStrokes();
    }
    m_view.ResetLayout();
    m_strFileName = strPath;
    SetCurrentStroke(0, true);
    return true;
}

void CStrokeDocument::WriteFile(const std::wstring& strTarget) const
{
    SaveStrokeFile(base::PathFromWide(strTarget), m_strokes, std::time(nullptr));
}

bool CStrokeDocument::SaveFile(const std::wstring& strPath, platform::Prompter& prompter)
{
    const std::wstring strTarget = strPath.empty() ? m_strFileName : strPath;
    if (strTarget.empty())
        return false;
    while (!Attempt([&] { WriteFile(strTarget); }, m_strLastFailure)) {
        // The file on disk is as it was and the document keeps its changes.
        if (prompter.RetryCancel(L"Failed to save file " + Quoted(strTarget)) !=
            platform::Answer::Retry)
            return false;
    }
    SetModified(false);
    m_strFileName = strTarget;
    return true;
}

} // namespace strokelist
