#include "core/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>

namespace {

using namespace kalendix;

TEST(FormatNumber, WholeValuesArePlainDigits)
{
    const struct
    {
        double value;
        const char* expected;
    } cases[] = {
        {826, "826"},
        {-5, "-5"},
        {71366400, "71366400"},
        {0, "0"},
        {-0.0, "0"},
        {2958465.0 * 86400, "255611376000"},
        {-2958465.0 * 86400, "-255611376000"},
        {999999999999999, "999999999999999"},
        {1e20, "100000000000000000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatNumber(c.value, "."), c.expected) << c.value;
        EXPECT_EQ(formatNumber(c.value, ","), c.expected) << c.value << " under a comma locale";
    }
}

TEST(FormatNumber, FractionsUseTheSeparatorAndFifteenDigits)
{
    const struct
    {
        double value;
        const char* separator;
        const char* expected;
    } cases[] = {
        {12.5, ".", "12.5"},
        {12.5, ",", "12,5"},
        {-0.25, ",", "-0,25"},
        {0.1 + 0.2, ".", "0.3"},
        {1.0 / 3.0, ".", "0.333333333333333"},
        {2.0 / 3.0, ",", "0,666666666666667"},
        {123456.789, ".", "123456.789"},
        {0.00001, ".", "1E-05"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatNumber(c.value, c.separator), c.expected) << c.value;
}

TEST(FormatNumber, RefusesWhatIsNotANumber)
{
    EXPECT_THROW(formatNumber(std::numeric_limits<double>::infinity(), "."), std::domain_error);
    EXPECT_THROW(formatNumber(-std::numeric_limits<double>::infinity(), "."), std::domain_error);
    EXPECT_THROW(formatNumber(std::numeric_limits<double>::quiet_NaN(), "."), std::domain_error);
}

TEST(FormatLong, Digits)
{
    EXPECT_EQ(formatLong(0), "0");
    EXPECT_EQ(formatLong(117), "117");
    EXPECT_EQ(formatLong(-1), "-1");
    EXPECT_EQ(formatLong(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(formatLong(std::numeric_limits<std::int32_t>::max()), "2147483647");
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart)
{
    const struct
    {
        const char* text;
        double expected;
    } cases[] = {
        {"826", 826},
        {"-5", -5},
        {"+5", 5},
        {"12,5", 12},
        {"1 2", 12},
        {"", 0},
        {"   ", 0},
        {"abc", 0},
        {"x12", 0},
        {"-", 0},
        {".", 0},
        {"--5", 0},
        {"\t\n 7\t3 \n", 73},
        {"- 5", -5},
        {"12.5", 12.5},
        {"1 2 . 5", 12.5},
        {".5", 0.5},
        {"5.", 5},
        {"1.2.3", 1.2},
        {"1E3", 1000},
        {"1e3", 1000},
        {"1D3", 1000},
        {"2.5E-1", 0.25},
        {"1E+2", 100},
        {"1E", 1},
        {"1E+", 1},
        {"1Ex", 1},
        {"1 E 2", 100},
        {"12abc", 12},
        {"1\r2", 1},
        {"007", 7},
        {"999999999999999", 999999999999999},
        {"0", 0},
        {"1E-400", 0},
        {"0E999999999999999999999", 0},
        {"9470 дней", 9470},
    };
    for (const auto& c : cases)
        EXPECT_EQ(leadingNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(LeadingNumber, LongTextsAndOverflow)
{
    EXPECT_DOUBLE_EQ(leadingNumber(std::string(1 << 20, '7') + "E-1048569"), 7777777.777777777);
    EXPECT_EQ(leadingNumber(std::string(1 << 20, ' ') + "42"), 42);
    EXPECT_EQ(leadingNumber("0." + std::string(500, '0') + "1E501"), 1);
    EXPECT_THROW(leadingNumber("1E309"), std::overflow_error);
    EXPECT_THROW(leadingNumber("-1E400"), std::overflow_error);
    EXPECT_THROW(leadingNumber(std::string(400, '9')), std::overflow_error);
    EXPECT_THROW(leadingNumber("1E99999999999999999999"), std::overflow_error);
}

TEST(RoundToLong, HalvesGoToTheEvenNeighbour)
{
    const struct
    {
        double value;
        std::int32_t expected;
    } cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {0.49999999999999994, 0},
        {2.4, 2},
        {2.6, 3},
        {-2.6, -3},
        {825, 825},
        {-5, -5},
        {2147483647.4, 2147483647},
        {-2147483648.5, std::numeric_limits<std::int32_t>::min()},
        {2147483646.5, 2147483646},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundToLong(c.value), c.expected) << c.value;
}

TEST(RoundToLong, OutOfRangeOverflows)
{
    for (double value :
         {2147483647.5, 2147483648.0, -2147483649.0, -2147483649.5, 1e300, std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(roundToLong(value), std::overflow_error) << value;
}

TEST(WholeQuotient, TruncatesTowardZero)
{
    EXPECT_EQ(wholeQuotient(-5, 365), 0);
    EXPECT_EQ(wholeQuotient(-400, 365), -1);
    EXPECT_EQ(wholeQuotient(825, 365), 2);
    EXPECT_EQ(wholeQuotient(-825, 30), -27);
    EXPECT_EQ(wholeQuotient(730, 365), 2);
    EXPECT_THROW(wholeQuotient(1, 0), std::domain_error);
    EXPECT_THROW(wholeQuotient(std::numeric_limits<std::int32_t>::min(), -1), std::overflow_error);
}

} // namespace
