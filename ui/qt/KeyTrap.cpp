#include "KeyTrap.h"

#include "Convert.h"
#include "WindowBehaviour.h"

#include <QKeyEvent>

namespace tallix {

KeyTrap::KeyTrap(QWidget* parent, WindowBehaviour& behaviour) : QWidget(parent), m_behaviour(behaviour)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

// Every key press, Tab and Shift+Tab too: they would move the focus off
// the trap, here they are characters like any other. A key that types
// nothing goes on to the window.
bool KeyTrap::event(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::event(event);
    auto* key = static_cast<QKeyEvent*>(event);
    key->setAccepted(m_behaviour.keyPressed(keyOf(key->key()), utf16(key->text())));
    return key->isAccepted();
}

} // namespace tallix
