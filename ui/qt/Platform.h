// The desktop services the Qt windows use: the regional decimal separator,
// the system beep, the critical error box and the clipboard's plain text.
// Knows nothing about the calculator.
#pragma once

#include <QString>

class QWidget;

namespace tallix {

// 1.5 written by the user's regional settings: "1,5" or "1.5".
QString regionalOnePointFive();

void systemBeep();

// Modal: a critical icon, one OK button; returns once it is dismissed.
void showCriticalBox(QWidget* parent, const QString& text, const QString& title);

QString clipboardText();
void setClipboardText(const QString& text);

} // namespace tallix
