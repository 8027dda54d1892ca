#include "Platform.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QMessageBox>

namespace tallix {

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

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

} // namespace tallix
