#pragma once
// A read-only view of a constant table, so that tables of different lengths
// can sit side by side in one constant description.

#include <cstddef>

template <class T>
class ConstList {
public:
    constexpr ConstList() = default;
    template <std::size_t N>
    // Implicit, so that a table names its list by the array alone.
    constexpr ConstList(const T (&items)[N]) : items_(items), size_(N) {}

    constexpr const T* begin() const { return items_; }
    constexpr const T* end() const { return items_ + size_; }
    constexpr std::size_t size() const { return size_; }
    constexpr const T& operator[](std::size_t i) const { return items_[i]; }

private:
    const T* items_ = nullptr;
    std::size_t size_ = 0;
};
