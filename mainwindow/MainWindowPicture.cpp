#include "mainwindow/MainWindowPicture.h"

#include "mainwindow/BackgroundPlan.h"
#include "mainwindow/OutlinedText.h"
#include "platform/Drawing.h"
#include "platform/QtTextMeasurer.h"
#include "platform/core/ColorRef.h"
#include "platform/BitmapRegistry.h"
#include "platform/Fonts.h"
#include "strokelist/ListLayout.h"

#include <QPainter>

using namespace mainwindow;
using namespace platform;

namespace {

constexpr int kBackgroundBitmap = 130;
constexpr int kFontHeight = -17;
constexpr int kPathFontHeight = -13;

QFont FontOf(const wchar_t* pszFace, int nHeight, int nWeight)
{
    return MakeFont({pszFace, nHeight, nWeight, false, Pitch::Default});
}

void DrawSteps(QPainter& painter, const std::vector<TextStep>& steps)
{
    for (const TextStep& step : steps) {
        if (step.bOutlined) {
            OutlinedTextOut(painter, step.x, step.y, step.strText, kBlack, kWhite);
            continue;
        }
        SetTextColor(painter, kWhite);
        TextOut(painter, step.x, step.y, step.strText);
    }
}

} // namespace

CMainWindowPicture::CMainWindowPicture()
    : m_bmpBackground(CBitmapRegistry::Load(kBackgroundBitmap)),
      m_fontStatus(FontOf(L"Arial", kFontHeight, kWeightBold)),
      m_fontHeading(FontOf(L"Square721 BT", kFontHeight, kWeightNormal)),
      m_fontPath(FontOf(L"Square721 BT", kPathFontHeight, kWeightNormal))
{
}

void CMainWindowPicture::Paint(QPainter& painter, const Content& content) const
{
    SetBkMode(painter, BkMode::Transparent);
    PaintBackground(painter, content.size);
    painter.setFont(m_fontStatus);
    SetTextColor(painter, kBlack);
    DrawText(painter, content.rcStatus, content.strStatus, kDtLeft | kDtTop | kDtSingleLine);
    PaintHeadings(painter, content.listLayout);
    const QtTextMeasurer measurer(m_fontPath);
    painter.setFont(m_fontPath);
    DrawSteps(painter, PlanPathLine(content.strFileName, content.size.cx, measurer));
}

void CMainWindowPicture::PaintBackground(QPainter& painter, Size size) const
{
    const Size bitmap{m_bmpBackground.width(), m_bmpBackground.height()};
    for (const BitmapCopy& copy : PlanBackground(size, bitmap))
        CopyBitmap(painter, copy.dx, copy.dy, m_bmpBackground,
                   {copy.sx, copy.sy, copy.sx + copy.cx, copy.sy + copy.cy});
}

// The columns are the list's own, in its client coordinates, used as they are.
void CMainWindowPicture::PaintHeadings(QPainter& painter,
                                       const strokelist::ListLayout& layout) const
{
    const QtTextMeasurer measurer(m_fontHeading);
    painter.setFont(m_fontHeading);
    DrawSteps(painter, PlanHeading(L"Time", layout.rcTime.left, layout.rcTime.right, measurer));
    DrawSteps(painter,
              PlanHeading(L"Stroke", layout.rcStroke.left, layout.rcStroke.right, measurer));
    DrawSteps(painter, PlanHeading(L"Raw Stroke", layout.rcRaw.left, layout.rcRaw.right, measurer));
    if (!layout.rcTranslation.IsEmpty())
        DrawSteps(painter, PlanHeading(L"Translation", layout.rcTranslation.left,
                                       layout.rcTranslation.right, measurer));
}
