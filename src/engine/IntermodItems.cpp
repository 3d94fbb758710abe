#include "engine/IntermodItems.h"

#include "document/ErrorReport.h"
#include "document/MessageBox.h"
#include "document/TextHelpers.h"

#include <algorithm>

namespace spurline {

namespace {

[[noreturn]] void ThrowNoSuchPosition() {
    throw CommandFailure(errors::SubscriptOutOfRange, "Subscript out of range");
}

[[noreturn]] void ThrowNoSuchKey() {
    throw CommandFailure(errors::InvalidArgument, "Invalid procedure call or argument");
}

} // namespace

cIntermodItems::cIntermodItems(IMessageBox& messages) : messages_(messages) {}

std::string cIntermodItems::Folded(std::string_view key) {
    std::string folded(key);
    for (char& c : folded) {
        c = LowerAscii(c);
    }
    return folded;
}

const cIntermodItems::Pointer* cIntermodItems::Find(std::string_view key) const {
    auto found = byKey_.find(Folded(key));
    return found == byKey_.end() ? nullptr : &found->second;
}

void cIntermodItems::Add(Pointer IntermodItem, const std::string& sKey) {
    if (sKey.empty()) {
        messages_.CenteredMsgBox("Can't add intermod because the key is blank", msgbox::Critical);
        return;
    }
    std::string folded = Folded(sKey);
    if (byKey_.count(folded) != 0) {
        throw CommandFailure(errors::DuplicateKey,
                             "This key is already associated with an element of this collection");
    }
    IntermodItem->setKey(sKey);
    items_.push_back(IntermodItem);
    byKey_.emplace(std::move(folded), std::move(IntermodItem));
}

const cIntermodItems::Pointer& cIntermodItems::Item(int position) const {
    if (position < 1 || position > Count()) {
        ThrowNoSuchPosition();
    }
    return items_[static_cast<std::size_t>(position - 1)];
}

const cIntermodItems::Pointer& cIntermodItems::Item(std::string_view key) const {
    const Pointer* found = Find(key);
    if (found == nullptr) {
        ThrowNoSuchKey();
    }
    return *found;
}

void cIntermodItems::Remove(int position) {
    if (position < 1 || position > Count()) {
        ThrowNoSuchPosition();
    }
    auto at = items_.begin() + (position - 1);
    for (auto keyed = byKey_.begin(); keyed != byKey_.end(); ++keyed) {
        if (keyed->second == *at) {
            byKey_.erase(keyed);
            break;
        }
    }
    items_.erase(at);
}

void cIntermodItems::Remove(std::string_view key) {
    auto keyed = byKey_.find(Folded(key));
    if (keyed == byKey_.end()) {
        ThrowNoSuchKey();
    }
    auto at = std::find(items_.begin(), items_.end(), keyed->second);
    byKey_.erase(keyed);
    if (at != items_.end()) {
        items_.erase(at);
    }
}

bool cIntermodItems::InCollection(int position) const {
    return position >= 1 && position <= Count();
}

bool cIntermodItems::InCollection(std::string_view key) const {
    return Find(key) != nullptr;
}

void cIntermodItems::Clear() {
    items_.clear();
    byKey_.clear();
}

void cIntermodItems::SortByOrder() {
    if (items_.empty()) {
        return;
    }
    // A stable sort by order gives the same sequence as ranking order * 2^24 + position, without
    // that key's limits on the count and the order.
    std::stable_sort(items_.begin(), items_.end(),
                     [](const Pointer& a, const Pointer& b) { return a->order() < b->order(); });
    byKey_.clear();
}

} // namespace spurline
