#include "app/formrows.h"

#include "app/htmlmarkup.h"
#include "app/previewpaths.h"
#include "support/utf8.h"

namespace qs {

TPanel& AddCaptionedRow(TControl& parent, const std::string& name, StringView caption) {
  auto& row = parent.Add<TPanel>(name + "Row");
  row.Horizontal = true;
  row.Add<TLabel>(name + "Label").SetCaption(caption);
  return row;
}

TLabel& RowLabel(TPanel& row) {
  return dynamic_cast<TLabel&>(*row.Children().front());
}

TButton& AddEllipsisButton(TPanel& row, const std::string& name) {
  auto& button = row.Add<TButton>(name);
  button.SetCaption(U"...");
  return button;
}

String TrimBlanks(StringView s) {
  while (!s.empty() && s.front() <= U' ') s.remove_prefix(1);
  while (!s.empty() && s.back() <= U' ') s.remove_suffix(1);
  return String(s);
}

std::vector<String> NamedColorItems() {
  return {U"Aqua", U"Black", U"Blue",   U"Fuchsia", U"Gray",   U"Green", U"Lime",  U"Maroon",
          U"Navy", U"Olive", U"Purple", U"Red",     U"Silver", U"Teal",  U"White", U"Yellow"};
}

TComboBox& AddColorRow(TControl& parent, const std::string& name, StringView caption,
                       IDialogs& dialogs) {
  TPanel& row = AddCaptionedRow(parent, name, caption);
  auto& box = row.Add<TComboBox>(name);
  box.SetItems(NamedColorItems());
  AddEllipsisButton(row, name + "But").OnClick = [&box, &dialogs](TControl&) {
    TColor color = clBlack;
    if (dialogs.ChooseColor(color)) box.SetText(ColorNotation(color));
  };
  return box;
}

String FileUrl(const std::string& path) {
  // Encoded as the preview's addresses are: a space, "#", "%" or "?" in a
  // folder name would otherwise break the link.
  return FromUtf8(EncodedFileUrl(path));
}

String ChooseImageUrl(IDialogs& dialogs) {
  FileDialogOptions options;
  options.filter = String(kImageFilter);
  const auto choice = dialogs.OpenFile(options);
  if (!choice || choice->paths.empty()) return {};
  return FileUrl(choice->paths.front());
}

TDialogButtons AddDialogButtons(TControl& parent, StringView okCaption) {
  auto& ok = parent.Add<TButton>("OKBut");
  ok.SetCaption(okCaption);
  ok.Default = true;
  ok.ModalResult = mrOk;
  auto& cancel = parent.Add<TButton>("CancelBut");
  cancel.SetCaption(U"Cancel");
  cancel.Cancel = true;
  cancel.ModalResult = mrCancel;
  return {ok, cancel};
}

}  // namespace qs
