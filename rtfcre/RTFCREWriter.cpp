#include "rtfcre/RTFCREWriter.h"

#include "base/DecimalText.h"
#include "base/FileException.h"
#include "base/LocalTime.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

using namespace base;

namespace {

constexpr auto PutBytes = &CBufferedWriter::PutBytes;
constexpr auto PutText = &CBufferedWriter::PutText;

char* PutNumber(char* pOut, std::int32_t nValue)
{
    return PutDecimal(pOut, nValue);
}

static_assert(kDecimalRoom <= CBufferedWriter::kNumberRoom);

constexpr int kFileMode = 0666;

} // namespace

CRTFCREWriter::CRTFCREWriter() = default;

CRTFCREWriter::~CRTFCREWriter()
{
    if (m_bOpen) {
        try {
            Finish();
        } catch (const CFileException&) {
            // Finish already remembered the failure; a destructor cannot report it.
        }
    }
    CloseFile();
}

void CRTFCREWriter::Open(const std::filesystem::path& path)
{
    const int nFile = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kFileMode);
    if (nFile < 0)
        throw CFileException::FromErrno("cannot create", errno);
    Attach(nFile, path);
}

void CRTFCREWriter::Attach(int nFile, const std::filesystem::path& path)
{
    CloseFile();
    m_file = nFile;
    m_bOpen = true;
    m_strPath = path;
    m_strFailure.clear();
    m_out.Attach(nFile, true);
}

void CRTFCREWriter::Fail(const char* what, int nError)
{
    if (m_strFailure.empty())
        m_strFailure = CFileException::FromErrno(what, nError).what();
}

bool CRTFCREWriter::Failed()
{
    if (m_out.Error() != 0)
        Fail("cannot write", m_out.Error());
    return !m_strFailure.empty();
}

void CRTFCREWriter::ThrowIfFailed()
{
    if (Failed())
        throw CFileException(m_strFailure);
}

void CRTFCREWriter::CloseFile()
{
    if (m_file < 0)
        return;
    if (::close(m_file) != 0)
        Fail("cannot close", errno);
    m_file = -1;
}

void CRTFCREWriter::WriteHeader(std::wstring_view strSystemName, std::wstring_view strSystemText,
                                std::int64_t time)
{
    if (m_bHeaderWritten)
        return;
    if (!m_bOpen)
        throw CFileException("the file is not open");
    m_out << "{\\rtf1\\pc\n{\\*\\cxrev100}\n{\\*\\cxnotes}\n{\\*\\cxsystem {\\i ";
    char* pOut = m_out.Room(StrokeRoom(strSystemName.size(), strSystemText.size()));
    pOut = PutText(pOut, strSystemName);
    pOut = PutBytes(pOut, "} ");
    pOut = PutText(pOut, strSystemText);
    pOut = PutBytes(pOut, "}\n{\\info\n{\\creatim\\yr");
    pOut = PutNumber(pOut, LocalYear(time));
    pOut = PutBytes(pOut, "\\mo");
    pOut = PutNumber(pOut, LocalMonth(time));
    pOut = PutBytes(pOut, "\\da");
    pOut = PutNumber(pOut, LocalDay(time));
    pOut = PutBytes(pOut, "}\n}\n");
    m_out.End(pOut);
    m_bHeaderWritten = true;
    m_out.Flush();
    ThrowIfFailed();
}

bool CRTFCREWriter::HeaderWritten()
{
    if (!m_bHeaderWritten) {
        try {
            WriteHeader(L"unknown", L"unknown", std::time(nullptr));
        } catch (const CFileException&) {
            return false;
        }
    }
    return true;
}

bool CRTFCREWriter::WriteStroke(std::wstring_view strSteno, std::wstring_view strRawSteno,
                                std::int64_t time, const KeyValues& keyValues,
                                const KeyTimes& keyTimes)
{
    if (!m_bOpen || !HeaderWritten())
        return false;
    TimeOfDay timeOfDay;
    m_clock.SplitTime(time, timeOfDay.nHour, timeOfDay.nMinute, timeOfDay.nSecond);
    char* pOut = m_out.Room(StrokeRoom(strSteno.size(), strRawSteno.size()));
    m_out.End(FormatStroke(pOut, strSteno, strRawSteno, timeOfDay, keyValues, keyTimes));
    return !Failed();
}

bool CRTFCREWriter::WriteFormatted(std::string_view strokes)
{
    if (!m_bOpen || !HeaderWritten())
        return false;
    m_out.Write(strokes);
    return !Failed();
}

char* CRTFCREWriter::FormatStroke(char* pOut, std::wstring_view strSteno,
                                  std::wstring_view strRawSteno, const TimeOfDay& time,
                                  const KeyValues& keyValues, const KeyTimes& keyTimes)
{
    pOut = PutBytes(pOut, "{\\*\\cxs ");
    pOut = PutText(pOut, strSteno);
    pOut = PutBytes(pOut, "}\n{\\*\\cxsf ");
    pOut = PutText(pOut, strRawSteno);
    pOut = PutBytes(pOut, "}\n{\\*\\cxt ");
    pOut = PutNumber(pOut, time.nHour);
    *pOut++ = ':';
    pOut = PutNumber(pOut, time.nMinute);
    *pOut++ = ':';
    pOut = PutNumber(pOut, time.nSecond);
    pOut = PutBytes(pOut, ":0}\n{\\*\\cxsp");
    for (std::uint16_t nValue : keyValues) {
        *pOut++ = ' ';
        pOut = PutNumber(pOut, nValue);
    }
    pOut = PutBytes(pOut, "}\n{\\*\\cxspt");
    for (const KeyTime& keyTime : keyTimes) {
        *pOut++ = ' ';
        pOut = PutNumber(pOut, keyTime.nLow);
        *pOut++ = ',';
        pOut = PutNumber(pOut, keyTime.nHigh);
    }
    return PutBytes(pOut, "}\n");
}

void CRTFCREWriter::Finish()
{
    if (m_bOpen) {
        m_out << "}\r\n";
        m_out.Flush();
        m_bOpen = false;
        CloseFile();
    }
    ThrowIfFailed();
}
