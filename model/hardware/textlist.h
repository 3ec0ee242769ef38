#pragma once
// A small owned list of texts whose indexing is guarded like every other
// array of the model: a bad index throws "Range check error".

#include <string>
#include <vector>

#include "platform/core/checked.h"

class TTextList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& operator[](long long i) const {
        rtl::CheckIndex(i, 0, static_cast<long long>(items_.size()) - 1);
        return items_[static_cast<std::size_t>(i)];
    }
    void Add(const std::string& s) { items_.push_back(s); }
    void Clear() { items_.clear(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    bool operator==(const TTextList&) const = default;

private:
    std::vector<std::string> items_;
};
