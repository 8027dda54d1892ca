#include "UiDriver.h"

#include <QLabel>

namespace tallix::testing {
namespace {

using AboutWindowTest = WindowTest;

// Every way of closing, each after the main window moved: the window is
// loaded and placed anew beside it at every showing, and unloaded after.
TEST_F(AboutWindowTest, PlacedAnewAndClosedEveryWay)
{
    const auto ok = [](QDialog* d) { return d->findChild<QPushButton*>("cmdOK"); };
    const struct {
        const char* name;
        QPoint mainCorner;
        std::function<void(QDialog*)> close;
        int result;
    } cases[] = {
        {"Enter", {100, 80}, [](QDialog* d) { QTest::keyClick(d->windowHandle(), Qt::Key_Return); }, QDialog::Accepted},
        {"Escape", {300, 20}, [](QDialog* d) { QTest::keyClick(d->windowHandle(), Qt::Key_Escape); }, QDialog::Accepted},
        {"Click", {5000, 4000}, [&](QDialog* d) { QTest::mouseClick(ok(d), Qt::LeftButton); }, QDialog::Accepted},
        {"Space", {40, 300}, [&](QDialog* d) { QTest::keyClick(ok(d), Qt::Key_Space); }, QDialog::Accepted},
        {"CloseBox", {200, 200}, [](QDialog* d) { d->close(); }, QDialog::Rejected},
    };
    for (const auto& c : cases) {
        window.move(c.mainCorner);
        QTest::qWait(20);
        const QPoint expected = window.frameGeometry().topLeft() + QPoint(33, 70);
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            ASSERT_EQ(dialog, about.window()) << c.name;
            EXPECT_EQ(dialog->frameGeometry().topLeft(), expected) << c.name;
            EXPECT_EQ(dialog->size(), QSize(333, 151));
            EXPECT_EQ(dialog->windowTitle(), "О программе Tallix");
            const QLabel* image = dialog->findChild<QLabel*>("Image1");
            EXPECT_EQ(image->geometry(), QRect(8, 16, 50, 99));
            EXPECT_EQ(image->pixmap().size(), QSize(48, 100)) << "the picture, stretched";
            EXPECT_EQ(QApplication::focusWidget(), ok(dialog));
            c.close(dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << c.name << ": the About window is still open";
                dialog->reject();
            }
        });
        EXPECT_EQ(about.Show(), c.result) << c.name;
        EXPECT_EQ(about.window(), nullptr) << c.name;
    }
}

TEST_F(AboutWindowTest, MainWindowWaitsWhileOpen)
{
    bool openedThroughMenu = false;
    whenModalOpens([&](QWidget* modal) {
        openedThroughMenu = true;
        QTest::keyClick(window.windowHandle(), Qt::Key_5);
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, button("cmdNum7")->mapTo(&window, QPoint(10, 10)));
        QTest::keyClick(window.windowHandle(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(displayText(), "0") << "no keys, clicks or menu commands reach the calculator";
        static_cast<QDialog*>(modal)->accept();
    });
    window.behaviour().mnuAbout_Click();
    EXPECT_TRUE(openedThroughMenu);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == keyTrap(); }));
    QTest::keyClick(window.windowHandle(), Qt::Key_8);
    EXPECT_EQ(displayText(), "8") << "typing works at once after closing";
}

} // namespace
} // namespace tallix::testing
