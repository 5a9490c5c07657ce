#pragma once
// Deflate and inflate streams over zlib, through 64 KiB buffers. The PNG
// reader and writer move their image data through them.
#include <zlib.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

#include "htmlview/stream.h"

namespace htmlview {

class EZLibError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
class EZCompressionError : public EZLibError {
  public:
    using EZLibError::EZLibError;
};
class EZDecompressionError : public EZLibError {
  public:
    using EZLibError::EZLibError;
};

class TCustomZStream : public TStream {
  public:
    static constexpr int kBufferSize = 65536;
    std::function<void(TCustomZStream&)> OnProgress;

  protected:
    explicit TCustomZStream(TStream& strm);
    virtual void DoProgress() {
        if (OnProgress) OnProgress(*this);
    }
    TStream& strm_;
    int64_t strm_pos_;
    z_stream z_{};
    std::vector<unsigned char> buffer_;
};

enum class TCompressionLevel { None, Fastest, Default, Max };

// Writing compresses into `dest`; the stream is finished when it is destroyed
// (or by Finish()).
class TZCompressionStream : public TCustomZStream {
  public:
    TZCompressionStream(TCompressionLevel level, TStream& dest);
    ~TZCompressionStream() override;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    // Flushes the rest into `dest`; further writes are refused. Raises on a
    // zlib failure (the destructor swallows it).
    void Finish();

  private:
    void Flush();
    bool finished_ = false;
};

// Reading inflates from `source`. A read ends early at the end of the
// compressed data, at the end of `source`, or when zlib can make no progress.
class TZDecompressionStream : public TCustomZStream {
  public:
    explicit TZDecompressionStream(TStream& source);
    ~TZDecompressionStream() override;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    int64_t Size() override { return -1; }
    // The compressed data ended properly.
    bool AtStreamEnd() const { return ended_; }

  private:
    int64_t produced_ = 0;
    bool ended_ = false;
    bool stuck_ = false;
};

} // namespace htmlview
