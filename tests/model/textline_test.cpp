#include "model/textline.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sstream>

using namespace greenfold;

TEST(TextLine, integerLines_carrySignPositionAndTrailingSpace) {
    EXPECT_EQ(intline(5), " 5 ");
    EXPECT_EQ(intline(0), " 0 ");
    EXPECT_EQ(intline(-3), "-3 ");
    EXPECT_EQ(intline(32767), " 32767 ");
}

TEST(TextLine, singleLines_shortestFormWithoutLeadingZero) {
    EXPECT_EQ(singleline(1.5f), " 1.5 ");
    EXPECT_EQ(singleline(0.96f), " .96 ");
    EXPECT_EQ(singleline(14.0f), " 14 ");
    EXPECT_EQ(singleline(-0.5f), "-.5 ");
    EXPECT_EQ(singleline(19.4f), " 19.4 ");
    EXPECT_EQ(singleline(9.233333f), " 9.233333 ");
    EXPECT_EQ(singleline(-1.2f), "-1.2 ");
    EXPECT_EQ(singleline(0.0f), " 0 ");
    EXPECT_EQ(singleline(-0.0f), " 0 ");
    EXPECT_EQ(singleline(1e7f), " 1E+07 ");
    EXPECT_EQ(singleline(12345678.0f), " 1.234568E+07 ");
    EXPECT_EQ(singleline(9999999.0f), " 9999999 ");
    EXPECT_EQ(singleline(0.00001f), " 1E-05 ");
    EXPECT_EQ(singleline(0.0001f), " .0001 ");
    // 20 x .96 in single precision lies just below 19.2; seven digits still read 19.2.
    float product = 20.0f * 0.96f;
    EXPECT_LT(product, 19.2f);
    EXPECT_EQ(singleline(product), " 19.2 ");
}

TEST(TextLine, generalFormat_keepsLeadingZeroForDisplay) {
    EXPECT_EQ(generalformat(0.5f), "0.5");
    EXPECT_EQ(generalformat(-0.5f), "-0.5");
    EXPECT_EQ(generalformat(9.233333f), "9.233333");
    EXPECT_EQ(generalformat(10.0f), "10");
    EXPECT_EQ(generalformat(10.0), "10");
    EXPECT_EQ(generalformat(-1.248), "-1.248");
}

TEST(TextLine, singleText_readsBackAsTheSameFloat) {
    std::mt19937 rng(1234);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-6, 8);
    std::uniform_int_distribution<int> sign(0, 1);
    for (int i = 0; i < 20000; ++i) {
        // Floats that stand for a decimal of seven significant digits survive exactly.
        char dec[32];
        double d = mantissa(rng) * std::pow(10.0, exponent(rng)) * (sign(rng) ? -1 : 1);
        std::snprintf(dec, sizeof dec, "%.6e", d);
        float f = std::strtof(dec, nullptr);
        auto back = readsingle(singletext(f));
        ASSERT_TRUE(back.has_value()) << singletext(f);
        ASSERT_EQ(*back, f) << dec << " written as " << singletext(f);
        // Any float comes back as itself rounded to seven significant digits.
        float g = std::bit_cast<float>(static_cast<uint32_t>(rng()) & 0x7f7fffffu);
        std::snprintf(dec, sizeof dec, "%.6e", double(g));
        ASSERT_EQ(readsingle(singletext(g)).value(), std::strtof(dec, nullptr));
    }
}

TEST(TextLine, patterns_roundHalvesAwayFromZero) {
    EXPECT_EQ(formatpattern(9.96, "#0.0"), "10.0");
    EXPECT_EQ(formatpattern(0.0, "#0.0"), "0.0");
    EXPECT_EQ(formatpattern(-0.1, "#0.0"), "-0.1");
    EXPECT_EQ(formatpattern(19.45, "#0.0"), "19.5");
    EXPECT_EQ(formatpattern(-1.25, "0.0"), "-1.3");
    EXPECT_EQ(formatpattern(-0.04, "0.0"), "0.0");
    EXPECT_EQ(formatpattern(123.45, "##0.0"), "123.5");
    EXPECT_EQ(formatpattern(1234.5, "###0.0"), "1234.5");
    EXPECT_EQ(formatpattern(5.3, "00.0"), "05.3");
    EXPECT_EQ(formatpattern(70.5, "00.0"), "70.5");
    EXPECT_EQ(formatpattern(0.5, "#.00"), ".50");
    EXPECT_EQ(formatpattern(1.234, "#.00"), "1.23");
    EXPECT_EQ(formatpattern(0.0, "#.00"), ".00");
    EXPECT_EQ(formatpattern(2.5, "#0"), "3");
    EXPECT_EQ(formatpattern(-2.5, "#0"), "-3");
    EXPECT_EQ(formatpattern(1.2345, "#0.000"), "1.235");
    EXPECT_EQ(formatpattern(8.864, "#0.000"), "8.864");
    EXPECT_EQ(formatpattern(5, "00"), "05");
    EXPECT_EQ(formatpattern(123, "00"), "123");
    EXPECT_EQ(formatpattern(double(19.45f), "#0.0"), "19.5");
    EXPECT_EQ(formatpattern(1e-20, "0.0"), "0.0");
    EXPECT_EQ(formatpattern(99.96, "#0.0"), "100.0");
}

TEST(TextLine, readingNumbers_lenientAboutBlanksStrictAboutText) {
    EXPECT_EQ(readinteger(" 5 "), 5);
    EXPECT_EQ(readinteger("-3 "), -3);
    EXPECT_EQ(readinteger("\t7"), 7);
    EXPECT_EQ(readinteger("2.5"), 2);
    EXPECT_EQ(readinteger("3.5"), 4);
    EXPECT_FALSE(readinteger(""));
    EXPECT_FALSE(readinteger("   "));
    EXPECT_FALSE(readinteger("abc"));
    EXPECT_FALSE(readinteger("5x"));
    EXPECT_FALSE(readinteger("40000"));
    EXPECT_FALSE(readinteger("1e300"));

    EXPECT_EQ(readsingle(" .96 "), 0.96f);
    EXPECT_EQ(readsingle("-.5 "), -0.5f);
    EXPECT_EQ(readsingle(" 1E+07 "), 1e7f);
    EXPECT_FALSE(readsingle("nan"));
    EXPECT_FALSE(readsingle("inf"));
    EXPECT_FALSE(readsingle("1e60"));
    EXPECT_FALSE(readsingle("x"));
}

TEST(TextLine, leadingNumber_isZeroForText) {
    EXPECT_EQ(leadingnumber("72abc"), 72);
    EXPECT_EQ(leadingnumber(" 70.5"), 70.5);
    EXPECT_EQ(leadingnumber("-1.5x"), -1.5);
    EXPECT_EQ(leadingnumber(".5"), 0.5);
    EXPECT_EQ(leadingnumber("1 2"), 12);
    EXPECT_EQ(leadingnumber("1e3"), 1000);
    EXPECT_EQ(leadingnumber("1e"), 1);
    EXPECT_EQ(leadingnumber("abc"), 0);
    EXPECT_EQ(leadingnumber(""), 0);
    EXPECT_EQ(leadingnumber("-"), 0);
    EXPECT_EQ(leadingnumber("1e999"), 0);
    EXPECT_EQ(roundhalfeven(2.5), 2);
    EXPECT_EQ(roundhalfeven(3.5), 4);
    EXPECT_EQ(roundhalfeven(-2.5), -2);
}

TEST(TextLine, lineReader_handlesEndingsAndOldEncoding) {
    LineReader r(std::string("one\r\ntwo\nJos\xE9\r\n\r\nlast"));
    EXPECT_EQ(r.next(), "one");
    EXPECT_EQ(r.next(), "two");
    EXPECT_EQ(r.next(), "Jos\xC3\xA9");
    EXPECT_EQ(r.next(), "");
    EXPECT_EQ(r.next(), "last");
    EXPECT_FALSE(r.next());

    LineReader utf(std::string("Jos\xC3\xA9\r\n\x93quoted\x94\r\n"));
    EXPECT_EQ(utf.next(), "Jos\xC3\xA9");
    EXPECT_EQ(utf.next(), "\xE2\x80\x9Cquoted\xE2\x80\x9D");
    EXPECT_TRUE(utf.atend());
}

TEST(TextLine, lineWriter_neverLetsATextBreakALine) {
    LineWriter w;
    w.integer(2).text("Smith,\r\nJohn\t").single(0.96f).text("");
    EXPECT_EQ(w.str(), " 2 \r\nSmith,John\r\n .96 \r\n\r\n");
    EXPECT_EQ(textwidth("Jos\xC3\xA9"), 4u);
    EXPECT_FALSE(validutf8("\xC3"));
    EXPECT_FALSE(validutf8("\xC0\x80"));
    EXPECT_FALSE(validutf8("\xED\xA0\x80"));
}

TEST(TextLine, dates) {
    EXPECT_EQ(fullyear(85), 1985);
    EXPECT_EQ(fullyear(99), 1999);
    EXPECT_EQ(fullyear(0), 2000);
    EXPECT_EQ(fullyear(84), 2084);
    EXPECT_EQ(reportdate(2026, 12, 6), "12-06-2026");
}

TEST(TextLine, lineWriter_writesNumbersAsTheirLineForms) {
    std::mt19937 rng(99);
    for (int i = 0; i < 20000; ++i) {
        long n = long(rng() % 70000) - 35000;
        float tenths = float(long(rng() % 20000) - 10000) / 10.0f;
        float any = std::bit_cast<float>(static_cast<uint32_t>(rng()) & 0x7f7fffffu);
        LineWriter w;
        w.integer(n).single(tenths).single(any).single(-tenths);
        ASSERT_EQ(w.str(), intline(n) + "\r\n" + singleline(tenths) + "\r\n" + singleline(any) +
                               "\r\n" + singleline(-tenths) + "\r\n");
    }
}
