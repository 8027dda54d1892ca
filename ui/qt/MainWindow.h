// The calculator window on Qt: creates the controls and menu that Layout
// places and hands their events to the window behaviour, which decides and
// answers through Surface; this class only creates, connects and draws.
#pragma once

#include "Layout.h"
#include "WindowBehaviour.h"

#include <QMainWindow>

#include <array>
#include <memory>

namespace tallix {

class Display;
class KeyTrap;

class MainWindow : public QMainWindow {
public:
    // regionalOnePointFive: 1.5 written by the user's regional settings.
    explicit MainWindow(const QString& regionalOnePointFive, QWidget* parent = nullptr);
    ~MainWindow() override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    class WidgetSurface; // the Surface the behaviour speaks to, done with this window's widgets

    void buildControls();
    QWidget* createControl(std::size_t row, QWidget* parent);
    void buildMenu();

    std::unique_ptr<WidgetSurface> m_surface;
    WindowBehaviour m_behaviour;
    Display* m_display = nullptr;
    KeyTrap* m_keyTrap = nullptr;
    std::array<QWidget*, mainControls.size()> m_controls{}; // by row
};

} // namespace tallix
