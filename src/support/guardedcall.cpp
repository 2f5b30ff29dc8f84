#include "support/guardedcall.h"

#include <cstdio>
#include <optional>

#include "support/errorlog.h"
#include "support/errors.h"

namespace qs {
namespace {

FailureShowerInstallation*& Installed() noexcept {
  static FailureShowerInstallation* installed = nullptr;
  return installed;
}

std::string InternalText(std::string_view what) {
  return "Internal error: " + std::string(what);
}

struct Failure {
  std::string text;
  bool usersOwn;  // a qs::Error, whose text is the user's to read as it is
};

// The exception being handled; nothing for a cancel. A harness failure goes
// on its way unless it is only to be logged.
std::optional<Failure> Describe(bool passHarness) {
  try {
    throw;
  } catch (const Abort&) {
    return std::nullopt;
  } catch (const HarnessFailure& e) {
    if (passHarness) throw;
    return Failure{InternalText(e.what()), false};
  } catch (const Error& e) {
    return Failure{e.what(), true};
  } catch (const std::exception& e) {
    return Failure{InternalText(e.what()), false};
  } catch (...) {
    return Failure{InternalText("an exception of unknown type"), false};
  }
}

// A shower that fails has its message logged instead.
void ShowOrLog(const FailureShower* show, const std::string& text) {
  try {
    if (show != nullptr && *show)
      (*show)(text);
    else
      ShowFailure(text);
  } catch (const HarnessFailure&) {
    throw;
  } catch (...) {
    LogLine(text);
    LogCaughtFailure("showing that message");
  }
}

// Whatever happens while reporting, the boundary itself must not throw.
template <class Body>
void Safely(Body&& body) {
  try {
    body();
  } catch (const HarnessFailure&) {
    throw;
  } catch (...) {
    std::fputs("quillon: a failure could not be reported\n", stderr);
  }
}

}  // namespace

FailureShowerInstallation::FailureShowerInstallation(FailureShower show)
    : m_show(std::move(show)), m_previous(Installed()) {
  Installed() = this;
}

FailureShowerInstallation::~FailureShowerInstallation() {
  Installed() = m_previous;
}

void ShowFailure(const std::string& text) {
  const FailureShowerInstallation* installed = Installed();
  if (installed != nullptr && installed->m_show)
    installed->m_show(text);
  else
    LogLine(text);
}

void LogCaughtFailure(std::string_view where) noexcept {
  try {
    if (const auto failure = Describe(false)) LogLine(std::string(where) + ": " + failure->text);
  } catch (...) {
    std::fputs("quillon: a failure could not be logged\n", stderr);
  }
}

namespace guarded {

void Report(const FailureShower* show) {
  Safely([show] {
    const std::optional<Failure> failure = Describe(true);
    if (!failure) return;
    if (!failure->usersOwn) LogLine(failure->text);
    ShowOrLog(show, failure->text);
  });
}

}  // namespace guarded

}  // namespace qs
