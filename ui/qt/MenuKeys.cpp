#include "MenuKeys.h"

#include "PhysicalKeys.h"
#include "WindowBehaviour.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace tallix {

namespace {

bool hasAccessKey(const QWidget* menu, QChar letter)
{
    const QKeySequence wanted(QKeyCombination(Qt::AltModifier, Qt::Key(letter.unicode())));
    const auto actions = menu->actions();
    return std::any_of(actions.begin(), actions.end(),
                       [&](const QAction* action) { return QKeySequence::mnemonic(action->text()) == wanted; });
}

} // namespace

MenuKeys::MenuKeys(QMenuBar* bar, WindowBehaviour& behaviour) : QObject(bar), m_bar(bar), m_behaviour(behaviour) {}

void MenuKeys::watch(QWidget* widget)
{
    widget->installEventFilter(this);
}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event)
{
    bool done = false;
    if (event->type() == QEvent::KeyPress)
        m_behaviour.guarded([&] { done = translate(watched, *static_cast<const QKeyEvent*>(event)); });
    return done;
}

bool MenuKeys::translate(QObject* watched, const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const Qt::KeyboardModifiers chord = modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);

    if (chord == Qt::ControlModifier) {
        const QChar latin = letterOnKey(key.nativeScanCode(), KeyboardLayout::Latin);
        if (latin.isNull() || latin.unicode() == key.key())
            return false;
        const QKeySequence shortcut(QKeyCombination(modifiers, Qt::Key(latin.unicode())));
        const auto actions = m_bar->findChildren<QAction*>();
        const auto found = std::find_if(actions.begin(), actions.end(), [&](const QAction* action) {
            return action->isEnabled() && action->shortcut() == shortcut;
        });
        if (found == actions.end())
            return false;
        (*found)->trigger();
        return true;
    }

    // Alt with the letter opens a menu from anywhere; the letter alone
    // chooses in the menu bar holding the keyboard, or in an open menu.
    const bool inMenus = watched == m_bar || qobject_cast<QMenu*>(watched);
    if (chord != Qt::AltModifier && !(chord == Qt::NoModifier && inMenus))
        return false;
    QWidget* menu = inMenus ? static_cast<QWidget*>(watched) : m_bar;
    const QChar russian = letterOnKey(key.nativeScanCode(), KeyboardLayout::Russian);
    if (russian.isNull() || key.text().toUpper() == russian || !hasAccessKey(menu, russian))
        return false;
    QKeyEvent translated(QEvent::KeyPress, russian.unicode(), key.modifiers(), QString(russian.toLower()));
    QCoreApplication::sendEvent(menu, &translated);
    return true;
}

} // namespace tallix
