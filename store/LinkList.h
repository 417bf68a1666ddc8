#pragma once

#include <string>
#include <vector>

namespace store {

// One of a record's four link lists. Entries are numbered from 1 to upperBound(),
// as everywhere in the program; index 0 is the empty placeholder that holds no
// entry. An empty list owns no memory, which keeps a big store quick to build.
class LinkList {
public:
    int upperBound() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }

    // Index 0 reads as the empty placeholder.
    const std::string& operator[](int index) const { return index == 0 ? placeholder() : entries_.at(index - 1); }
    // Only entries (1 to upperBound) can be changed.
    std::string& operator[](int index) { return entries_.at(static_cast<std::size_t>(index - 1)); }

    template <typename... Args>
    std::string& emplace_back(Args&&... args) { return entries_.emplace_back(std::forward<Args>(args)...); }
    void push_back(std::string entry) { entries_.push_back(std::move(entry)); }
    const std::string& back() const { return entries_.back(); }

    // Removes entry `index` (1 to upperBound); later entries move up by one.
    void erase(int index) { entries_.erase(entries_.begin() + (index - 1)); }

    // The entries 1 to upperBound, in order.
    std::vector<std::string>::const_iterator begin() const { return entries_.begin(); }
    std::vector<std::string>::const_iterator end() const { return entries_.end(); }

    bool operator==(const LinkList&) const = default;

private:
    static const std::string& placeholder()
    {
        static const std::string empty;
        return empty;
    }
    std::vector<std::string> entries_;
};

inline int upperBound(const LinkList& list) { return list.upperBound(); }

} // namespace store
