#include "app/insertlinkform.h"

#include <array>

#include "support/asciicase.h"
#include "support/scopeexit.h"

namespace qs {

namespace {

constexpr std::array<StringView, 10> kLinkTypes{U"(other)", U"file://",  U"ftp://",  U"gopher://",
                                                U"http://", U"https://", U"mailto:", U"news:",
                                                U"telnet:", U"wais:"};

bool StartsWithIgnoringCase(StringView text, StringView prefix) {
  return text.size() >= prefix.size() &&
         EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

int LinkTypeForUrl(StringView url) {
  int found = 0;
  for (std::size_t i = 1; i < kLinkTypes.size(); ++i)
    if (StartsWithIgnoringCase(url, kLinkTypes[i])) found = static_cast<int>(i);
  return found;
}

String WithoutLinkType(StringView url) {
  for (std::size_t i = 1; i < kLinkTypes.size(); ++i)
    if (StartsWithIgnoringCase(url, kLinkTypes[i])) url.remove_prefix(kLinkTypes[i].size());
  return String(url);
}

TInsertLinkForm::TInsertLinkForm(IFormHost& host, IDialogs& dialogs)
    : TForm(host, "InsertLinkForm"),
      TypeBox(AddRow<TComboBox>(*this, "TypeBox", U"Type:")),
      UrlLabel(RowLabel(AddCaptionedRow(*this, "UrlBox", U"URL:"))),
      UrlBox(FindControl<TPanel>("UrlBoxRow").Add<TComboBox>("UrlBox")),
      UrlBut(AddEllipsisButton(FindControl<TPanel>("UrlBoxRow"), "UrlBut")),
      TargetBox(AddRow<TComboBox>(*this, "TargetBox", U"Target:")),
      Bookmark(Add<TCheckBox>("Bookmark")),
      OKBut(AddDialogButtons(*this).ok),
      CancelBut(FindControl<TButton>("CancelBut")) {
  SetCaption(U"Hyperlink");
  TypeBox.Style = ComboStyle::DropDownList;
  TypeBox.SetItems({kLinkTypes.begin(), kLinkTypes.end()});
  TargetBox.SetItems({U"_blank", U"_parent", U"_self", U"_top"});
  Bookmark.SetCaption(U"Bookmark");
  UrlBox.OnChange = [this](TControl&) { UrlTyped(); };
  TypeBox.OnChange = [this](TControl&) { TypeChosen(); };
  Bookmark.OnClick = [this](TControl&) { BookmarkClicked(); };
  UrlBut.OnClick = [this, &dialogs](TControl&) { ChooseFile(dialogs); };
  UrlBox.SetText(U"http://");
}

void TInsertLinkForm::SetAnchorNames(const std::vector<String>& names) {
  const String text = UrlBox.Text();
  UrlBox.SetItems(names);
  SetUrlText(text);
}

TLinkFields TInsertLinkForm::Fields() const {
  return {UrlBox.Text(), Bookmark.Checked() ? String() : TargetBox.Text(), Bookmark.Checked()};
}

void TInsertLinkForm::SetUrlText(StringView text) {
  m_coupling = true;
  const ScopeExit done([this] { m_coupling = false; });
  UrlBox.SetText(text);
}

void TInsertLinkForm::UrlTyped() {
  if (m_coupling || Bookmark.Checked()) return;
  m_coupling = true;
  const ScopeExit done([this] { m_coupling = false; });
  TypeBox.SetItemIndex(LinkTypeForUrl(UrlBox.Text()));
}

void TInsertLinkForm::TypeChosen() {
  if (m_coupling) return;
  const int index = TypeBox.ItemIndex();
  String url = WithoutLinkType(UrlBox.Text());
  if (index > 0) url = String(kLinkTypes[static_cast<std::size_t>(index)]) + url;
  SetUrlText(url);
}

void TInsertLinkForm::BookmarkClicked() {
  const bool bookmark = Bookmark.Checked();
  TypeBox.SetEnabled(!bookmark);
  TargetBox.SetEnabled(!bookmark);
  UrlBut.SetEnabled(!bookmark);
  UrlLabel.SetCaption(bookmark ? U"Name:" : U"URL:");
  if (bookmark)
    SetUrlText(WithoutLinkType(UrlBox.Text()));
  else
    UrlTyped();
}

void TInsertLinkForm::ChooseFile(IDialogs& dialogs) {
  const auto choice = dialogs.OpenFile({});
  if (!choice || choice->paths.empty()) return;
  UrlBox.SetText(FileUrl(choice->paths.front()));
}

}  // namespace qs
