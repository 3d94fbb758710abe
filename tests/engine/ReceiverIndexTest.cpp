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
