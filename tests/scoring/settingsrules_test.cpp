#include "scoring/settingsrules.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

using namespace greenfold;

TEST(Factor, outsideHalfToOnePointOneQuietlyBecomesDefault) {
    const std::pair<const char*, float> cases[] = {
        {"1.1", 1.1f},   {"0.5", 0.5f},   {".9", 0.9f},   {"0.90", 0.9f}, {" 1.0 ", 1.0f},
        {"1.11", 0.96f}, {"0.49", 0.96f}, {"1.2", 0.96f}, {"0.4", 0.96f}, {"abc", 0.96f},
        {"", 0.96f},     {"-1", 0.96f},   {"1e40", 0.96f}};
    for (const auto& [typed, factor] : cases) EXPECT_EQ(factorfrom(typed), factor) << typed;
    EXPECT_EQ(factortext(0.96f), ".96");
    EXPECT_EQ(factortext(1.1f), "1.10");
}

TEST(Settings, strokeControlAndAveragingFlagsBothWays) {
    auto g = std::make_unique<ProgramState>();
    for (bool on : {false, true}) {
        SettingsChoice c = currentsettings(*g);
        c.esc = c.average = on;
        applysettings(*g, c);
        EXPECT_EQ(std::tuple(g->escflag, g->averageflag), std::tuple(on ? 5 : 0, on ? 1 : 0));
        EXPECT_EQ(currentsettings(*g).esc && currentsettings(*g).average, on);
    }
}

TEST(Settings, allowanceIsAWholePercentFrom1To100_elseTheOldOneStays) {
    EXPECT_EQ(allowancefrom("95", 100), 95);
    EXPECT_EQ(allowancefrom("1", 100), 1);
    for (const char* refused : {"0", "101", "", "9.5", "x"})
        EXPECT_EQ(allowancefrom(refused, 85), 85) << refused;
    auto g = std::make_unique<ProgramState>();
    SettingsChoice c = currentsettings(*g);
    EXPECT_EQ(c.allowance, "100");
    c.allowance = "90";
    c.method = HandicapMethod::whs;
    applysettings(*g, c);
    EXPECT_EQ(std::tuple(g->allowance, g->method), std::tuple(90, HandicapMethod::whs));
}
