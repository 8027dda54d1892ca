#include "UiDriver.h"

#include <QFile>
#include <QLabel>

namespace tallix::testing {
namespace {

class AboutWindowTest : public WindowTest {
protected:
    // Opens About, lets `inside` look at it and close it; returns how it was closed.
    int openAbout(const std::function<void(QDialog*)>& inside)
    {
        bool opened = false;
        whenModalOpens([&](QWidget* modal) {
            opened = true;
            auto* dialog = qobject_cast<QDialog*>(modal);
            EXPECT_EQ(dialog, about.window());
            inside(dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the About window is still open";
                dialog->reject();
            }
        });
        int result = -1;
        QMetaObject::invokeMethod(&window, [&] { result = about.Show(); }, Qt::DirectConnection);
        EXPECT_TRUE(opened);
        EXPECT_EQ(about.window(), nullptr) << "closing unloads the window";
        return result;
    }
};

TEST_F(AboutWindowTest, ControlsSitWhereTheLayoutPutsThem)
{
    const struct {
        const char* name;
        QRect pixels;
    } controls[] = {{"Image1", {8, 16, 50, 99}}, {"lblDescription", {68, 100, 259, 19}}, {"cmdOK", {240, 120, 84, 23}}};
    openAbout([&](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "О программе Tallix");
        EXPECT_EQ(dialog->size(), QSize(333, 151));
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
        for (const auto& c : controls) {
            auto* widget = dialog->findChild<QWidget*>(c.name);
            ASSERT_NE(widget, nullptr) << c.name;
            EXPECT_EQ(widget->geometry(), c.pixels) << c.name;
        }
        EXPECT_TRUE(dialog->findChild<QLabel*>("Image1")->hasScaledContents());
        EXPECT_EQ(QApplication::focusWidget(), dialog->findChild<QPushButton*>("cmdOK"));
        dialog->accept();
    });
}

// Every way of closing, each after the main window moved: the window is
// placed anew beside it at every showing.
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
        EXPECT_EQ(openAbout([&](QDialog* d) {
                      EXPECT_EQ(d->frameGeometry().topLeft(), expected) << c.name;
                      c.close(d);
                  }),
                  c.result)
            << c.name;
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
        EXPECT_EQ(display(), "0") << "no keys, clicks or menu commands reach the calculator";
        static_cast<QDialog*>(modal)->accept();
    });
    window.mnuAbout_Click();
    EXPECT_TRUE(openedThroughMenu);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == keyTrap(); }));
    QTest::keyClick(window.windowHandle(), Qt::Key_8);
    EXPECT_EQ(display(), "8") << "typing works at once after closing";
}

TEST(Pictures, AboutPictureIsA48By100BaselineJpeg)
{
    QFile file(QStringLiteral(":/tallix/about.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("\xFF\xC0")) << "baseline frame";
    EXPECT_FALSE(bytes.contains("\xFF\xC2")) << "not progressive";
    EXPECT_EQ(QImage::fromData(bytes, "JPEG").size(), QSize(48, 100));
}

// Sixteen colours on transparency at every size; the large one is drawn at
// its size (finer than the small one enlarged) with the same outline.
TEST(Pictures, IconsInSixteenColoursTheLargeOneDrawnAtItsSize)
{
    for (const int size : {16, 32, 128}) {
        const QImage image(QStringLiteral(":/tallix/icon-%1.png").arg(size));
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_LE(image.colorCount(), 16);
        EXPECT_EQ(qAlpha(image.pixel(size - 1, 0)), 0) << "the corner beside the keys is transparent";
    }
    const QImage large(QStringLiteral(":/tallix/icon-128.png"));
    const QImage small(QStringLiteral(":/tallix/icon-32.png"));
    const auto uniform = [&](int left, int top) {
        for (int i = 0; i < 16; ++i)
            if (large.pixel(left + i % 4, top + i / 4) != large.pixel(left, top))
                return false;
        return true;
    };
    int finerBlocks = 0;
    int outlineMisses = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            finerBlocks += !uniform(4 * x, 4 * y);
            outlineMisses += (qAlpha(large.pixel(4 * x + 2, 4 * y + 2)) == 0) != (qAlpha(small.pixel(x, y)) == 0);
        }
    }
    EXPECT_GT(finerBlocks, 0) << "some 4 x 4 block is finer than a pixel of the small icon";
    EXPECT_EQ(outlineMisses, 0);
}

} // namespace
} // namespace tallix::testing
