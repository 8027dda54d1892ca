// The calculator window: builds its controls and menu from the layout tables,
// sends clicks, typed characters and menu commands to the calculator and
// shows its display text. The arithmetic and the display rules are the
// calculator's; this class only wires and draws.
#pragma once

#include "Calculator.h"

#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <string>

class QPushButton;

namespace tallix {

class KeyTrap;
class DisplayLabel;

class MainWindow : public QMainWindow, private Effects {
    Q_OBJECT

public:
    // regionalOnePointFive: 1.5 written by the user's regional settings.
    explicit MainWindow(const QString& regionalOnePointFive, QWidget* parent = nullptr);

    const Calculator& calculator() const { return m_calculator; }

    void pctKeyTrap_KeyPress(std::int16_t KeyAscii);
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuAbout_Click();

private:
    // Effects
    void beep() override;
    void showError(std::string_view text, std::string_view title) override;
    void focusKeyTrap() override;
    void setDecimalCaption(std::string_view caption) override;

    void buildControls();
    void buildMenu();
    std::function<void()> clickHandler(std::string_view name, std::int16_t index);
    // Runs one calculator handler, then shows the display text it left.
    void run(const std::function<void()>& handler);

    Calculator m_calculator{*this};
    std::string m_shownText;
    DisplayLabel* m_readOut = nullptr;
    KeyTrap* m_keyTrap = nullptr;
    QPushButton* m_decimalButton = nullptr;
};

} // namespace tallix
