// The desktop services the Qt windows use: the regional decimal separator,
// the system beep, the critical error box, now or once the event loop is
// back, and the clipboard's plain text. Knows nothing about the calculator.
#pragma once

#include <QApplication>
#include <QString>

#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace tallix {

// Every event runs inside the guard, and so every override, event filter
// and slot of ours that Qt calls, and Qt's own way to them: a key press is
// matched against the shortcuts, with allocations, before a widget sees it.
class Application : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

// 1.5 written by the user's regional settings: "1,5" or "1.5".
QString regionalOnePointFive();

void systemBeep();

// Modal: a critical icon, one OK button; returns once it is dismissed.
void showCriticalBox(QWidget* parent, const QString& text, const QString& title);
// The same box over the active window, once the event loop is back: for
// errors met inside a paint or a screen reader's question. The message is
// one of the guard's own, which live as long as the program.
void showErrorLater(std::string_view message);

// Nothing when the clipboard's owner does not answer within a few hundred
// milliseconds (a program that hangs); empty when it holds no text. UTF-8.
std::optional<std::string> clipboardText();
// False when the clipboard does not hold the text afterwards.
bool setClipboardText(std::string_view text);

} // namespace tallix
