// "Hyperlink": a link to a URL, or in bookmark mode an anchor. The type list
// and the URL's prefix follow each other; the URL list offers the anchors
// the document already has. The form is kept between uses.
#pragma once

#include <vector>

#include "app/formrows.h"
#include "app/htmlmarkup.h"

namespace qs {

class TInsertLinkForm final : public TForm {
 public:
  TInsertLinkForm(IFormHost& host, IDialogs& dialogs);

  // The document's anchors ("#name") as the URL list; the URL text stays.
  void SetAnchorNames(const std::vector<String>& names);
  [[nodiscard]] TLinkFields Fields() const;
  [[nodiscard]] String LinkText(StringView selected) const {
    return LinkMarkup(Fields(), selected);
  }

  TComboBox& TypeBox;
  TLabel& UrlLabel;
  TComboBox& UrlBox;
  TButton& UrlBut;
  TComboBox& TargetBox;
  TCheckBox& Bookmark;
  TButton& OKBut;
  TButton& CancelBut;

 private:
  void UrlTyped();
  void TypeChosen();
  void BookmarkClicked();
  void ChooseFile(IDialogs& dialogs);
  // Sets the URL text without the type following it again.
  void SetUrlText(StringView text);

  bool m_coupling = false;
};

// The entry of the type list the URL starts with (the last that matches,
// ignoring case), or 0 for "(other)".
int LinkTypeForUrl(StringView url);
// The URL without the type prefixes it starts with.
String WithoutLinkType(StringView url);

}  // namespace qs
