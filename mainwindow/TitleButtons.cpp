#include "mainwindow/TitleButtons.h"

#include "framework/SkinIds.h"
#include "mainwindow/MainWindowLayout.h"
#include "platform/DialogControls.h"

namespace {

using namespace framework;

// Minimize, maximize/restore, close, File, Edit, Options, Help: the order of
// PlaceButtons.
constexpr std::array<ButtonSkinIds, 7> kButtonSkins = {
    kSkinMinimize, kSkinMaximize, kSkinClose, kSkinFile, kSkinEdit, kSkinOptions, kSkinHelp,
};

} // namespace

void CTitleButtons::Create(QWidget* pWindow)
{
    const auto places = mainwindow::PlaceButtons(pWindow->width());
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i].setParent(pWindow);
        m_buttons[i].Place(places[i].nId, kButtonSkins[i], places[i].topLeft);
        m_buttons[i].setFocusPolicy(Qt::NoFocus);
    }
}

void CTitleButtons::Place(int nWidth)
{
    const auto places = mainwindow::PlaceButtons(nWidth);
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i].move(places[i].topLeft.x, places[i].topLeft.y);
}
