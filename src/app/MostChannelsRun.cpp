#include "app/MostChannelsRun.h"

#include "engine/CleanSetTexts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

namespace spurline {

CleanSetResult RunMostChannels(const CalculationTable& site, const IntermodOptions& options,
                               CalculationLimits limits, const FinderRequest& request,
                               QProgressBar& bar, QLabel& label, const bool& stop) {
    return FindMostChannels(site, options, limits, request, MostChannelsSeconds,
                            [&](const CleanSetProgress& p) {
                                bar.setValue(static_cast<int>(p.fraction * 1000));
                                label.setText(QString::fromStdString(MostProgressText(p)));
                                // Escape reaches the dialog from in here and sets stop.
                                QCoreApplication::processEvents();
                                return !stop;
                            });
}

} // namespace spurline
