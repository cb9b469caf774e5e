#include "model/textline.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

using namespace greenfold;

namespace {

// What f makes of each value, each followed by '|'.
template <typename T, typename F> std::string each(std::initializer_list<T> values, F f) {
    std::string out;
    for (const T& v : values) out += std::string(f(v)) + "|";
    return out;
}

} // namespace

TEST(TextLine, numberLines_signPositionShortestFormAndNoLeadingZero) {
    EXPECT_EQ(each<long>({5, 0, -3, 32767}, intline), " 5 | 0 |-3 | 32767 |");
    EXPECT_EQ(each({1.5f, 0.96f, 14.0f, -0.5f, 9.233333f, -1.2f, 0.0f, -0.0f}, singleline),
              " 1.5 | .96 | 14 |-.5 | 9.233333 |-1.2 | 0 | 0 |");
    EXPECT_EQ(each({1e7f, 9999999.0f, 12345678.0f, 0.00001f, 0.0001f}, singleline),
              " 1E+07 | 9999999 | 1.234568E+07 | 1E-05 | .0001 |");
    // 20 x .96 in single precision lies just below 19.2; seven digits still read 19.2.
    EXPECT_EQ(singleline(20.0f * 0.96f), " 19.2 ");
    // Shown in a window the leading zero stays.
    EXPECT_EQ(
        each<float>({0.5f, -0.5f, 9.233333f, 10.0f}, [](float v) { return generalformat(v); }),
        "0.5|-0.5|9.233333|10|");
    EXPECT_EQ(each({10.0, -1.248}, [](double v) { return generalformat(v); }), "10|-1.248|");
}

TEST(TextLine, patterns_roundHalvesAwayFromZero) {
    auto format = [](const char* pattern, std::initializer_list<double> values) {
        return each(values, [&](double v) { return formatpattern(v, pattern); });
    };
    EXPECT_EQ(format("#0.0", {9.96, 0.0, -0.1, 19.45, double(19.45f), 99.96}),
              "10.0|0.0|-0.1|19.5|19.5|100.0|");
    EXPECT_EQ(format("0.0", {-1.25, -0.04, 1e-20}), "-1.3|0.0|0.0|");
    EXPECT_EQ(format("#.00", {0.5, 1.234, 0.0}), ".50|1.23|.00|");
    EXPECT_EQ(format("#0", {2.5, -2.5}), "3|-3|");
    EXPECT_EQ(format("00", {5, 123}), "05|123|");
    EXPECT_EQ(format("00.0", {5.3, 70.5}), "05.3|70.5|");
    EXPECT_EQ(format("#0.000", {1.2345, 8.864}), "1.235|8.864|");
    EXPECT_EQ(formatpattern(123.45, "##0.0"), "123.5");
    EXPECT_EQ(formatpattern(1234.5, "###0.0"), "1234.5");
    // Fifteen digits before the point leave none after it: the decimal is filled in.
    EXPECT_EQ(formatpattern(123456789012345.0, "0.0"), "123456789012345.0");
}

TEST(TextLine, readingNumbers_lenientAboutBlanksStrictAboutText) {
    EXPECT_EQ(each({" 5 ", "-3 ", "\t7", "2.5", "3.5", "", "   ", "abc", "5x", "40000", "1e300"},
                   [](const char* s) {
                       const auto v = readinteger(s);
                       return v ? std::to_string(*v) : "none";
                   }),
              "5|-3|7|2|4|none|none|none|none|none|none|");
    // A field cut from a longer line is read to its own end, not the line's.
    EXPECT_EQ(readinteger(std::string_view("2.57").substr(0, 3)), int16_t{2});
    EXPECT_EQ(readsingle(" .96 "), 0.96f); // other forms: the random numbers below
    for (const char* bad : {"nan", "inf", "1e60", "x"}) EXPECT_FALSE(readsingle(bad)) << bad;
}

TEST(TextLine, leadingNumber_isZeroForText) {
    EXPECT_EQ(each({"72abc", " 70.5", "-1.5x", ".5", "1 2", "1e3", "1e", "abc", "", "-", "1e999"},
                   [](const char* s) { return generalformat(leadingnumber(s)); }),
              "72|70.5|-1.5|0.5|12|1000|1|0|0|0|0|");
    EXPECT_EQ(each({2.5, 3.5, -2.5}, [](double v) { return std::to_string(roundhalfeven(v)); }),
              "2|4|-2|");
}

TEST(TextLine, lineReader_handlesEndingsAndOldEncoding) {
    LineReader r(std::string("one\r\ntwo\nJos\xE9\r\n\r\nlast"));
    for (const char* want : {"one", "two", "Jos\xC3\xA9", "", "last"}) EXPECT_EQ(r.next(), want);
    EXPECT_FALSE(r.next());

    LineReader utf(std::string("Jos\xC3\xA9\r\n\x93quoted\x94\r\n"));
    EXPECT_EQ(utf.next(), "Jos\xC3\xA9");
    EXPECT_EQ(utf.next(), "\xE2\x80\x9Cquoted\xE2\x80\x9D");
    EXPECT_TRUE(utf.atend());
    EXPECT_TRUE(validutf8("Jos\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8F\x8C"));
    for (const char* bad : {"\xC3", "\xC0\x80", "\xED\xA0\x80"}) EXPECT_FALSE(validutf8(bad));
    // Control characters and DEL go; letters beyond ASCII stay.
    EXPECT_EQ(stripcontrols("a\x01"
                            "b\x7F"
                            "c\tJos\xC3\xA9"),
              "abcJos\xC3\xA9");
}

TEST(TextLine, anyNumber_writtenAsItsLineForm_aSingleReadBackRoundedToSevenDigits) {
    std::mt19937 rng(99);
    for (int i = 0; i < 30000; ++i) {
        const long n = long(rng() % 70000) - 35000;
        const float tenths = float(long(rng() % 20000) - 10000) / 10.0f;
        const float any = std::bit_cast<float>(static_cast<uint32_t>(rng()) & 0xff7fffffu);
        LineWriter w;
        w.integer(n).single(tenths).single(any).single(-tenths);
        ASSERT_EQ(w.str(), intline(n) + "\r\n" + singleline(tenths) + "\r\n" + singleline(any) +
                               "\r\n" + singleline(-tenths) + "\r\n");
        char dec[32];
        std::snprintf(dec, sizeof dec, "%.6e", double(any));
        ASSERT_EQ(readsingle(singletext(any)), std::strtof(dec, nullptr)) << singletext(any);
    }
}
