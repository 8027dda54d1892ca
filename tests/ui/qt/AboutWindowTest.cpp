#include "AboutWindow.h"
#include "UiDriver.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QLabel>

namespace tallix::testing {
namespace {

class AboutWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        main.setAboutWindow(&about);
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    }

    // Opens About through the menu command, lets `inside` look at it and
    // close it, and returns how it was closed.
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
        QMetaObject::invokeMethod(&main, [&] { result = about.Show(); }, Qt::DirectConnection);
        EXPECT_TRUE(opened);
        EXPECT_EQ(about.window(), nullptr) << "closing unloads the window";
        return result;
    }

    MainWindow main{QStringLiteral("1.5")};
    AboutWindow about{main};
};

struct ControlCase {
    const char* name;
    QRect pixels;
    const char* text;
};

TEST_F(AboutWindowTest, ControlsFollowTheTable)
{
    const ControlCase controls[] = {
        {"Image1", {8, 16, 50, 99}, nullptr},
        {"lblTitle", {72, 16, 255, 16}, "Vantly® Калькулятор"},
        {"Label1", {72, 32, 255, 16}, "Tallix 1.0"},
        {"lblVersion", {72, 48, 255, 16}, "© Vantly, 2026"},
        {"lblDescription", {68, 100, 259, 19}, "Разработчики:"},
        {"Label2", {68, 124, 161, 17}, "Команда Vantly"},
        {"cmdOK", {240, 120, 84, 23}, "OK"},
    };
    openAbout([&](QDialog* about) {
        EXPECT_EQ(about->windowTitle(), "О программе Tallix");
        EXPECT_EQ(about->size(), QSize(333, 151));
        EXPECT_EQ(about->minimumSize(), about->maximumSize());
        EXPECT_TRUE(about->windowFlags() & Qt::Tool);
        for (const auto& c : controls) {
            auto* widget = about->findChild<QWidget*>(c.name);
            ASSERT_NE(widget, nullptr) << c.name;
            EXPECT_EQ(widget->geometry(), c.pixels) << c.name;
            if (auto* label = qobject_cast<QLabel*>(widget); label && c.text) {
                EXPECT_EQ(label->text(), QString::fromUtf8(c.text)) << c.name;
            }
        }
        auto* image = about->findChild<QLabel*>("Image1");
        EXPECT_TRUE(image->hasScaledContents());
        EXPECT_EQ(image->pixmap().size(), QSize(48, 100));
        auto* ok = about->findChild<QPushButton*>("cmdOK");
        EXPECT_TRUE(ok->isDefault());
        EXPECT_EQ(QApplication::focusWidget(), ok);
        ok->click();
    });
}

TEST_F(AboutWindowTest, PlacedBesideTheMainWindowAtEveryShowing)
{
    for (const QPoint corner : {QPoint(100, 80), QPoint(300, 20), QPoint(5000, 4000)}) {
        main.move(corner);
        QTest::qWait(20);
        const QPoint mainCorner = main.frameGeometry().topLeft();
        openAbout([&](QDialog* about) {
            EXPECT_EQ(about->frameGeometry().topLeft(), mainCorner + QPoint(33, 70));
            about->findChild<QPushButton*>("cmdOK")->click();
        });
    }
}

struct CloseCase {
    const char* name;
    std::function<void(QDialog*)> close;
    int result;
};

TEST_F(AboutWindowTest, EveryWayOfClosing)
{
    const auto ok = [](QDialog* d) { return d->findChild<QPushButton*>("cmdOK"); };
    const CloseCase cases[] = {
        {"Enter", [](QDialog* d) { QTest::keyClick(d->windowHandle(), Qt::Key_Return); }, QDialog::Accepted},
        {"Escape", [](QDialog* d) { QTest::keyClick(d->windowHandle(), Qt::Key_Escape); }, QDialog::Accepted},
        {"Click", [&](QDialog* d) { QTest::mouseClick(ok(d), Qt::LeftButton); }, QDialog::Accepted},
        {"Space", [&](QDialog* d) { QTest::keyClick(ok(d), Qt::Key_Space); }, QDialog::Accepted},
        {"CloseBox", [](QDialog* d) { d->close(); }, QDialog::Rejected},
    };
    for (const auto& c : cases)
        EXPECT_EQ(openAbout(c.close), c.result) << c.name;
}

TEST_F(AboutWindowTest, MainWindowWaitsWhileOpen)
{
    QTest::keyClick(keyTrap(main), Qt::Key_Escape);
    bool openedThroughMenu = false;
    whenModalOpens([&](QWidget* modal) {
        openedThroughMenu = true;
        QTest::keyClick(main.windowHandle(), Qt::Key_5);
        QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, button(main, "cmdNum7")->mapTo(&main, QPoint(10, 10)));
        QTest::keyClick(main.windowHandle(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(display(main), "0") << "no keys, clicks or menu commands reach the calculator";
        static_cast<QDialog*>(modal)->accept();
    });
    main.mnuAbout_Click();
    EXPECT_TRUE(openedThroughMenu);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == keyTrap(main); }));
    QTest::keyClick(main.windowHandle(), Qt::Key_8);
    EXPECT_EQ(display(main), "8") << "typing works at once after closing";
}

TEST(Pictures, AboutPictureIsA48By100BaselineJpeg)
{
    QFile file(QStringLiteral(":/tallix/about.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xFF\xD8"));
    EXPECT_TRUE(bytes.contains("\xFF\xC0")) << "baseline frame";
    EXPECT_FALSE(bytes.contains("\xFF\xC2")) << "not progressive";
    EXPECT_EQ(QImage::fromData(bytes).size(), QSize(48, 100));
}

TEST(Pictures, IconHasBothSizesInSixteenColours)
{
    for (const int size : {16, 32}) {
        const QImage image(QStringLiteral(":/tallix/icon-%1.png").arg(size));
        EXPECT_EQ(image.size(), QSize(size, size));
        EXPECT_LE(image.colorCount(), 16);
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(size - 1, 0)), 0) << "the corner beside the keys is transparent";
    }
}

// The large icon is drawn at its size, not enlarged from the 32-pixel one,
// and keeps its outline.
TEST(Pictures, LargeIconDrawnAtItsSize)
{
    const QImage large(QStringLiteral(":/tallix/icon-128.png"));
    const QImage small(QStringLiteral(":/tallix/icon-32.png"));
    ASSERT_EQ(large.size(), QSize(128, 128));
    EXPECT_LE(large.colorCount(), 16);

    const auto uniform = [&](int left, int top) {
        for (int y = top; y < top + 4; ++y)
            for (int x = left; x < left + 4; ++x)
                if (large.pixel(x, y) != large.pixel(left, top))
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
