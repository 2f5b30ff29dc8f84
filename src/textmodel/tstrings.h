// The ordered list of strings with an object slot per string that the
// document's facades and its callers exchange lines through.
#pragma once

#include <vector>

#include "support/qschar.h"

namespace qs {

class TStrings {
 public:
  TStrings() = default;
  virtual ~TStrings() = default;
  TStrings(const TStrings&) = delete;
  TStrings& operator=(const TStrings&) = delete;

  virtual int Count() const = 0;
  // An index outside 0..Count()-1 reads as an empty string and no object.
  virtual String Get(int index) const = 0;
  virtual void* GetObject(int /*index*/) const { return nullptr; }
  virtual void Put(int index, StringView text) = 0;
  virtual void PutObject(int /*index*/, void* /*obj*/) {}
  virtual void Insert(int index, StringView text) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  // Sorting is not supported, and exchanging lines is deliberately a no-op.
  virtual void Exchange(int /*a*/, int /*b*/) {}

  // The lines joined with CR LF, no break after the last one.
  virtual String Text() const;
  // Replaces everything; CR LF, CR and LF each end a line, and a final break
  // does not make an extra empty line.
  virtual void SetText(StringView text);
  virtual void Assign(const TStrings& other);

  virtual void BeginUpdate() {}
  virtual void EndUpdate() {}

  void Add(StringView text) { Insert(Count(), text); }
  String operator[](int index) const { return Get(index); }
};

// Splits text at CR LF, CR and LF; a final break makes no extra line.
std::vector<String> SplitLines(StringView text);

// A plain list of strings, for callers that want lines copied out.
class TStringList : public TStrings {
 public:
  int Count() const override { return static_cast<int>(m_lines.size()); }
  String Get(int index) const override;
  void* GetObject(int index) const override;
  void Put(int index, StringView text) override;
  void PutObject(int index, void* obj) override;
  void Insert(int index, StringView text) override;
  void Delete(int index) override;
  void Clear() override { m_lines.clear(); }

 private:
  bool Valid(int index) const { return index >= 0 && index < Count(); }
  struct Line {
    String text;
    void* obj = nullptr;
  };
  std::vector<Line> m_lines;
};

}  // namespace qs
