#include "DisplayText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tallix {
namespace {

// A font in which every UTF-16 unit is 5 pixels wide, combining acute accents none.
int fiveEach(std::u16string_view text)
{
    return 5 * static_cast<int>(text.size() - std::count(text.begin(), text.end(), u'\u0301'));
}

TEST(DisplayText, ShowsTheWholeTextOrItsEndAfterAnEllipsis)
{
    const std::u16string accents = u"1" + std::u16string(100, u'\u0301');
    const struct {
        const char* name;
        std::u16string_view text;
        int width;
        std::u16string shown;
    } cases[] = {
        {"Fits", u"12345", 25, u"12345"},
        {"CutToTheEnd", u"1234567", 25, u"…4567"},
        {"NothingButTheEllipsis", u"123", 4, u"…"},
        {"ZeroWidthTextInOnePixel", u"\u0301\u0301\u0301", 1, u"…"},
        {"ZeroWidthTextInNoPixel", u"\u0301\u0301", 0, u"\u0301\u0301"},
        {"MarksForInvisibleCharacters", u"1\t2\u202E3\u20294", 100, u"1⇥2�3¶4"},
        {"LineBreaks", u"12\n34\r\n5\n\r6\r7\r\n", 100, u"12↵34↵5↵↵6↵7↵"},
        {"CarriageReturnAtTheEnd", u"1\r", 100, u"1↵"},
        {"CharacterBeyondTheBmpWhole", u"12😀", 20, u"12😀"},
        {"CharacterBeyondTheBmpNeverSplit", u"1😀😀", 20, u"…😀"},
        {"CutNeverSplitsACharacter", u"1\U00010000\U00010000\U00010000", 20, u"…\U00010000"},
        {"InvisibleBeyondTheBmp", u"\U000E0041" u"1 2😀\U000E0041", 100, u"\uFFFD" u"1 2😀\uFFFD"},
        {"LoneHalfAtTheEnd", std::u16string_view(u"1😀", 2), 100, u"1\xD83D"}, // its other half follows unseen
        {"CutMarksShowTheEllipsis", accents, 20, u"…" + std::u16string(21, u'\u0301')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(visibleText(c.text, c.width, fiveEach), c.shown) << c.name;
}

TEST(DisplayText, MeasuresOnlyATailThatCanFit)
{
    const std::u16string huge = std::u16string(1 << 20, u'1') + u"2345";
    std::size_t longest = 0;
    const std::u16string shown = visibleText(huge, 100, [&](std::u16string_view part) {
        longest = std::max(longest, part.size());
        return fiveEach(part);
    });
    EXPECT_EQ(shown, u"…111111111111111" u"2345");
    EXPECT_LE(longest, 102u);
}

// Inside the border rows and the inset at each density, left to right: 34
// pixels hold the ellipsis and five digits.
TEST(DisplayText, PaintsTheTailInTheTextArea)
{
    EXPECT_EQ(displayPaint(u"1234567", {40, 21}, 96, fiveEach).textArea, (PixelRect{3, 1, 34, 19}));
    EXPECT_EQ(displayPaint(u"1234567", {40, 21}, 96, fiveEach).text, u"\u202D…34567\u202C");
    EXPECT_EQ(displayPaint(u"1", {331, 31}, 144, fiveEach).textArea, (PixelRect{4, 1, 323, 29}));
}

} // namespace
} // namespace tallix
