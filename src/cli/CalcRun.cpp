#include "CalcRun.h"

#include "CalcArguments.h"
#include "CsvSite.h"
#include "DescriptorBuffer.h"
#include "FindRun.h"
#include "OptionReading.h"
#include "OutputWatch.h"
#include "document/AtomicFile.h"
#include "document/ErrorReport.h"
#include "document/FrequencyList.h"
#include "document/FrequencyListCsv.h"
#include "document/FrequencyListReader.h"
#include "document/MessageBox.h"
#include "document/SiteFile.h"
#include "document/SiteLevelsFile.h"
#include "document/StreamMessageBox.h"
#include "engine/IntermodCalculation.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"
#include "engine/ParallelEnumeration.h"
#include "engine/ProductRecorder.h"
#include "graph/GraphFile.h"
#include "output/ProductWriter.h"

#include <memory>
#include <new>
#include <ostream>

namespace spurline::cli {

namespace {

enum ExitStatus { ExitComplete = 0, ExitFailed = 1, ExitBadInput = 2, ExitIncomplete = 3 };

// Reads the file as the program's loader does, duplicates skipped without a question; every
// skipped line is named on standard error. Throws CommandFailure when the file cannot be read.
void LoadSite(FrequencyList& list, const std::string& path, std::ostream& err) {
    LoadListener listener;
    listener.lineSkipped = [&](const SkippedLine& skipped) {
        err << "spurline-calc: " << path << ": " << SkippedLineText(skipped) << '\n';
    };
    if (IsCsvPath(path)) {
        ReadCsvSite(list, path, err);
        return;
    }
    ReadFrequencyList(list, ReadSiteFile(path), listener);
    // Values for entries the site lacks are named, never used.
    for (const std::string& problem : LoadSiteLevels(list, path)) {
        err << "spurline-calc: " << LevelsCompanionPath(path) << ": " << problem << '\n';
    }
}

// A failure that concerns one file names it first, so a script can tell which one.
void ReportFileFailure(std::ostream& err, const std::string& path, const CommandFailure& failure) {
    err << "spurline-calc: " << path << ": " << FormatErrorReport(failure) << '\n';
}

bool WriteGraphFile(const FrequencyList& list, const cIntermodItems& products,
                    const IntermodOptions& options, const BatchOptions& batch, std::ostream& err) {
    try {
        WriteFileAtomically(batch.graphPath,
                            GraphSvg(list, products, options, batch.graphWidth, batch.graphHeight));
    } catch (const CommandFailure& failure) {
        ReportFileFailure(err, batch.graphPath, failure);
        return false;
    }
    return true;
}

// Whatever is still buffered goes out; false when any of the output could not be written.
bool Flushed(std::ostream& out) {
    out.flush();
    return out.good();
}

// A list that did not reach its reader must not pass for a complete one.
int WriteFailure(std::ostream& out, std::ostream& err) {
    err << "spurline-calc: " << WriteErrorText(out) << '\n';
    return ExitFailed;
}

const char* OutcomeName(CalculationOutcome outcome) {
    switch (outcome) {
    case CalculationOutcome::NothingToDo:
        return "nothing to do";
    case CalculationOutcome::LimitsRejected:
        return "limits rejected";
    case CalculationOutcome::Complete:
        return "complete";
    case CalculationOutcome::Aborted:
        return "aborted";
    case CalculationOutcome::Capped:
        return "list full";
    case CalculationOutcome::Failed:
        break;
    }
    return "failed";
}

} // namespace

int RunCalc(const std::vector<std::string>& arguments, const Locale& systemLocale,
            std::ostream& out, std::ostream& err) {
    std::string error;
    const std::optional<CalcArguments> parsed = ParseCalcArguments(arguments, systemLocale, error);
    if (!parsed) {
        err << RefusalText(error);
        return ExitBadInput;
    }
    if (parsed->help || parsed->version) {
        out << (parsed->help ? CalcUsage() : CalcVersion());
        return Flushed(out) ? ExitComplete : WriteFailure(out, err);
    }

    StreamMessageBox box(err);
    FrequencyList list(parsed->locale);
    try {
        LoadSite(list, parsed->sitePath, err);
    } catch (const CommandFailure& failure) {
        ReportFileFailure(err, parsed->sitePath, failure);
        return ExitBadInput;
    } catch (const std::bad_alloc&) {
        ReportFileFailure(err, parsed->sitePath,
                          CommandFailure(errors::OutOfMemory, "Out of memory", "load/entry"));
        return ExitBadInput;
    }

    if (list.empty()) {
        err << "spurline-calc: no entry could be read from " << parsed->sitePath << '\n';
        return ExitBadInput;
    }

    std::optional<SiteLevels> levels;
    if (parsed->levels.on) {
        levels = parsed->levels.Apply(list.siteLevels());
    }
    if (parsed->find.find || parsed->find.summary) {
        const int status =
            RunFind(list, parsed->options, parsed->find, levels ? &*levels : nullptr, out, err);
        return Flushed(out) ? status : WriteFailure(out, err);
    }

    cIntermodItems products(box);
    IntermodList rows;
    const BatchOptions& batch = parsed->batch;
    std::unique_ptr<ProductWriter> writer = batch.format == OutputFormat::Json ? MakeJsonWriter(out)
                                            : batch.format == OutputFormat::Csv
                                                ? MakeCsvWriter(out)
                                                : MakeTsvWriter(out);
    RunSummary summary{list.siteName(), {}, 0, !batch.noCap, levels, {}, list.locale()};
    // The heading waits for the first row: a run whose limits are rejected prints nothing.
    bool begun = false;
    const auto begin = [&] {
        if (!begun) {
            begun = true;
            writer->Begin(summary, parsed->options);
        }
    };
    // Rows are written as they are found, never held: a large site's list can be gigabytes.
    rows.productSink = [&](const IntermodListRow& row, const RecordedProduct& product) {
        begin();
        writer->Product(row, product);
    };
    rows.rowSink = [&](const IntermodListRow& row) {
        begin();
        writer->Row(row);
    };
    IntermodCalculation calculation(list, products, rows, box);
    calculation.levels = levels;
    calculation.SetThreads(batch.threads > 0 ? batch.threads : DefaultCalculationThreads());
    if (batch.noCap) {
        // Nothing is kept (--graph, which needs the products, is refused with --no-cap).
        calculation.listCap = -1;
        calculation.keepProducts = false;
    }
    // A failed output stops the calculation as Escape does in the window.
    OutputWatch watch(out);
    const CalculationResult result = calculation.Calculate(parsed->options, watch);
    if (result.outcome == CalculationOutcome::LimitsRejected) {
        return ExitBadInput;
    }
    begin();
    summary.outcome = OutcomeName(result.outcome);
    summary.products = result.products;
    summary.receivers = calculation.receiverLevels();
    writer->End(summary);
    if (!Flushed(out)) {
        return WriteFailure(out, err);
    }
    if (!batch.graphPath.empty() && !WriteGraphFile(list, products, parsed->options, batch, err)) {
        return ExitFailed;
    }
    switch (result.outcome) {
    case CalculationOutcome::NothingToDo:
    case CalculationOutcome::Complete:
        return ExitComplete;
    case CalculationOutcome::LimitsRejected:
        return ExitBadInput;
    case CalculationOutcome::Aborted:
    case CalculationOutcome::Capped:
        return ExitIncomplete;
    case CalculationOutcome::Failed:
        return rows.statusLine() == StatusNotComplete ? ExitIncomplete : ExitFailed;
    }
    return ExitFailed;
}

} // namespace spurline::cli
