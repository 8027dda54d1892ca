#include "MainWindow.h"

#include "AboutWindow.h"
#include "Convert.h"
#include "Layout.h"
#include "Platform.h"

#include <commctrl.h>

namespace tallix {

namespace {

// Control ids: a button's row in mainControls; menu commands by their row in mainMenu.
constexpr int firstControlId = 100;
constexpr int firstCommandId = 1000;

constexpr DWORD mainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; // fixed border

} // namespace

// Every keypad button's messages, after the system's own handling, so that
// a click's handler has run when a press is let go.
LRESULT CALLBACK MainWindow::keypadButton(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                          DWORD_PTR window)
{
    LRESULT result = 0;
    guarded([&] {
        result = DefSubclassProc(button, message, wParam, lParam);
        if (message == WM_LBUTTONUP)
            reinterpret_cast<MainWindow*>(window)->m_behaviour.released(GetFocus() == button);
        else if (message == WM_NCDESTROY)
            RemoveWindowSubclass(button, &MainWindow::keypadButton, id);
    }, [button](std::string_view text) { showErrorLater(button, text); });
    return result;
}

class MainWindow::WidgetSurface final : public Surface {
public:
    explicit WidgetSurface(MainWindow& window) : m_window(window) {}

private:
    // Converted before anything changes: a text the window cannot take
    // leaves the display, its spoken value and the calculator as they were.
    void displayChanged(std::string_view text) override
    {
        std::wstring shown = wide(text);
        m_window.m_names.setValue(m_window.m_display->hwnd(), shown);
        m_window.m_display->setText(std::move(shown));
    }
    void setDecimalCaption(std::string_view caption) override
    {
        SetWindowTextW(m_window.m_controls[decimalRow], wide(caption).c_str());
        InvalidateRect(m_window.m_controls[decimalRow], nullptr, FALSE);
    }
    void beep() override { systemBeep(); }
    void showError(std::string_view text, std::string_view title) override
    {
        showCriticalBox(m_window.hwnd(), text, title);
    }
    void showAbout() override { AboutWindow::Show(m_window.hwnd()); }
    void focusKeyTrap() override { SetFocus(m_window.m_keyTrap->hwnd()); }
    std::optional<std::string> clipboardText() override { return tallix::clipboardText(m_window.hwnd()); }
    bool setClipboardText(std::string_view text) override { return tallix::setClipboardText(m_window.hwnd(), text); }

    MainWindow& m_window;
};

MainWindow::MainWindow(std::string_view regionalOnePointFive)
    : m_surface(std::make_unique<WidgetSurface>(*this)), m_behaviour(*m_surface), m_dpi(systemDpi()),
      m_windowBrush(CreateSolidBrush(rgb(windowColour))), m_faceBrush(CreateSolidBrush(rgb(faceColour))),
      m_displayFont(createFont(readOutFont, m_dpi)), m_buttonFont(createCaptionFont(m_dpi))
{
    const PixelSize client = mainClientSize(m_dpi);
    RECT outer{0, 0, client.width, client.height};
    AdjustWindowRectEx(&outer, mainStyle, TRUE, 0);
    // Windows chooses where the window opens; the program only sizes it.
    const PixelRect placed{CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top};
    create(L"TallixMain", wide(mainCaption), {0, mainStyle, placed, nullptr, buildMenu()}, m_windowBrush.get());
    // A menu bar that wraps takes more height than AdjustWindowRectEx allowed for.
    RECT actual;
    GetClientRect(hwnd(), &actual);
    SetWindowPos(hwnd(), nullptr, 0, 0, outer.right - outer.left + client.width - actual.right,
                 outer.bottom - outer.top + client.height - actual.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    buildControls();
    m_behaviour.Form_Load(regionalOnePointFive);

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
    m_controls = makeMainControls(hwnd(), m_dpi, [this](std::size_t row, HWND parent, PixelRect place) {
        const HWND control = createControl(row, parent, place);
        m_names.setName(control, mainControls[row].accessibleName);
        return control;
    });
    // The tab order is the order of the windows among their siblings.
    forTabChain(m_controls, [](HWND next) {
        SetWindowPos(next, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    });
}

HWND MainWindow::createControl(std::size_t row, HWND parent, PixelRect place)
{
    const ControlRow& control = mainControls[row];
    switch (control.kind) {
    case ControlKind::Label:
        m_display = std::make_unique<Display>(parent, place, m_displayFont.get(), m_dpi);
        m_display->setText(wide(control.caption));
        return m_display->hwnd();
    case ControlKind::Frame:
        m_frames.push_back(std::make_unique<Frame>(parent, place, m_windowBrush.get()));
        return m_frames.back()->hwnd();
    case ControlKind::KeyTrap:
        m_keyTrap = std::make_unique<KeyTrap>(parent, place, m_behaviour);
        return m_keyTrap->hwnd();
    case ControlKind::Button:
        break;
    }
    const HWND button = CreateWindowExW(0, L"BUTTON", wide(control.caption).c_str(),
                                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, place.left, place.top,
                                        place.width, place.height, parent,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstControlId + row)),
                                        GetModuleHandleW(nullptr), nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(m_buttonFont.get()), FALSE);
    SetWindowSubclass(button, &MainWindow::keypadButton, row, reinterpret_cast<DWORD_PTR>(this));
    return button;
}

HMENU MainWindow::buildMenu()
{
    HMENU bar = CreateMenu();
    std::vector<ACCEL> accelerators;
    makeMainMenu<HMENU>(
        [bar](const MenuRow& row) {
            HMENU menu = CreatePopupMenu();
            AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), wide(row.caption).c_str());
            return menu;
        },
        [&](HMENU menu, std::size_t row, const std::string& shortcut) {
            const auto id = static_cast<WORD>(firstCommandId + row);
            std::wstring caption = wide(mainMenu[row].caption);
            if (!shortcut.empty()) {
                caption += L"\t" + wide(shortcut);
                accelerators.push_back({FCONTROL | FVIRTKEY, static_cast<WORD>(mainMenu[row].ctrlKey), id});
            }
            AppendMenuW(menu, MF_STRING, id, caption.c_str());
        });
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
        const PixelRect place = placeOf(mainControls[i], dpi);
        SetWindowPos(m_controls[i], nullptr, place.left, place.top, place.width, place.height,
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
        if (m_keyTrap)
            m_behaviour.keyboardReturned();
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
            m_behaviour.click(control);
        return;
    }
    const auto item = static_cast<std::size_t>(id - firstCommandId);
    if (id >= firstCommandId && item < mainMenu.size())
        m_behaviour.command(item);
}

} // namespace tallix
