#pragma once
// Options ▸ Dictionaries: a small modal skinned dialog over the list of
// dictionaries in use. Add (a file dialog for .json and .rtf), Remove, Up and
// Down change a copy of the list, its boxes use or leave out a dictionary, and
// "Show the translation column" (Alt+T) shows or hides the stroke list's
// column. OK gives the copy to the translation, which keeps it in the list
// file; Cancel, Esc and the close button change nothing.

#include "platform/CommandDialog.h"
#include "framework/xSkinButton.h"
#include "translation/DictionaryListEditor.h"
#include "translation/DictionarySettings.h"

#include <QPixmap>

class CDictionaryListView;

namespace platform {
class FileDialogs;
}

namespace translation {
class CTranslationModel;
}

class CDictionariesDlg : public CCommandDialog
{
    Q_OBJECT

public:
    static constexpr int kIdList = 31001;
    static constexpr int kIdAdd = 31002;
    static constexpr int kIdRemove = 31003;
    static constexpr int kIdUp = 31004;
    static constexpr int kIdDown = 31005;
    static constexpr int kIdShowColumn = 31006;

    CDictionariesDlg(QWidget* pOwner, platform::FileDialogs& fileDialogs,
                     const translation::CDictionarySettings& settings);

    /// Runs the dialog over the owner; OK applies it to the translation.
    static void Edit(QWidget* pOwner, platform::FileDialogs& fileDialogs,
                     translation::CTranslationModel& translation);

    /// The settings as the dialog shows them.
    translation::CDictionarySettings Settings() const;
    CDictionaryListView& List() const { return *m_pList; }

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    void CreateButtons();
    void CenterOnOwner();
    bool OnCommand(int nID) override;
    void OnAdd();
    void OnShowColumn();
    void Changed();

    platform::FileDialogs& m_fileDialogs;
    translation::CDictionaryListEditor m_editor;
    bool m_bShowColumn;
    CDictionaryListView* m_pList; // child window
    CxSkinButton m_btnAdd;
    CxSkinButton m_btnRemove;
    CxSkinButton m_btnUp;
    CxSkinButton m_btnDown;
    CxSkinButton m_btnShowColumn;
    CxSkinButton m_btnOK;
    CxSkinButton m_btnCancel;
    CxSkinButton m_btnClose;
    QPixmap m_bmpBackground;
};
