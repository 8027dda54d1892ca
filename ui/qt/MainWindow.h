// The calculator window on Qt: creates the controls and menu that Layout
// places and hands their events to the window behaviour, which answers
// through Surface. What the window does is the behaviour's; this class only
// creates, connects and draws.
#pragma once

#include "WindowBehaviour.h"

#include <QMainWindow>

#include <array>
#include <memory>

namespace tallix {

class AboutWindow;
class Display;
class KeyTrap;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // regionalOnePointFive: 1.5 written by the user's regional settings.
    explicit MainWindow(const QString& regionalOnePointFive, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The About window the Help menu shows; until it is set the command does nothing.
    void setAboutWindow(AboutWindow* about) { m_about = about; }

    WindowBehaviour& behaviour() { return m_behaviour; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    class Answers; // what the behaviour asks of this window, done with its widgets

    void buildControls();
    QWidget* createControl(std::size_t row, QWidget* parent);
    void buildMenu();

    std::unique_ptr<Answers> m_answers;
    WindowBehaviour m_behaviour;
    AboutWindow* m_about = nullptr;
    Display* m_display = nullptr;
    KeyTrap* m_keyTrap = nullptr;
    std::array<QWidget*, mainControls.size()> m_controls{}; // by row
};

} // namespace tallix
