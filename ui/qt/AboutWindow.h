// The About window on Qt, built ("loaded") anew at every showing beside the
// main window and destroyed when closed, so that it is placed afresh each
// time. Its keys and placement follow the window description.
#pragma once

#include <QDialog>

class QPushButton;

namespace tallix {

class AboutWindow : public QDialog {
public:
    // Loads the window beside mainWindow, shows it modally and returns once
    // it is closed, through OK or the close box.
    static void Show(const QWidget& mainWindow);

    // Opens 1050 twips below and 500 twips right of the main window's outer corner.
    void Form_Load(const QWidget& mainWindow);
    void cmdOK_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    AboutWindow();

    QPushButton* m_ok = nullptr;
};

} // namespace tallix
