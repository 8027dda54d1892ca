#include "MainWindow.h"

#include "AboutWindow.h"
#include "Convert.h"
#include "KeyTable.h"
#include "Layout.h"
#include "Platform.h"

namespace tallix {

namespace {

// Control ids: a button's row in mainControls; menu commands by their row in mainMenu.
constexpr int firstControlId = 100;
constexpr int firstCommandId = 1000;

constexpr DWORD mainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; // fixed border

WNDPROC systemButtonProcedure = nullptr;

// A press let go off a keypad button clicks nothing, so no handler gives the
// focus back; the release does, once any click's handler has run: the main
// window hands its keyboard on to the key trap.
LRESULT CALLBACK keypadButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallWindowProcW(systemButtonProcedure, button, message, wParam, lParam);
    if (message == WM_LBUTTONUP && GetFocus() == button)
        SetFocus(GetAncestor(button, GA_ROOT));
    return result;
}

} // namespace

MainWindow::MainWindow(std::string_view regionalOnePointFive)
    : m_dpi(systemDpi()), m_windowBrush(CreateSolidBrush(rgb(windowColour))),
      m_faceBrush(CreateSolidBrush(rgb(faceColour))), m_displayFont(createFont(readOutFont, m_dpi)),
      m_buttonFont(createCaptionFont(m_dpi))
{
    const PixelSize client = mainClientSize(m_dpi);
    RECT outer{0, 0, client.width, client.height};
    AdjustWindowRectEx(&outer, mainStyle, TRUE, 0);
    // Windows chooses where the window opens; the program only sizes it.
    const RECT placed{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT + (outer.right - outer.left),
                      CW_USEDEFAULT + (outer.bottom - outer.top)};
    create(L"TallixMain", wide(mainCaption), {0, mainStyle, placed, nullptr, buildMenu()}, m_windowBrush.get());
    // A menu bar that wraps takes more height than AdjustWindowRectEx allowed for.
    RECT actual;
    GetClientRect(hwnd(), &actual);
    SetWindowPos(hwnd(), nullptr, 0, 0, outer.right - outer.left + client.width - actual.right,
                 outer.bottom - outer.top + client.height - actual.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    buildControls();
    m_calculator.Form_Load(regionalOnePointFive);

    // Opened on a monitor of another density than the system's.
    if (const int dpi = windowDpi(hwnd()); dpi != m_dpi) {
        RECT scaled;
        GetWindowRect(hwnd(), &scaled);
        scaled.right = scaled.left + MulDiv(scaled.right - scaled.left, dpi, m_dpi);
        scaled.bottom = scaled.top + MulDiv(scaled.bottom - scaled.top, dpi, m_dpi);
        rescale(dpi, scaled);
    }
}

MainWindow::~MainWindow()
{
    if (m_accelerators)
        DestroyAcceleratorTable(m_accelerators);
}

void MainWindow::buildControls()
{
    for (std::size_t i = 0; i < mainControls.size(); ++i) {
        const std::size_t container = containerRow(mainControls[i]);
        m_controls[i] = createControl(i, container == inClientArea ? hwnd() : m_controls[container]);
        m_names.setName(m_controls[i], mainControls[i].accessibleName);
    }
    // The tab order is the order of the windows among their siblings.
    for (const std::size_t i : mainTabSequence)
        SetWindowPos(m_controls[i], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND MainWindow::createControl(std::size_t row, HWND parent)
{
    const ControlRow& control = mainControls[row];
    const RECT place = rect(placeOf(control, m_dpi));
    switch (control.kind) {
    case ControlKind::Label:
        m_display = std::make_unique<Display>(parent, place, m_displayFont.get(), m_faceBrush.get(), m_dpi);
        m_display->setText(control.caption);
        return m_display->hwnd();
    case ControlKind::Frame:
        m_frames.push_back(std::make_unique<Frame>(parent, place, m_windowBrush.get()));
        return m_frames.back()->hwnd();
    case ControlKind::KeyTrap:
        m_keyTrap = std::make_unique<KeyTrap>(parent, place, [this](std::int16_t code) { pctKeyTrap_KeyPress(code); });
        return m_keyTrap->hwnd();
    case ControlKind::Button:
        break;
    }
    const HWND button = CreateWindowExW(0, L"BUTTON", wide(control.caption).c_str(),
                                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, place.left, place.top,
                                        place.right - place.left, place.bottom - place.top, parent,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstControlId + row)),
                                        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(m_buttonFont.get()), FALSE);
    systemButtonProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&keypadButtonProcedure)));
    if (control.click == Handler::cmdDec_Click)
        m_decimalButton = button;
    return button;
}

HMENU MainWindow::buildMenu()
{
    HMENU bar = CreateMenu();
    std::array<HMENU, mainMenu.size()> menus{};
    std::vector<ACCEL> accelerators;
    for (std::size_t i = 0; i < mainMenu.size(); ++i) {
        const MenuRow& row = mainMenu[i];
        const std::size_t parent = parentMenuRow(row);
        std::wstring caption = wide(row.caption);
        if (parent == inMenuBar) {
            menus[i] = CreatePopupMenu();
            AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menus[i]), caption.c_str());
            continue;
        }
        const auto id = static_cast<WORD>(firstCommandId + i);
        if (row.ctrlKey != 0) {
            caption += L"\t" + wide(shortcutText(row));
            accelerators.push_back({FCONTROL | FVIRTKEY, static_cast<WORD>(row.ctrlKey), id});
        }
        AppendMenuW(menus[parent], MF_STRING, id, caption.c_str());
    }
    m_accelerators = CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size()));
    return bar;
}

void MainWindow::rescale(int dpi, const RECT& suggested)
{
    m_dpi = dpi;
    GdiObject<HFONT> displayFont = createFont(readOutFont, dpi);
    GdiObject<HFONT> buttonFont = createCaptionFont(dpi);
    m_display->setFont(displayFont.get(), dpi);
    for (std::size_t i = 0; i < mainControls.size(); ++i) {
        const RECT place = rect(placeOf(mainControls[i], dpi));
        SetWindowPos(m_controls[i], nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (mainControls[i].kind == ControlKind::Button)
            SendMessageW(m_controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont.get()), TRUE);
    }
    // The old fonts go only once no control draws with them.
    m_displayFont = std::move(displayFont);
    m_buttonFont = std::move(buttonFont);
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd(), nullptr, TRUE);
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
    case WM_DPICHANGED: // moved to a monitor of another density
        rescale(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return Window::handle(message, wParam, lParam);
}

void MainWindow::command(int id, int notification)
{
    const auto control = static_cast<std::size_t>(id - firstControlId);
    if (id >= firstControlId && control < mainControls.size()) {
        // An owner-drawn button reports a quick second click as a double click.
        if (notification == BN_CLICKED || notification == BN_DOUBLECLICKED)
            m_calculator.run(pressOf(mainControls[control]));
        return;
    }
    const auto item = static_cast<std::size_t>(id - firstCommandId);
    if (id >= firstCommandId && item < mainMenu.size() && mainMenu[item].click)
        (static_cast<MenuCommands&>(*this).*mainMenu[item].click)();
}

void MainWindow::pctKeyTrap_KeyPress(std::int16_t code)
{
    tallix::pctKeyTrap_KeyPress(m_calculator, *this, code);
}

void MainWindow::mnuCopy_Click()
{
    setClipboardText(hwnd(), m_calculator.display());
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
    m_display->setText(text);
    m_names.setValue(m_display->hwnd(), text);
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
