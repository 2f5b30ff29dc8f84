// A check box bound to a Boolean published property, or to one member of a
// published set, of an object: it shows the value (exclusive-or Inverted) and
// a click writes the new value at once. The path names the property ("UseMonoFont"),
// or the set and its member ("Options.moDrawSpecialSymbols"); names before
// the last may descend through object-valued properties ("Font.Style.fsBold").
// A path that leads nowhere disables the box. The object must outlive the box
// or be unbound first (SetComponent(nullptr)).
#pragma once

#include <optional>
#include <string>

#include "platform/controls.h"

namespace qs {

class TPersistent;
struct PropInfo;

class TQSPropCheck : public TCheckBox {
 public:
  using TCheckBox::TCheckBox;

  [[nodiscard]] TPersistent* Component() const { return m_component; }
  void SetComponent(TPersistent* component);
  [[nodiscard]] const std::string& PropName() const { return m_propName; }
  void SetPropName(std::string path);
  [[nodiscard]] bool Inverted() const { return m_inverted; }
  void SetInverted(bool inverted);

  // Reads the property again (after it was changed elsewhere).
  void Refresh();
  // Writes the toggled value; a refused write (qs::Error) leaves the box
  // showing what the property holds and is passed on.
  void Click() override;

 private:
  struct Target {
    TPersistent* object;
    const PropInfo* prop;
    int member;  // the set member's ordinal, -1 for a Boolean
  };
  [[nodiscard]] std::optional<Target> Resolve() const;
  static bool Read(const Target& target);
  static void Write(const Target& target, bool value);

  TPersistent* m_component = nullptr;
  std::string m_propName;
  bool m_inverted = false;
};

}  // namespace qs
