#include "KeyTrap.h"

#include <QKeyEvent>

namespace tallix {

KeyTrap::KeyTrap(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool KeyTrap::event(QEvent* event)
{
    // Tab and Shift+Tab would move the focus off the trap; here they are
    // characters like any other (and so refused with a beep).
    if (event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QWidget::event(event);
}

void KeyTrap::keyPressEvent(QKeyEvent* event)
{
    // X11 types Delete as character 127; like keypad Delete it is a key
    // without a character all the same.
    if (event->key() == Qt::Key_Delete) {
        event->ignore();
        return;
    }
    QString text = event->text();
    if (text.isEmpty()) {
        // Some platforms send these keys without their control character.
        switch (event->key()) {
        case Qt::Key_Backspace: text = QChar(8); break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: text = QChar(9); break;
        case Qt::Key_Return:
        case Qt::Key_Enter: text = QChar(13); break;
        case Qt::Key_Escape: text = QChar(27); break;
        default: event->ignore(); return;
        }
    }
    for (const QChar c : text)
        emit typed(c.unicode());
    event->accept();
}

} // namespace tallix
