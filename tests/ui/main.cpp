// Entry point of the widget tests: one QApplication on the offscreen platform
// for the whole run, then GoogleTest. The main window reads the list of
// dictionaries from the configuration folder: the tests get one of their own
// that lists none, whatever the machine has installed.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    QDir(config.path()).mkpath(QStringLiteral("Quillmark"));
    QFile list(config.filePath(QStringLiteral("Quillmark/dictionaries.json")));
    if (!list.open(QIODevice::WriteOnly) ||
        list.write(R"({"dictionaries": [], "show_translation": true})") < 0)
        return 1;
    list.close();
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
