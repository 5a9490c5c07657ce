#pragma once
// Byte streams the picture classes read and write: a position, a size, and
// reads that may return fewer bytes than asked at the end.
#include <cstdint>
#include <string>
#include <string_view>

namespace htmlview {

enum class SeekOrigin { Beginning, Current, End };

class TStream {
  public:
    virtual ~TStream() = default;
    // Copies up to `count` bytes into `buffer`; returns how many were copied.
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    // Returns the new position.
    virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, SeekOrigin::Current); }
    void SetPosition(int64_t p) { Seek(p, SeekOrigin::Beginning); }
    virtual int64_t Size();
};

// A stream over bytes in memory, growing on writes.
class TMemoryStream : public TStream {
  public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::string bytes) : data_(std::move(bytes)) {}

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }

    const std::string& Bytes() const { return data_; }
    std::string& Bytes() { return data_; }
    void Clear() {
        data_.clear();
        pos_ = 0;
    }
    // Reads the whole file; false when it cannot be read.
    bool LoadFromFile(const std::string& path);

  private:
    std::string data_;
    int64_t pos_ = 0;
};

// A read-only stream over bytes someone else keeps alive.
class TViewStream : public TStream {
  public:
    explicit TViewStream(std::string_view bytes) : data_(bytes) {}
    TViewStream(std::string&&) = delete; // would outlive its bytes
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void*, int64_t) override { return 0; }
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }

  private:
    std::string_view data_;
    int64_t pos_ = 0;
};

} // namespace htmlview
