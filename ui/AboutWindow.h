// The About window. The object lives for the whole run; its on-screen window
// is built ("loaded") at every showing and destroyed when closed, so it is
// placed anew each time. Nothing of it is built before the first showing.
#pragma once

#include <QDialog>

#include <memory>

class QPushButton;

namespace tallix {

class AboutDialog;

class AboutWindow {
public:
    AboutWindow();
    ~AboutWindow();

    // Loads the window, places it beside the main window and shows it
    // modally; returns once it is closed: QDialog::Accepted through OK,
    // QDialog::Rejected through the close box.
    int Show();

    // The window while it is loaded, else null.
    QDialog* window() const;

private:
    std::unique_ptr<AboutDialog> m_window;
};

// The loaded window itself.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    AboutDialog();

    void Form_Load();
    void cmdOK_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPushButton* m_ok = nullptr;
};

} // namespace tallix
