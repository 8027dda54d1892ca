// Helpers for the window tests: a shown main window with its About window,
// typing, pasting, finding controls by name, and answering a modal window
// from a timer so that a test never blocks on it.
#pragma once

#include "qt/AboutWindow.h"
#include "qt/Display.h"
#include "qt/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tallix::testing {

// Once a modal window is open, hands it to `answer`, which must close it.
// Polls, so it also catches a window opened some time after the call.
inline void whenModalOpens(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        }
    });
    timer->start();
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setAboutWindow(&about);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QPushButton* button(const char* name) { return window.findChild<QPushButton*>(QString::fromLatin1(name)); }
    QWidget* keyTrap() { return window.findChild<QWidget*>(QStringLiteral("pctKeyTrap")); }
    Display* display() { return window.findChild<Display*>(QStringLiteral("lblReadOut")); }
    QString displayText() { return display()->text(); }

    // Sends each character as typed text, Cyrillic included.
    void type(const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(keyTrap(), &press);
        }
    }

    void paste(const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        window.behaviour().mnuPaste_Click();
    }

    MainWindow window{QStringLiteral("1.5")};
    AboutWindow about{window};
};

} // namespace tallix::testing

// Lets GoogleTest print QStrings as text.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
