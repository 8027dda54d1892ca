// Helpers for the window tests: finding controls by name, and answering a
// modal window from a timer so that a test never blocks on it.
#pragma once

#include "MainWindow.h"
#include "DisplayLabel.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace tallix::testing {

inline QPushButton* button(QWidget& window, const char* name)
{
    auto* b = window.findChild<QPushButton*>(QString::fromLatin1(name));
    EXPECT_NE(b, nullptr) << name;
    return b;
}

inline QWidget* keyTrap(QWidget& window)
{
    return window.findChild<QWidget*>(QStringLiteral("pctKeyTrap"));
}

inline QString display(QWidget& window)
{
    return window.findChild<DisplayLabel*>(QStringLiteral("lblReadOut"))->text();
}

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

} // namespace tallix::testing

// Lets GoogleTest print QStrings as text and colours by their names.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QColor& colour, std::ostream* os)
{
    *os << colour.name().toStdString();
}
