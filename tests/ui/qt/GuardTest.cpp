// The guard sweep in the Qt window: a paint, a key, a screen reader's
// question (its copy is C's, so every allocation fails at once there) and a
// menu shortcut, through Qt's own event delivery.
#include "GuardSweep.h"
#include "qt/Display.h"
#include "qt/MainWindow.h"
#include "qt/Platform.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QTimer>

namespace tallix {
namespace {

TEST(Guards, EveryAllocationOfACallbackMayFail)
{
    MainWindow window(QStringLiteral("1.5"));
    window.show();
    auto* display = window.findChild<Display*>(QStringLiteral("lblReadOut"));
    auto* keyTrap = window.findChild<QWidget*>(QStringLiteral("pctKeyTrap"));
    GuardedWindow guarded;
    guarded.type = [&](const std::string& keys) {
        for (const char key : keys) {
            QKeyEvent press(QEvent::KeyPress, key == '\x1b' ? int{Qt::Key_Escape} : key, Qt::NoModifier, QString(QChar(key)));
            QCoreApplication::sendEvent(keyTrap, &press);
        }
    };
    guarded.display = [&] { return display->text().toStdString(); };
    guarded.settle = [] {
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
    };
    guarded.up = [&] { return window.isVisible(); };
    QTimer boxCloser;
    QObject::connect(&boxCloser, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget())
            guarded.boxes += box->close();
    });
    boxCloser.start(1);

    // Made before memory runs short: the test's own allocations must not fail.
    QPaintEvent paint(display->rect());
    QKeyEvent five(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
    QKeyEvent ctrlC(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QStringLiteral("\x03"));
    QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(display)->textInterface();
    QString heard = QStringLiteral("-");
    sweep(guarded, "34", "46",
          {{"paint", [&] { QCoreApplication::sendEvent(display, &paint); }, "34", "46"},
           {"key", [&] { QCoreApplication::sendEvent(keyTrap, &five); }, "345", "357"},
           {"screen reader", [&] { heard = reader->text(0, 1); }, "34", "46", 0},
           {"menu shortcut", [&] { QCoreApplication::sendEvent(keyTrap, &ctrlC); }, "34", "46"}});
    EXPECT_TRUE(heard.isEmpty()) << "the screen reader heard " << heard.toStdString();
}

} // namespace
} // namespace tallix

int main(int argc, char* argv[])
{
    tallix::Application application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
