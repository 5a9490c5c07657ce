#pragma once
// Named places of a page: anchors and element ids, each naming an object
// that knows its y in the laid-out document.
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace htmlview {

class TIDObject {
  public:
    virtual ~TIDObject() = default;
    // The object's y in the document.
    virtual int GetYPosition() = 0;
};

// What a place given by a source position asks of its document: the y of
// that position, false when no section holds it.
class TChPosDocument {
  public:
    virtual bool YOfSourcePosition(int pos, int& y) = 0;

  protected:
    ~TChPosDocument() = default;
};

// A place given only by a source position (an element id).
class TChPosObj : public TIDObject {
  public:
    TChPosObj(TChPosDocument* document, int pos) : ChPos(pos), Document(document) {}
    int GetYPosition() override;

    int ChPos;
    TChPosDocument* Document;
};

// Name -> place, names compared without regard to case. Places made here
// (AddChPosObject) belong to the list; the others to the document.
class TIDNameList {
  public:
    explicit TIDNameList(TChPosDocument* document) : Document(document) {}

    // A name given again replaces the earlier entry.
    void AddObject(std::string_view name, TIDObject* obj);
    void AddChPosObject(std::string_view name, int pos);
    void Clear() { entries_.clear(); }
    // Drops every name of an object that goes away.
    void RemoveObject(const TIDObject* obj);

    TIDObject* Find(std::string_view name) const;
    int Count() const { return static_cast<int>(entries_.size()); }

    TChPosDocument* Document;

  private:
    struct Entry {
        TIDObject* obj = nullptr;
        std::unique_ptr<TChPosObj> owned;
    };
    std::map<std::string, Entry, std::less<>> entries_; // by case-folded name
};

} // namespace htmlview
