// The calculator window on Qt: creates the controls and menu that Layout
// places and hands their events to the window behaviour, which answers
// through Surface. What the window does is the behaviour's; this class only
// creates, connects and draws.
#pragma once

#include "Surface.h"
#include "WindowBehaviour.h"

#include <QMainWindow>

#include <array>

namespace tallix {

class AboutWindow;
class Display;
class KeyTrap;

class MainWindow : public QMainWindow, private Surface {
    Q_OBJECT

public:
    // regionalOnePointFive: 1.5 written by the user's regional settings.
    explicit MainWindow(const QString& regionalOnePointFive, QWidget* parent = nullptr);

    // The About window the Help menu shows; until it is set the command does nothing.
    void setAboutWindow(AboutWindow* about) { m_about = about; }

    WindowBehaviour& behaviour() { return m_behaviour; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showDisplayText(std::string_view text) override;
    void setCaption(std::size_t row, std::string_view caption) override;
    void beep() override;
    void showError(std::string_view text, std::string_view title) override;
    void focusKeyTrap() override;
    std::string clipboardText() override;
    void setClipboardText(std::string_view text) override;
    void showAbout() override;

    void buildControls();
    QWidget* createControl(std::size_t row, QWidget* parent);
    void buildMenu();

    WindowBehaviour m_behaviour{*this};
    AboutWindow* m_about = nullptr;
    Display* m_display = nullptr;
    KeyTrap* m_keyTrap = nullptr;
    std::array<QWidget*, mainControls.size()> m_controls{}; // by row
};

} // namespace tallix
