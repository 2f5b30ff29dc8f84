#include "app/insertimageform.h"

#include "app/imagesize.h"
#include "platform/filesystem.h"

namespace qs {

TInsertImageForm::TInsertImageForm(IFormHost& host, IDialogs& dialogs, IFileSystem& files)
    : TForm(host, "InsertImageForm"),
      SourceEdit(AddRow<TEdit>(*this, "SourceEdit", U"Picture source:")),
      SourceBut(AddEllipsisButton(FindControl<TPanel>("SourceEditRow"), "SourceBut")),
      AltEdit(AddRow<TEdit>(*this, "AltEdit", U"Alternate text:")),
      AlignBox(AddRow<TComboBox>(*this, "AlignBox", U"Alignment:")),
      BorderEdit(AddRow<TSpinEdit>(*this, "BorderEdit", U"Border thickness:")),
      WidthEdit(AddRow<TSpinEdit>(*this, "WidthEdit", U"Width:")),
      HeightEdit(AddRow<TSpinEdit>(*this, "HeightEdit", U"Height:")),
      HSpaceEdit(AddRow<TSpinEdit>(*this, "HSpaceEdit", U"Horizontal:")),
      VSpaceEdit(AddRow<TSpinEdit>(*this, "VSpaceEdit", U"Vertical:")),
      OKBut(AddDialogButtons(*this).ok),
      CancelBut(FindControl<TButton>("CancelBut")),
      m_files(files) {
  SetCaption(U"Insert Image");
  AlignBox.Style = ComboStyle::DropDownList;
  AlignBox.SetItems({U"(not set)", U"Left", U"Right", U"Texttop", U"Absmiddle", U"Baseline",
                     U"Absbottom", U"Bottom", U"Middle", U"Top"});
  AlignBox.SetItemIndex(0);
  WidthEdit.SetHint(U"0 leaves the width out");
  HeightEdit.SetHint(U"0 leaves the height out");
  SourceBut.OnClick = [this, &dialogs](TControl&) {
    FileDialogOptions options;
    options.filter = String(kImageFilter);
    const auto choice = dialogs.OpenFile(options);
    if (choice && !choice->paths.empty()) SetPictureFile(choice->paths.front());
  };
}

void TInsertImageForm::SetPictureFile(const std::string& path) {
  SourceEdit.SetText(FileUrl(path));
  WidthEdit.SetValue(0);
  HeightEdit.SetValue(0);
  // The headers sit at the start; a JPEG's metadata segments may push its
  // frame header back, but not past this.
  constexpr std::size_t kHeaderBytes = 256 * 1024;
  std::string head(kHeaderBytes, '\0');
  const std::unique_ptr<TByteSource> bytes = m_files.OpenRead(path);
  std::size_t have = 0;
  while (have < head.size()) {
    const std::size_t got = bytes->Read(head.data() + have, head.size() - have);
    if (got == 0) break;
    have += got;
  }
  head.resize(have);
  if (const auto size = ReadImageSize(head)) {
    WidthEdit.SetValue(size->width);
    HeightEdit.SetValue(size->height);
  }
}

TImageFields TInsertImageForm::Fields() const {
  TImageFields f;
  f.source = SourceEdit.Text();
  f.alternateText = AltEdit.Text();
  f.align = AlignBox.Text();
  f.border = BorderEdit.Value();
  f.horizontalSpace = HSpaceEdit.Value();
  f.verticalSpace = VSpaceEdit.Value();
  f.width = WidthEdit.Value();
  f.height = HeightEdit.Value();
  return f;
}

}  // namespace qs
