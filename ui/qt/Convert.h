// The window descriptions and the engine keep texts as UTF-8 or UTF-16,
// colours as RGB triples or system colours, places as pixel rectangles and
// keys as Key; Qt has QString, QColor, QRect and Qt::Key. Only that here.
#pragma once

#include "Colour.h"
#include "Keys.h"
#include "Layout.h"

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QString>

#include <string_view>

namespace tallix {

inline QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString qt(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string_view utf16(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

inline QColor qt(Colour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

// A system colour is the palette's: the text colour, or the dark edge of a button.
inline QColor qt(FormColour colour, const QPalette& palette)
{
    if (const auto* rgb = std::get_if<Colour>(&colour))
        return qt(*rgb);
    return palette.color(std::get<SystemColour>(colour) == SystemColour::Text ? QPalette::WindowText : QPalette::Dark);
}

inline Key keyOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Backspace: return Key::Backspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return Key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Return;
    case Qt::Key_Escape: return Key::Escape;
    case Qt::Key_Delete: return Key::Delete;
    default: return Key::Other;
    }
}

inline QRect qt(PixelRect rect)
{
    return QRect(rect.left, rect.top, rect.width, rect.height);
}

} // namespace tallix
