#include "mainwindow/MainWindowLayout.h"

#include "framework/CommandIds.h"
#include "framework/SkinButtonRules.h"

namespace mainwindow {

using namespace framework;

std::array<ButtonPlace, 7> PlaceButtons(int w)
{
    return {{{IDC_BTN_MINIMIZE, {w - 99, 3}},
             {IDC_BTN_MAXIMIZE, {w - 66, 3}},
             {kIdCancel, framework::CloseButtonPlace(w)},
             {IDC_BTN_FILE, {5, 43}},
             {IDC_BTN_EDIT, {85, 43}},
             {IDC_BTN_OPTIONS, {165, 43}},
             {IDC_BTN_HELP, {245, 43}}}};
}

platform::Rect ListRect(int w, int h)
{
    return {5, 131, w - 7, h - 30};
}

platform::Rect StatusRect(int w, int h)
{
    return {5, h - 25, w + 100, h - 5};
}

std::wstring StatusText(int nCurrent, int nCount)
{
    return L"Stroke " + std::to_wstring(nCurrent + 1) + L" of " + std::to_wstring(nCount);
}

std::wstring WindowTitle(const std::wstring& strFileName)
{
    return strFileName.empty() ? L"Quillmark - No document" : L"Quillmark - " + strFileName;
}

} // namespace mainwindow
