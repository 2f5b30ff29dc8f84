// The one boundary between the desktop and the program: wherever an event
// from the OS or the toolkit enters our code, the call goes through here and
// nothing thrown leaves it. A cancel (qs::Abort) ends quietly; an operation's
// error (qs::Error) is shown to the user; anything else is a fault of ours or
// of the machine (std::length_error, std::bad_alloc, ...): it is shown as an
// internal error and logged, and the program goes on.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace qs {

// Shows a failure's text (UTF-8) to the user: the program's error box.
using FailureShower = std::function<void(const std::string& text)>;

// A failure of a test's own harness (a prompt no script foresaw). No boundary
// stops it, so the test fails where it happens instead of seeing it shown as
// one of the program's errors; the program itself never throws one.
class HarnessFailure : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// Makes show the shower of the boundaries for its lifetime and puts the one
// before back after. With none installed, what would be shown is logged.
class FailureShowerInstallation {
 public:
  explicit FailureShowerInstallation(FailureShower show);
  ~FailureShowerInstallation();
  FailureShowerInstallation(const FailureShowerInstallation&) = delete;
  FailureShowerInstallation& operator=(const FailureShowerInstallation&) = delete;

 private:
  friend void ShowFailure(const std::string& text);

  FailureShower m_show;
  FailureShowerInstallation* m_previous;
};

// Shows text through the installed shower, or logs it when there is none.
void ShowFailure(const std::string& text);

// Inside a catch (...) that has to drop what it caught (a destructor, a
// cleanup that may not throw): logs the exception, naming where it was met.
void LogCaughtFailure(std::string_view where) noexcept;

namespace guarded {
// Deals with the exception being handled; called from a catch handler only.
void Report(const FailureShower* show);
}  // namespace guarded

// Runs step, showing its failure through the installed shower. True when the
// step ran to its end.
template <class Step>
bool GuardedCall(Step&& step) {
  try {
    std::forward<Step>(step)();
    return true;
  } catch (...) {
    guarded::Report(nullptr);
    return false;
  }
}

// The same, showing through show: a form's own error box, or a control's
// error event.
template <class Step>
bool GuardedCall(const FailureShower& show, Step&& step) {
  try {
    std::forward<Step>(step)();
    return true;
  } catch (...) {
    guarded::Report(&show);
    return false;
  }
}

// For a boundary that may show nothing, such as a paint (a box would ask for
// the next paint): every failure but a cancel is logged, naming where.
template <class Step>
bool LoggedCall(std::string_view where, Step&& step) noexcept {
  try {
    std::forward<Step>(step)();
    return true;
  } catch (...) {
    LogCaughtFailure(where);
    return false;
  }
}

}  // namespace qs
