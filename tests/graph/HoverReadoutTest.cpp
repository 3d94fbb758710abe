#include "graph/HoverReadout.h"

#include "engine/IntermodItems.h"
#include "engine/ProductRecorder.h"
#include "support/ScriptedMessageBox.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace spurline {
namespace {

// A product built as the recording step builds it, from its components.
void AddProduct(cIntermodItems& products, double F, float bandwidthKHz, const Component& c1,
                const Component& c2, const Component& c3, const Locale& locale) {
    const ProductTexts texts = BuildProductTexts(F, c1, c2, c3, bandwidthKHz / 2000.0, locale);
    auto item = std::make_shared<cIntermodItem>();
    item->setFrequency(static_cast<float>(F));
    item->setBandwidth(bandwidthKHz);
    item->setBycomposition(texts.bycomposition);
    item->setTag(texts.tag);
    products.Add(item, "ID: " + std::to_string(products.Count() + 1));
}

TEST(HoverReadout, ListsTheProductsUnderTheMouse) {
    testing::ScriptedMessageBox box;
    for (const Locale& locale : {Locale::English(), Locale::German()}) {
        cIntermodItems products(box);
        AddProduct(products, 450, 25, {450, 2, 1}, {451, -1, 2}, {}, locale);
        AddProduct(products, 450.005, 25, {450, 1, 1}, {451, 1, 2}, {452, -1, 4}, locale);
        AddProduct(products, 460, 25, {450, 3, 1}, {451, -2, 2}, {}, locale);
        HoverReadout hover;

        // The first move changes both coordinates from (0, 0): no tooltip.
        EXPECT_EQ(hover.Move(4500.05f, 30, products, locale), "");
        // Straight along x.
        std::string both =
            "450.00000 - (2 x [1] - 1 x [2]), 450.00500 - (1 x [1] + 1 x [2] - 1 x [4])";
        std::replace(both.begin(), both.end(), '.', locale.decimalSeparator[0]);
        EXPECT_EQ(hover.Move(4500.05f, 30, products, locale), both);
        EXPECT_EQ(hover.LastMouseX, 4500.05f);
        EXPECT_EQ(hover.LastMouseY, 30.0f);
        // Moving along x to 449.99 MHz: only the first band holds it.
        EXPECT_EQ(hover.Move(4499.9f, 30, products, locale), both.substr(0, both.find(", ")));
    }
}

TEST(HoverReadout, DiagonalMovesClearAndEdgesCount) {
    testing::ScriptedMessageBox box;
    const Locale locale = Locale::English();
    cIntermodItems products(box);
    // 450 MHz, 500 kHz: the band's edges 449.75 and 450.25 are exact in binary.
    AddProduct(products, 450, 500, {450, 2, 1}, {451, -1, 2}, {}, locale);
    HoverReadout hover;
    hover.Move(4500, 10, products, locale);
    EXPECT_EQ(hover.Move(4500, 20, products, locale), "450.00000 - (2 x [1] - 1 x [2])");
    EXPECT_EQ(hover.Move(4501, 21, products, locale), "");
    EXPECT_EQ(hover.Move(4502.5f, 21, products, locale), "450.00000 - (2 x [1] - 1 x [2])");
    EXPECT_EQ(hover.Move(4497.5f, 21, products, locale), "450.00000 - (2 x [1] - 1 x [2])");
    EXPECT_EQ(hover.Move(4497.4f, 21, products, locale), "");
    EXPECT_EQ(hover.Move(4497.4f, 21, products, locale), "");
    EXPECT_EQ(ProductsAt(450.25f, products, locale), "450.00000 - (2 x [1] - 1 x [2])");
    EXPECT_EQ(ProductsAt(450.26f, products, locale), "");
}

} // namespace
} // namespace spurline
