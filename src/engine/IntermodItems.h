#pragma once

#include "engine/IntermodItem.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace spurline {

class IMessageBox;

// The products of the last calculation in the order they were found, addressed by 1-based position
// or, until the collection is sorted, by key (letter case ignored). Products are shared: one
// taken out with Item stays valid after the collection is cleared.
class cIntermodItems {
public:
    using Pointer = std::shared_ptr<cIntermodItem>;
    using const_iterator = std::vector<Pointer>::const_iterator;

    explicit cIntermodItems(IMessageBox& messages);

    // Appends the product under sKey and sets its key. A blank key is refused with a message.
    // A key already present throws CommandFailure.
    void Add(Pointer IntermodItem, const std::string& sKey);
    // Position 1 to Count, or a key; throws CommandFailure when there is no such product.
    const Pointer& Item(int position) const;
    const Pointer& Item(std::string_view key) const;
    int Count() const { return static_cast<int>(items_.size()); }
    // Removes one product; later positions move up. Throws CommandFailure when there is none.
    void Remove(int position);
    void Remove(std::string_view key);
    // Whether Item would find a product; never throws.
    bool InCollection(int position) const;
    bool InCollection(std::string_view key) const;
    void Clear();
    // Stable by order; afterwards products are found by position only.
    void SortByOrder();

    // NewEnum: the products in position order.
    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }

    void Reserve(std::size_t count) { items_.reserve(count); }

private:
    static std::string Folded(std::string_view key);
    const Pointer* Find(std::string_view key) const;

    IMessageBox& messages_;
    std::vector<Pointer> items_;
    std::unordered_map<std::string, Pointer> byKey_;
};

namespace errors {
// The collection's own failures, with the numbers of the older runtime's collection.
inline constexpr int InvalidArgument = 5;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int DuplicateKey = 457;
} // namespace errors

} // namespace spurline
