// The out-of-sight widget that holds the keyboard focus and hands every key
// press, Tab included, to the window behaviour, which decides what it types.
// Menu shortcuts never get here.
#pragma once

#include <QWidget>

namespace tallix {

class WindowBehaviour;

class KeyTrap : public QWidget {
public:
    KeyTrap(QWidget* parent, WindowBehaviour& behaviour);

protected:
    bool event(QEvent* event) override;

private:
    WindowBehaviour& m_behaviour;
};

} // namespace tallix
