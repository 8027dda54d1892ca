// The window descriptions and the engine keep texts as UTF-8 string views
// and colours as RGB triples; Qt wants QStrings and QColors. Nothing more
// than those conversions lives here.
#pragma once

#include "Colour.h"

#include <QColor>
#include <QString>

#include <string_view>

namespace tallix {

inline QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QColor qt(Colour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace tallix
