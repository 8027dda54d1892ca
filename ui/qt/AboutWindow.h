// The About window on Qt. The object lives as long as the main window it is
// given; its on-screen window is built ("loaded") at every showing and
// destroyed when closed, so it is placed anew beside the main window each
// time. Nothing of it is built before the first showing.
#pragma once

#include <QDialog>

#include <memory>

class QPushButton;

namespace tallix {

class AboutDialog;

class AboutWindow {
public:
    explicit AboutWindow(const QWidget& mainWindow);
    ~AboutWindow();

    // Loads the window, places it beside the main window and shows it
    // modally; returns once it is closed: QDialog::Accepted through OK,
    // QDialog::Rejected through the close box.
    int Show();

    // The window while it is loaded, else null.
    QDialog* window() const;

private:
    const QWidget& m_mainWindow;
    std::unique_ptr<AboutDialog> m_window;
};

// The loaded window itself.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    AboutDialog();

    // Opens 1050 twips below and 500 twips right of the main window's outer corner.
    void Form_Load(const QWidget& mainWindow);
    void cmdOK_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* m_ok = nullptr;
};

} // namespace tallix
