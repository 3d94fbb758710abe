// spurline-calc: loads a site, runs the intermodulation calculation and prints the intermod list
// as the window shows it before any column sort.

#include "CalcArguments.h"
#include "document/AtomicFile.h"
#include "document/ErrorReport.h"
#include "document/FrequencyList.h"
#include "document/FrequencyListFile.h"
#include "document/MessageBox.h"
#include "document/StreamMessageBox.h"
#include "document/TextEncoding.h"
#include "engine/CalculationCallbacks.h"
#include "engine/IntermodCalculation.h"
#include "engine/IntermodItems.h"
#include "engine/IntermodList.h"

#include <clocale>
#include <iostream>
#include <new>

namespace spurline::cli {

namespace {

enum ExitStatus { ExitComplete = 0, ExitFailed = 1, ExitBadInput = 2, ExitIncomplete = 3 };

Locale SystemLocale() {
    std::setlocale(LC_ALL, "");
    const std::lconv* conventions = std::localeconv();
    Locale locale = Locale::English();
    if (conventions != nullptr && conventions->decimal_point != nullptr &&
        *conventions->decimal_point != '\0') {
        locale.decimalSeparator = conventions->decimal_point;
        const char* group = conventions->thousands_sep;
        if (group != nullptr && *group != '\0') {
            locale.groupSeparator = group;
        } else {
            locale.groupSeparator = locale.decimalSeparator == "," ? "." : ",";
        }
    }
    std::setlocale(LC_ALL, "C");
    return locale;
}

// Reads the file as the program's loader does: three header lines, then one entry per line,
// duplicates skipped without a question. Throws CommandFailure when it cannot.
void LoadSite(FrequencyList& list, const std::string& path) {
    const std::string bytes = ReadWholeFile(path);
    if (bytes.find('\0') != std::string::npos) {
        throw CommandFailure(errors::InvalidFileFormat, "Invalid file format", "load/check");
    }
    const std::string text = DecodeFileText(bytes);
    const char separator = DetectSeparator(text);
    LineReader reader(text);
    for (int header = 0; header < 3; ++header) {
        if (reader.AtEnd()) {
            throw CommandFailure(errors::InputPastEndOfFile, "Input past end of file",
                                 "load/header");
        }
        const std::string value = SplitEntryFields(reader.Next(), separator)[0];
        if (header == 0) {
            list.SetSiteName(value);
        } else if (header == 1) {
            list.SetLastSaved(value);
        } else {
            list.SetComment(value);
        }
    }
    list.ShowDuplicateMessages = false;
    do {
        if (reader.AtEnd()) {
            throw CommandFailure(errors::InputPastEndOfFile, "Input past end of file",
                                 "load/entry");
        }
        list.AddEntry(ConvertEntryFields(SplitEntryFields(reader.Next(), separator), separator,
                                         list.locale()));
    } while (!reader.AtEnd());
}

void PrintList(const IntermodList& rows) {
    std::string out;
    for (std::size_t c = 0; c < IntermodColumnCaptions.size(); ++c) {
        out += (c == 0 ? "" : "\t");
        out += IntermodColumnCaptions[c];
    }
    out += '\n';
    for (const IntermodListRow& row : rows.rows()) {
        for (std::size_t c = 0; c < row.texts.size(); ++c) {
            if (c > 0) {
                out += '\t';
            }
            out += row.texts[c];
        }
        out += '\n';
    }
    std::cout << out;
}

int Run(const std::vector<std::string>& arguments) {
    std::string error;
    const std::optional<CalcArguments> parsed =
        ParseCalcArguments(arguments, SystemLocale(), error);
    if (!parsed) {
        std::cerr << "spurline-calc: " << error << "\n\n" << CalcUsage();
        return ExitBadInput;
    }
    if (parsed->help) {
        std::cout << CalcUsage();
        return ExitComplete;
    }

    // Boxes become lines on standard error; questions are answered No.
    StreamMessageBox box(std::cerr);
    FrequencyList list(parsed->locale, box);
    try {
        LoadSite(list, parsed->sitePath);
    } catch (const CommandFailure& failure) {
        ShowErrorReport(box, failure);
        return ExitBadInput;
    } catch (const std::bad_alloc&) {
        ShowErrorReport(box, CommandFailure(errors::OutOfMemory, "Out of memory", "load/entry"));
        return ExitBadInput;
    }

    cIntermodItems products(box);
    IntermodList rows;
    IntermodCalculation calculation(list, products, rows, box);
    NoCalculationCallbacks events;
    const CalculationResult result = calculation.Calculate(parsed->options, events);
    PrintList(rows);
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

} // namespace

} // namespace spurline::cli

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    try {
        return spurline::cli::Run(arguments);
    } catch (const std::exception& failure) {
        std::cerr << "spurline-calc: " << failure.what() << '\n';
        return 1;
    }
}
