#include "UiDriver.h"

namespace tallix::testing {
namespace {

class DisplayTest : public WindowTest {
protected:
    QString shown() { return readOut()->visibleText(readOut()->contentsRect().width()); }

    QImage drawn(const QString& pasted)
    {
        paste(pasted);
        return readOut()->grab(readOut()->contentsRect()).toImage();
    }

    // The box around every pixel that is not the background.
    static QRect ink(const QImage& image)
    {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != image.pixel(0, 0))
                    box |= QRect(x, y, 1, 1);
        return box;
    }
};

TEST_F(DisplayTest, LongTextShowsItsEndAfterAWholeEllipsisOnOneLine)
{
    paste(QString(1 << 20, '1') + "2345");
    EXPECT_TRUE(shown().endsWith("2345"));
    EXPECT_LT(shown().size(), 200) << "only a tail that can fit is laid out";
    EXPECT_EQ(display().size(), (1 << 20) + 4) << "the text itself is kept whole";

    paste("1" + QString(100000, QChar(0x0301)));
    EXPECT_TRUE(shown().startsWith(QChar(0x2026))) << "a cut tail of marks still shows that it is cut";

    const int lineHeight = readOut()->fontMetrics().height();
    for (const QString& pasted : {QString("1234567890\n").repeated(4), QString("1234\u20285678")}) {
        const QRect box = ink(drawn(pasted));
        EXPECT_LE(box.height(), lineHeight) << pasted.toStdString();
        EXPECT_GT(box.left(), 0) << "nothing is clipped at the left edge: " << pasted.toStdString();
    }
}

// What would break the line, hide itself or reorder the digits is shown as a
// mark; the text itself, and so Copy, keeps every character.
TEST_F(DisplayTest, InvisibleCharactersShowAsMarks)
{
    const struct {
        const char* name;
        QString pasted;
        QString shown;
    } cases[] = {
        {"LineBreaks", "12\n34\r\n", "12↵34↵↵"},
        {"Tab", "1\t2", "1⇥2"},
        {"OtherControls", "5\x7f\x01\u0085", "5\uFFFD\uFFFD↵"},
        {"LineSeparator", "1234\u20285678", "1234↵5678"},
        {"ParagraphSeparator", "1\u20292", "1¶2"},
        {"RightToLeftOverride", "\u202E123456", "\uFFFD123456"},
        {"ZeroWidthSpace", "1\u200B2", "1\uFFFD2"},
        {"OrdinaryText", "Жж 12,5", "Жж 12,5"},
    };
    for (const auto& c : cases) {
        paste(c.pasted);
        EXPECT_EQ(shown(), c.shown) << c.name;
        window.mnuCopy_Click();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), c.pasted) << c.name << ": Copy gives the text as pasted";
    }
    EXPECT_EQ(drawn("\u202E123456"), drawn("\uFFFD123456")) << "a direction override is a mark, not an order";
    EXPECT_NE(drawn("1\u05D02"), drawn("12\u05D0")) << "a Hebrew letter does not move the digits around it";
}

} // namespace
} // namespace tallix::testing
