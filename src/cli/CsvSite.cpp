#include "CsvSite.h"

#include "document/FrequencyListCsv.h"
#include "document/SiteFile.h"
#include "document/TextHelpers.h"

#include <filesystem>
#include <ostream>

namespace spurline::cli {

bool IsCsvPath(const std::string& path) {
    return path.size() > 4 && EqualsIgnoringCase(path.substr(path.size() - 4), ".csv");
}

void ReadCsvSite(FrequencyList& list, const std::string& path, std::ostream& err) {
    std::vector<CsvRejectedLine> changed;
    std::vector<CsvRejectedLine> rejected =
        ReadFrequencyListCsv(list, ReadSiteFile(path), &changed);
    list.SetSiteName(std::filesystem::path(path).stem().string());
    for (const std::vector<CsvRejectedLine>* lines : {&rejected, &changed}) {
        for (const CsvRejectedLine& line : *lines) {
            err << "spurline-calc: " << path << ": " << CsvRejectedLineText(line) << '\n';
        }
    }
}

} // namespace spurline::cli
