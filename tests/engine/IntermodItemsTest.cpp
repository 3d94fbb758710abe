#include "engine/IntermodItems.h"

#include "document/ErrorReport.h"
#include "support/CLocale.h"
#include "support/ScriptedMessageBox.h"

#include <gtest/gtest.h>
#include <vector>

namespace spurline {
namespace {

std::shared_ptr<cIntermodItem> Product(int order, float frequency = 100.0f) {
    auto item = std::make_shared<cIntermodItem>();
    item->setOrder(static_cast<std::int16_t>(order));
    item->setFrequency(frequency);
    return item;
}

int FailureNumber(const std::function<void()>& action) {
    try {
        action();
    } catch (const CommandFailure& failure) {
        return failure.number();
    }
    return 0;
}

class IntermodItems : public ::testing::Test {
protected:
    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        for (const auto& item : items) {
            keys.push_back(item->key());
        }
        return keys;
    }
    testing::ScriptedMessageBox box;
    cIntermodItems items{box};
};

using Texts = std::vector<std::string>;

TEST_F(IntermodItems, AddFindRemoveAndClear) {
    items.Add(Product(3, 449), "ID: 1");
    items.Add(Product(3, 452), "ID: 2");
    items.Add(Product(5, 447), "ID: 3");
    EXPECT_EQ(items.Count(), 3);
    EXPECT_EQ(items.Item(3)->frequency(), 447.0f);
    // Keys are matched without regard to letter case; indexes run from 1 to the count.
    EXPECT_EQ(items.Item("id: 2")->frequency(), 452.0f);
    EXPECT_TRUE(items.InCollection("ID: 3") && items.InCollection(3));
    EXPECT_FALSE(items.InCollection(0) || items.InCollection(4) || items.InCollection("ID: 4"));

    items.Remove("ID: 1");
    items.Remove(2);
    EXPECT_EQ(Keys(), (Texts{"ID: 2"}));
    EXPECT_FALSE(items.InCollection("ID: 1") || items.InCollection("ID: 3"));
    EXPECT_TRUE(box.shown.empty());

    // A product taken out stays valid when the collection is cleared.
    auto taken = items.Item(1);
    items.Clear();
    EXPECT_EQ(items.Count(), 0);
    EXPECT_FALSE(items.InCollection("ID: 2"));
    EXPECT_EQ(taken->key(), "ID: 2");
    items.Add(Product(3), "ID: 2");
    EXPECT_EQ(items.Count(), 1);
}

TEST_F(IntermodItems, KeysIgnoreLetterCaseUnderATurkishCLocale) {
    // There tolower('I') is 'I': the dotless i has no one-byte form.
    testing::ScopedCLocale turkish("tr_TR.UTF-8");
    SPURLINE_REQUIRE_C_LOCALE(turkish, "tr_TR.UTF-8");
    items.Add(Product(3, 452), "ID: 2");
    EXPECT_TRUE(items.InCollection("id: 2"));
    EXPECT_TRUE(items.InCollection("ID: 2"));
}

TEST_F(IntermodItems, FailuresOfTheInnerContainerAndTheBlankKey) {
    items.Add(Product(3), "ID: 1");
    // The numbers the error report shows ("Error: 457 description: ...").
    EXPECT_EQ(FailureNumber([&] { items.Add(Product(3), "id: 1"); }), 457);
    EXPECT_EQ(FailureNumber([&] { items.Item(2); }), 9);
    EXPECT_EQ(FailureNumber([&] { items.Item(0); }), 9);
    EXPECT_EQ(FailureNumber([&] { items.Item("ID: 9"); }), 5);
    EXPECT_EQ(FailureNumber([&] { items.Remove(5); }), 9);
    EXPECT_EQ(FailureNumber([&] { items.Remove("nope"); }), 5);
    EXPECT_EQ(items.Count(), 1);

    auto product = Product(3);
    items.Add(product, "");
    EXPECT_EQ(items.Count(), 1);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].prompt, "Can't add intermod because the key is blank");
    EXPECT_EQ(box.shown[0].buttons, 16);
    EXPECT_EQ(product->key(), "");
}

TEST_F(IntermodItems, SortByOrderIsStableAndDropsTheKeyIndex) {
    items.SortByOrder();
    EXPECT_EQ(items.Count(), 0);
    for (int order : {5, 2, 3, 2, 3, 3}) {
        items.Add(Product(order), "ID: " + std::to_string(items.Count() + 1));
    }
    items.SortByOrder();
    EXPECT_EQ(Keys(), (Texts{"ID: 2", "ID: 4", "ID: 3", "ID: 5", "ID: 6", "ID: 1"}));
    EXPECT_FALSE(items.InCollection("ID: 2"));
    EXPECT_TRUE(items.InCollection(1));
    EXPECT_EQ(items.Item(1)->key(), "ID: 2");
    EXPECT_EQ(FailureNumber([&] { items.Item("ID: 2"); }), errors::InvalidArgument);

    // Products added after a sort are keyed as usual.
    items.Add(Product(9), "ID: 2");
    EXPECT_TRUE(items.InCollection("ID: 2"));
    EXPECT_EQ(items.Item("ID: 2")->order(), 9);
    EXPECT_EQ(items.Count(), 7);
}

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
    // The band's edges and the centre's text in both conventions are pinned by the hover tests.
    cIntermodItem item;
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

TEST(IntermodItem, FloatAsDisplayedReadsTheShortestTextExactlyUnderAGermanCLocale) {
    testing::ScopedCLocale german("de_DE.UTF-8");
    SPURLINE_REQUIRE_C_LOCALE(german, "de_DE.UTF-8");
    struct Case {
        float value;
        double expected;
    };
    for (const Case& c : {Case{450.0625f, 450.0625}, Case{450.0125f, 450.0125}, Case{1e-7f, 1e-7},
                          Case{-3e38f, -3e38}}) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(FloatAsDisplayed(c.value), c.expected);
    }
}

} // namespace
} // namespace spurline
