#include "output/ProductWriter.h"

#include "document/NumberFormat.h"
#include "document/QuotedText.h"
#include "engine/IntermodOptions.h"
#include "engine/ProductRecorder.h"

#include <ostream>
#include <vector>

namespace spurline {

namespace {

// Shortest plain decimal that reads back to the same double; JSON has no NaN or infinity.
std::string JsonNumber(double value) {
    if (!(value == value) || value > 1e308 || value < -1e308) {
        return "null";
    }
    return FixedText(value);
}

// A level in hundredths of a dB as a JSON number; null when it is none (no power at all).
std::string Hundredths(double db) {
    const std::string text = LevelNumber(db);
    return text.empty() ? "null" : text;
}

template <class Cells>
void WriteSeparated(std::ostream& out, const Cells& cells, const char* separator,
                    const char* lineEnd, bool quote) {
    bool first = true;
    for (const auto& cell : cells) {
        if (!first) {
            out << separator;
        }
        first = false;
        out << (quote ? CsvField(cell) : std::string(cell));
    }
    out << lineEnd;
}

class DelimitedWriter final : public ProductWriter {
public:
    DelimitedWriter(std::ostream& out, bool csv) : out_(out), csv_(csv) {}
    void Begin(const RunSummary& run, const IntermodOptions&) override {
        levels_ = run.levels.has_value();
        locale_ = run.locale;
        std::vector<std::string> captions(IntermodColumnCaptions.begin(),
                                          IntermodColumnCaptions.end());
        if (levels_) {
            captions.emplace_back(WorstMarginCaption);
        }
        WriteSeparated(out_, captions, csv_ ? "," : "\t", csv_ ? "\r\n" : "\n", csv_);
    }
    void Product(const IntermodListRow& row, const RecordedProduct&) override { Row(row); }
    void Row(const IntermodListRow& row) override {
        std::vector<std::string> texts(row.texts.begin(), row.texts.end());
        if (levels_) {
            texts.push_back(MarginText(row, locale_));
        }
        if (!csv_) {
            WriteSeparated(out_, texts, "\t", "\n", false);
            return;
        }
        // A spreadsheet wants the number, not the list's right-aligning spaces.
        texts[ImColFrequency].erase(0, texts[ImColFrequency].find_first_not_of(' '));
        WriteSeparated(out_, texts, ",", "\r\n", true);
    }
    void End(const RunSummary&) override {}

private:
    static constexpr const char* WorstMarginCaption = "Worst margin (dB)";
    std::ostream& out_;
    bool csv_;
    bool levels_ = false;
    Locale locale_ = Locale::English();
};

class JsonWriter final : public ProductWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void Begin(const RunSummary& run, const IntermodOptions& options) override {
        out_ << "{\n  \"site\": " << JsonString(run.siteName) << ",\n  \"options\": {\"orders\": [";
        const char* comma = "";
        for (int order : {2, 3, 5, 7, 9}) {
            if (options.order(order)) {
                out_ << comma << order;
                comma = ", ";
            }
        }
        const VictimFilter& f = options.filter;
        const char* filter = f.anyFrequency                    ? "any"
                             : f.showPlanned && f.showExisting ? "all"
                             : f.showPlanned                   ? "planned"
                                                               : "existing";
        out_ << "], \"harmonics\": " << Bool(options.harmonics)
             << ", \"worstCase\": " << Bool(options.worstCase)
             << ", \"threeFrequencies\": " << Bool(options.threeFrequencies) << ", \"filter\": \""
             << filter << "\", \"lowerLimit\": " << JsonString(options.lowerLimit)
             << ", \"upperLimit\": " << JsonString(options.upperLimit)
             << ", \"listCap\": " << Bool(run.capped) << "},\n";
        if (run.levels) {
            const SiteLevels& l = *run.levels;
            out_ << "  \"levels\": {\"txPowerW\": " << JsonNumber(l.txPowerW)
                 << ", \"sensitivityDbm\": " << JsonNumber(l.sensitivityDbm)
                 << ", \"imRejectionDb\": " << JsonNumber(l.imRejectionDb)
                 << ", \"isolationDb\": " << JsonNumber(l.isolationDb)
                 << ", \"harmonicAttenuationDb\": " << JsonNumber(l.harmonicAttenuationDb)
                 << ", \"txExtraDb\": " << JsonNumber(l.txExtraDb)
                 << ", \"rxExtraDb\": " << JsonNumber(l.rxExtraDb) << "},\n";
        }
        out_ << "  \"products\": [";
    }

    void Product(const IntermodListRow& row, const RecordedProduct& p) override {
        out_ << (first_ ? "\n" : ",\n") << "    {\"key\": " << JsonString(row.key)
             << ", \"frequency\": " << JsonNumber(p.frequency) << ", \"order\": " << p.order
             << ", \"components\": [";
        first_ = false;
        const char* comma = "";
        for (const Component& c : p.components) {
            if (c.coefficient != 0) {
                out_ << comma << "{\"coefficient\": " << c.coefficient << ", \"entry\": " << c.entry
                     << ", \"frequency\": " << JsonNumber(c.frequency) << '}';
                comma = ", ";
            }
        }
        out_ << "], \"lower\": " << JsonNumber(p.frequency - p.halfBandwidth)
             << ", \"upper\": " << JsonNumber(p.frequency + p.halfBandwidth)
             << ", \"bandwidth\": " << JsonNumber(p.halfBandwidth * 2000) << ", \"affects\": [";
        comma = "";
        for (std::size_t k = 0; k < p.victims.size(); ++k) {
            const int r = p.victims[k];
            const bool planned = p.table[static_cast<std::size_t>(r - 1)].status == 0;
            out_ << comma << "{\"entry\": " << r << ", \"status\": \""
                 << (planned ? "Plan" : "Exist") << '"';
            if (p.levels != nullptr) {
                const double level = (*p.levels)[k];
                out_ << ", \"level_dbm\": " << Hundredths(level)
                     << ", \"margin_db\": " << Hundredths(level - p.levelTable->Sensitivity(r));
            }
            out_ << '}';
            comma = ", ";
        }
        out_ << "]}";
    }
    void Row(const IntermodListRow&) override {}
    void End(const RunSummary& run) override {
        out_ << (first_ ? "]" : "\n  ]");
        if (run.levels) {
            out_ << ",\n  \"receivers\": [";
            const char* comma = "";
            for (const ReceiverLevel& r : run.receivers) {
                out_ << comma << "\n    {\"entry\": " << r.entry << ", \"products\": " << r.products
                     << ", \"level_dbm\": " << Hundredths(r.levelDbm)
                     << ", \"margin_db\": " << Hundredths(r.marginDb) << ", \"class\": \""
                     << LevelClassName(ClassOfMargin(r.marginDb)) << "\"}";
                comma = ",";
            }
            out_ << (run.receivers.empty() ? "]" : "\n  ]");
        }
        out_ << ",\n  \"outcome\": " << JsonString(run.outcome)
             << ",\n  \"count\": " << run.products << "\n}\n";
    }

private:
    static const char* Bool(bool value) { return value ? "true" : "false"; }
    std::ostream& out_;
    bool first_ = true;
};

} // namespace

std::unique_ptr<ProductWriter> MakeTsvWriter(std::ostream& out) {
    return std::make_unique<DelimitedWriter>(out, false);
}
std::unique_ptr<ProductWriter> MakeCsvWriter(std::ostream& out) {
    return std::make_unique<DelimitedWriter>(out, true);
}
std::unique_ptr<ProductWriter> MakeJsonWriter(std::ostream& out) {
    return std::make_unique<JsonWriter>(out);
}

} // namespace spurline
