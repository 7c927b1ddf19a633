#include <gtest/gtest.h>

#include "app/IniValues.h"

using namespace ventro;

TEST(IniValues, BooleansAreIntegersWithHexadecimalAndFallback)
{
    EXPECT_TRUE(ParseIniBool(u"1"));
    EXPECT_TRUE(ParseIniBool(u"2"));
    EXPECT_TRUE(ParseIniBool(u"-1"));
    EXPECT_TRUE(ParseIniBool(u"0x10"));
    EXPECT_TRUE(ParseIniBool(u"0XfF"));
    EXPECT_FALSE(ParseIniBool(u"0"));
    EXPECT_FALSE(ParseIniBool(u"0x0"));
    EXPECT_FALSE(ParseIniBool(u"00"));
    // Missing or not a number: the fallback.
    EXPECT_FALSE(ParseIniBool(u""));
    EXPECT_FALSE(ParseIniBool(u"yes"));
    EXPECT_TRUE(ParseIniBool(u"yes", true));
    EXPECT_TRUE(ParseIniBool(u"1.5", true));
    EXPECT_FALSE(ParseIniBool(u"1.5"));
    EXPECT_FALSE(ParseIniBool(u"0x"));
}

TEST(IniValues, IntegersRefuseTrailingCharactersAndOverflow)
{
    EXPECT_EQ(ParseIniInteger(u"  42"), 42);
    EXPECT_EQ(ParseIniInteger(u"+7"), 7);
    EXPECT_EQ(ParseIniInteger(u"-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseIniInteger(u"2147483647"), INT32_MAX);
    EXPECT_EQ(ParseIniInteger(u"$FFFFFFFF"), -1);
    EXPECT_EQ(ParseIniInteger(u"2147483648"), std::nullopt);
    EXPECT_EQ(ParseIniInteger(u"99999999999"), std::nullopt);
    EXPECT_EQ(ParseIniInteger(u"0x100000000"), std::nullopt);
    EXPECT_EQ(ParseIniInteger(u"5 "), std::nullopt);
    EXPECT_EQ(ParseIniInteger(u"-"), std::nullopt);
    EXPECT_EQ(ParseIniInteger(u"１"), std::nullopt); // full-width digit
}

TEST(IniValues, RedialIntervalsFitTheTimer)
{
    EXPECT_EQ(RedialIntervalFromMinutes(u"5").Check, IntervalCheck::Valid);
    EXPECT_EQ(RedialIntervalFromMinutes(u"5").Milliseconds, 300000u);
    EXPECT_EQ(RedialIntervalFromMinutes(u"71582").Milliseconds, 71582u * 60000u);
    EXPECT_EQ(RedialIntervalFromMinutes(u"71583").Check, IntervalCheck::OutOfRange);
    EXPECT_EQ(RedialIntervalFromMinutes(u"00").Check, IntervalCheck::OutOfRange);
    EXPECT_EQ(RedialIntervalFromMinutes(u"-5").Check, IntervalCheck::OutOfRange);
    EXPECT_EQ(RedialIntervalFromMinutes(u"99999999999").Check, IntervalCheck::NotAnInteger);
    EXPECT_EQ(RedialIntervalFromMinutes(u"1.5").Check, IntervalCheck::NotAnInteger);
    EXPECT_EQ(RedialIntervalFromMinutes(u"abc").Check, IntervalCheck::NotAnInteger);
    EXPECT_EQ(RedialIntervalFromMinutes(u"0x10").Check, IntervalCheck::NotAnInteger);
}
