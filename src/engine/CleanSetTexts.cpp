#include "engine/CleanSetTexts.h"

namespace spurline {

namespace {
std::string Channels(std::size_t n) {
    return std::to_string(n) + (n == 1 ? " channel" : " channels");
}
} // namespace

std::string MostChannelsText(const CleanSetResult& result) {
    std::string text = Channels(result.channels.size()) + "; greedy first-fit finds " +
                       std::to_string(result.greedy) + ".";
    if (result.complete) {
        text += " No larger set exists.";
    } else if (result.stopped) {
        text += " Stopped: the best set so far.";
    }
    return text;
}

std::string MostProgressText(const CleanSetProgress& progress) {
    std::string text = "Best so far: " + Channels(progress.best);
    if (progress.greedy > 0) {
        text += "; greedy first-fit finds " + std::to_string(progress.greedy);
    }
    return text + ".";
}

} // namespace spurline
