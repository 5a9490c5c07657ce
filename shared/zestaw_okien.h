#pragma once
// The windows of a program: created one by one in their order at start-up,
// each behind its global pointer, and deleted in reverse order at the end
// (the pointers cleared). A window whose creation throws leaves its pointer
// null and the ones made before it in the set.
#include <functional>
#include <utility>
#include <vector>

class ZestawOkien {
  public:
    ZestawOkien() = default;
    ZestawOkien(const ZestawOkien&) = delete;
    ZestawOkien& operator=(const ZestawOkien&) = delete;
    ~ZestawOkien() {
        for (auto it = usun_.rbegin(); it != usun_.rend(); ++it)
            (*it)();
    }

    template <class T, class... Arg> T* utworz(T*& wskaznik, Arg&&... arg) {
        wskaznik = new T(std::forward<Arg>(arg)...);
        usun_.push_back([&wskaznik] {
            delete wskaznik;
            wskaznik = nullptr;
        });
        return wskaznik;
    }

    int ile() const { return static_cast<int>(usun_.size()); }

  private:
    std::vector<std::function<void()>> usun_;
};
