#include "support/xdgfolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace qs {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string HomeFolder() {
  std::string home = Environment("HOME");
  if (home.empty())
    if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir) home = user->pw_dir;
  return home;
}

struct FolderRule {
  const char* variable;
  const char* underHome;
};

FolderRule RuleOf(XdgFolder kind) {
  switch (kind) {
    case XdgFolder::Config:
      return {"XDG_CONFIG_HOME", "/.config"};
    case XdgFolder::Data:
      return {"XDG_DATA_HOME", "/.local/share"};
    case XdgFolder::State:
      return {"XDG_STATE_HOME", "/.local/state"};
  }
  return {"XDG_CONFIG_HOME", "/.config"};
}

}  // namespace

std::string BaseFolder(XdgFolder kind) {
  const FolderRule rule = RuleOf(kind);
  const std::string base = Environment(rule.variable);
  // A relative path is invalid by the rules and is ignored.
  if (!base.empty() && base.front() == '/') return base;
  const std::string home = HomeFolder();
  return home.empty() ? std::string() : home + rule.underHome;
}

std::string UserFolder(XdgFolder kind) {
  const std::string base = BaseFolder(kind);
  return base.empty() ? base : base + "/quillon";
}

}  // namespace qs
