#include "exchange/DayFiles.h"

#include "base/LocalTime.h"
#include "exchange/StrokeImport.h"

#include <utility>

namespace exchange {

std::vector<DayFile> PlanDayFiles(const std::string& strOut, std::vector<CStenoStroke> strokes)
{
    std::vector<StrokeDay> days = SplitByDay(std::move(strokes));
    std::vector<DayFile> files;
    files.reserve(days.size());
    for (StrokeDay& day : days) {
        std::string strPath = days.size() == 1 ? strOut : DayFileName(strOut, day);
        const std::time_t creationTime = day.strokes.front().m_time;
        files.push_back({std::move(strPath), std::move(day.strokes), creationTime});
    }
    return files;
}

std::int64_t StartOfToday()
{
    const std::time_t now = std::time(nullptr);
    return base::MakeLocalTime(base::LocalYear(now), base::LocalMonth(now), base::LocalDay(now), 0,
                               0, 0);
}

} // namespace exchange
