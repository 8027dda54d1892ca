#include "DisplayLabel.h"

#include "DisplayAccessible.h"
#include "DisplayMarks.h"

#include <QFontMetrics>
#include <QPainter>

#include <utility>

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

QString withVisibleMarks(const QString& text)
{
    QList<uint> codes = text.toUcs4();
    for (uint& c : codes)
        c = visibleMark(c);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(codes.constData()), codes.size());
}

} // namespace

DisplayLabel::DisplayLabel(QWidget* parent) : QFrame(parent)
{
    static const bool factoryInstalled = [] {
        installDisplayAccessibility();
        return true;
    }();
    (void)factoryInstalled;
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void DisplayLabel::setText(const QString& text)
{
    const QString before = std::exchange(m_text, text);
    update();
    announceDisplayChange(this, before);
}

QString DisplayLabel::visibleText(int width) const
{
    const QString tail = tailThatMayFit(m_text, width);
    const QString marked = withVisibleMarks(tail);
    const QString shown = fontMetrics().elidedText(marked, Qt::ElideLeft, width);
    // A cut tail of combining marks may fit whole; it is still not the whole text.
    if (tail.size() < m_text.size() && shown == marked)
        return QChar(0x2026) + marked;
    return shown;
}

void DisplayLabel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect().adjusted(2, 0, -2, 0);
    painter.setPen(palette().color(QPalette::WindowText));
    // Forced left to right, characters stand in the order of the text: a
    // Hebrew letter between two digits does not swap them.
    const QString leftToRight = QChar(0x202d) + visibleText(area.width()) + QChar(0x202c);
    painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, leftToRight);
}

} // namespace tallix
