#include "Platform.h"

#include "Calculator.h"
#include "Guarded.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>

#include <xcb/xcb.h>

#include <chrono>
#include <memory>
#include <thread>

namespace tallix {

namespace {

using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// Asks the X clipboard's owner, on a connection of our own, which formats it
// has. With no owner the X server answers at once; a stopped program never
// does, and Qt would wait 5 s for it and then read nothing.
bool clipboardOwnerAnswers()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || QGuiApplication::clipboard()->ownsClipboard())
        return true;
    const Connection connection(xcb_connect(nullptr, nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return true; // cannot tell: Qt tries
    xcb_connection_t* x = connection.get();
    const xcb_window_t window = xcb_generate_id(x);
    xcb_create_window(x, XCB_COPY_FROM_PARENT, window, xcb_setup_roots_iterator(xcb_get_setup(x)).data->root, 0, 0, 1,
                      1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    const xcb_atom_t targets = atom(x, "TARGETS");
    xcb_convert_selection(x, window, atom(x, "CLIPBOARD"), targets, targets, XCB_CURRENT_TIME);
    xcb_flush(x);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(400);
    while (std::chrono::steady_clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const bool answered = (event->response_type & 0x7F) == XCB_SELECTION_NOTIFY;
            std::free(event);
            if (answered)
                return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

} // namespace

bool Application::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    guarded([&] { handled = QApplication::notify(receiver, event); }, showErrorLater);
    return handled;
}

QString regionalOnePointFive()
{
    return QLocale::system().toString(1.5, 'f', 1);
}

void systemBeep()
{
    QApplication::beep();
}

void showCriticalBox(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void showErrorLater(std::string_view message)
{
    QTimer::singleShot(0, qApp, [message] {
        guarded([&] {
            showCriticalBox(QApplication::activeWindow(), QString::fromUtf8(message.data(), std::ssize(message)),
                            QString::fromUtf8(errorTitle.data(), std::ssize(errorTitle)));
        }, [](std::string_view) {});
    });
}

std::optional<QString> clipboardText()
{
    if (!clipboardOwnerAnswers())
        return std::nullopt;
    return QGuiApplication::clipboard()->text();
}

bool setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    return QGuiApplication::clipboard()->text() == text;
}

} // namespace tallix
