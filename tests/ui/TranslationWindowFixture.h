#pragma once
// The main window over a configuration folder of its own whose list names one
// small dictionary, and a document of strokes written in steno.

#include "QuillmarkDlgFixture.h"

#include "translation/OutlineNotation.h"

#include <sstream>

namespace translationtest {

/// Points the configuration folder at a fresh one for the life of the object,
/// with a list of one dictionary: "cat" and "dog", and nothing for STKPW.
class CConfigWithDictionary
{
public:
    CConfigWithDictionary() : m_old(qgetenv("XDG_CONFIG_HOME"))
    {
        const std::string strDictionary = m_config / "words.json";
        test_support::WriteBytes(strDictionary, R"({"KAT": "cat", "TKOG": "dog"})");
        std::filesystem::create_directories(m_config.Path("Quillmark"));
        test_support::WriteBytes(m_config.Path("Quillmark/dictionaries.json"),
                                 R"({"dictionaries": [{"path": ")" + strDictionary +
                                     R"(", "enabled": true}]})");
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(m_config.Path("").string()));
    }
    ~CConfigWithDictionary() { qputenv("XDG_CONFIG_HOME", m_old); }

    const test_support::CTempFolder& Config() const { return m_config; }

private:
    test_support::CTempFolder m_config;
    QByteArray m_old;
};

// The configuration comes first: the window reads it when it is made.
class TranslationWindowFixture : protected CConfigWithDictionary,
                                 public mainwindowtest::QuillmarkDlgFixture
{
protected:
    /// The strokes, separated by spaces, as the document's.
    void Assign(const std::string& strStrokes)
    {
        std::vector<CStenoStroke> strokes;
        std::istringstream in(strStrokes);
        for (std::string strStroke; in >> strStroke;) {
            const steno::KeyBits keys = *translation::ParseStroke(strStroke, false);
            strokes.push_back({.m_keys = keys, .m_rawKeys = keys});
        }
        Document().AssignStrokes(std::move(strokes));
    }
};

} // namespace translationtest
