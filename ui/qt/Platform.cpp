#include "Platform.h"

#include "Calculator.h"
#include "Convert.h"
#include "Guarded.h"
#include "x11/Clipboard.h"

#include <QClipboard>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>

#include <chrono>

namespace tallix {

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
            showCriticalBox(QApplication::activeWindow(), qt(message), qt(errorTitle));
        }, [](std::string_view) {});
    });
}

// Qt would wait 5 s for an X clipboard owner that has stopped, and then read nothing.
std::optional<std::string> clipboardText()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    const bool anotherOwner = QGuiApplication::platformName() == QLatin1String("xcb") && !clipboard->ownsClipboard();
    if (anotherOwner && !clipboardOwnerAnswers(std::chrono::milliseconds(400)))
        return std::nullopt;
    return clipboard->text().toStdString();
}

bool setClipboardText(std::string_view text)
{
    const QString chars = qt(text);
    QGuiApplication::clipboard()->setText(chars);
    return QGuiApplication::clipboard()->text() == chars;
}

} // namespace tallix
