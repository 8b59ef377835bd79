// Options ▸ Dictionaries: the dialog adds a dictionary through the file
// dialog, hides the column with Alt+T, and OK hands both to the translation.
#include "TranslationWindowFixture.h"

#include "translation/DictionariesDlg.h"

#include <QTimer>

using namespace translationtest;

TEST_F(TranslationWindowFixture, DictionariesDialogAddsADictionaryAndHidesTheColumn)
{
    const std::string strAdded = m_folder / "more.rtf";
    test_support::WriteBytes(strAdded, "{\\rtf1\\ansi\\cxdict{\\*\\cxs KAT}kitten}");
    m_fileDialogs.Script(mainwindowtest::Wide(strAdded));
    QTimer::singleShot(0, [] {
        auto* pDialog = qobject_cast<CDictionariesDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(pDialog, nullptr);
        platform::SendCommand(pDialog, CDictionariesDlg::kIdAdd);
        QTest::keyClick(pDialog, Qt::Key_T, Qt::AltModifier);
        QTest::keyClick(pDialog, Qt::Key_Return);
    });
    Key(Qt::Key_O, Qt::AltModifier);
    Key(Qt::Key_D);

    ASSERT_EQ(m_fileDialogs.Calls().size(), 1u);
    EXPECT_EQ(m_fileDialogs.Calls()[0].request.strFilter, L"Dictionaries (*.json *.rtf)");
    const auto& settings = m_dlg.Translation().Settings();
    ASSERT_EQ(settings.Entries().size(), 2u);
    EXPECT_EQ(settings.Entries()[0].path, strAdded); // first: the highest priority
    EXPECT_TRUE(m_dlg.List()->Layout().rcTranslation.IsEmpty());
    std::string strMessage;
    EXPECT_FALSE(translation::CDictionarySettings::Load(
                     Config().Path("Quillmark/dictionaries.json"), strMessage)
                     .ShowTranslation());
    Assign("KAT");
    EXPECT_EQ(m_dlg.Translation().Column(0, 1)[0].strText, "kitten");
}
