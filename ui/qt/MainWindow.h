// The calculator window on Qt: creates the controls and menu that Layout
// places, sends clicks, typed characters and menu commands to the calculator
// and shows the display text it reports. The arithmetic and the display
// rules are the calculator's; this class only wires and draws.
#pragma once

#include "Calculator.h"
#include "MainForm.h"

#include <QMainWindow>

#include <cstdint>

class QPushButton;

namespace tallix {

class AboutWindow;
class Display;
class KeyTrap;

class MainWindow : public QMainWindow, public MenuCommands, private Effects {
    Q_OBJECT

public:
    // regionalOnePointFive: 1.5 written by the user's regional settings.
    explicit MainWindow(const QString& regionalOnePointFive, QWidget* parent = nullptr);

    // The About window the Help menu shows; until it is set the command does nothing.
    void setAboutWindow(AboutWindow* about) { m_about = about; }

    const Calculator& calculator() const { return m_calculator; }

    void pctKeyTrap_KeyPress(std::int16_t code);
    void mnuCopy_Click() override;
    void mnuPaste_Click() override;
    void mnuAbout_Click() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Effects
    void displayChanged(std::string_view text) override;
    void beep() override;
    void showError(std::string_view text, std::string_view title) override;
    void focusKeyTrap() override;
    void setDecimalCaption(std::string_view caption) override;

    // Runs a handler Qt calls; see Guarded.h.
    template <typename Handler>
    void guard(Handler&& handler);
    void buildControls();
    QWidget* createControl(const ControlRow& row, QWidget* parent);
    void buildMenu();

    Calculator m_calculator{*this};
    AboutWindow* m_about = nullptr;
    Display* m_display = nullptr;
    KeyTrap* m_keyTrap = nullptr;
    QPushButton* m_decimalButton = nullptr;
};

} // namespace tallix
