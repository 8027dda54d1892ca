// The display's table of invisible characters against Qt's own Unicode data:
// every character Qt knows is drawn as a mark exactly when it is a control,
// a format character or a line or paragraph separator.
#include "DisplayMarks.h"

#include <QChar>

#include <gtest/gtest.h>

namespace tallix {
namespace {

TEST(DisplayMarks, MarkExactlyTheCharactersThatDrawNothingOrBreakTheLine)
{
    int disagreements = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        const QChar::Category category = QChar::category(c);
        if (category == QChar::Other_NotAssigned || category == QChar::Other_Surrogate)
            continue;
        const bool invisible = category == QChar::Other_Control || category == QChar::Other_Format ||
                               category == QChar::Separator_Line || category == QChar::Separator_Paragraph;
        if ((visibleMark(c) != c) != invisible && ++disagreements <= 10)
            ADD_FAILURE() << "U+" << std::hex << std::uppercase << static_cast<unsigned>(c)
                          << (invisible ? " draws nothing but is not marked" : " is marked but draws");
    }
    EXPECT_EQ(disagreements, 0);
}

} // namespace
} // namespace tallix
