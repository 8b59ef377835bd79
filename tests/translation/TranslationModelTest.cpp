// The editor's translation: it follows the document's changes, reads the list
// of dictionaries and the dictionaries, and tells the user what went wrong.
#include "tests/translation/TranslationFixture.h"

#include "document/StrokeDocument.h"
#include "tests/support/FileTestSupport.h"
#include "tests/support/ScriptedPrompter.h"
#include "translation/TranslationModel.h"

using namespace translation_test;

namespace {

/// Every notice the translation gives.
struct CRecorder : ITranslationObserver
{
    std::vector<std::pair<int, int>> rows;
    std::vector<bool> shown;

    void OnTranslationChanged(const TranslationRows& changed) override
    {
        rows.emplace_back(changed.nFirst, changed.nEnd);
    }
    void OnColumnShown(bool bShown) override { shown.push_back(bShown); }
};

class TranslationModelTest : public testing::Test
{
protected:
    TranslationModelTest()
    {
        test_support::WriteBytes(m_folder.Path("good.json"),
                                 R"({"KAT": "cat", "KAT/HROG": "catalog", "TKOG": "dog"})");
        m_model.AddObserver(m_recorder);
    }

    /// A list file of the dictionaries named, all enabled, then the list read.
    void Use(const std::vector<std::string>& names, bool bShow = true)
    {
        CDictionarySettings settings;
        std::vector<DictionaryEntry> entries;
        for (const std::string& strName : names)
            entries.push_back({m_folder.Path(strName), true});
        settings.SetEntries(entries);
        settings.SetShowTranslation(bShow);
        settings.Save(m_settings);
        m_model.LoadDictionaries();
    }

    void Assign(const std::string& strStrokes)
    {
        std::vector<CStenoStroke> strokes;
        for (const steno::KeyBits keys : Strokes(strStrokes))
            strokes.push_back({.m_keys = keys, .m_rawKeys = keys});
        m_document.AssignStrokes(std::move(strokes));
    }

    std::vector<std::string> Texts()
    {
        std::vector<std::string> texts;
        for (const ColumnWord& word : m_model.Column(0, m_document.Count()))
            texts.push_back(word.kind == ColumnWordKind::Continuation ? "^" : word.strText);
        return texts;
    }

    test_support::CTempFolder m_folder;
    std::filesystem::path m_settings = m_folder.Path("config/dictionaries.json");
    doc::CStrokeDocument m_document;
    platform::ScriptedPrompter m_prompter;
    CTranslationModel m_model{m_document, m_prompter, m_settings};
    CRecorder m_recorder;
};

} // namespace

TEST_F(TranslationModelTest, ChangesTranslateAgainAndTellTheRowsTheyTouch)
{
    Use({"good.json"});
    Assign("TKOG KAT TKOG TKOG");
    m_recorder.rows.clear();
    // The edited stroke joins the one before it into a longer outline.
    m_document.CommitEdit(2, 0, *ParseStroke("HROG", false));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"dog", "catalog", "^", "dog"}));
    ASSERT_EQ(m_recorder.rows.size(), 1u);
    EXPECT_LE(m_recorder.rows[0].first, 1);
    EXPECT_GE(m_recorder.rows[0].second, 3);
    m_document.Undo();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"dog", "cat", "dog", "dog"}));
    m_document.SetCurrentStroke(0, false);
    m_document.DeleteStroke(0);
    m_document.Paste();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"cat", "dog", "dog"}));
}

TEST_F(TranslationModelTest, ADictionaryThatFailsIsNamedOnceWithItsLineAndTheOthersLoad)
{
    test_support::WriteBytes(m_folder.Path("bad.json"), "{\"TKOG\": \"dog\",\n\"KAT\": 5}");
    Use({"bad.json", "good.json"});
    ASSERT_EQ(m_prompter.Asked().size(), 1u);
    const std::wstring& strText = m_prompter.Asked()[0].strText;
    EXPECT_NE(strText.find(L"bad.json': line 2:"), std::wstring::npos) << strText;
    EXPECT_EQ(m_model.Dictionaries().Count(), 1u);
    Assign("KAT");
    EXPECT_EQ(Texts(), std::vector<std::string>{"cat"});
}

TEST_F(TranslationModelTest, SettingsAreKeptInTheListFileAndTheColumnComesAndGoes)
{
    Use({});
    CDictionarySettings settings;
    settings.SetEntries({{m_folder.Path("good.json"), true}});
    settings.SetShowTranslation(false);
    m_model.ApplySettings(settings);
    std::string strMessage;
    const auto kept = CDictionarySettings::Load(m_settings, strMessage);
    EXPECT_EQ(kept.Entries(), settings.Entries());
    EXPECT_FALSE(kept.ShowTranslation());
    EXPECT_EQ(m_recorder.shown, std::vector<bool>{false});
    Assign("KAT");
    EXPECT_EQ(Texts(), std::vector<std::string>{"cat"});

    // A list that cannot be written is told; the list still takes effect.
    CTranslationModel blocked(m_document, m_prompter, m_folder.Path("good.json/dictionaries.json"));
    blocked.ApplySettings(settings);
    ASSERT_EQ(m_prompter.Asked().size(), 1u);
    EXPECT_TRUE(m_prompter.Asked()[0].strText.starts_with(L"Failed to save the dictionary list"));
    EXPECT_EQ(blocked.Dictionaries().Count(), 1u);
}

TEST_F(TranslationModelTest, ADictionaryChangedOnDiskIsReadAgain)
{
    Use({"good.json"});
    Assign("KAT");
    const std::size_t nNotices = m_recorder.rows.size();
    m_model.ReloadChanged();
    EXPECT_EQ(m_recorder.rows.size(), nNotices); // nothing changed, nothing told
    test_support::WriteBytes(m_folder.Path("good.json"), R"({"KAT": "kitten"})");
    m_model.ReloadChanged();
    EXPECT_EQ(Texts(), std::vector<std::string>{"kitten"});
    EXPECT_EQ(m_recorder.rows.back(), std::make_pair(0, 1));
}

TEST_F(TranslationModelTest, NextUntranslatedGoesOnFromTheTopAfterTheLastAndSaysWhenNoneIs)
{
    Use({"good.json"});
    Assign("KAT STKPW KAT STKPW KAT");
    for (const auto& [nFrom, nTo] : {std::pair{3, 1}, {1, 3}, {-1, 1}}) {
        m_document.SetCurrentStroke(nFrom, false);
        m_model.GoToNextUntranslated();
        EXPECT_EQ(m_document.Current(), nTo) << nFrom;
    }
    Assign("KAT TKOG");
    m_document.SetCurrentStroke(1, false);
    m_model.GoToNextUntranslated();
    EXPECT_EQ(m_document.Current(), 1);
    ASSERT_EQ(m_prompter.Asked().size(), 1u);
    EXPECT_EQ(m_prompter.Asked()[0].strText, kNoUntranslatedText);
}
