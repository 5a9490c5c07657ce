#include "platform/ui/file_list.h"

#include <algorithm>
#include <filesystem>

#include "platform/os/codepage.h"
#include "platform/os/paths.h"

namespace ui {

FileListBox::FileListBox(QWidget* parent) : ListBox(parent) {}

void FileListBox::SetDirectory(const std::string& folder) {
    folder_ = folder;
    Update();
}

void FileListBox::SetMask(const std::string& mask) {
    mask_ = mask;
    Update();
}

void FileListBox::Update() {
    const std::string kept = FileName();
    std::vector<std::string> names;
    if (!folder_.empty() && os::folder_exists(folder_)) {
        for (const std::string& path : os::list_files(folder_, mask_)) {
            const std::string name = std::filesystem::path(path).filename().string();
            // Names on disc are UTF-8 as a rule; others are shown byte for byte.
            const int charset = GetFont().charset;
            names.push_back(os::is_valid_utf8(name) ? os::from_utf8(name, charset) : name);
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = os::lower_1250(a), lb = os::lower_1250(b);
        return la != lb ? la < lb : a < b;
    });
    Items().Assign(names);
    SetItemIndex(Items().IndexOf(kept));
}

std::string FileListBox::FileName() const {
    const int i = ItemIndex();
    return i < 0 ? std::string() : from_qt(item(i)->text(), GetFont().charset);
}

} // namespace ui
