// Replace All from the Replace dialog on a million strokes against what
// quillmark-cli replace does once the file is loaded (the same request on a
// document without a window). The dialog's figure takes in the click, the
// posted request, the main window's run of it, the message and the repaint of
// the list; loading is outside both. Rounds alternate; the best is compared.
// Usage: quillmark-bench-replace-dialog [STROKES] [ROUNDS]
#include "framework/CommandIds.h"
#include "mainwindow/QuillmarkDlg.h"
#include "platform/Fonts.h"
#include "platform/CommandEvent.h"
#include "search/ReplaceStrokeDlg.h"
#include "fields/StenoEdit.h"
#include "strokelist/StenoViewList.h"
#include "document/StrokeDocument.h"
#include "tests/support/ScriptedFileDialogs.h"
#include "tests/support/ScriptedPrompter.h"

#include <QAbstractButton>
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultStrokes = 1'000'000;
constexpr int kDefaultRounds = 9;
constexpr steno::KeyBits kCommonKeys = 0x000100;
constexpr steno::KeyBits kRareKeys = 0x0A0003; // every 100th stroke
constexpr steno::KeyBits kPutKeys = 0x400000;

std::vector<CStenoStroke> MakeStrokes(int nCount)
{
    std::vector<CStenoStroke> strokes(static_cast<std::size_t>(nCount));
    for (int i = 0; i < nCount; ++i) {
        CStenoStroke& stroke = strokes[static_cast<std::size_t>(i)];
        stroke.m_keys = i % 100 == 0 ? kRareKeys : kCommonKeys;
        stroke.m_rawKeys = stroke.m_keys;
        stroke.m_time = 1709629200 + i;
    }
    return strokes;
}

template <typename Work> double Seconds(Work work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

/// The user's Replace All: the click, then everything it sets off, painting included.
double DialogRound(CReplaceStrokeDlg& dlg, bool bForth)
{
    dlg.FindEdit()->SetKeys(bForth ? kRareKeys : kPutKeys);
    dlg.ReplaceEdit()->SetKeys(bForth ? kPutKeys : kRareKeys);
    auto* pButton = static_cast<QAbstractButton*>(dlg.Control(framework::IDC_BTN_REPLACE_ALL));
    return Seconds([&] {
        pButton->click();
        QApplication::processEvents();
    });
}

/// quillmark-cli replace after its load: the same request, no window.
double CliRound(doc::CStrokeDocument& document, bool bForth)
{
    const steno::KeyBits find = bForth ? kRareKeys : kPutKeys;
    const steno::KeyBits put = bForth ? kPutKeys : kRareKeys;
    return Seconds([&] { document.ReplaceKeys(-1, find, put, true); });
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::RegisterFontSubstitutions();
    const int nCount = argc > 1 ? std::atoi(argv[1]) : kDefaultStrokes;
    const int nRounds = argc > 2 ? std::atoi(argv[2]) : kDefaultRounds;
    if (nCount < 100 || nRounds < 1) {
        std::fputs("Usage: quillmark-bench-replace-dialog [STROKES (at least 100)] [ROUNDS]\n",
                   stderr);
        return 2;
    }
    platform::ScriptedPrompter dialogPrompter;
    platform::ScriptedFileDialogs fileDialogs;
    CQuillmarkDlg dlg(dialogPrompter, fileDialogs);
    dlg.show();
    dlg.Document().AssignStrokes(MakeStrokes(nCount));
    dlg.Document().SetCurrentStroke(0, true);
    platform::SendCommand(&dlg, framework::ID_EDIT_REPLACE);
    QApplication::processEvents();

    doc::CStrokeDocument document;
    document.AssignStrokes(MakeStrokes(nCount));

    std::vector<double> dialogTimes;
    std::vector<double> cliTimes;
    for (int i = 0; i < nRounds; ++i) {
        const bool bForth = i % 2 == 0;
        dialogTimes.push_back(DialogRound(*dlg.SearchDialogs().ReplaceDlg(), bForth));
        cliTimes.push_back(CliRound(document, bForth));
    }
    if (dialogPrompter.Asked().size() != static_cast<std::size_t>(nRounds) ||
        dialogPrompter.Asked().back().strText !=
            std::to_wstring(nCount / 100) + L" stroke(s) replaced") {
        std::fputs("the dialog's Replace All did not replace every match\n", stderr);
        return 1;
    }
    const double dDialog = *std::min_element(dialogTimes.begin(), dialogTimes.end());
    const double dCli = *std::min_element(cliTimes.begin(), cliTimes.end());
    std::printf("%d strokes, %d rounds: Replace All from the dialog %.3f ms, quillmark-cli's "
                "replace after loading %.3f ms, ratio %.2f\n",
                nCount, nRounds, dDialog * 1e3, dCli * 1e3, dDialog / dCli);
    return 0;
}
