#include <gtest/gtest.h>

#include "core/format.h"

TEST(Format, MoneyRoundsTheDecimalHalfAwayFromZero) {
    struct Case {
        double value;
        const char* text;
    };
    for (auto c : std::vector<Case>{{100.125, "100.13"}, {2.675, "2.68"}, {1.005, "1.01"}, {-0.005, "-0.01"},
                                    {10.004 + 20.004, "30.01"}, {0, "0.00"}, {-0.001, "0.00"}, {0.995, "1.00"},
                                    {999999.995, "1000000.00"}, {1234567.8, "1234567.80"}, {1e-9, "0.00"}})
        EXPECT_EQ(palvor::format_money(c.value), c.text) << c.value;
    EXPECT_EQ(palvor::format_fixed(2.5, 0), "3");
    EXPECT_EQ(palvor::format_fixed(-2.5, 0), "-3");
    EXPECT_DOUBLE_EQ(palvor::round2(10.004 + 20.004), 30.01);
}

TEST(Format, GeneralFormatIsTheShortest15DigitText) {
    EXPECT_EQ(palvor::format_general(30.008), "30.008");
    EXPECT_EQ(palvor::format_general(0.1 + 0.2), "0.3");
    EXPECT_EQ(palvor::format_general(1500), "1500");
    EXPECT_EQ(palvor::format_general(-0.0), "0");
    EXPECT_EQ(palvor::format_general(123456789.12), "123456789.12");
}

TEST(Format, NumbersAndDates) {
    double v = 0;
    EXPECT_TRUE(palvor::parse_number(" 12.5 ", v));
    EXPECT_DOUBLE_EQ(v, 12.5);
    for (const char* bad : {"", "  ", "12a", "0x10", "inf", "1,5"}) EXPECT_FALSE(palvor::parse_number(bad, v)) << bad;
    EXPECT_TRUE(palvor::is_date_text("2004-03-15"));
    EXPECT_FALSE(palvor::is_date_text("2004-3-15"));
    EXPECT_EQ(palvor::date_text(2004, 3, 5), "2004-03-05");
    EXPECT_TRUE(palvor::is_date_text(palvor::today_text()));
}
