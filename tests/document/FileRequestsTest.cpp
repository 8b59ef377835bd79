// Where the Open and Save As dialogs start, and the name Save As proposes.
#include "document/FileRequests.h"
#include "document/SaveAsProposal.h"

#include <gtest/gtest.h>

using namespace doc;

TEST(SaveAsProposal, CopySuffixBeforeTheLastDotOfTheName)
{
    const std::pair<const wchar_t*, SaveAsProposal> cases[] = {
        {L"/work/day1.rtf", {L"/work/", L"day1_copy"}},
        {L"/work/day1.backup.rtf", {L"/work/", L"day1.backup_copy"}},
        {L"/rel.2/notes", {L"/rel.2/", L"_copy"}}, // a dot only in the folder
        {L"/work/plain", {L"/work/", L""}},
        {L"", {L"/d/", L""}},                // no document: the default folder
        {L"day.rtf", {L"/d/", L"day_copy"}}, // no folder: the default folder
    };
    for (const auto& [pszPath, expected] : cases)
        EXPECT_EQ(ProposeSaveAs(pszPath, L"/d/"), expected) << pszPath;
}

TEST(FileRequests, OpenStartsInTheWritersBackupFolderSaveAsBesideTheDocument)
{
    EXPECT_EQ(OpenRequest(L"/home/ann/Documents"),
              (platform::FileRequest{L"RTF/CRE (*.rtf)", L"rtf",
                                     L"/home/ann/Documents/Corvane/backup/RTFCRE", L""}));
    EXPECT_EQ(SaveAsRequest(L"/work/day1.rtf", L"/home/ann/Documents"),
              (platform::FileRequest{L"RTF/CRE (*.rtf)", L"rtf", L"/work/", L"day1_copy"}));
    EXPECT_EQ(SaveAsRequest(L"", L"/home/ann/Documents").strFolder,
              L"/home/ann/Documents/Corvane/backup/RTFCRE");
}
