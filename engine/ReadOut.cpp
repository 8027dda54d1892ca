#include "ReadOut.h"

#include "NumberText.h"

namespace tallix {

std::optional<double> ReadOutToNumber(std::string_view text, std::string_view DecimalChar)
{
    std::string WorkText(text);
    if (DecimalChar == ",") {
        const std::size_t comma = WorkText.find(',');
        if (comma != std::string::npos)
            WorkText[comma] = '.';
    }
    const ParsedNumber parsed = textToNumber(WorkText);
    if (parsed.overflow)
        return std::nullopt;
    return parsed.value;
}

std::string NumberToReadOut(double value, bool fixNegativePoint, std::string_view DecimalChar)
{
    std::string WorkText = numberToText(value);

    const std::size_t firstNonBlank = WorkText.find_first_not_of(' ');
    WorkText.erase(0, firstNonBlank);

    if (WorkText.starts_with('.'))
        WorkText.insert(0, "0");

    if (fixNegativePoint && WorkText.starts_with("-."))
        WorkText = "-0" + WorkText.substr(1);

    if (DecimalChar == ",") {
        const std::size_t point = WorkText.find('.');
        if (point != std::string::npos)
            WorkText[point] = ',';
    }
    return WorkText;
}

} // namespace tallix
