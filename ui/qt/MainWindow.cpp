#include "MainWindow.h"

#include "AboutWindow.h"
#include "Convert.h"
#include "Display.h"
#include "Guarded.h"
#include "KeyTable.h"
#include "KeyTrap.h"
#include "Layout.h"
#include "Look.h"
#include "MenuKeys.h"
#include "Platform.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include <array>

namespace tallix {

MainWindow::MainWindow(const QString& regionalOnePointFive, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmTallix"));
    setWindowTitle(qt(mainCaption));
    buildControls();
    buildMenu();

    m_calculator.Form_Load(regionalOnePointFive.toStdString());

    // Fixed size: the key trap below the client area must stay out of sight.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_keyTrap->setFocus();
}

template <typename Handler>
void MainWindow::guard(Handler&& handler)
{
    guarded(handler, [this](std::string_view text, std::string_view title) { showError(text, title); });
}

// Qt scales pixels to the screen itself, so the layout is read at 96 dpi.
void MainWindow::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    const PixelSize size = mainClientSize(standardDpi);
    client->setFixedSize(size.width, size.height);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, qt(windowColour));
    palette.setColor(QPalette::Button, qt(faceColour)); // every button face
    client->setPalette(palette);
    setCentralWidget(client);

    std::array<QWidget*, mainControls.size()> widgets{};
    for (std::size_t i = 0; i < mainControls.size(); ++i) {
        const ControlRow& row = mainControls[i];
        const std::size_t container = containerRow(row);
        widgets[i] = createControl(row, container == inClientArea ? client : widgets[container]);
        widgets[i]->setObjectName(qt(tallix::objectName(row)));
        widgets[i]->setAccessibleName(qt(row.accessibleName));
        widgets[i]->setGeometry(qt(placeOf(row, standardDpi)));
    }
    QWidget* previous = nullptr;
    for (const std::size_t i : mainTabSequence) {
        if (!takesFocus(mainControls[i].kind))
            continue;
        if (previous)
            setTabOrder(previous, widgets[i]);
        previous = widgets[i];
    }
}

QWidget* MainWindow::createControl(const ControlRow& row, QWidget* parent)
{
    switch (row.kind) {
    case ControlKind::Label:
        m_display = new Display(parent);
        m_display->setFont(displayFont());
        m_display->setText(qt(row.caption));
        return m_display;
    case ControlKind::Frame: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return frame;
    }
    case ControlKind::KeyTrap:
        m_keyTrap = new KeyTrap(parent);
        connect(m_keyTrap, &KeyTrap::KeyPress, this,
                [this](std::int16_t code) { guard([&] { pctKeyTrap_KeyPress(code); }); });
        return m_keyTrap;
    case ControlKind::Button:
        break;
    }
    auto* button = new QPushButton(qt(row.caption), parent);
    button->setAutoDefault(false);
    giveKeypadLook(button);
    connect(button, &QPushButton::clicked, this, [this, &row] { guard([&] { m_calculator.run(pressOf(row)); }); });
    // A press let go off the button clicks nothing, so no handler gives the
    // focus back; the release does, once any click's handler has run.
    connect(button, &QPushButton::released, this, [this, button] {
        if (button->hasFocus())
            m_keyTrap->setFocus();
    }, Qt::QueuedConnection);
    if (row.click == Handler::cmdDec_Click)
        m_decimalButton = button;
    return button;
}

void MainWindow::buildMenu()
{
    giveMenuBarLook(menuBar());
    auto* keys = new MenuKeys(menuBar());
    keys->watch(m_keyTrap);
    keys->watch(menuBar());
    std::array<QMenu*, mainMenu.size()> menus{};
    for (std::size_t i = 0; i < mainMenu.size(); ++i) {
        const MenuRow& row = mainMenu[i];
        const std::size_t parent = parentMenuRow(row);
        if (parent == inMenuBar) {
            menus[i] = menuBar()->addMenu(qt(row.caption));
            menus[i]->setObjectName(qt(row.name));
            keys->watch(menus[i]);
            continue;
        }
        QAction* action = menus[parent]->addAction(qt(row.caption));
        action->setObjectName(qt(row.name));
        action->setShortcut(QKeySequence(qt(shortcutText(row)), QKeySequence::PortableText));
        connect(action, &QAction::triggered, this,
                [this, &row] { guard([&] { (static_cast<MenuCommands&>(*this).*row.click)(); }); });
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // Typed keys come up here when the widget holding the keyboard chose
    // nothing for them; none is lost without a sign. An open menu answers
    // with a beep. The menu bar holding the keyboard after a lone Alt, or
    // after Esc closed its menu, leaves menu mode and hands the key to the
    // calculator: Alt, 3 types 3.
    if (event->text().isEmpty()) {
        QMainWindow::keyPressEvent(event);
    } else if (QApplication::activePopupWidget()) {
        beep();
    } else if (menuBar()->hasFocus()) {
        m_keyTrap->setFocus();
        QApplication::sendEvent(m_keyTrap, event);
    } else {
        QMainWindow::keyPressEvent(event);
    }
}

void MainWindow::pctKeyTrap_KeyPress(std::int16_t code)
{
    tallix::pctKeyTrap_KeyPress(m_calculator, *this, code);
}

void MainWindow::mnuCopy_Click()
{
    setClipboardText(m_display->text());
}

void MainWindow::mnuPaste_Click()
{
    m_calculator.paste(clipboardText().toStdString());
}

void MainWindow::mnuAbout_Click()
{
    if (!m_about)
        return;
    m_about->Show();
    // Without a window manager nothing hands the keyboard back once the
    // About window is gone; typing must work at once.
    activateWindow();
}

void MainWindow::displayChanged(std::string_view text)
{
    m_display->setText(qt(text));
}

void MainWindow::beep()
{
    systemBeep();
}

void MainWindow::showError(std::string_view text, std::string_view title)
{
    showCriticalBox(this, qt(text), qt(title));
    activateWindow(); // as after the About window: typing must work at once
}

void MainWindow::focusKeyTrap()
{
    m_keyTrap->setFocus();
}

void MainWindow::setDecimalCaption(std::string_view caption)
{
    m_decimalButton->setText(qt(caption));
}

} // namespace tallix
