#pragma once

#include "document/FrequencyList.h"
#include "engine/IntermodItems.h"
#include "engine/ProductRecorder.h"
#include "support/ScriptedMessageBox.h"

#include <memory>
#include <string>

namespace spurline::testing {

// A frequency list and a product collection for the graph's tests.
struct GraphSite {
    explicit GraphSite(Locale locale = Locale::English()) : list(locale), products(box) {}

    // Numbers are given as display texts, as the list keeps them.
    void Entry(const std::string& frequency, const std::string& offset, const std::string& txBw,
               const std::string& txrx, const std::string& status, const std::string& rxBw,
               const std::string& remarks = {}) {
        list.AddEntry({frequency, offset, txBw, txrx, status, rxBw, remarks});
    }

    // A product of the given order at frequencyMHz, bandwidthKHz wide, made of entries 1 and 2,
    // with its texts and tag built as the recording step builds them.
    std::shared_ptr<cIntermodItem> Product(double frequencyMHz, double bandwidthKHz, int order) {
        const Component c1{frequencyMHz, order - 1, 1};
        const Component c2{frequencyMHz, -1, 2};
        const ProductTexts texts =
            BuildProductTexts(frequencyMHz, c1, c2, {}, bandwidthKHz / 2000, list.locale());
        auto item = std::make_shared<cIntermodItem>();
        item->setFrequency(static_cast<float>(frequencyMHz));
        item->setBandwidth(static_cast<float>(bandwidthKHz));
        item->setOrder(static_cast<std::int16_t>(order));
        item->setBycomposition(texts.bycomposition);
        item->setByfrequency(texts.byfrequency);
        item->setTag(texts.tag);
        products.Add(item, "ID: " + std::to_string(products.Count() + 1));
        return item;
    }

    ScriptedMessageBox box;
    FrequencyList list;
    cIntermodItems products;
};

} // namespace spurline::testing
