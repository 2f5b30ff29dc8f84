#include "support/persistent.h"

#include <algorithm>
#include <limits>

#include "support/asciicase.h"
#include "support/collection.h"
#include "support/errors.h"

namespace qs {

namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kUInt32Max = std::numeric_limits<std::uint32_t>::max();
constexpr std::int64_t kMaxCodePoint = 0x10FFFF;

bool IsAsciiBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsAsciiBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsAsciiBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Either 32-bit reading of a bit pattern, as its unsigned value.
std::optional<std::uint32_t> AsBitPattern(std::int64_t value) {
  if (value < kInt32Min || value > kUInt32Max) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

}  // namespace

bool PropInfo::IsOrdinal() const noexcept {
  switch (kind) {
    case PropKind::Integer:
    case PropKind::Boolean:
    case PropKind::Enumeration:
    case PropKind::Set:
    case PropKind::Char:
    case PropKind::Colour:
    case PropKind::UInt32:
      return true;
    default:
      return false;
  }
}

bool PropInfo::IsDefault(const TPersistent& owner) const {
  return IsScalar() && defaultValue && *defaultValue == get(owner);
}

const TPersistent& PropInfo::SubObject(const TPersistent& owner) const {
  // The accessor only hands out the part the owner already holds.
  return object(const_cast<TPersistent&>(owner));
}

const TCollection& PropInfo::CollectionOf(const TPersistent& owner) const {
  return collection(const_cast<TPersistent&>(owner));
}

std::optional<std::int64_t> PropInfo::NormaliseOrdinal(std::int64_t value) const {
  switch (kind) {
    case PropKind::Integer:
      if (value < kInt32Min || value > kInt32Max) return std::nullopt;
      return value;
    case PropKind::Boolean:
      return value != 0 ? 1 : 0;
    case PropKind::Enumeration:
      if (value < 0 || value >= static_cast<std::int64_t>(names.size())) return std::nullopt;
      return value;
    case PropKind::Set: {
      auto mask = AsBitPattern(value);
      if (!mask) return std::nullopt;
      if (names.size() < 32 && (*mask >> names.size()) != 0) return std::nullopt;
      return *mask;
    }
    case PropKind::Char:
      if (value < 0 || value > kMaxCodePoint || (value >= 0xD800 && value <= 0xDFFF))
        return std::nullopt;
      return value;
    case PropKind::Colour: {
      auto bits = AsBitPattern(value);
      if (!bits) return std::nullopt;
      return static_cast<std::int32_t>(*bits);
    }
    case PropKind::UInt32: {
      auto bits = AsBitPattern(value);
      if (!bits) return std::nullopt;
      return *bits;
    }
    default:
      return std::nullopt;
  }
}

ClassInfo::ClassInfo(std::string name, const ClassInfo* parent, std::vector<PropInfo> own)
    : m_name(std::move(name)), m_parent(parent), m_own(std::move(own)) {
  if (m_parent) m_all = m_parent->m_all;
  for (const PropInfo& p : m_own) {
    auto same = std::find_if(m_all.begin(), m_all.end(), [&](const PropInfo* q) {
      return EqualsIgnoringAsciiCase(q->name, p.name);
    });
    if (same != m_all.end())
      *same = &p;
    else
      m_all.push_back(&p);
  }
}

const PropInfo* ClassInfo::FindProperty(std::string_view name) const {
  for (const PropInfo* p : m_all)
    if (EqualsIgnoringAsciiCase(p->name, name)) return p;
  return nullptr;
}

bool ClassInfo::InheritsFrom(const ClassInfo& ancestor) const noexcept {
  for (const ClassInfo* c = this; c; c = c->m_parent)
    if (c == &ancestor) return true;
  return false;
}

const ClassInfo& TPersistent::StaticClassInfo() {
  static const ClassInfo info("TPersistent", nullptr);
  return info;
}

void TPersistent::Assign(const TPersistent& source) {
  if (&source == this) return;
  const ClassInfo& mine = GetClassInfo();
  if (!source.GetClassInfo().InheritsFrom(mine))
    throw Error("Cannot assign a " + source.ClassName() + " to a " + ClassName());
  for (const PropInfo* p : mine.Properties())
    if (!p->streamOnly) CopyProperty(*this, *p, source, *p);
}

bool CopyProperty(TPersistent& dst, const PropInfo& dstProp, const TPersistent& src,
                  const PropInfo& srcProp) {
  switch (dstProp.kind) {
    case PropKind::Object:
      dstProp.SubObject(dst).Assign(srcProp.SubObject(src));
      return true;
    case PropKind::Collection:
      dstProp.CollectionOf(dst).Assign(srcProp.CollectionOf(src));
      return true;
    default:
      break;
  }
  PropValue value = srcProp.get(src);
  if (dstProp.IsOrdinal()) {
    auto ordinal = dstProp.NormaliseOrdinal(std::get<std::int64_t>(value));
    if (!ordinal) return false;
    value = *ordinal;
  }
  dstProp.set(dst, value);
  return true;
}

void AssignByName(TPersistent& dst, const TPersistent& src, std::string_view names) {
  const ClassInfo& dstInfo = dst.GetClassInfo();
  const ClassInfo& srcInfo = src.GetClassInfo();
  while (!names.empty()) {
    const std::size_t comma = names.find(',');
    const std::string_view name = TrimBlanks(names.substr(0, comma));
    names = comma == std::string_view::npos ? std::string_view() : names.substr(comma + 1);
    const PropInfo* d = dstInfo.FindProperty(name);
    const PropInfo* s = srcInfo.FindProperty(name);
    if (d && s && d->kind == s->kind && !d->streamOnly && !s->streamOnly)
      CopyProperty(dst, *d, src, *s);
  }
}

void ResetToDefaults(TPersistent& object) {
  for (const PropInfo* p : object.GetClassInfo().Properties()) {
    if (p->streamOnly) continue;
    if (p->kind == PropKind::Object) {
      ResetToDefaults(p->SubObject(object));
    } else if (p->kind == PropKind::Collection) {
      p->CollectionOf(object).Clear();
    } else if (p->defaultValue) {
      p->set(object, *p->defaultValue);
    }
  }
}

}  // namespace qs
