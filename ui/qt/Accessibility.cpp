#include "Accessibility.h"

#include "Display.h"
#include "Guarded.h"
#include "Platform.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tallix {

namespace {

// Read only: no caret, no selection, and no character geometry, since what
// is drawn may be a cut and marked tail of the text.
class DisplayAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DisplayAccessible(Display* display) : QAccessibleWidget(display, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // A 1 MiB paste read whole may find memory short: the reader then gets nothing.
    using QAccessibleWidget::text;
    QString text(int startOffset, int endOffset) const override
    {
        QString part;
        guarded([&] { part = displayText().mid(startOffset, endOffset - startOffset); }, showErrorLater);
        return part;
    }
    int characterCount() const override { return static_cast<int>(displayText().size()); }

    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    const QString& displayText() const { return static_cast<const Display*>(widget())->text(); }
};

QAccessibleInterface* displayAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("tallix::Display") && object && object->isWidgetType())
        return new DisplayAccessible(static_cast<Display*>(object));
    return nullptr;
}

} // namespace

void installDisplayAccessibility()
{
    QAccessible::installFactory(displayAccessibleFactory);
}

void announceDisplayChange(Display* display, const QString& before)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleTextUpdateEvent event(display, 0, before, display->text());
    QAccessible::updateAccessibility(&event);
}

} // namespace tallix
