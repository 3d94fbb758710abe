#include "engine/IntermodItem.h"

#include <gtest/gtest.h>

namespace spurline {
namespace {

TEST(IntermodItem, CloneCopiesEveryField) {
    cIntermodItem item;
    item.setFrequency(449.0f);
    item.setBandwidth(25.0f);
    item.setOrder(3);
    item.setKey("ID: 1");
    item.setByfrequency("2 x 450.00000 - 1 x 451.00000");
    item.setBycomposition("2 x [1] - 1 x [2]");
    item.setTag("50331673");
    const auto copy = item.Clone();
    ASSERT_NE(copy.get(), &item);
    EXPECT_EQ(copy->frequency(), 449.0f);
    EXPECT_EQ(copy->bandwidth(), 25.0f);
    EXPECT_EQ(copy->order(), 3);
    EXPECT_EQ(copy->key() + copy->byfrequency() + copy->bycomposition() + copy->tag(),
              "ID: 12 x 450.00000 - 1 x 451.000002 x [1] - 1 x [2]50331673");
}

TEST(IntermodItem, DerivedEdgesAndTexts) {
    cIntermodItem item;
    item.setFrequency(450.0f);
    item.setBandwidth(25.0f);
    EXPECT_EQ(item.lowerfrequency(), 449.9875f);
    EXPECT_EQ(item.upperfrequency(), 450.0125f);
    EXPECT_EQ(item.frequencystring(Locale::German()), "450,00000");

    // A float centre shows its own digits, not those of its binary neighbour.
    item.setFrequency(450.0125f);
    item.setBandwidth(12.5f);
    EXPECT_EQ(item.frequencystring(Locale::English()), "450.01250");
    EXPECT_EQ(item.bandwidthstring(Locale::English()), "12.50");

    item.setFrequency(1234.5f);
    item.setBandwidth(1500.0f);
    EXPECT_EQ(item.frequencystring(Locale::English()), "1,234.50000");
    EXPECT_EQ(item.frequencystring(Locale::German()), "1.234,50000");
    EXPECT_EQ(item.bandwidthstring(Locale::English()), "1,500.00");
    EXPECT_EQ(item.bandwidthstring(Locale::German()), "1.500,00");
}

} // namespace
} // namespace spurline
