#include "UiDriver.h"

#include <QClipboard>

namespace tallix::testing {
namespace {

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    DisplayLabel* readOut() { return window.findChild<DisplayLabel*>(QStringLiteral("lblReadOut")); }
    int width() { return readOut()->contentsRect().width(); }

    void paste(const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        window.mnuPaste_Click();
    }

    QImage drawn(const QString& pasted)
    {
        paste(pasted);
        return readOut()->grab(readOut()->contentsRect()).toImage();
    }

    // The box around every pixel that is not the background.
    static QRect ink(const QImage& image)
    {
        const QRgb background = image.pixel(0, 0);
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != background)
                    box |= QRect(x, y, 1, 1);
        return box;
    }

    // The dots of an ellipsis: the separate marks at the left end of the
    // drawing, counted up to the first one that rises above them.
    static int dotsAtTheLeftEnd(const QImage& image)
    {
        const int background = qGray(image.pixel(0, 0));
        const auto highestInk = [&](int x) {
            int y = 0;
            while (y < image.height() && qGray(image.pixel(x, y)) >= background - 64)
                ++y;
            return y;
        };
        int dots = 0;
        int dotTop = 0;
        bool inDot = false;
        for (int x = 0; x < image.width(); ++x) {
            const int top = highestInk(x);
            if (top == image.height()) {
                inDot = false;
                continue;
            }
            if (dots > 0 && top < dotTop - 1)
                break;
            if (!inDot && dots++ == 0)
                dotTop = top;
            inDot = true;
        }
        return dots;
    }

    MainWindow window{QStringLiteral("1.5")};
};

TEST_F(DisplayTest, LongTextShowsItsEndOnOneLine)
{
    paste(QString(1 << 20, '1') + "2345");
    const QString shown = readOut()->visibleText(width());
    EXPECT_TRUE(shown.endsWith("2345"));
    EXPECT_LT(shown.size(), 200);
    EXPECT_EQ(display(window).size(), (1 << 20) + 4) << "the text itself is kept whole";

    paste("1" + QString(100000, QChar(0x0301)));
    EXPECT_TRUE(readOut()->visibleText(width()).startsWith(QChar(0x2026))) << "a cut text always shows that it is cut";
}

struct MarkCase {
    const char* name;
    QString pasted;
    QString shown;
};

// What would break the line, hide itself or reorder the digits is shown as a
// mark; the text itself, and so Copy, keeps every character.
TEST_F(DisplayTest, InvisibleCharactersShowAsMarks)
{
    const MarkCase cases[] = {
        {"LineBreaks", "12\n34\r\n", "12↵34↵↵"},
        {"Tab", "1\t2", "1⇥2"},
        {"OtherControls", "5\x7f\x01\u0085", "5\uFFFD\uFFFD↵"},
        {"LineSeparator", "1234\u20285678", "1234↵5678"},
        {"ParagraphSeparator", "1\u20292", "1¶2"},
        {"RightToLeftOverride", "\u202E123456", "\uFFFD123456"},
        {"DirectionMark", "\u200F12,5", "\uFFFD12,5"},
        {"ZeroWidthSpace", "1\u200B2", "1\uFFFD2"},
        {"OrdinaryText", "Жж 12,5", "Жж 12,5"},
    };
    for (const auto& c : cases) {
        paste(c.pasted);
        EXPECT_EQ(readOut()->visibleText(width()), c.shown) << c.name;
        window.mnuCopy_Click();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), c.pasted) << c.name << ": Copy gives the text as pasted";
    }
}

struct DrawCase {
    const char* name;
    QString pasted;
    bool cut; // too wide for the display
};

TEST_F(DisplayTest, DrawnOnOneLineWithTheEllipsisWhole)
{
    const int lineHeight = readOut()->fontMetrics().height();
    const DrawCase cases[] = {
        {"PastedLines", QString("1234567890\n").repeated(4), true},
        {"LineSeparator", "1234\u20285678", false},
    };
    for (const auto& c : cases) {
        const QImage image = drawn(c.pasted);
        EXPECT_LE(ink(image).height(), lineHeight) << c.name;
        if (c.cut) {
            EXPECT_EQ(dotsAtTheLeftEnd(image), 3) << c.name << ": the three dots of the ellipsis";
        }
    }
}

TEST_F(DisplayTest, DigitsAreDrawnInTheOrderOfTheText)
{
    EXPECT_EQ(drawn("\u202E123456"), drawn("\uFFFD123456")) << "a direction override is a mark, not an order";
    EXPECT_NE(drawn("1\u05D02"), drawn("12\u05D0")) << "a Hebrew letter does not move the digits around it";
}

} // namespace
} // namespace tallix::testing
