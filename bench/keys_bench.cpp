// Key benchmark on the real window: time from a key event to the display
// being repainted, over a long mixed sequence, then the steps after a 1 MiB
// paste (paste, digit, sign change, operator, Copy). Run it on an X server.
#include "qt/Display.h"
#include "qt/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

using tallix::Display;
using tallix::MainWindow;

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct Timer {
    MainWindow& window;
    tallix::Display* display;
    PaintCounter counter;

    // Microseconds from the start of `step` until its display change is painted.
    double time(const std::function<void()>& step)
    {
        const QString before = display->text();
        const int paints = counter.paints;
        QElapsedTimer timer;
        timer.start();
        step();
        QApplication::processEvents();
        while (display->text() != before && counter.paints == paints)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return static_cast<double>(timer.nsecsElapsed()) / 1000.0;
    }
};

void report(const char* what, std::vector<double> micros)
{
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) { return micros[static_cast<std::size_t>(q * static_cast<double>(micros.size() - 1))]; };
    std::printf("%-22s n=%6zu  median %8.1f us  p99 %8.1f us  min %8.1f us  max %8.1f us\n", what, micros.size(), at(0.5),
                at(0.99), micros.front(), micros.back());
}

void type(QWidget* target, QChar c)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &press);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    MainWindow window(QStringLiteral("1.5"));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto* display = window.findChild<tallix::Display*>(QStringLiteral("lblReadOut"));
    QWidget* keyTrap = window.findChild<QWidget*>(QStringLiteral("pctKeyTrap"));
    Timer timer{window, display, {}};
    display->installEventFilter(&timer.counter);

    // An overflow box now and then must not stop the run: answer it at once.
    QTimer boxCloser;
    QObject::connect(&boxCloser, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    boxCloser.start(5);

    // Digits mostly, operators, percent, point, clears; no division by zero.
    const QString keys = QStringLiteral("0123456789012345678901234567890123456789+-*=.%\b\x1b\r");
    std::mt19937 random(7);
    std::uniform_int_distribution<qsizetype> pick(0, keys.size() - 1);
    std::vector<double> keyTimes;
    for (int i = 0; i < 20000; ++i) {
        const QChar c = keys.at(pick(random));
        keyTimes.push_back(timer.time([&] { type(keyTrap, c); }));
    }
    report("mixed keys", keyTimes);

    QString huge = QStringLiteral("-1.5E-3 ");
    while (huge.size() < (1 << 20))
        huge += QStringLiteral("Tallix ");
    huge.truncate(1 << 20);
    QAction* pasteItem = window.findChild<QAction*>(QStringLiteral("mnuPaste"));
    QAction* copyItem = window.findChild<QAction*>(QStringLiteral("mnuCopy"));
    std::vector<double> paste, digit, sign, oper, copy;
    for (int i = 0; i < 15; ++i) {
        type(keyTrap, QChar(27));
        QGuiApplication::clipboard()->setText(huge);
        paste.push_back(timer.time([&] { pasteItem->trigger(); }));
        digit.push_back(timer.time([&] { type(keyTrap, QChar('7')); }));
        sign.push_back(timer.time([&] { QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("cmdOpp")), Qt::LeftButton); }));
        oper.push_back(timer.time([&] { type(keyTrap, QChar('+')); }));
        copy.push_back(timer.time([&] { copyItem->trigger(); }));
    }
    report("1 MiB paste", paste);
    report("1 MiB then digit", digit);
    report("1 MiB then sign", sign);
    report("1 MiB then operator", oper);
    report("1 MiB then Copy", copy);
    return 0;
}
