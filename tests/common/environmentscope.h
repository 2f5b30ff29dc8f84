// Sets environment variables for one scope and puts the old values back, for
// tests of what the program reads from its environment.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qs::testing {

class EnvironmentScope {
 public:
  void Set(const char* name, const char* value) {
    const char* old = std::getenv(name);
    m_saved.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~EnvironmentScope() {
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
      if (it->second)
        ::setenv(it->first.c_str(), it->second->c_str(), 1);
      else
        ::unsetenv(it->first.c_str());
    }
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

}  // namespace qs::testing
