#include "Display.h"

#include "Accessibility.h"
#include "Convert.h"
#include "DisplayText.h"
#include "MainForm.h"

#include <QFontMetrics>
#include <QPainter>

#include <utility>

namespace tallix {

Display::Display(QWidget* parent) : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        installDisplayAccessibility();
        return true;
    }();
    (void)factoryInstalled;
}

void Display::setText(const QString& text)
{
    const QString before = std::exchange(m_text, text);
    update();
    announceDisplayChange(this, before);
}

QRect Display::textArea() const
{
    const int inset = px(readOutInset); // Qt scales the 96-dpi layout itself
    return rect().adjusted(inset, 1, -inset, -1);
}

QString Display::visibleText() const
{
    const QFontMetrics metrics = fontMetrics();
    return qt(tallix::visibleText(utf16(m_text), textArea().width(),
                                  [&](std::u16string_view part) { return metrics.horizontalAdvance(qt(part)); }));
}

void Display::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), qt(faceColour));
    painter.setPen(qt(readOutBorderColour));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(qt(readOutTextColour));
    // Forced left to right, characters stand in the order of the text: a
    // Hebrew letter between two digits does not swap them.
    const QString leftToRight = QChar(0x202d) + visibleText() + QChar(0x202c);
    painter.drawText(textArea(), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, leftToRight);
}

} // namespace tallix
