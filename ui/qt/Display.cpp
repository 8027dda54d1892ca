#include "Display.h"

#include "Accessibility.h"
#include "Convert.h"
#include "DisplayText.h"
#include "Guarded.h"
#include "Platform.h"

#include <QFontMetrics>
#include <QPainter>

#include <mutex>
#include <utility>

namespace tallix {

Display::Display(QWidget* parent) : QWidget(parent)
{
    static std::once_flag factoryInstalled;
    std::call_once(factoryInstalled, installDisplayAccessibility);
}

// A screen reader may miss the news when memory runs short; the display
// and the calculator stay one.
void Display::setText(const QString& text)
{
    const QString before = std::exchange(m_text, text);
    update();
    guarded([&] { announceDisplayChange(this, before); }, showErrorLater);
}

// Planned before anything is drawn: a paint that fails leaves the old pixels.
void Display::paintEvent(QPaintEvent*)
{
    const QFontMetrics metrics = fontMetrics();
    const DisplayPaint plan = displayPaint(utf16(m_text), {width(), height()}, standardDpi,
                                           [&](std::u16string_view part) { return metrics.horizontalAdvance(qt(part)); });
    QPainter painter(this);
    painter.fillRect(rect(), qt(plan.face));
    painter.setPen(qt(plan.border));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(qt(plan.ink));
    painter.drawText(qt(plan.textArea), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, qt(plan.text));
}

} // namespace tallix
