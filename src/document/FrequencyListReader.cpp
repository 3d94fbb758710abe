#include "document/FrequencyListReader.h"

#include "document/ErrorReport.h"
#include "document/FrequencyListFile.h"
#include "document/TextEncoding.h"

#include <array>

namespace spurline {

namespace {

// Names the entries the load leaves out to the caller, for as long as the load runs.
class SkipReporter final : public IFrequencyListObserver {
public:
    SkipReporter(FrequencyList& list, const LoadListener& listener, const int& line)
        : list_(list), listener_(listener), line_(line) {
        list_.AddObserver(this);
    }
    ~SkipReporter() override { list_.RemoveObserver(this); }
    SkipReporter(const SkipReporter&) = delete;
    SkipReporter& operator=(const SkipReporter&) = delete;

    void EntrySkipped(SkipReason reason, const std::string& frequency) override {
        if (listener_.lineSkipped)
            listener_.lineSkipped(SkippedLine{line_, reason, frequency});
    }

private:
    FrequencyList& list_;
    const LoadListener& listener_;
    const int& line_;
};

} // namespace

void ReadFrequencyList(FrequencyList& list, std::string_view bytes, const LoadListener& listener) {
    // Text files never hold NUL bytes; this is binary data, not a frequency list.
    if (bytes.find('\0') != std::string_view::npos)
        throw CommandFailure(errors::InvalidFileFormat, "Invalid file format", "load/check");
    const std::string text = DecodeFileText(bytes);
    const char separator = DetectSeparator(text);

    LineReader reader(text);
    std::array<std::string, 3> header;
    for (std::string& value : header) {
        if (reader.AtEnd())
            throw CommandFailure(errors::InputPastEndOfFile, "Input past end of file",
                                 "load/header");
        // A header of a file in the other convention may hold this list's separator, which
        // a save drops; it goes now, so the list shows what it will save.
        value =
            RemoveFieldSeparator(SplitEntryFields(reader.Next(), separator)[0], 0, list.locale())
                .text;
    }
    list.SetSiteName(header[0]);
    list.SetLastSaved(header[1]);
    list.SetComment(header[2]);

    int line = 3;
    const SkipReporter reporter(list, listener, line);
    do {
        if (reader.AtEnd())
            throw CommandFailure(errors::InputPastEndOfFile, "Input past end of file",
                                 "load/entry");
        ++line;
        std::array<std::string, 7> fields = ConvertEntryFields(
            SplitEntryFields(reader.Next(), separator), separator, list.locale());
        // A file in the other convention may hold this list's separator inside a field, which a
        // save has to drop. The number and keyword fields lose it now, so that the entry reads
        // as it will read from its saved line (a number is read up to the separator). The remark
        // is kept as written.
        for (std::size_t k = 0; k + 1 < fields.size(); ++k)
            fields[k] = RemoveFieldSeparator(fields[k], 0, list.locale()).text;
        list.AddEntry(fields);
        if (listener.afterEntryLine)
            listener.afterEntryLine();
    } while (!reader.AtEnd());
}

std::string SkippedLineText(const SkippedLine& skipped) {
    std::string what;
    switch (skipped.reason) {
    case SkipReason::Duplicate:
        what = "duplicate frequency " + skipped.frequency + " MHz";
        break;
    case SkipReason::OutOfRange:
        what = "frequency " + skipped.frequency + " MHz out of range";
        break;
    }
    return "line " + std::to_string(skipped.line) + ": " + what + " was not added";
}

} // namespace spurline
