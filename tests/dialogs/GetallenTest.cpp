#include "dialogs/Getallen.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Getallen, FieldsReadCommaOrPoint)
{
    struct {
        const char* szTekst;
        double dWaarde;
    } const aGevallen[] = {
        { "12,5", 12.5 },
        { "12.5", 12.5 },
        { "  7", 7.0 },
        { "-3,25", -3.25 },
        { "+4", 4.0 },
        { "150", 150.0 },
        { "12,5%", 12.5 },
        { "1,2,3", 1.2 },
        { "abc", 0.0 },
        { "", 0.0 },
        { ",5", 0.5 },
        { "1e3", 1.0 },
    };
    for (const auto& g : aGevallen)
        EXPECT_DOUBLE_EQ(Getallen::LeesGetal(QString::fromUtf8(g.szTekst)), g.dWaarde) << g.szTekst;
}

TEST(Getallen, PercentagesAreClampedToOneDecimal)
{
    struct {
        double dIn;
        double dUit;
    } const aGevallen[] = { { 12.54, 12.5 }, { 150, 100 }, { -2, 0 }, { 99.96, 100.0 }, { 0.05, 0.1 } };
    for (const auto& g : aGevallen)
        EXPECT_DOUBLE_EQ(Getallen::Procent(g.dIn), g.dUit) << g.dIn;
    EXPECT_EQ(Getallen::MetEenDecimaal(12.5, QLatin1Char(',')), "12,5");
    EXPECT_EQ(Getallen::MetEenDecimaal(100), "100.0");
}

TEST(Getallen, WholeNumbers)
{
    EXPECT_EQ(Getallen::LeesGeheel(" 3 stappen"), 3);
    EXPECT_EQ(Getallen::LeesGeheel("x"), 0);
    EXPECT_EQ(Getallen::LeesGeheel("-2"), -2);
    EXPECT_EQ(Getallen::LeesGeheel("99999999999"), INT_MAX);
}

TEST(Getallen, StrictNumbersOfTheTemplateDialogs)
{
    struct {
        const char* szTekst;
        bool bGeldig;
        double dWaarde;
    } const aGevallen[] = {
        { "0.2", true, 0.2 },
        { " 0.2\t", true, 0.2 },
        { "3", true, 3 },
        { "-1.5e1", true, -15 },
        { "0", true, 0 },
        { "0.0", true, 0 },
        { "0,2", false, 0 },
        { "", false, 0 },
        { "abc", false, 0 },
        { ".0", false, 0 },
        { ".5", true, 0.5 },
        { "2 x", false, 0 },
        { "1e300", true, 1e300 }, // a number; the range is the field's business
        { "1e999", false, 0 }, // no double holds it
        { "-1e999", false, 0 },
    };
    for (const auto& g : aGevallen) {
        const auto d = Getallen::LeesStriktGetal(QString::fromUtf8(g.szTekst));
        EXPECT_EQ(d.has_value(), g.bGeldig) << g.szTekst;
        if (d && g.bGeldig) {
            EXPECT_DOUBLE_EQ(*d, g.dWaarde) << g.szTekst;
        }
    }
    EXPECT_EQ(Getallen::KortGetal(0.1), "0.1");
}
