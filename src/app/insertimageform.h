// "Insert Image": the picture's source, alternate text, alignment, border
// and spacing. Choosing a picture file fills in its size when its header
// tells it. The form is kept between uses.
#pragma once

#include "app/formrows.h"
#include "app/htmlmarkup.h"

namespace qs {

class IFileSystem;

class TInsertImageForm final : public TForm {
 public:
  TInsertImageForm(IFormHost& host, IDialogs& dialogs, IFileSystem& files);

  [[nodiscard]] TImageFields Fields() const;
  [[nodiscard]] String ImageText() const { return ImageMarkup(Fields()); }
  // Takes the picture file at path: its URL and, when readable, its size.
  void SetPictureFile(const std::string& path);

  TEdit& SourceEdit;
  TButton& SourceBut;
  TEdit& AltEdit;
  TComboBox& AlignBox;
  TSpinEdit& BorderEdit;
  TSpinEdit& WidthEdit;
  TSpinEdit& HeightEdit;
  TSpinEdit& HSpaceEdit;
  TSpinEdit& VSpaceEdit;
  TButton& OKBut;
  TButton& CancelBut;

 private:
  IFileSystem& m_files;
};

}  // namespace qs
