// The dictionary list file, the first-start list, and dictionaries read again
// when their files change.
#include "tests/support/FileTestSupport.h"
#include "tests/translation/TranslationFixture.h"

#include "translation/DictionarySettings.h"
#include "translation/OutlineHash.h"

#include <cstdlib>

using namespace translation_test;
using test_support::CTempFolder;

namespace {

/// Sets an environment variable for its lifetime.
class CScopedVariable
{
public:
    CScopedVariable(const char* pName, const std::string& strValue) : m_pName(pName)
    {
        if (const char* pOld = std::getenv(pName))
            m_old = pOld;
        ::setenv(pName, strValue.c_str(), 1);
    }
    CScopedVariable(const CScopedVariable&) = delete;
    CScopedVariable& operator=(const CScopedVariable&) = delete;
    ~CScopedVariable()
    {
        if (m_old)
            ::setenv(m_pName, m_old->c_str(), 1);
        else
            ::unsetenv(m_pName);
    }

private:
    const char* m_pName;
    std::optional<std::string> m_old;
};

class DictionarySettingsTest : public ::testing::Test
{
protected:
    CTempFolder m_folder;
    const CScopedVariable m_config{"XDG_CONFIG_HOME", m_folder / "config"};
    const CScopedVariable m_cache{"XDG_CACHE_HOME", m_folder / "cache"};
};

} // namespace

TEST_F(DictionarySettingsTest, SavesAndReadsTheListUnderTheConfigurationFolder)
{
    const auto file = CDictionarySettings::SettingsFile();
    EXPECT_EQ(file, m_folder.Path("config") / "Quillmark" / "dictionaries.json");
    CDictionarySettings settings;
    settings.SetEntries({{"/dicts/user.json", true}, {"/dicts/old.rtf", false}});
    settings.SetShowTranslation(false);
    settings.Save(file);
    std::string strMessage;
    const CDictionarySettings read = CDictionarySettings::Load(file, strMessage);
    EXPECT_EQ(strMessage, "");
    EXPECT_EQ(read.Entries(), settings.Entries());
    EXPECT_FALSE(read.ShowTranslation());
    EXPECT_EQ(read.EnabledPaths(), std::vector<std::filesystem::path>{"/dicts/user.json"});

    test_support::WriteBytes(file, "{\"dictionaries\": 3}");
    EXPECT_EQ(CDictionarySettings::Load(file, strMessage).Entries(),
              CDictionarySettings::FirstStart().Entries());
    EXPECT_EQ(strMessage, "Failed to read the dictionary list '" + file.string() +
                              "': it has no \"dictionaries\" list");
}

TEST_F(DictionarySettingsTest, FirstStartTakesTheEnginesListElseItsMainDictionary)
{
    // Without the engine's configuration: its main dictionary where Debian puts
    // it, else the copy in the cache folder, else none.
    const std::filesystem::path cached = CDictionarySettings::CacheFolder() / "main.json";
    const bool bInstalled = std::filesystem::exists(CDictionarySettings::kInstalledMain);
    std::filesystem::create_directories(cached.parent_path());
    test_support::WriteBytes(cached, "{}");
    const auto entries = CDictionarySettings::FirstStart().Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].path, bInstalled ? CDictionarySettings::kInstalledMain : cached);

    const std::filesystem::path engine = m_folder.Path("config") / "plover";
    std::filesystem::create_directories(engine);
    test_support::WriteBytes(
        engine / "plover.cfg",
        "[Machine Configuration]\ndictionaries = wrong\n"
        "[System: English Stenotype]\n"
        "dictionaries = [{\"enabled\": true, \"path\": \"user.json\"},\n"
        "  {\"enabled\": false, \"path\": \"/abs/old.json\"},\n"
        "  {\"enabled\": true, \"path\": \"asset:plover:assets/nowhere.json\"}]\n"
        "[Output Configuration]\n");
    std::string strMessage;
    EXPECT_EQ(CDictionarySettings::Load(CDictionarySettings::SettingsFile(), strMessage).Entries(),
              (std::vector<DictionaryEntry>{{engine / "user.json", true},
                                            {"/abs/old.json", false},
                                            {cached.parent_path() / "nowhere.json", true}}));
}

TEST_F(DictionarySettingsTest, ReadsAChangedDictionaryAgainAndReportsOneThatFails)
{
    const auto good = m_folder.Write("good.json", R"({"KAT": "cat"})");
    const auto bad = m_folder.Write("bad.rtf", "{\\rtf1\\cxdict\n{\\*\\cxs KAT}cat\n");
    CDictionaryCollection dictionaries;
    EXPECT_EQ(dictionaries.Load({bad, good, m_folder.Path("none.json")}),
              (std::vector<std::string>{
                  "Failed to load dictionary '" + bad.string() +
                      "': line 3: the file ends before the brace that closes the document",
                  "Failed to load dictionary '" + m_folder.Path("none.json").string() +
                      "': cannot open: No such file or directory"}));
    ASSERT_EQ(dictionaries.Count(), 1u);

    std::vector<std::string> messages;
    EXPECT_FALSE(dictionaries.ReloadChanged(messages));
    m_folder.Write("bad.rtf", "{\\rtf1\\cxdict\n{\\*\\cxs KAT}kitty}");
    m_folder.Write("good.json", R"({"KAT": "a cat"})");
    EXPECT_TRUE(dictionaries.ReloadChanged(messages));
    EXPECT_EQ(messages, std::vector<std::string>{});
    ASSERT_EQ(dictionaries.Count(), 2u);
    const steno::KeyBits kat = *ParseStroke("KAT", false);
    EXPECT_EQ(dictionaries.Text(*dictionaries.Find(kat)), "kitty");
    const auto& entries = dictionaries.Dictionary(1).Entries();
    EXPECT_EQ(entries.Text(*entries.Find(&kat, 1, OutlineHash(&kat, 1))), "a cat");
}
