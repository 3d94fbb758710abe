#include "engine/IntermodList.h"

#include "engine/LevelModel.h"

namespace spurline {

std::string MarginText(const IntermodListRow& row, const Locale& locale) {
    return row.worstMarginDb ? LevelText(*row.worstMarginDb, locale) : std::string();
}

void IntermodList::Clear() {
    rows_.clear();
}

void IntermodList::MarkOutOfDate() {
    outOfDate_ = true;
    statusLine_ = StatusNotUpToDate;
    Notify();
}

void IntermodList::MarkCurrent(std::string statusLine) {
    outOfDate_ = false;
    statusLine_ = std::move(statusLine);
    Notify();
}

void IntermodList::SetStatusLine(std::string statusLine) {
    statusLine_ = std::move(statusLine);
    Notify();
}

void IntermodList::Notify() {
    if (stateChanged) {
        stateChanged();
    }
}

} // namespace spurline
