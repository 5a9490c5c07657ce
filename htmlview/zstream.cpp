#include "htmlview/zstream.h"

#include <cstdlib>
#include <cstring>

namespace htmlview {

namespace {

const char* const kInvalidOp = "Invalid ZStream operation!";

void* ZAlloc(void*, uInt items, uInt size) { return std::calloc(items, size); }
void ZFree(void*, void* p) { std::free(p); }

template <class E>
int Check(int code) {
    if (code < 0) throw E(zError(code));
    return code;
}

} // namespace

TCustomZStream::TCustomZStream(TStream& strm)
    : strm_(strm), strm_pos_(strm.Position()), buffer_(kBufferSize) {
    z_.zalloc = ZAlloc;
    z_.zfree = ZFree;
    z_.opaque = nullptr;
}

TZCompressionStream::TZCompressionStream(TCompressionLevel level, TStream& dest)
    : TCustomZStream(dest) {
    static const int levels[] = {Z_NO_COMPRESSION, Z_BEST_SPEED, Z_DEFAULT_COMPRESSION,
                                 Z_BEST_COMPRESSION};
    Check<EZCompressionError>(deflateInit(&z_, levels[static_cast<int>(level)]));
    z_.next_out = buffer_.data();
    z_.avail_out = kBufferSize;
}

void TZCompressionStream::Flush() {
    if (strm_.Position() != strm_pos_) strm_.SetPosition(strm_pos_);
    strm_.Write(buffer_.data(), kBufferSize - z_.avail_out);
    strm_pos_ = strm_.Position();
    z_.next_out = buffer_.data();
    z_.avail_out = kBufferSize;
    DoProgress();
}

int64_t TZCompressionStream::Write(const void* buffer, int64_t count) {
    if (finished_) throw EZCompressionError(kInvalidOp);
    const unsigned char* p = static_cast<const unsigned char*>(buffer);
    int64_t left = count;
    while (left > 0) {
        const uInt chunk = left > (1 << 30) ? (1u << 30) : static_cast<uInt>(left);
        z_.next_in = const_cast<Bytef*>(p);
        z_.avail_in = chunk;
        while (z_.avail_in > 0) {
            Check<EZCompressionError>(deflate(&z_, Z_NO_FLUSH));
            if (z_.avail_out == 0) Flush();
        }
        p += chunk;
        left -= chunk;
    }
    return count;
}

void TZCompressionStream::Finish() {
    if (finished_) return;
    finished_ = true;
    z_.next_in = nullptr;
    z_.avail_in = 0;
    for (;;) {
        const int r = Check<EZCompressionError>(deflate(&z_, Z_FINISH));
        if (r == Z_STREAM_END) break;
        if (z_.avail_out == 0) Flush();
    }
    if (z_.avail_out < static_cast<uInt>(kBufferSize)) {
        if (strm_.Position() != strm_pos_) strm_.SetPosition(strm_pos_);
        strm_.Write(buffer_.data(), kBufferSize - z_.avail_out);
        strm_pos_ = strm_.Position();
    }
}

TZCompressionStream::~TZCompressionStream() {
    try {
        Finish();
    } catch (...) {
    }
    deflateEnd(&z_);
}

int64_t TZCompressionStream::Read(void*, int64_t) { throw EZCompressionError(kInvalidOp); }

int64_t TZCompressionStream::Seek(int64_t offset, SeekOrigin origin) {
    if (offset == 0 && origin == SeekOrigin::Current) return z_.total_in;
    throw EZCompressionError(kInvalidOp);
}

TZDecompressionStream::TZDecompressionStream(TStream& source) : TCustomZStream(source) {
    z_.next_in = buffer_.data();
    z_.avail_in = 0;
    Check<EZDecompressionError>(inflateInit(&z_));
}

TZDecompressionStream::~TZDecompressionStream() { inflateEnd(&z_); }

int64_t TZDecompressionStream::Read(void* buffer, int64_t count) {
    if (count <= 0) return 0;
    unsigned char* out = static_cast<unsigned char*>(buffer);
    int64_t done = 0;
    // Stops at the end of the compressed data and when zlib can make no
    // progress with the input there is, so trailing bytes or a request for a
    // preset dictionary never keep it spinning.
    while (done < count && !ended_ && !stuck_) {
        if (z_.avail_in == 0) {
            if (strm_.Position() != strm_pos_) strm_.SetPosition(strm_pos_);
            const int64_t got = strm_.Read(buffer_.data(), kBufferSize);
            strm_pos_ = strm_.Position();
            if (got <= 0) break;
            z_.next_in = buffer_.data();
            z_.avail_in = static_cast<uInt>(got);
            DoProgress();
        }
        const int64_t want = count - done;
        z_.next_out = out + done;
        z_.avail_out = want > (1 << 30) ? (1u << 30) : static_cast<uInt>(want);
        const uInt before_in = z_.avail_in;
        const uInt before_out = z_.avail_out;
        const int r = inflate(&z_, Z_NO_FLUSH);
        done += before_out - z_.avail_out;
        if (r == Z_STREAM_END) {
            ended_ = true;
        } else if (r == Z_NEED_DICT) {
            throw EZDecompressionError(zError(Z_DATA_ERROR));
        } else if (r == Z_BUF_ERROR || (before_in == z_.avail_in && before_out == z_.avail_out)) {
            stuck_ = z_.avail_in > 0;
        } else {
            Check<EZDecompressionError>(r);
        }
    }
    produced_ += done;
    return done;
}

int64_t TZDecompressionStream::Write(const void*, int64_t) {
    throw EZDecompressionError(kInvalidOp);
}

int64_t TZDecompressionStream::Seek(int64_t offset, SeekOrigin origin) {
    if (offset == 0 && origin == SeekOrigin::Beginning) {
        Check<EZDecompressionError>(inflateReset(&z_));
        z_.next_in = buffer_.data();
        z_.avail_in = 0;
        strm_.SetPosition(0);
        strm_pos_ = 0;
        produced_ = 0;
        ended_ = stuck_ = false;
        return 0;
    }
    int64_t skip = -1;
    if (origin == SeekOrigin::Current && offset >= 0) skip = offset;
    if (origin == SeekOrigin::Beginning && offset >= produced_) skip = offset - produced_;
    if (skip < 0) throw EZDecompressionError(kInvalidOp);
    unsigned char scratch[4096];
    while (skip > 0) {
        const int64_t n = Read(scratch, skip < 4096 ? skip : 4096);
        if (n <= 0) break;
        skip -= n;
    }
    return produced_;
}

} // namespace htmlview
