#pragma once
// What the window benchmarks share: the offscreen platform with the program's
// font substitutions, the counts given on the command line, and a maximised
// stroke list holding a long or a short document.

#include "bench/BenchRounds.h"
#include "platform/Fonts.h"
#include "document/DocumentFlows.h"
#include "document/StrokeDocument.h"
#include "platform/QtPrompter.h"
#include "strokelist/StenoViewList.h"
#include "platform/QtFileDialogs.h"

#include <QImage>
#include <QtGlobal>

#include <algorithm>
#include <cstdlib>

namespace bench {

inline constexpr int kWidth = 1900;
inline constexpr int kHeight = 1000;
inline constexpr int kSmallCount = 1000;
inline constexpr int kLargeCount = 1000000;

/// Before the application exists: draw offscreen unless told otherwise.
inline void UseOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

/// The positive count given as argument nIndex, else nDefault.
inline int CountArgument(int argc, char** argv, int nIndex, int nDefault)
{
    return argc > nIndex ? std::max(1, std::atoi(argv[nIndex])) : nDefault;
}

struct ListUnderTest
{
    QtPrompter prompter; // the list never asks here
    QtFileDialogs fileDialogs; // nor opens a file dialog
    doc::CStrokeDocument document;
    doc::CDocumentFlows flows{document, prompter, fileDialogs, L""};
    CStenoViewList list{nullptr, document, flows};

    explicit ListUnderTest(int nCount)
    {
        list.resize(kWidth, kHeight);
        list.show();
        document.AssignStrokes(VariedStrokes(nCount));
    }

    /// Lays out with a first paint, then makes the middle stroke current and centred.
    void ShowMiddle(QImage& image)
    {
        list.render(&image);
        document.SetCurrentStroke(document.Count() / 2, true);
    }
};

} // namespace bench
