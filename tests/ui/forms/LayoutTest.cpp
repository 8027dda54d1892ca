#include "Layout.h"

#include <gtest/gtest.h>

#include <string>

namespace tallix {
namespace {

TEST(Layout, TheKeyTrapLiesOutOfSightAtEveryDensity)
{
    const auto keyTrap = std::ranges::find(mainControls, "pctKeyTrap", &ControlRow::name);
    for (const int dpi : {96, 120, 144, 192})
        EXPECT_GE(placeInClient(*keyTrap, dpi).top, mainClientSize(dpi).height) << dpi << " dpi";
}

TEST(Layout, FocusVisitsTheKeyTrapFirstThenTheButtonsInTabOrder)
{
    std::string order;
    for (const std::size_t row : mainTabSequence) {
        if (takesFocus(mainControls[row].kind))
            order += objectName(mainControls[row]) + " ";
    }
    EXPECT_EQ(order, "pctKeyTrap cmdNum0 cmdNum1 cmdNum2 cmdNum3 cmdNum4 cmdNum5 cmdNum6 cmdNum7 cmdNum8 cmdNum9 "
                     "cmdDec cmdOpp cmdCancel cmdCE cmdOper2 cmdOper3 cmdOper0 cmdOper1 cmdPer cmdOper4 ");
}

} // namespace
} // namespace tallix
