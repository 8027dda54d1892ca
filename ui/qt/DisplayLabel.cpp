#include "DisplayLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QPainter>

namespace tallix {

namespace {

// Even the narrowest glyph is a pixel wide, so no more characters than
// pixels can ever show.
QString tailThatMayFit(const QString& text, int width)
{
    const qsizetype limit = std::max(width, 1) + 1;
    if (text.size() <= limit)
        return text;
    qsizetype start = text.size() - limit;
    if (text.at(start).isLowSurrogate())
        ++start; // never split a character
    return text.mid(start);
}

// Screen readers see the display as a text whose value is the display text.
class DisplayLabelAccessible : public QAccessibleWidget {
public:
    explicit DisplayLabelAccessible(DisplayLabel* readOut) : QAccessibleWidget(readOut, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* readOut = static_cast<const DisplayLabel*>(widget());
        if (t == QAccessible::Value)
            return readOut->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* displayLabelAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("tallix::DisplayLabel") && object && object->isWidgetType())
        return new DisplayLabelAccessible(static_cast<DisplayLabel*>(object));
    return nullptr;
}

} // namespace

DisplayLabel::DisplayLabel(QWidget* parent) : QFrame(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(displayLabelAccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void DisplayLabel::setText(const QString& text)
{
    m_text = text;
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, m_text);
        QAccessible::updateAccessibility(&event);
    }
}

QString DisplayLabel::visibleText(int width) const
{
    const QString tail = tailThatMayFit(m_text, width);
    const QString shown = fontMetrics().elidedText(tail, Qt::ElideLeft, width);
    // A cut tail of zero-width marks may fit whole; it is still not the whole text.
    if (tail.size() < m_text.size() && shown == tail)
        return QChar(0x2026) + tail;
    return shown;
}

void DisplayLabel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(2, 0, -2, 0);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, visibleText(area.width()));
}

} // namespace tallix
