// "Insert Table": the table's size, colours, background image, spacing and
// alignment, and the cells' colours and alignment. The form is kept between
// uses, so it shows the last table's values again.
#pragma once

#include "app/formrows.h"
#include "app/htmlmarkup.h"

namespace qs {

class TInsertTableForm final : public TForm {
 public:
  TInsertTableForm(IFormHost& host, IDialogs& dialogs);

  [[nodiscard]] TTableFields Fields() const;
  // The table the fields describe.
  [[nodiscard]] String TableText() const { return TableMarkup(Fields()); }

  TSpinEdit& RowsEdit;
  TSpinEdit& ColsEdit;
  TGroupBox& TableGroup;
  TSpinEdit& WidthEdit;
  TComboBox& WidthUnit;
  TComboBox& TableBgColor;
  TComboBox& TableBorderColor;
  TEdit& BgImage;
  TButton& BgImageBut;
  TSpinEdit& SpacingEdit;
  TSpinEdit& PaddingEdit;
  TSpinEdit& BorderEdit;
  TComboBox& TableAlign;
  TGroupBox& CellGroup;
  TComboBox& CellBgColor;
  TComboBox& CellBorderColor;
  TComboBox& CellAlign;
  TCheckBox& WrapText;
  TButton& OKBut;
  TButton& CancelBut;
};

}  // namespace qs
