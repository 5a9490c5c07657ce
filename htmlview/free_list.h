#pragma once
// An owning list: it frees its items when they are deleted, when it is
// cleared and when it goes. Many of the viewer's lists derive from it.
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

namespace htmlview {

template <class T>
class TFreeList {
  public:
    TFreeList() = default;
    TFreeList(TFreeList&&) noexcept = default;
    TFreeList& operator=(TFreeList&&) noexcept = default;
    virtual ~TFreeList() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    // The item at `index`; an index outside the list throws std::out_of_range.
    T* Items(int index) const { return items_.at(checked(index)).get(); }
    T* operator[](int index) const { return Items(index); }
    T* First() const { return items_.empty() ? nullptr : items_.front().get(); }
    T* Last() const { return items_.empty() ? nullptr : items_.back().get(); }

    T* Add(std::unique_ptr<T> item) {
        items_.push_back(std::move(item));
        return items_.back().get();
    }
    T* Insert(int index, std::unique_ptr<T> item) {
        if (index < 0 || index > Count()) throw std::out_of_range("list index out of bounds");
        return items_.insert(items_.begin() + index, std::move(item))->get();
    }
    // Removes and frees the item at `index`.
    void Delete(int index) { items_.erase(items_.begin() + checked(index)); }
    // Removes the item at `index` and hands it to the caller.
    std::unique_ptr<T> Extract(int index) {
        const size_t i = checked(index);
        std::unique_ptr<T> item = std::move(items_[i]);
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(i));
        return item;
    }
    int IndexOf(const T* item) const {
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i].get() == item) return static_cast<int>(i);
        return -1;
    }
    virtual void Clear() { items_.clear(); }

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

  protected:
    size_t checked(int index) const {
        if (index < 0 || index >= Count()) throw std::out_of_range("list index out of bounds");
        return static_cast<size_t>(index);
    }
    std::vector<std::unique_ptr<T>> items_;
};

} // namespace htmlview
