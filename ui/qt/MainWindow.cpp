#include "MainWindow.h"

#include "AboutWindow.h"
#include "Convert.h"
#include "Display.h"
#include "KeyTrap.h"
#include "Look.h"
#include "MenuKeys.h"
#include "Platform.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

namespace tallix {

class MainWindow::WidgetSurface final : public Surface {
public:
    explicit WidgetSurface(MainWindow& window) : m_window(window) {}

private:
    void displayChanged(std::string_view text) override { m_window.m_display->setText(qt(text)); }
    void beep() override { systemBeep(); }
    // Without a window manager nothing hands the keyboard back once a modal
    // window is gone; typing must work at once.
    void showError(std::string_view text, std::string_view title) override
    {
        showCriticalBox(&m_window, qt(text), qt(title));
        m_window.activateWindow();
    }
    void focusKeyTrap() override { m_window.m_keyTrap->setFocus(); }
    void setDecimalCaption(std::string_view caption) override
    {
        static_cast<QPushButton*>(m_window.m_controls[decimalRow])->setText(qt(caption));
    }
    std::optional<std::string> clipboardText() override { return tallix::clipboardText(); }
    bool setClipboardText(std::string_view text) override { return tallix::setClipboardText(text); }
    void showAbout() override
    {
        AboutWindow::Show(m_window);
        m_window.activateWindow();
    }

    MainWindow& m_window;
};

MainWindow::MainWindow(const QString& regionalOnePointFive, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      m_surface(std::make_unique<WidgetSurface>(*this)), m_behaviour(*m_surface)
{
    setObjectName(QStringLiteral("frmTallix"));
    setWindowTitle(qt(mainCaption));
    buildControls();
    buildMenu();

    m_behaviour.Form_Load(regionalOnePointFive.toStdString());

    // Fixed size: the key trap below the client area must stay out of sight.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_keyTrap->setFocus();
}

MainWindow::~MainWindow() = default;

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

    m_controls = makeMainControls(client, standardDpi, [this](std::size_t row, QWidget* parent, PixelRect place) {
        QWidget* widget = createControl(row, parent);
        widget->setObjectName(qt(tallix::objectName(mainControls[row])));
        widget->setAccessibleName(qt(mainControls[row].accessibleName));
        widget->setGeometry(qt(place));
        return widget;
    });
    QWidget* previous = nullptr;
    forTabChain(m_controls, [&](QWidget* next) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    });
}

QWidget* MainWindow::createControl(std::size_t row, QWidget* parent)
{
    switch (mainControls[row].kind) {
    case ControlKind::Label:
        m_display = new Display(parent);
        m_display->setFont(displayFont());
        m_display->setText(qt(mainControls[row].caption));
        return m_display;
    case ControlKind::Frame: {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return frame;
    }
    case ControlKind::KeyTrap:
        return m_keyTrap = new KeyTrap(parent, m_behaviour);
    case ControlKind::Button:
        break;
    }
    auto* button = new QPushButton(qt(mainControls[row].caption), parent);
    button->setAutoDefault(false);
    giveKeypadLook(button);
    connect(button, &QPushButton::clicked, this, [this, row] { m_behaviour.click(row); });
    // Queued: a click's own handler runs first.
    connect(button, &QPushButton::released, this, [this, button] { m_behaviour.released(button->hasFocus()); },
            Qt::QueuedConnection);
    return button;
}

void MainWindow::buildMenu()
{
    giveMenuBarLook(menuBar());
    auto* keys = new MenuKeys(menuBar(), m_behaviour);
    keys->watch(m_keyTrap);
    keys->watch(menuBar());
    makeMainMenu<QMenu*>(
        [&](const MenuRow& row) {
            QMenu* menu = menuBar()->addMenu(qt(row.caption));
            menu->setObjectName(qt(row.name));
            keys->watch(menu, static_cast<std::size_t>(&row - mainMenu.data()));
            return menu;
        },
        [this](QMenu* menu, std::size_t row, const std::string& shortcut) {
            QAction* action = menu->addAction(qt(mainMenu[row].caption));
            action->setObjectName(qt(mainMenu[row].name));
            action->setShortcut(QKeySequence(qt(shortcut), QKeySequence::PortableText));
            connect(action, &QAction::triggered, this, [this, row] { m_behaviour.command(row); });
        });
}

bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        m_behaviour.keyboardReturned();
    return QMainWindow::event(event);
}

// Typed keys come up here when the widget holding the keyboard chose nothing
// for them: the menu bar holding the keyboard, or an open menu.
void MainWindow::keyPressEvent(QKeyEvent* event)
{
    const MenuState state = QApplication::activePopupWidget() ? MenuState::menuOpen
                            : menuBar()->hasFocus()           ? MenuState::barHasKeyboard
                                                              : MenuState::closed;
    switch (m_behaviour.keyInMenus(state, !event->text().isEmpty())) {
    case KeyInMenus::asUsual: QMainWindow::keyPressEvent(event); break;
    case KeyInMenus::refuse: break;
    case KeyInMenus::toCalculator:
        m_keyTrap->setFocus();
        QApplication::sendEvent(m_keyTrap, event);
        break;
    }
}

} // namespace tallix
