#include "mainwindow/OutlinedText.h"

#include "base/FilePath.h"

namespace mainwindow {
namespace {

constexpr std::wstring_view kEllipsis = L"...";

class LineBuilder
{
public:
    LineBuilder(int x, int y, const platform::TextMeasurer& measurer)
        : m_x(x), m_y(y), m_measurer(measurer)
    {
    }

    int CharWidth(wchar_t ch) const { return m_measurer.TextWidth(std::wstring_view(&ch, 1)); }

    void PutOutlined(wchar_t ch)
    {
        m_steps.push_back({std::wstring(1, ch), m_x, m_y, true});
        m_x += CharWidth(ch) + 1;
    }

    void PutEllipsis() { m_steps.push_back({std::wstring(kEllipsis), m_x + 1, m_y, false}); }

    int X() const { return m_x; }
    void Advance(int dx) { m_x += dx; }
    std::vector<TextStep> Take() { return std::move(m_steps); }

private:
    int m_x;
    int m_y;
    const platform::TextMeasurer& m_measurer;
    std::vector<TextStep> m_steps;
};

} // namespace

std::vector<TextStep> PlanHeading(std::wstring_view heading, int left, int right,
                                  const platform::TextMeasurer& measurer)
{
    const int t = measurer.TextWidth(heading);
    LineBuilder line(left + (right - left - t - 4) / 2, kHeadingTop, measurer);
    for (wchar_t ch : heading)
        line.PutOutlined(ch);
    return line.Take();
}

std::vector<TextStep> PlanPathLine(std::wstring_view path, int w,
                                   const platform::TextMeasurer& measurer)
{
    if (path.empty())
        return {};
    const auto slash = path.rfind(base::kPathSeparator);
    const std::wstring_view name =
        slash == std::wstring_view::npos ? std::wstring_view{} : path.substr(slash);
    const std::wstring_view folder = path.substr(0, path.size() - name.size());

    const int e = measurer.TextWidth(kEllipsis) + 1;
    const int right = w - kPathLineRightMargin;
    const int limit = right - 2 * e - measurer.TextWidth(name) - static_cast<int>(name.size());

    LineBuilder line(kPathLineLeft, kPathLineTop, measurer);
    for (wchar_t ch : folder) {
        if (line.X() + line.CharWidth(ch) + 1 >= limit) {
            line.PutEllipsis();
            line.Advance(1 + e);
            break;
        }
        line.PutOutlined(ch);
    }
    for (wchar_t ch : name) {
        if (line.X() + line.CharWidth(ch) + 1 + e >= right) {
            line.PutEllipsis();
            break;
        }
        line.PutOutlined(ch);
    }
    return line.Take();
}

} // namespace mainwindow
