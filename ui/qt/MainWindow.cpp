#include "MainWindow.h"

#include "AboutWindow.h"
#include "DisplayLabel.h"
#include "KeyTable.h"
#include "KeyTrap.h"
#include "Look.h"
#include "MainForm.h"
#include "MenuKeys.h"
#include "Platform.h"
#include "QtText.h"
#include "Twips.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <map>
#include <vector>

namespace tallix {

namespace {

QFont displayFont()
{
    QFont font(qt(readOutFont.face));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(readOutFont.points);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace

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

void MainWindow::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(px(clientWidth), px(clientHeight));
    client->setAutoFillBackground(true);
    QPalette clientPalette = client->palette();
    clientPalette.setColor(QPalette::Window, qt(windowColour));
    clientPalette.setColor(QPalette::Button, qt(faceColour)); // every button face
    client->setPalette(clientPalette);
    setCentralWidget(client);

    std::map<std::string_view, QWidget*> containers{{"", client}};
    std::vector<std::pair<int, QWidget*>> tabOrder;

    for (const ControlRow& row : mainControls) {
        QWidget* parent = containers.at(row.container);
        QWidget* widget = nullptr;
        switch (row.kind) {
        case ControlKind::Label: {
            m_readOut = new DisplayLabel(parent);
            QPalette palette = m_readOut->palette();
            palette.setColor(QPalette::Window, qt(faceColour));
            palette.setColor(QPalette::WindowText, qt(readOutTextColour));
            m_readOut->setPalette(palette);
            m_readOut->setAutoFillBackground(true);
            m_readOut->setFont(displayFont());
            m_readOut->setText(qt(row.caption));
            widget = m_readOut;
            break;
        }
        case ControlKind::Frame: {
            auto* frame = new QFrame(parent);
            frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            containers[row.name] = frame;
            widget = frame;
            break;
        }
        case ControlKind::KeyTrap:
            m_keyTrap = new KeyTrap(parent);
            connect(m_keyTrap, &KeyTrap::KeyPress, this, &MainWindow::pctKeyTrap_KeyPress);
            widget = m_keyTrap;
            break;
        case ControlKind::Button: {
            auto* button = new QPushButton(qt(row.caption), parent);
            button->setAutoDefault(false);
            giveKeypadLook(button);
            connect(button, &QPushButton::clicked, this, [this, &row] { click(m_calculator, row); });
            if (row.click == Click::cmdDec_Click)
                m_decimalButton = button;
            widget = button;
            break;
        }
        }
        widget->setObjectName(qt(tallix::objectName(row)));
        widget->setAccessibleName(qt(row.accessibleName));
        widget->setGeometry(px(row.left), px(row.top), px(row.width), px(row.height));
        if (widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(row.tabOrder, widget);
    }

    std::sort(tabOrder.begin(), tabOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

void MainWindow::buildMenu()
{
    giveMenuBarLook(menuBar());
    auto* keys = new MenuKeys(menuBar());
    keys->watch(m_keyTrap);
    keys->watch(menuBar());
    std::map<std::string_view, QMenu*> menus;
    for (const MenuRow& row : mainMenu) {
        if (row.parent.empty()) {
            QMenu* menu = menuBar()->addMenu(qt(row.caption));
            menu->setObjectName(qt(row.name));
            keys->watch(menu);
            menus[row.name] = menu;
            continue;
        }
        QAction* action = menus.at(row.parent)->addAction(qt(row.caption));
        action->setObjectName(qt(row.name));
        if (row.ctrlKey != 0)
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(row.ctrlKey)));
        switch (row.command) {
        case MenuCommand::Copy: connect(action, &QAction::triggered, this, &MainWindow::mnuCopy_Click); break;
        case MenuCommand::Paste: connect(action, &QAction::triggered, this, &MainWindow::mnuPaste_Click); break;
        case MenuCommand::About: connect(action, &QAction::triggered, this, &MainWindow::mnuAbout_Click); break;
        case MenuCommand::None: break;
        }
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
    setClipboardText(m_readOut->text());
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
    m_readOut->setText(qt(text));
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
