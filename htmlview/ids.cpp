#include "htmlview/ids.h"

#include "platform/os/codepage.h"

namespace htmlview {

int TChPosObj::GetYPosition() {
    int y = 0;
    return Document && Document->YOfSourcePosition(ChPos, y) ? y : 0;
}

void TIDNameList::AddObject(std::string_view name, TIDObject* obj) {
    entries_[os::lower_1250(name)] = Entry{obj, nullptr};
}

void TIDNameList::AddChPosObject(std::string_view name, int pos) {
    auto place = std::make_unique<TChPosObj>(Document, pos);
    TIDObject* obj = place.get();
    entries_[os::lower_1250(name)] = Entry{obj, std::move(place)};
}

void TIDNameList::RemoveObject(const TIDObject* obj) {
    std::erase_if(entries_, [obj](const auto& e) { return e.second.obj == obj; });
}

TIDObject* TIDNameList::Find(std::string_view name) const {
    auto it = entries_.find(os::lower_1250(name));
    return it == entries_.end() ? nullptr : it->second.obj;
}

} // namespace htmlview
