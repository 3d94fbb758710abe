#include "engine/FinderVerdicts.h"

#include "SiteBuilder.h"
#include "engine/CandidateRuns.h"
#include "engine/ChannelList.h"
#include "engine/FinderTexts.h"
#include "engine/FrequencyFinder.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace spurline {
namespace {

// A site from (frequency MHz, role, status) rows, 12.5 kHz wide, all checked; orders 3 only.
struct Row {
    double mhz;
    const char* role;
    const char* status;
};

CalculationTable SiteTable(const std::vector<Row>& rows, const Locale& locale) {
    FrequencyList list(locale);
    for (const Row& r : rows) {
        EXPECT_TRUE(testing::AddSiteEntry(list, r.mhz, 0, 12.5, r.role, r.status, 12.5));
    }
    return ReadCalculationTable(list);
}

IntermodOptions ThirdOrder(int filterOption) {
    IntermodOptions options;
    options.setOrder(3, true);
    options.harmonics = options.worstCase = options.threeFrequencies = false;
    options.filter = VictimFilter::FromOption(filterOption);
    return options;
}

FinderRequest Single(FinderRole role, double mhz) {
    FinderRequest request;
    request.role = role;
    request.fromMHz = request.toMHz = mhz;
    request.txBandwidthKHz = request.rxBandwidthKHz = 12.5;
    return request;
}

TEST(FinderVerdicts, ACandidateOnAnExistingCarrierIsNotClean) {
    // A transmitter's band on a receiver's, a receiver's on a transmitter's: half covered, just
    // touching at the edge (which counts, as for a product), or clear by 10 Hz.
    struct Case {
        const char* siteRole;
        FinderRole role;
        double mhz;
        int filterOption; // 1: any frequency; 3: existing only
        const char* siteStatus;
        bool clean;
    };
    const Case cases[] = {{"Rx", FinderRole::Tx, 460.00625, 1, "Exist", false},
                          {"Tx", FinderRole::Rx, 460.00625, 1, "Exist", false},
                          {"Tx", FinderRole::Both, 459.99375, 1, "Exist", false},
                          {"Rx", FinderRole::Both, 460.0125, 1, "Exist", false},
                          {"Rx", FinderRole::Tx, 459.9875, 1, "Exist", false},
                          {"Rx", FinderRole::Tx, 460.01251, 1, "Exist", true},
                          {"Tx", FinderRole::Rx, 459.98749, 1, "Exist", true},
                          {"Tx", FinderRole::Tx, 460.00625, 1, "Exist", true},
                          {"Rx", FinderRole::Rx, 460.00625, 1, "Exist", true},
                          // A receiver the filter leaves out is no victim of the candidate.
                          {"Rx", FinderRole::Tx, 460.00625, 3, "Plan", true}};
    for (const Case& c : cases) {
        for (const Locale& locale : {Locale::English(), Locale::German()}) {
            SCOPED_TRACE(std::string(c.siteRole) + " " + std::to_string(c.mhz) + " " +
                         std::to_string(static_cast<int>(c.role)) + locale.decimalSeparator);
            FrequencyFinder finder(SiteTable({{460, c.siteRole, c.siteStatus}}, locale),
                                   ThirdOrder(c.filterOption), {0, 1e6});
            const std::vector<CandidateResult> found = finder.Search(Single(c.role, c.mhz));
            ASSERT_EQ(found.size(), 1u);
            EXPECT_EQ(found[0].clean(), c.clean);
        }
    }
}

TEST(FinderVerdicts, KindsNameEveryReasonAndExclusionsTouchLikeBands) {
    // Receivers at 460 and 460.1 MHz (entries 1 and 3), a transmitter at 460.05 MHz (entry 2):
    // 2 x 460.05 - c lands on the other receiver for c = 460 and 460.1.
    FrequencyFinder finder(
        SiteTable({{460, "Rx", "Exist"}, {460.05, "Tx", "Exist"}, {460.1, "Rx", "Exist"}},
                  Locale::German()),
        ThirdOrder(1), {0, 1e6});
    FinderRequest request = Single(FinderRole::Both, 460);
    request.toMHz = 460.1;
    request.stepKHz = 100;
    request.exclusions = {{460.10625, 460.2}};
    const std::vector<CandidateResult> found = finder.Search(request);
    ASSERT_EQ(found.size(), 2u);
    // Each also on the frequency of a receiver, which the list refuses as a second entry.
    EXPECT_EQ(ConflictKinds(found[0]), "co-channel [1]; intermod; duplicate");
    EXPECT_EQ(ConflictKinds(found[1]), "co-channel [3]; intermod; duplicate; excluded");
    // The table's last column says the same.
    EXPECT_EQ(CandidateCells(found[1], Locale::German()).back(), ConflictKinds(found[1]));

    struct Case {
        double mhz;
        double spacingKHz;
        const char* kinds;
    };
    // A lone transmitter at 460 MHz, a band excluded from 470 MHz: a new transmitter's band
    // just touching the range is excluded; 10 Hz clear, it is clean.
    const Case cases[] = {{460, 0, "duplicate"},      {460.0125, 20, "spacing"},
                          {469.99375, 0, "excluded"}, {469.99374, 0, ""},
                          {478.00625, 0, "excluded"}, {474, 0, "excluded"}};
    FrequencyFinder lone(SiteTable({{460, "Tx", "Exist"}}, Locale::English()), ThirdOrder(1),
                         {0, 1e6});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mhz);
        FinderRequest tx = Single(FinderRole::Tx, c.mhz);
        tx.spacingKHz = c.spacingKHz;
        tx.exclusions = {{470, 478}};
        const std::vector<CandidateResult> one = lone.Search(tx);
        ASSERT_EQ(one.size(), 1u);
        EXPECT_EQ(ConflictKinds(one[0]), c.kinds);
        EXPECT_EQ(one[0].clean(), std::string(c.kinds).empty());
    }
}

TEST(FinderVerdicts, AChannelListFaresAsEachChannelAlone) {
    // A list with gaps, odd steps and odd duplex pairs is searched run by run; every channel
    // must come out as a search of that channel alone finds it.
    std::mt19937 random(23);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::vector<Row> rows;
    static const char* Roles[] = {"Tx", "Rx", "Both"};
    for (int k = 0; k < 8; ++k) {
        rows.push_back({450 + 0.0375 * (4 * k + pick(4)), Roles[pick(3)], "Exist"});
    }
    const CalculationTable site = SiteTable(rows, Locale::English());
    IntermodOptions options = ThirdOrder(1);
    options.threeFrequencies = true;
    FrequencyFinder finder(site, options, {0, 1e6});
    for (FinderRole role : {FinderRole::Tx, FinderRole::Rx, FinderRole::Both}) {
        SCOPED_TRACE(static_cast<int>(role));
        FinderRequest request = Single(role, 0);
        request.offsetKHz = 5000;
        request.exclusions = {{450.2, 450.21}};
        for (int k = 0; k < 60; ++k) {
            const double rx = 449.9 + (k < 30 ? 0.00625 * k : 0.00833 * pick(80));
            const double offset = role != FinderRole::Both ? 0 : pick(3) == 0 ? -4.6 : 5;
            request.channels.push_back({rx, rx + offset});
        }
        const std::vector<CandidateResult> found = finder.Search(request);
        ASSERT_EQ(found.size(), CandidateFrequencies(request).size());
        ASSERT_GT(found.size(), 40u);
        // Runs of many channels as well as lone ones, and channels hit as well as clean ones.
        const std::size_t runs = finder::CandidateRuns(request).size();
        EXPECT_GT(runs, 3u);
        EXPECT_LT(runs, found.size() / 2);
        EXPECT_GT(std::count_if(found.begin(), found.end(),
                                [](const CandidateResult& c) { return c.conflicts > 0; }),
                  5);
        EXPECT_GT(std::count_if(found.begin(), found.end(),
                                [](const CandidateResult& c) { return c.clean(); }),
                  5);
        for (const CandidateResult& c : found) {
            SCOPED_TRACE(c.frequencyMHz);
            FinderRequest alone = WithOffsetOf(request, c);
            alone.channels.clear();
            alone.fromMHz = alone.toMHz = c.frequencyMHz;
            const std::vector<CandidateResult> one = finder.Search(alone);
            ASSERT_EQ(one.size(), 1u);
            EXPECT_EQ(ConflictKinds(one[0]), ConflictKinds(c));
            EXPECT_EQ(CandidateCells(one[0], Locale::English()),
                      CandidateCells(c, Locale::English()));
        }
    }
}

TEST(FinderVerdicts, AtMostTwoHundredThousandCandidates) {
    const char* const tooMany = "Too many candidate channels: narrow the band or widen the step.";
    FinderRequest listed;
    listed.role = FinderRole::Rx;
    listed.channels.assign(200000, FinderChannel{450, 450});
    EXPECT_EQ(CheckFinderRequest(listed), nullptr);
    listed.channels.push_back({450, 450});
    EXPECT_STREQ(CheckFinderRequest(listed), tooMany);
    FinderRequest raster;
    raster.fromMHz = 450;
    raster.stepKHz = 12.5;
    raster.toMHz = 450 + 199999 * 0.0125;
    EXPECT_EQ(CheckFinderRequest(raster), nullptr);
    raster.toMHz += 0.025;
    EXPECT_STREQ(CheckFinderRequest(raster), tooMany);
}

// Each value out of range on its own is refused with the reason that names it.
TEST(FinderVerdicts, EachValueOutOfRangeIsRefusedWithItsReason) {
    const char* const step = "The channel step must be at least 0.1 kHz.";
    const char* const band = "The band must run from a frequency above 0 up to one not below it.";
    const char* const channel = "Every channel must lie above 0 MHz.";
    const char* const excluded =
        "An excluded range must run from a frequency above 0 up to one not below it.";
    const char* const widths = "Bandwidths and spacing must be numbers not below 0.";
    const char* const count = "The number of channels must be at least 1.";
    const double inf = HUGE_VAL;
    struct Case {
        std::function<void(FinderRequest&)> change;
        const char* reason;
    };
    const Case cases[] = {
        {[](FinderRequest&) {}, nullptr},
        {[](FinderRequest& r) { r.stepKHz = 0.09; }, step},
        {[](FinderRequest& r) { r.fromMHz = 0; }, band},
        {[](FinderRequest& r) { r.toMHz = 449; }, band},
        {[&](FinderRequest& r) { r.toMHz = inf; }, band},
        {[](FinderRequest& r) {
             r.channels = {{450, 0}};
         },
         channel},
        {[](FinderRequest& r) {
             r.channels = {{0, 450}};
         },
         channel},
        {[&](FinderRequest& r) {
             r.channels = {{450, inf}};
         },
         channel},
        {[&](FinderRequest& r) {
             r.channels = {{inf, 450}};
         },
         channel},
        {[](FinderRequest& r) {
             r.channels = {{450, 455}};
         },
         nullptr},
        {[](FinderRequest& r) {
             r.exclusions = {{0, 470}};
         },
         excluded},
        {[](FinderRequest& r) {
             r.exclusions = {{470, 469}};
         },
         excluded},
        {[&](FinderRequest& r) {
             r.exclusions = {{470, inf}};
         },
         excluded},
        {[](FinderRequest& r) {
             r.exclusions = {{470, 470}};
         },
         nullptr},
        {[](FinderRequest& r) { r.txBandwidthKHz = -1; }, widths},
        {[](FinderRequest& r) { r.rxBandwidthKHz = -1; }, widths},
        {[](FinderRequest& r) { r.spacingKHz = -1; }, widths},
        {[&](FinderRequest& r) { r.offsetKHz = inf; }, widths},
        {[&](FinderRequest& r) { r.txBandwidthKHz = inf; }, widths},
        {[&](FinderRequest& r) { r.rxBandwidthKHz = inf; }, widths},
        {[&](FinderRequest& r) { r.spacingKHz = inf; }, widths},
        {[](FinderRequest& r) { r.offsetKHz = -5000; }, nullptr},
        {[](FinderRequest& r) { r.count = 0; }, count},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        FinderRequest r;
        r.fromMHz = 450;
        r.toMHz = 451;
        cases[i].change(r);
        const char* reason = CheckFinderRequest(r);
        if (cases[i].reason == nullptr) {
            EXPECT_EQ(reason, nullptr) << reason;
        } else {
            EXPECT_STREQ(reason, cases[i].reason);
        }
    }
}

TEST(ChannelListFile, ReadsEitherConventionAndNamesBadLines) {
    struct Case {
        Locale locale;
        FinderRole role;
        const char* text;
        std::vector<FinderChannel> channels;
        std::vector<std::string> rejected;
    };
    const Case cases[] = {
        {Locale::English(),
         FinderRole::Tx,
         "Frequency (MHz),Name\n# licence 4711\n460.0125,Ch 1\n\n460.025\r\n460,0125\n"
         "abc\n-1\n460.0125\n460.03750;Ch 4 ; 7\n",
         {{460.0125, 460.0125}, {460.025, 460.025}, {460.0375, 460.0375}},
         {"line 6: more than one frequency", "line 7: \"abc\" is not a frequency",
          "line 8: a frequency must lie above 0 and below 1000000 MHz",
          "line 9: the same channel as line 3"}},
        {Locale::German(),
         FinderRole::Rx,
         "460,0125\n460.025\n460,0375 Kanal 3\n1.460,5\n",
         {{460.0125, 460.0125}, {460.025, 460.025}, {460.0375, 460.0375}},
         {"line 4: more than one frequency"}},
        {Locale::German(),
         FinderRole::Both,
         "465,0125\t460,0125\n465.025,460.025\n460,05\n460,06 1 2\n",
         {{460.0125, 465.0125}, {460.025, 465.025}, {460.05, 460.0546}},
         {"line 4: more than a transmit and a receive frequency"}},
        {Locale::English(),
         FinderRole::Rx,
         "460.0125\n;,;\n460.025\n",
         {{460.0125, 460.0125}, {460.025, 460.025}},
         {}},
        {Locale::English(),
         FinderRole::Tx,
         "460.000004\n460.000006\n",
         {{460, 460}, {460.00001, 460.00001}},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ChannelListRead read = ReadChannelList(c.text, c.role, 4.6, c.locale);
        EXPECT_EQ(read.channels, c.channels);
        std::vector<std::string> rejected;
        for (const CsvRejectedLine& line : read.rejected) {
            rejected.push_back(CsvRejectedLineText(line));
        }
        EXPECT_EQ(rejected, c.rejected);
        // Written and read back in the other convention: the same channels.
        const std::string written = WriteChannelList(read.channels, c.role);
        const Locale other =
            c.locale.decimalSeparator == "," ? Locale::English() : Locale::German();
        const ChannelListRead again = ReadChannelList(written, c.role, 0, other);
        EXPECT_EQ(again.channels, read.channels);
        EXPECT_TRUE(again.rejected.empty());
    }
}

} // namespace
} // namespace spurline
