#pragma once

#include "document/Locale.h"

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

namespace spurline {

// One intermodulation product of a calculation: where it lies, how wide it is, its order and the
// texts that name it. Set completely by the recording step and not changed afterwards.
class cIntermodItem {
public:
    // Centre frequency in MHz, kept as a 32-bit float.
    float frequency() const { return frequency_; }
    void setFrequency(float mhz) { frequency_ = mhz; }
    // Full bandwidth in kHz, kept as a 32-bit float.
    float bandwidth() const { return bandwidth_; }
    void setBandwidth(float khz) { bandwidth_ = khz; }
    std::int16_t order() const { return order_; }
    void setOrder(std::int16_t order) { order_ = order; }
    const std::string& key() const { return key_; }
    void setKey(std::string key) { key_ = std::move(key); }
    const std::string& byfrequency() const { return byfrequency_; }
    void setByfrequency(std::string text) { byfrequency_ = std::move(text); }
    const std::string& bycomposition() const { return bycomposition_; }
    void setBycomposition(std::string text) { bycomposition_ = std::move(text); }
    const std::string& tag() const { return tag_; }
    void setTag(std::string tag) { tag_ = std::move(tag); }
    // With levels: the product's level (dBm) at its worst victim, the one with the highest margin
    // over its sensitivity, and that margin (dB); both NaN when calculated without levels.
    float levelDbm() const { return levelDbm_; }
    float marginDb() const { return marginDb_; }
    bool hasLevel() const { return !std::isnan(levelDbm_); }
    void setLevel(float levelDbm, float marginDb) {
        levelDbm_ = levelDbm;
        marginDb_ = marginDb;
    }

    // Band edges in MHz: the centre minus and plus half the bandwidth.
    float lowerfrequency() const;
    float upperfrequency() const;
    // "#,##0.00" (kHz) and "#,###,##0.00000" (MHz) in the locale's separators.
    std::string bandwidthstring(const Locale& locale) const;
    std::string frequencystring(const Locale& locale) const;

    std::shared_ptr<cIntermodItem> Clone() const;

private:
    float frequency_ = 0;
    float bandwidth_ = 0;
    std::int16_t order_ = 0;
    std::string key_;
    std::string byfrequency_;
    std::string bycomposition_;
    std::string tag_;
    float levelDbm_ = NAN;
    float marginDb_ = NAN;
};

// The value a 32-bit float stands for, as a double: its shortest decimal form, so that 450.0125f
// formats as 450.01250 and not as the binary neighbour's digits.
double FloatAsDisplayed(float value);

} // namespace spurline
