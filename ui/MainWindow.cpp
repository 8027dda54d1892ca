#include "MainWindow.h"

#include "AboutWindow.h"
#include "Instances.h"
#include "KeyTable.h"
#include "KeyTrap.h"
#include "MainLayout.h"
#include "QtText.h"
#include "DisplayLabel.h"
#include "Twips.h"

#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <map>

namespace tallix {

namespace {

const QColor windowColour(38, 97, 223);
const QColor faceColour(203, 217, 248);

QString objectNameOf(const ControlRow& row)
{
    QString name = qt(row.name);
    if (row.index != noIndex)
        name += QString::number(row.index);
    return name;
}

QFont displayFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
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
    setWindowTitle(QStringLiteral("Tallix"));
    buildControls();
    buildMenu();

    m_calculator.Form_Load(regionalOnePointFive.toStdString());
    m_shownText = m_calculator.readOut();

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
    clientPalette.setColor(QPalette::Window, windowColour);
    clientPalette.setColor(QPalette::Button, faceColour); // every button face
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
            palette.setColor(QPalette::Window, faceColour);
            palette.setColor(QPalette::WindowText, Qt::black);
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
            const auto handler = clickHandler(row.name, row.index);
            connect(button, &QPushButton::clicked, this, [this, handler] { run(handler); });
            if (row.name == "cmdDec")
                m_decimalButton = button;
            widget = button;
            break;
        }
        }
        widget->setObjectName(objectNameOf(row));
        widget->setAccessibleName(qt(row.accessibleName));
        widget->setGeometry(px(row.left), px(row.top), px(row.width), px(row.height));
        if (widget->focusPolicy() != Qt::NoFocus)
            tabOrder.emplace_back(row.tabOrder, widget);
    }

    std::sort(tabOrder.begin(), tabOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

std::function<void()> MainWindow::clickHandler(std::string_view name, std::int16_t index)
{
    Calculator& c = m_calculator;
    if (name == "cmdNum")
        return [&c, index] { c.cmdNum_Click(index); };
    if (name == "cmdOper")
        return [&c, index] { c.cmdOper_Click(index); };
    if (name == "cmdDec")
        return [&c] { c.cmdDec_Click(); };
    if (name == "cmdOpp")
        return [&c] { c.cmdOpp_Click(); };
    if (name == "cmdCE")
        return [&c] { c.cmdCE_Click(); };
    if (name == "cmdCancel")
        return [&c] { c.cmdCancel_Click(); };
    if (name == "cmdPer")
        return [&c] { c.cmdPer_Click(); };
    return [] {};
}

void MainWindow::buildMenu()
{
    std::map<std::string_view, QMenu*> menus;
    for (const MenuRow& row : mainMenu) {
        if (row.parent.empty()) {
            QMenu* menu = menuBar()->addMenu(qt(row.caption));
            menu->setObjectName(qt(row.name));
            menus[row.name] = menu;
            continue;
        }
        QAction* action = menus.at(row.parent)->addAction(qt(row.caption));
        action->setObjectName(qt(row.name));
        if (!row.shortcut.empty())
            action->setShortcut(QKeySequence(qt(row.shortcut)));
        switch (row.command) {
        case MenuCommand::Copy: connect(action, &QAction::triggered, this, &MainWindow::mnuCopy_Click); break;
        case MenuCommand::Paste: connect(action, &QAction::triggered, this, &MainWindow::mnuPaste_Click); break;
        case MenuCommand::About: connect(action, &QAction::triggered, this, &MainWindow::mnuAbout_Click); break;
        case MenuCommand::None: break;
        }
    }
}

void MainWindow::run(const std::function<void()>& handler)
{
    handler();
    if (m_calculator.readOut() != m_shownText) {
        m_shownText = m_calculator.readOut();
        m_readOut->setText(QString::fromStdString(m_shownText));
    }
}

void MainWindow::pctKeyTrap_KeyPress(std::int16_t KeyAscii)
{
    run([&] { tallix::pctKeyTrap_KeyPress(m_calculator, *this, KeyAscii); });
}

void MainWindow::mnuCopy_Click()
{
    QGuiApplication::clipboard()->setText(m_readOut->text());
}

void MainWindow::mnuPaste_Click()
{
    const QString text = QGuiApplication::clipboard()->text();
    run([&] { m_calculator.paste(text.toStdString()); });
}

void MainWindow::mnuAbout_Click()
{
    frmAbout().Show();
    // Without a window manager nothing hands the keyboard back once the
    // About window is gone; typing must work at once.
    activateWindow();
}

void MainWindow::beep()
{
    QApplication::beep();
}

void MainWindow::showError(std::string_view text, std::string_view title)
{
    QMessageBox box(QMessageBox::Critical, qt(title), qt(text), QMessageBox::Ok, this);
    box.exec();
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
