#pragma once
// PNG pictures read into and written from a TBitmap. The file is kept as a
// list of chunks; reading decodes them in file order into the bitmap, writing
// refreshes them from the bitmap first.
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "htmlview/bitmap.h"
#include "htmlview/stream.h"

namespace htmlview {

// Message identifiers of the PNG reader and writer.
enum PngError : int {
    kPngNoData = 65280,
    kPngInvalidPalette = 65281,
    kPngUnknownColorType = 65282,
    kPngUnknownFilter = 65283,
    kPngUnknownInterlace = 65284,
    kPngUnknownCritical = 65285,
    kPngNoPalette = 65286,
    kPngNotRgb = 65287,
    kPngChunkNotOwned = 65288,
    kPngInvalidHeader = 65307,
    kPngChunkIndex = 65308,
    kPngClassIndex = 65309,
    kPngCorrupt = 65310,
    kPngNoIhdr = 65311,
};

class EPNGImageException : public EInvalidGraphic {
  public:
    explicit EPNGImageException(int code);
    int Code() const { return code_; }

  private:
    int code_;
};

// The message of one identifier, and the full text shown for it.
std::string PngMessage(int code);

class TChunk;
class TChunkList;
class TPNGImage;

// A chunk class is its factory: it makes a chunk of that class for a list.
using TChunkClass = std::unique_ptr<TChunk> (*)(TChunkList* owner);

class TChunk {
  public:
    explicit TChunk(TChunkList* owner);
    static std::unique_ptr<TChunk> Make(TChunkList* owner);
    virtual ~TChunk() = default;
    virtual TChunkClass Class() const;
    virtual void Decode() {}
    virtual void Assign(const TChunk& source);
    virtual void SaveToStream(TStream& stream);

    TChunkList* Owner() const { return owner_; }
    TPNGImage& Image() const;

    std::string Name; // 4 characters
    std::string Data;

  protected:
    void TakeRegisteredName();

  private:
    TChunkList* owner_;
};

class TChunkIHDR : public TChunk {
  public:
    explicit TChunkIHDR(TChunkList* owner);
    static std::unique_ptr<TChunk> Make(TChunkList* owner);
    TChunkClass Class() const override;
    void Decode() override; // validates the header
    void SaveToStream(TStream& stream) override;

    uint32_t Width() const;
    uint32_t Height() const;
    uint8_t BitDepth() const { return Byte(8); }
    uint8_t ColorType() const { return Byte(9); }
    uint8_t Compression() const { return Byte(10); }
    uint8_t Filter() const { return Byte(11); }
    uint8_t Interlace() const { return Byte(12); }
    void Set(uint32_t w, uint32_t h, uint8_t depth, uint8_t color_type, uint8_t interlace);

  private:
    uint8_t Byte(size_t i) const { return i < Data.size() ? uint8_t(Data[i]) : 0; }
};

class TChunkIDAT : public TChunk {
  public:
    explicit TChunkIDAT(TChunkList* owner);
    static std::unique_ptr<TChunk> Make(TChunkList* owner);
    TChunkClass Class() const override;
    void Decode() override;
    void SaveToStream(TStream& stream) override;
};

class TChunkPLTE : public TChunk {
  public:
    explicit TChunkPLTE(TChunkList* owner);
    static std::unique_ptr<TChunk> Make(TChunkList* owner);
    TChunkClass Class() const override;
    void SaveToStream(TStream& stream) override;
    Palette Entries() const; // the colours as stored (no gamma)
};

class TChunkGAMA : public TChunk {
  public:
    explicit TChunkGAMA(TChunkList* owner);
    static std::unique_ptr<TChunk> Make(TChunkList* owner);
    TChunkClass Class() const override;
    void Decode() override;
    void Assign(const TChunk& source) override;

    uint32_t Value() const;
    // Usable: 4 bytes and a value above 0; otherwise the chunk is ignored.
    bool Valid() const;
    bool Built() const { return built_; }
    uint8_t Forward[256] = {};
    uint8_t Inverse[256] = {};

  private:
    bool built_ = false;
};

class TChunkTRNS : public TChunk {
  public:
    explicit TChunkTRNS(TChunkList* owner);
    static std::unique_ptr<TChunk> Make(TChunkList* owner);
    TChunkClass Class() const override;
    void SaveToStream(TStream& stream) override;
    // The transparent colour of a truecolour image; raises kPngNotRgb for
    // other colour types. `valid` is false when the chunk is too short.
    QRgb TransparentColor(bool* valid = nullptr) const;
};

class TChunkTEXT : public TChunk {
  public:
    explicit TChunkTEXT(TChunkList* owner);
    static std::unique_ptr<TChunk> Make(TChunkList* owner);
    TChunkClass Class() const override;
};

class TChunkIEND : public TChunk {
  public:
    explicit TChunkIEND(TChunkList* owner);
    static std::unique_ptr<TChunk> Make(TChunkList* owner);
    TChunkClass Class() const override;
};

// The registry of chunk names and their classes.
class TChunkClasses {
  public:
    void Register(const std::string& name, TChunkClass cls);
    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& Name(int index) const;
    TChunkClass Item(int index) const;
    int IndexOfName(const std::string& name) const;
    int IndexOfClass(TChunkClass cls) const;

  private:
    std::vector<std::pair<std::string, TChunkClass>> items_;
};
// The program's registry: IEND, IHDR, gAMA, IDAT, PLTE, tEXt, tRNS.
TChunkClasses& ChunkClasses();

class TChunkList {
  public:
    explicit TChunkList(TPNGImage* owner) : owner_(owner) {}
    TPNGImage* Owner() const { return owner_; }
    void SetOwner(TPNGImage* owner) { owner_ = owner; }
    int Count() const { return static_cast<int>(items_.size()); }
    TChunk& Item(int index) const;
    void Add(std::unique_ptr<TChunk> chunk);
    TChunk& AddNew(TChunkClass cls);
    int IndexOf(const TChunk* chunk) const;
    int IndexOfClass(TChunkClass cls) const;
    void Move(int from, int to);
    void Remove(TChunk* chunk);
    void Clear();
    template <class C>
    C* Find() const {
        const int i = IndexOfClass(&C::Make);
        return i < 0 ? nullptr : static_cast<C*>(&Item(i));
    }

  private:
    TPNGImage* owner_;
    std::vector<std::unique_ptr<TChunk>> items_;
};

enum class PngFilter { None, Sub, Up, Average, Paeth };
using PngFilterSet = unsigned; // bit per PngFilter
constexpr PngFilterSet FilterBit(PngFilter f) { return 1u << static_cast<int>(f); }

class TPNGImage : public TBitmap {
  public:
    TPNGImage();
    TPNGImage(const TPNGImage&) = delete;
    TPNGImage& operator=(const TPNGImage&) = delete;
    TPNGImage(TPNGImage&& other) noexcept;

    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream);
    void Assign(const TPNGImage& source);

    TChunkList& Chunks() { return *chunks_; }
    const TChunkList& Chunks() const { return *chunks_; }
    PngFilterSet Filters() const { return filters_; }
    void SetFilters(PngFilterSet set) { filters_ = set | FilterBit(PngFilter::None); }
    bool Interlaced = false;
    // Told the share done (0..100) while the pixels are decoded ("Drawing...").
    std::function<void(int percent)> OnProgress;

    TBitmap& Bitmap() { return *this; }

  private:
    void AddDefaultChunks();
    std::unique_ptr<TChunkList> chunks_ = std::make_unique<TChunkList>(this);
    PngFilterSet filters_ = FilterBit(PngFilter::None) | FilterBit(PngFilter::Sub) |
                            FilterBit(PngFilter::Average) | FilterBit(PngFilter::Paeth);
};

// CRC-32 of PNG chunks (over name and data).
uint32_t PngCrc(const void* data, size_t size, uint32_t crc = 0);

} // namespace htmlview
