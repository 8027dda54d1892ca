// The tables and the engine keep their texts as UTF-8 string views; Qt wants
// QStrings. Nothing more than that conversion lives here.
#pragma once

#include <QString>

#include <string_view>

namespace tallix {

inline QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tallix
