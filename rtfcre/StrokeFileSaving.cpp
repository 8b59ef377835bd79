#include "rtfcre/StrokeFileSaving.h"

#include "base/FileException.h"
#include "base/SafeFileReplacement.h"
#include "rtfcre/RTFCREWriter.h"
#include "rtfcre/SystemLine.h"
#include "steno/StenoEncoder.h"

#include <cerrno>
#include <string>
#include <unistd.h>

void SaveStrokeFile(const std::filesystem::path& path, std::span<const CStenoStroke> strokes,
                    std::time_t creationTime)
{
    base::CSafeFileReplacement replacement(path.native());
    {
        CRTFCREWriter writer;
        const int fdWriter = dup(replacement.TempFile());
        if (fdWriter < 0)
            throw CFileException::FromErrno("cannot write " + replacement.TempPath(), errno);
        writer.Attach(fdWriter, replacement.TempPath());
        writer.WriteHeader(rtfcre::kSystemName, rtfcre::kSystemText, creationTime);
        const CStenoEncoder encoder;
        for (const CStenoStroke& stroke : strokes) {
            // Raw keys mostly equal the keys: one text then serves both.
            const std::wstring strSteno = encoder.KeysToSteno(stroke.m_keys);
            const bool bSame = stroke.m_rawKeys == stroke.m_keys;
            const std::wstring strRaw =
                bSame ? std::wstring() : encoder.KeysToSteno(stroke.m_rawKeys);
            // A failed write fails the whole save; Finish reports it.
            if (!writer.WriteStroke(strSteno, bSame ? strSteno : strRaw, stroke.m_time,
                                    stroke.m_keyValues, stroke.m_keyTimes))
                break;
        }
        writer.Finish();
    }
    replacement.Commit();
}
