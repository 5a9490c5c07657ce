#pragma once
// A list of the files of one folder whose names match a mask ("*.wav";
// without regard to case), sorted by name without regard to case. Names are
// shown and returned in the font's 8-bit character set.
#include <string>

#include "platform/ui/controls.h"

namespace ui {

class FileListBox : public ListBox {
  public:
    explicit FileListBox(QWidget* parent);

    // Lists the folder anew (a missing folder lists nothing).
    void SetDirectory(const std::string& folder);
    const std::string& Directory() const { return folder_; }
    void SetMask(const std::string& mask); // lists anew
    const std::string& Mask() const { return mask_; }
    void Update(); // reads the folder again; the selection is kept by name

    // The selected file's name without its folder; empty for none.
    std::string FileName() const;

  private:
    std::string folder_;
    std::string mask_ = "*.*";
};

} // namespace ui
