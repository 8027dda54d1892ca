#include "MenuKeys.h"

#include "PhysicalKeys.h"
#include "WindowBehaviour.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace tallix {

namespace {

const char* const menuRowProperty = "tallixMenuRow";

} // namespace

MenuKeys::MenuKeys(QMenuBar* bar, WindowBehaviour& behaviour) : QObject(bar), m_bar(bar), m_behaviour(behaviour) {}

void MenuKeys::watch(QWidget* widget, std::size_t menuRow)
{
    widget->setProperty(menuRowProperty, QVariant::fromValue(menuRow));
    widget->installEventFilter(this);
}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto& key = *static_cast<const QKeyEvent*>(event);
    const Qt::KeyboardModifiers chord = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const char16_t typed = key.key() <= 0xFFFF ? static_cast<char16_t>(key.key()) : 0;
    if ((key.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier) {
        const auto row = shortcutOnKey(key.nativeScanCode(), typed);
        if (row)
            m_behaviour.command(*row);
        return row.has_value();
    }
    // Alt with the letter opens a menu from anywhere; the letter alone
    // chooses in the menu bar holding the keyboard, or in an open menu.
    const bool inMenus = watched == m_bar || qobject_cast<QMenu*>(watched);
    if (chord != Qt::AltModifier && !(chord == Qt::NoModifier && inMenus))
        return false;
    QObject* menu = inMenus ? watched : m_bar;
    const auto menuRow = menu->property(menuRowProperty).value<std::size_t>();
    const QString text = key.text().toUpper();
    const char16_t letter = accessKeyOnKey(key.nativeScanCode(), text.size() == 1 ? text[0].unicode() : 0, menuRow);
    if (letter == 0)
        return false;
    QKeyEvent translated(QEvent::KeyPress, letter, key.modifiers(), QString(QChar(letter).toLower()));
    QCoreApplication::sendEvent(menu, &translated);
    return true;
}

} // namespace tallix
