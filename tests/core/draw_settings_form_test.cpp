#include "app/draw_settings_form.h"

#include <gtest/gtest.h>

#include <vector>

using namespace orca;

namespace {

struct Saved {
    bool flag;
    std::int16_t width;
};

struct FormFixture {
    DrawSettings settings;
    NcModalState nc;
    std::vector<Saved> saved;

    bool ok(bool houganAri, const std::string& width, std::int16_t speed = 2, bool inc = true) {
        const InitDspChoice choice{houganAri, width, speed, inc};
        return InitDspOk(choice, settings, nc, [this](const DrawSettings& s) {
            saved.push_back({s.HouganFlag, s.HouganWidth});
        });
    }
};

}  // namespace

TEST(InitDspOk, RefusesSpacingsBelowOneOrNotAWhole16BitNumber) {
    for (const char* text : {"0", "-10", "abc", "", "0.5", "12abc", "40000", "1 2", "32767.5"}) {
        FormFixture f;
        EXPECT_FALSE(f.ok(true, text)) << text;
        EXPECT_TRUE(f.saved.empty()) << text;
        EXPECT_EQ(f.settings.HouganWidth, 100) << text;
        EXPECT_TRUE(f.settings.HouganFlag) << text;
        EXPECT_EQ(f.settings.TraceSpeed, 5) << text;
        EXPECT_EQ(f.nc.IncFlag, 0) << text;
    }
    for (const char* text : {"", "abc", "7mm", "99999"}) {
        FormFixture f;
        EXPECT_FALSE(f.ok(false, text)) << text;
        EXPECT_TRUE(f.saved.empty()) << text;
    }
}

TEST(InitDspOk, RoundsHalvesToEvenAndStoresEverything) {
    struct Case {
        const char* text;
        std::int16_t width;
    };
    for (const Case c : {Case{"1.5", 2}, Case{"2.5", 2}, Case{" 10 ", 10}, Case{"1E2", 100},
                         Case{"32767", 32767}, Case{"&H10", 16}}) {
        FormFixture f;
        ASSERT_TRUE(f.ok(true, c.text, 0, true)) << c.text;
        EXPECT_EQ(f.settings.HouganWidth, c.width) << c.text;
        ASSERT_EQ(f.saved.size(), 1u);
        EXPECT_TRUE(f.saved[0].flag);
        EXPECT_EQ(f.saved[0].width, c.width);
        EXPECT_EQ(f.settings.TraceSpeed, 0);
        EXPECT_EQ(f.nc.IncFlag, 1);
        EXPECT_EQ(f.settings.IncFlagDefault, 1);
    }
}

TEST(InitDspOk, GridOffAcceptsANegativeSpacingAndAbsResetsBothModes) {
    FormFixture f;
    f.nc.IncFlag = 1;
    f.settings.IncFlagDefault = 1;
    ASSERT_TRUE(f.ok(false, "-5", 4, false));
    EXPECT_FALSE(f.settings.HouganFlag);
    EXPECT_EQ(f.settings.HouganWidth, -5);
    ASSERT_EQ(f.saved.size(), 1u);
    EXPECT_FALSE(f.saved[0].flag);
    EXPECT_EQ(f.saved[0].width, -5);
    EXPECT_EQ(f.nc.IncFlag, 0);
    EXPECT_EQ(f.settings.IncFlagDefault, 0);
    EXPECT_EQ(f.settings.TraceSpeed, 4);

    // Switching the grid on again needs a valid spacing.
    EXPECT_FALSE(f.ok(true, "-5"));
}

TEST(InitDspLoad, ShowsTheModeTheLastPassEndedIn) {
    DrawSettings settings;
    settings.TraceSpeed = 3;
    settings.HouganFlag = false;
    settings.HouganWidth = 25;
    settings.IncFlagDefault = 0;
    NcModalState nc;
    nc.IncFlag = 1;
    const InitDspChoice c = InitDspLoad(settings, nc);
    EXPECT_EQ(c.speed, 3);
    EXPECT_TRUE(c.inc);
    EXPECT_FALSE(c.houganAri);
    EXPECT_EQ(c.houganWidthText, "25");

    settings.HouganWidth = -5;
    EXPECT_EQ(InitDspLoad(settings, nc).houganWidthText, "-5");
}

TEST(InitDspOk, HoleRadiusIsAPositiveNumberWithAtMostThreeDecimals) {
    for (const char* text : {"0", "0.000", "-1", "", "abc", "1.2345", "3mm", "1e2", "&H10", "123456", ". "}) {
        FormFixture f;
        InitDspChoice choice{true, "10", 5, false, text, true};
        EXPECT_STREQ(InitDspRefusal(choice), kHoleRadiusMessage) << text;
        EXPECT_FALSE(InitDspOk(choice, f.settings, f.nc, [](const DrawSettings&) { FAIL(); })) << text;
        EXPECT_EQ(f.settings.HoleRadius, 3) << text;
        EXPECT_FALSE(f.settings.StandardReading) << text;
    }
    // The spacing is checked first: its message comes first.
    EXPECT_STREQ(InitDspRefusal({true, "0", 5, false, "0", false}), kHouganWidthMessage);

    FormFixture f;
    DrawSettings saved;
    ASSERT_TRUE(InitDspOk({true, "10", 5, false, " 0.125 ", true}, f.settings, f.nc,
                          [&saved](const DrawSettings& s) { saved = s; }));
    EXPECT_EQ(f.settings.HoleRadius, 0.125);
    EXPECT_TRUE(f.settings.StandardReading);
    EXPECT_EQ(saved.HoleRadius, 0.125);
    EXPECT_TRUE(saved.StandardReading);
    const InitDspChoice shown = InitDspLoad(f.settings, f.nc);
    EXPECT_EQ(shown.holeRadiusText, "0.125");
    EXPECT_TRUE(shown.standardReading);

    for (const double r : {3.0, 2.5, 99999.999, 0.001}) {
        EXPECT_EQ(HoleRadiusFromText(HoleRadiusText(r)), r) << r;
    }
    EXPECT_EQ(HoleRadiusText(3), "3");
    EXPECT_EQ(HoleRadiusText(2.5), "2.5");
}
