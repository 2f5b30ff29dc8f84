// Closes an update bracket when the scope ends, also when the work inside it
// throws, so a failed operation never leaves an object stuck in an update.
#pragma once

namespace qs {

template <class T>
class UpdateBracket {
 public:
  explicit UpdateBracket(T& target) : m_target(target) { m_target.BeginUpdate(); }
  ~UpdateBracket() { m_target.EndUpdate(); }
  UpdateBracket(const UpdateBracket&) = delete;
  UpdateBracket& operator=(const UpdateBracket&) = delete;

 private:
  T& m_target;
};

}  // namespace qs
