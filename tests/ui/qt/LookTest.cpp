#include "MainForm.h"
#include "QtText.h"
#include "UiDriver.h"

#include <QMenuBar>

namespace tallix::testing {
namespace {

class LookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    static bool holds(const QImage& image, const QColor& colour)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour)
                    return true;
        return false;
    }

    MainWindow window{QStringLiteral("1.5")};
};

TEST_F(LookTest, ButtonFacesAreTheDisplayColourWithPressAndFocusShown)
{
    QPushButton* seven = button(window, "cmdNum7");
    const QImage plain = seven->grab().toImage();
    EXPECT_EQ(plain.pixelColor(4, 4), qt(faceColour)) << "inside the bevel, clear of the caption";

    seven->setDown(true);
    EXPECT_NE(seven->grab().toImage(), plain) << "pressed";
    seven->setDown(false);

    seven->setFocus();
    EXPECT_NE(seven->grab().toImage(), plain) << "focused";
}

// After a lone Alt the menu bar holds the keyboard; its item says so.
TEST_F(LookTest, MenuBarItemHighlightedWhileTheMenuBarHoldsTheKeyboard)
{
    QMenuBar* bar = window.menuBar();
    const QColor highlight = bar->palette().color(QPalette::Highlight);
    EXPECT_FALSE(holds(bar->grab().toImage(), highlight));

    QTest::keyClick(keyTrap(window), Qt::Key_Alt, Qt::AltModifier);
    ASSERT_TRUE(bar->hasFocus());
    EXPECT_TRUE(holds(bar->grab().toImage(), highlight));
}

} // namespace
} // namespace tallix::testing
