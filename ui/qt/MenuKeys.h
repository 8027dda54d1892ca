// Ctrl shortcuts and menu access keys by the physical key, for keyboard
// layouts in which Qt finds no match: the key that carries C copies under a
// Russian layout, and Alt with the key that carries П opens "Правка" under a
// Latin one. Qt matches first; this sees only the keys it let through, and
// the menus themselves stay Qt's.
#pragma once

#include <QObject>

class QKeyEvent;
class QMenuBar;
class QWidget;

namespace tallix {

class WindowBehaviour;

class MenuKeys : public QObject {
public:
    // Its own work runs inside the behaviour's guard.
    MenuKeys(QMenuBar* bar, WindowBehaviour& behaviour);

    // The widgets keys go to: the key trap, the menu bar and each menu.
    void watch(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool translate(QObject* watched, const QKeyEvent& key);

    QMenuBar* m_bar;
    WindowBehaviour& m_behaviour;
};

} // namespace tallix
