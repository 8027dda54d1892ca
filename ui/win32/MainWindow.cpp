#include "MainWindow.h"

#include "AboutWindow.h"
#include "KeyTable.h"
#include "MainForm.h"
#include "Platform.h"
#include "Twips.h"
#include "Wide.h"

#include <algorithm>
#include <map>
#include <utility>

namespace tallix {

namespace {

// Control ids: a button's row in mainControls; menu commands after them.
constexpr int firstControlId = 100;
constexpr int firstCommandId = 1000;

constexpr DWORD mainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; // fixed border

int commandId(MenuCommand command) { return firstCommandId + static_cast<int>(command); }

} // namespace

MainWindow::MainWindow(std::string_view regionalOnePointFive)
    : m_dpi(systemDpi()), m_windowBrush(CreateSolidBrush(rgb(windowColour))),
      m_faceBrush(CreateSolidBrush(rgb(faceColour))), m_readOutFont(createFont(readOutFont, m_dpi)),
      m_buttonFont(createCaptionFont(m_dpi))
{
    RECT outer{0, 0, px(clientWidth, m_dpi), px(clientHeight, m_dpi)};
    AdjustWindowRectEx(&outer, mainStyle, TRUE, 0);
    // Windows chooses where the window opens; the program only sizes it.
    const RECT placed{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + (outer.right - outer.left),
                      CW_USEDEFAULT + (outer.bottom - outer.top)};
    create(L"TallixMain", wide(mainCaption), {0, mainStyle, placed, nullptr, buildMenu()}, m_windowBrush.get());
    // A menu bar that wraps takes more height than AdjustWindowRectEx allowed for.
    RECT client;
    GetClientRect(hwnd(), &client);
    SetWindowPos(hwnd(), nullptr, 0, 0, outer.right - outer.left + px(clientWidth, m_dpi) - client.right,
                 outer.bottom - outer.top + px(clientHeight, m_dpi) - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    buildControls();
    m_calculator.Form_Load(regionalOnePointFive);
}

MainWindow::~MainWindow()
{
    if (m_accelerators)
        DestroyAcceleratorTable(m_accelerators);
}

void MainWindow::buildControls()
{
    std::map<std::string_view, HWND> containers{{"", hwnd()}};
    std::vector<std::pair<int, HWND>> tabOrder;

    for (std::size_t i = 0; i < mainControls.size(); ++i) {
        const ControlRow& row = mainControls[i];
        const HWND parent = containers.at(row.container);
        const RECT rect = pixelRect(row.left, row.top, row.width, row.height, m_dpi);
        HWND control = nullptr;
        switch (row.kind) {
        case ControlKind::Label:
            m_readOut = std::make_unique<Display>(parent, rect, m_readOutFont.get(), m_faceBrush.get(),
                                                  rgb(readOutTextColour));
            m_readOut->setText(row.caption);
            control = m_readOut->hwnd();
            break;
        case ControlKind::Frame:
            m_frames.push_back(std::make_unique<Frame>(parent, rect, m_windowBrush.get()));
            control = m_frames.back()->hwnd();
            containers[row.name] = control;
            break;
        case ControlKind::KeyTrap:
            m_keyTrap = std::make_unique<KeyTrap>(parent, rect, [this](std::int16_t code) { pctKeyTrap_KeyPress(code); });
            control = m_keyTrap->hwnd();
            break;
        case ControlKind::Button:
            control = CreateWindowExW(0, L"BUTTON", wide(row.caption).c_str(),
                                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, rect.left, rect.top,
                                      rect.right - rect.left, rect.bottom - rect.top, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstControlId + i)),
                                      GetModuleHandleW(nullptr), nullptr);
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_buttonFont.get()), FALSE);
            if (row.click == Click::cmdDec_Click)
                m_decimalButton = control;
            break;
        }
        m_names.setName(control, row.accessibleName);
        tabOrder.emplace_back(row.tabOrder, control);
    }

    // The tab order is the order of the windows among their siblings.
    std::sort(tabOrder.begin(), tabOrder.end());
    for (const auto& [place, control] : tabOrder)
        SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HMENU MainWindow::buildMenu()
{
    HMENU bar = CreateMenu();
    std::map<std::string_view, HMENU> menus;
    std::vector<ACCEL> accelerators;
    for (const MenuRow& row : mainMenu) {
        std::wstring caption = wide(row.caption);
        if (row.parent.empty()) {
            HMENU menu = CreatePopupMenu();
            AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), caption.c_str());
            menus[row.name] = menu;
            continue;
        }
        const int id = commandId(row.command);
        if (row.ctrlKey != 0) {
            caption += L"\tCtrl+";
            caption += static_cast<wchar_t>(row.ctrlKey);
            accelerators.push_back({FCONTROL | FVIRTKEY, static_cast<WORD>(row.ctrlKey), static_cast<WORD>(id)});
        }
        AppendMenuW(menus.at(row.parent), MF_STRING, static_cast<UINT_PTR>(id), caption.c_str());
    }
    m_accelerators = CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size()));
    return bar;
}

void MainWindow::setIcons(HICON large, HICON small)
{
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void MainWindow::show(int how)
{
    ShowWindow(hwnd(), how);
    UpdateWindow(hwnd());
    SetFocus(m_keyTrap->hwnd());
}

bool MainWindow::translateAccelerator(MSG& message)
{
    return TranslateAcceleratorW(hwnd(), m_accelerators, &message) != 0;
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        command(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_DRAWITEM:
        drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), m_faceBrush.get());
        return TRUE;
    case WM_SETFOCUS:
        // Whenever the window gets the keyboard back (after a box, the About
        // window or another program), typing goes to the key trap.
        if (m_keyTrap)
            SetFocus(m_keyTrap->hwnd());
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return Window::handle(message, wParam, lParam);
}

void MainWindow::command(int id, int notification)
{
    const int row = id - firstControlId;
    if (row >= 0 && row < static_cast<int>(mainControls.size())) {
        // An owner-drawn button reports a quick second click as a double click.
        if (notification == BN_CLICKED || notification == BN_DOUBLECLICKED)
            click(m_calculator, mainControls[static_cast<std::size_t>(row)]);
        return;
    }
    if (id == commandId(MenuCommand::Copy))
        mnuCopy_Click();
    else if (id == commandId(MenuCommand::Paste))
        mnuPaste_Click();
    else if (id == commandId(MenuCommand::About))
        mnuAbout_Click();
}

void MainWindow::pctKeyTrap_KeyPress(std::int16_t code)
{
    tallix::pctKeyTrap_KeyPress(m_calculator, *this, code);
}

void MainWindow::mnuCopy_Click()
{
    setClipboardText(hwnd(), m_calculator.readOut());
}

void MainWindow::mnuPaste_Click()
{
    m_calculator.paste(clipboardText(hwnd()));
}

void MainWindow::mnuAbout_Click()
{
    if (m_about)
        m_about->Show();
}

void MainWindow::displayChanged(std::string_view text)
{
    m_readOut->setText(text);
    m_names.setValue(m_readOut->hwnd(), text);
}

void MainWindow::beep()
{
    systemBeep();
}

void MainWindow::showError(std::string_view text, std::string_view title)
{
    showCriticalBox(hwnd(), text, title);
}

void MainWindow::focusKeyTrap()
{
    SetFocus(m_keyTrap->hwnd());
}

void MainWindow::setDecimalCaption(std::string_view caption)
{
    SetWindowTextW(m_decimalButton, wide(caption).c_str());
    InvalidateRect(m_decimalButton, nullptr, FALSE);
}

} // namespace tallix
