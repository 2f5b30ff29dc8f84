#include "dialogs/blanks.h"

namespace qs {

String TrimBlanks(StringView text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && text[begin] <= U' ') ++begin;
  while (end > begin && text[end - 1] <= U' ') --end;
  return String(text.substr(begin, end - begin));
}

}  // namespace qs
