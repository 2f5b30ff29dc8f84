#include "platform/mimeapps.h"

#include <algorithm>
#include <vector>

#include "platform/keyfile.h"

namespace qs {

namespace {

void StoreList(TKeyFile& list, std::string_view mimeType, const std::vector<std::string>& ids) {
  if (ids.empty())
    list.Remove(kDefaultApplications, mimeType);
  else
    list.SetList(kDefaultApplications, mimeType, ids);
}

void Erase(std::vector<std::string>& ids, std::string_view id) {
  ids.erase(std::remove(ids.begin(), ids.end(), id), ids.end());
}

}  // namespace

std::string DefaultApplication(const TKeyFile& list, std::string_view mimeType) {
  const std::vector<std::string> ids = list.GetList(kDefaultApplications, mimeType);
  return ids.empty() ? std::string() : ids.front();
}

void MakeDefaultApplication(TKeyFile& list, std::string_view mimeType, std::string_view id) {
  std::vector<std::string> ids = list.GetList(kDefaultApplications, mimeType);
  Erase(ids, id);
  ids.insert(ids.begin(), std::string(id));
  StoreList(list, mimeType, ids);
}

void DropDefaultApplication(TKeyFile& list, std::string_view mimeType, std::string_view id,
                            std::string_view restore) {
  std::vector<std::string> ids = list.GetList(kDefaultApplications, mimeType);
  const bool wasDefault = !ids.empty() && ids.front() == id;
  Erase(ids, id);
  if (wasDefault && !restore.empty() && restore != id) {
    Erase(ids, restore);
    ids.insert(ids.begin(), std::string(restore));
  }
  StoreList(list, mimeType, ids);
}

}  // namespace qs
