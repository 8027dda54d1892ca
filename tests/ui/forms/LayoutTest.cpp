#include "Layout.h"

#include <gtest/gtest.h>

#include <string>

namespace tallix {
namespace {

const ControlRow& control(std::string_view name)
{
    for (const ControlRow& row : mainControls) {
        if (objectName(row) == name)
            return row;
    }
    throw std::invalid_argument(std::string(name));
}

TEST(Layout, ControlsSitWhereTheTwipsPutThemAtEveryDensity)
{
    const struct {
        const char* name;
        int dpi;
        PixelRect rect;
    } cases[] = {
        {"lblReadOut", 96, {8, 8, 221, 21}}, {"fraNums", 96, {4, 36, 129, 157}}, {"cmdNum7", 96, {12, 48, 33, 29}},
        {"cmdOpp", 96, {92, 156, 33, 29}},   {"cmdOper4", 96, {192, 156, 33, 29}}, {"pctKeyTrap", 96, {4, 216, 129, 21}},
        {"lblReadOut", 144, {12, 12, 331, 31}}, {"cmdOper4", 144, {288, 234, 49, 43}}, {"cmdNum0", 120, {15, 195, 41, 36}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(placeInClient(control(c.name), c.dpi), c.rect) << c.name << " at " << c.dpi << " dpi";
    for (const int dpi : {96, 120, 144, 192})
        EXPECT_GE(placeInClient(control("pctKeyTrap"), dpi).top, mainClientSize(dpi).height) << "key trap out of sight";
    EXPECT_EQ(placeOf(engravedRule[0], 96), (PixelRect{68, 76, 256, 2})) << "the white line under the shadow line";
    EXPECT_EQ(placeOf(engravedRule[1], 96), (PixelRect{67, 75, 256, 1}));
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
