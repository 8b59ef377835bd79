#include "translation/DictionariesDlg.h"

#include "base/FilePath.h"
#include "framework/BorderlessWindow.h"
#include "framework/CommandIds.h"
#include "framework/SkinButtonRules.h"
#include "framework/SkinIds.h"
#include "platform/BitmapRegistry.h"
#include "platform/CommandEvent.h"
#include "platform/DialogControls.h"
#include "platform/Drawing.h"
#include "platform/Fonts.h"
#include "platform/KeyTranslation.h"
#include "platform/core/FileDialogs.h"
#include "search/SearchDialogLayout.h"
#include "translation/DictionaryListView.h"
#include "translation/TranslationModel.h"

#include <QKeyEvent>
#include <QPainter>

using namespace framework;

namespace {

constexpr int kBackgroundBitmap = 174;
constexpr int kVkT = platform::kVkA + ('T' - 'A');
constexpr int kPushMargin = 5;
constexpr platform::Rect kCheckFocusMargins{5, 12, 5, 5};
/// The well the background draws around the list.
constexpr QRect kListRect{10, 68, 380, 170};
constexpr wchar_t kFilter[] = L"Dictionaries (*.json *.rtf)";

} // namespace

CDictionariesDlg::CDictionariesDlg(QWidget* pOwner, platform::FileDialogs& fileDialogs,
                                   const translation::CDictionarySettings& settings)
    : CCommandDialog(pOwner), m_fileDialogs(fileDialogs), m_editor(settings.Entries()),
      m_bShowColumn(settings.ShowTranslation()), m_pList(new CDictionaryListView(this, m_editor)),
      m_btnAdd(this), m_btnRemove(this), m_btnUp(this), m_btnDown(this),
      m_btnShowColumn(this, SkinButtonKind::Check), m_btnOK(this), m_btnCancel(this),
      m_btnClose(this), m_bmpBackground(CBitmapRegistry::Load(kBackgroundBitmap))
{
    setWindowTitle(QStringLiteral("Dictionaries"));
    setModal(true);
    new CBorderlessWindow(this);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The push buttons' captions in the search dialogs' font.
    setFont(platform::MakeFont(search::DialogFont()));
    setFixedSize(m_bmpBackground.size());
    CenterOnOwner();
    platform::SetControlId(m_pList, kIdList);
    m_pList->setGeometry(kListRect);
    CreateButtons();
    m_pList->setFocus();
}

void CDictionariesDlg::Edit(QWidget* pOwner, platform::FileDialogs& fileDialogs,
                            translation::CTranslationModel& translation)
{
    CDictionariesDlg dialog(pOwner, fileDialogs, translation.Settings());
    if (dialog.exec() == QDialog::Accepted)
        translation.ApplySettings(dialog.Settings());
}

void CDictionariesDlg::CreateButtons()
{
    const std::pair<CxSkinButton*, const char*> pushes[] = {{&m_btnAdd, "&Add..."},
                                                            {&m_btnRemove, "&Remove"},
                                                            {&m_btnUp, "&Up"},
                                                            {&m_btnDown, "Do&wn"}};
    const int ids[] = {kIdAdd, kIdRemove, kIdUp, kIdDown};
    for (int i = 0; i < 4; ++i) {
        pushes[i].first->setText(QString::fromLatin1(pushes[i].second));
        pushes[i].first->Place(ids[i], kSkinDialogButton, {404, kListRect.top() + 36 * i},
             kPushMargin);
    }
    // The box has no caption: the background carries "Show the translation column".
    m_btnShowColumn.Place(kIdShowColumn, kSkinCheckBox, {10, 246}, 0, kCheckFocusMargins);
    m_btnShowColumn.SetCheck(m_bShowColumn);
    m_btnOK.setText(QStringLiteral("&OK"));
    m_btnOK.Place(kIdOk, kSkinDialogButton, {width() - 159, 308}, kPushMargin);
    m_btnCancel.setText(QStringLiteral("&Cancel"));
    m_btnCancel.Place(kIdCancel, kSkinDialogButton, {width() - 81, 308}, kPushMargin);
    const platform::Point ptClose = framework::CloseButtonPlace(width());
    m_btnClose.Place(IDC_BTN_CLOSE_DIALOG, kSkinClose, ptClose);
    m_btnClose.setFocusPolicy(Qt::NoFocus);
}

void CDictionariesDlg::CenterOnOwner()
{
    const QWidget* pOwner = parentWidget();
    if (pOwner == nullptr)
        return;
    const QRect rcOwner = pOwner->frameGeometry();
    move(rcOwner.left() + (rcOwner.width() - width()) / 2,
         rcOwner.top() + (rcOwner.height() - height()) / 2);
}

translation::CDictionarySettings CDictionariesDlg::Settings() const
{
    translation::CDictionarySettings settings;
    settings.SetEntries(m_editor.Entries());
    settings.SetShowTranslation(m_bShowColumn);
    return settings;
}

bool CDictionariesDlg::OnCommand(int nID)
{
    switch (nID) {
    case kIdAdd:
        OnAdd();
        return true;
    case kIdRemove:
        m_editor.RemoveSelected();
        break;
    case kIdUp:
    case kIdDown:
        m_editor.MoveSelected(nID == kIdUp ? -1 : 1);
        break;
    case kIdShowColumn:
        OnShowColumn();
        return true;
    case kIdOk:
        accept();
        return true;
    case kIdCancel:
    case IDC_BTN_CLOSE_DIALOG:
        reject();
        return true;
    default:
        return false;
    }
    Changed();
    return true;
}

// The file dialog starts in the folder of the selected dictionary.
void CDictionariesDlg::OnAdd()
{
    const auto nSelected = m_editor.Selected();
    const std::wstring strFolder =
        nSelected ? base::WideFromPath(m_editor.Entries()[*nSelected].path.parent_path())
                  : std::wstring();
    const std::wstring strPath = m_fileDialogs.OpenFile({kFilter, L"", strFolder, L""});
    if (strPath.empty())
        return;
    m_editor.Add(base::PathFromWide(strPath));
    Changed();
}

void CDictionariesDlg::OnShowColumn()
{
    m_bShowColumn = !m_bShowColumn;
    m_btnShowColumn.SetCheck(m_bShowColumn);
}

void CDictionariesDlg::Changed()
{
    m_pList->Refresh();
}

void CDictionariesDlg::keyPressEvent(QKeyEvent* pEvent)
{
    const platform::KeyInput key = platform::TranslateKey(*pEvent);
    if (key.bAlt && key.nVirtualKey == kVkT)
        return OnShowColumn();
    if (key.nVirtualKey != platform::kVkReturn)
        return QDialog::keyPressEvent(pEvent); // Esc cancels
    // Enter presses the push button that has the focus, else OK, the default.
    auto* pFocus = qobject_cast<CxSkinButton*>(focusWidget());
    if (pFocus != nullptr && pFocus->Kind() == SkinButtonKind::Push)
        pFocus->click();
    else
        m_btnOK.click();
}

void CDictionariesDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    platform::CopyBitmap(painter, 0, 0, m_bmpBackground);
}
