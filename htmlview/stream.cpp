#include "htmlview/stream.h"

#include <algorithm>
#include <cstring>

#include "platform/os/read_file.h"

namespace htmlview {

int64_t TStream::Size() {
    const int64_t here = Position();
    const int64_t end = Seek(0, SeekOrigin::End);
    Seek(here, SeekOrigin::Beginning);
    return end;
}

namespace {

int64_t NewPosition(int64_t pos, int64_t size, int64_t offset, SeekOrigin origin) {
    int64_t base = origin == SeekOrigin::Beginning ? 0 : origin == SeekOrigin::Current ? pos : size;
    const int64_t p = base + offset;
    return p < 0 ? 0 : p;
}

int64_t ReadFrom(std::string_view data, int64_t& pos, void* buffer, int64_t count) {
    const int64_t size = static_cast<int64_t>(data.size());
    if (count <= 0 || pos >= size) return 0;
    const int64_t n = std::min(count, size - pos);
    std::memcpy(buffer, data.data() + pos, static_cast<size_t>(n));
    pos += n;
    return n;
}

} // namespace

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
    return ReadFrom(data_, pos_, buffer, count);
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
    if (count <= 0) return 0;
    const size_t end = static_cast<size_t>(pos_ + count);
    if (end > data_.size()) data_.resize(end);
    std::memcpy(data_.data() + pos_, buffer, static_cast<size_t>(count));
    pos_ += count;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, SeekOrigin origin) {
    pos_ = NewPosition(pos_, Size(), offset, origin);
    return pos_;
}

bool TMemoryStream::LoadFromFile(const std::string& path) {
    std::string bytes;
    if (!os::read_file(path, bytes)) return false;
    data_ = std::move(bytes);
    pos_ = 0;
    return true;
}

int64_t TViewStream::Read(void* buffer, int64_t count) { return ReadFrom(data_, pos_, buffer, count); }

int64_t TViewStream::Seek(int64_t offset, SeekOrigin origin) {
    pos_ = NewPosition(pos_, Size(), offset, origin);
    return pos_;
}

} // namespace htmlview
