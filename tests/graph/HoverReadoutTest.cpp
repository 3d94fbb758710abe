#include "graph/HoverReadout.h"

#include "graph/GraphSite.h"
#include "support/CLocale.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace spurline {
namespace {

using testing::GraphSite;

TEST(HoverReadout, ListsTheProductsUnderTheMouse) {
    for (const Locale& locale : {Locale::English(), Locale::German()}) {
        GraphSite site(locale);
        site.Product(450, 25, 3);
        site.Product(450.005, 25, 5);
        site.Product(460, 25, 3);
        HoverReadout hover;

        // The first move changes both coordinates from (0, 0): no tooltip.
        EXPECT_EQ(hover.Move(4500.05f, 30, site.products, locale), "");
        // Straight along x.
        std::string both = "450.00000 - (2 x [1] - 1 x [2]), 450.00500 - (4 x [1] - 1 x [2])";
        std::replace(both.begin(), both.end(), '.', locale.decimalSeparator[0]);
        EXPECT_EQ(hover.Move(4500.05f, 30, site.products, locale), both);
        // Moving along x to 449.99 MHz: only the first band holds it.
        EXPECT_EQ(hover.Move(4499.9f, 30, site.products, locale), both.substr(0, both.find(", ")));

        // The level view adds the level at the worst victim of a product that has one.
        site.products.Item(1)->setLevel(-117.0625f, -1.0625f);
        std::string levels = "450.00000 - (2 x [1] - 1 x [2]) at -117.06 dBm, "
                             "450.00500 - (4 x [1] - 1 x [2])";
        std::replace(levels.begin(), levels.end(), '.', locale.decimalSeparator[0]);
        EXPECT_EQ(hover.Move(4500.05f, 30, site.products, locale, true), levels);
        EXPECT_EQ(ProductsAt(450.001f, site.products, locale), both);
    }
}

TEST(HoverReadout, DiagonalMovesClearAndEdgesCount) {
    GraphSite site;
    const Locale& locale = site.list.locale();
    // 450 MHz, 500 kHz: the band's edges 449.75 and 450.25 are exact in binary.
    site.Product(450, 500, 3);
    const std::string readout = "450.00000 - (2 x [1] - 1 x [2])";
    HoverReadout hover;
    hover.Move(4500, 10, site.products, locale);
    EXPECT_EQ(hover.Move(4500, 20, site.products, locale), readout);
    EXPECT_EQ(hover.Move(4501, 21, site.products, locale), "");
    EXPECT_EQ(hover.Move(4502.5f, 21, site.products, locale), readout);
    EXPECT_EQ(hover.Move(4497.5f, 21, site.products, locale), readout);
    EXPECT_EQ(hover.Move(4497.4f, 21, site.products, locale), "");
    EXPECT_EQ(hover.Move(4497.4f, 21, site.products, locale), "");
    EXPECT_EQ(ProductsAt(450.25f, site.products, locale), readout);
    EXPECT_EQ(ProductsAt(450.26f, site.products, locale), "");
}

// 450.0625 MHz is read back from the float's shortest text "450.0625"; read with the C locale's
// decimal comma that text is 450.
void ExpectExactReadout() {
    for (const Locale& locale : {Locale::English(), Locale::German()}) {
        GraphSite site(locale);
        site.Product(450.0625, 25, 3);
        std::string readout = "450.06250 - (2 x [1] - 1 x [2])";
        std::replace(readout.begin(), readout.end(), '.', locale.decimalSeparator[0]);
        EXPECT_EQ(ProductsAt(450.0625f, site.products, locale), readout);
    }
}

TEST(HoverReadout, ReadsTheFrequencyExactlyInTheCLocaleInForce) {
    ExpectExactReadout();
}

TEST(HoverReadout, ReadsTheFrequencyExactlyUnderAGermanCLocale) {
    testing::ScopedCLocale german("de_DE.UTF-8");
    SPURLINE_REQUIRE_C_LOCALE(german, "de_DE.UTF-8");
    ExpectExactReadout();
}

} // namespace
} // namespace spurline
