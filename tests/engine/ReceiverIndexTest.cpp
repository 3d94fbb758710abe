#include "engine/ReceiverIndex.h"

#include <gtest/gtest.h>
#include <random>

namespace spurline {
namespace {

CalculationRow Receiver(double mhz, double halfWidth, int role = RoleRx, int status = 1) {
    CalculationRow row;
    row.role = role;
    row.status = status;
    row.receiveFrequency = mhz;
    row.receiveHalfWidth = halfWidth;
    return row;
}

// The plain scan the index must agree with.
std::vector<int> Scan(const CalculationTable& table, const VictimFilter& filter, double top,
                      double bottom) {
    std::vector<int> hits;
    for (std::size_t r = 0; r < table.size(); ++r) {
        const CalculationRow& t = table[r];
        const bool admitted =
            (t.status == 0 && filter.showPlanned) || (t.status != 0 && filter.showExisting);
        if (t.role != RoleTx && admitted && top >= t.receiveFrequency - t.receiveHalfWidth &&
            bottom <= t.receiveFrequency + t.receiveHalfWidth) {
            hits.push_back(static_cast<int>(r) + 1);
        }
    }
    return hits;
}

TEST(ReceiverIndex, FindsTouchingBandsAndHonoursRolesAndFilter) {
    CalculationTable table{Receiver(450, 0.25), Receiver(460, 0.25, RoleTx),
                           Receiver(470, 0.25, RoleBoth, 0), Receiver(449.5, 5)};
    ReceiverIndex index;
    index.Build(table, VictimFilter::FromOption(1));
    EXPECT_EQ(index.size(), 3u);
    std::vector<int> hits;
    index.Hits(449.75, 449.25, hits); // touches 1 at its lower edge, inside 4
    EXPECT_EQ(hits, (std::vector<int>{1, 4}));
    EXPECT_TRUE(index.MayHit(449.75, 449.25));
    EXPECT_FALSE(index.MayHit(460.1, 459.9)); // the transmitter only
    EXPECT_TRUE(index.MayHit(470.0, 469.75)); // the transceiver, at its receive frequency
    EXPECT_FALSE(index.MayHit(444.4, 444.0));
    EXPECT_TRUE(index.MayHit(444.5, 444.0)); // touches 4 at 444.5

    index.Build(table, VictimFilter::FromOption(3));
    EXPECT_FALSE(index.MayHit(470.0, 469.75));
    index.Build(table, VictimFilter::FromOption(2));
    EXPECT_TRUE(index.MayHit(470.0, 469.75));
    EXPECT_FALSE(index.MayHit(449.75, 449.25));

    ReceiverIndex empty;
    empty.Build({}, VictimFilter::FromOption(1));
    EXPECT_FALSE(empty.MayHit(1e9, -1e9));
}

TEST(ReceiverIndex, AgreesWithTheScanOnRandomSites) {
    std::mt19937 random(20240611);
    for (int site = 0; site < 200; ++site) {
        CalculationTable table;
        const int n = 1 + static_cast<int>(random() % 40);
        const bool wide = site % 3 == 0;
        for (int r = 0; r < n; ++r) {
            const double mhz = 440 + 0.0125 * static_cast<int>(random() % (wide ? 80000 : 1600));
            const double halfWidth = (random() % 8) * 12.5 / 2000 * (random() % 5 == 0 ? 40 : 1);
            table.push_back(Receiver(mhz, halfWidth, static_cast<int>(random() % 4),
                                     static_cast<int>(random() % 2)));
        }
        for (int option = 1; option <= 3; ++option) {
            const VictimFilter filter = VictimFilter::FromOption(option);
            ReceiverIndex index;
            index.Build(table, filter);
            std::vector<int> hits;
            for (int probe = 0; probe < 200; ++probe) {
                const double F = 439 + 0.0125 * static_cast<int>(random() % (wide ? 90000 : 1800));
                const double B = (random() % 6) * 12.5 / 2000;
                const std::vector<int> expected = Scan(table, filter, F + B, F - B);
                index.Hits(F + B, F - B, hits);
                ASSERT_EQ(hits, expected) << "site " << site << " F " << F;
                ASSERT_EQ(index.MayHit(F + B, F - B), !expected.empty());
            }
        }
    }
}

} // namespace
} // namespace spurline
