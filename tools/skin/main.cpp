// quillmark-skin-generator: draws every bitmap of Quillmark's skin and writes
// them as <number>.png into a folder, optionally with a contact sheet.
//
//   quillmark-skin-generator OUTPUT_FOLDER [--contact-sheet FILE.png]
#include "SkinCatalog.h"
#include "SkinContactSheet.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct Options
{
    QString strFolder;
    QString strSheet;
};

bool ParseOptions(const QStringList& args, Options& options)
{
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--contact-sheet") && i + 1 < args.size()) {
            options.strSheet = args[++i];
            continue;
        }
        if (args[i].startsWith(QLatin1Char('-')) || !options.strFolder.isEmpty())
            return false;
        options.strFolder = args[i];
    }
    return !options.strFolder.isEmpty();
}

bool Save(const QImage& image, const QString& strPath)
{
    if (image.save(strPath, "PNG"))
        return true;
    std::fprintf(stderr, "quillmark-skin-generator: cannot write '%s'\n", qPrintable(strPath));
    return false;
}

bool WriteSkin(const Options& options)
{
    if (!QDir().mkpath(options.strFolder)) {
        std::fprintf(stderr, "quillmark-skin-generator: cannot create folder '%s'\n",
                     qPrintable(options.strFolder));
        return false;
    }
    const QDir folder(options.strFolder);
    skin::RenderedSkin rendered;
    for (const skin::SkinBitmap& bitmap : skin::SkinCatalog()) {
        const QImage image = bitmap.draw(bitmap.size);
        if (image.size() != bitmap.size) {
            std::fprintf(stderr, "quillmark-skin-generator: bitmap %d drawn at the wrong size\n",
                         bitmap.nNumber);
            return false;
        }
        if (!Save(image, folder.filePath(QStringLiteral("%1.png").arg(bitmap.nNumber))))
            return false;
        std::printf("%d\t%dx%d\t%s\n", bitmap.nNumber, bitmap.size.width(), bitmap.size.height(),
                    bitmap.pszRole);
        rendered.emplace(bitmap.nNumber, image);
    }
    return options.strSheet.isEmpty() ||
           Save(skin::MakeContactSheet(skin::SkinCatalog(), rendered), options.strSheet);
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing text needs a GUI application but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Options options;
    if (!ParseOptions(QCoreApplication::arguments(), options)) {
        std::fprintf(stderr,
                     "usage: quillmark-skin-generator OUTPUT_FOLDER [--contact-sheet FILE.png]\n");
        return kExitUsage;
    }
    return WriteSkin(options) ? kExitOk : kExitFailure;
}
