// Hands the keys Qt's own menu matching let through to the physical-key
// rules (Ctrl+С copies under a Russian layout, Alt with the key of П opens
// "Правка" under a Latin one) and does what they answer.
#pragma once

#include "Layout.h"

#include <QObject>

class QMenuBar;
class QWidget;

namespace tallix {

class WindowBehaviour;

class MenuKeys : public QObject {
public:
    MenuKeys(QMenuBar* bar, WindowBehaviour& behaviour);

    // The widgets keys go to: the key trap, the menu bar, and each menu by its row in mainMenu.
    void watch(QWidget* widget, std::size_t menuRow = inMenuBar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenuBar* m_bar;
    WindowBehaviour& m_behaviour;
};

} // namespace tallix
