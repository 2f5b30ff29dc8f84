#include "app/inserttableform.h"

namespace qs {

namespace {

TComboBox& AddChoiceRow(TControl& parent, const std::string& name, StringView caption,
                        std::vector<String> items) {
  auto& box = AddRow<TComboBox>(parent, name, caption);
  box.SetItems(std::move(items));
  return box;
}

}  // namespace

TInsertTableForm::TInsertTableForm(IFormHost& host, IDialogs& dialogs)
    : TForm(host, "InsertTableForm"),
      RowsEdit(AddRow<TSpinEdit>(*this, "RowsEdit", U"Rows:", 1, 100)),
      ColsEdit(AddRow<TSpinEdit>(*this, "ColsEdit", U"Columns:", 1, 100)),
      TableGroup(Add<TGroupBox>("TableGroup")),
      WidthEdit(AddRow<TSpinEdit>(TableGroup, "WidthEdit", U"Width:", 1, 2000)),
      WidthUnit(FindControl<TPanel>("WidthEditRow").Add<TComboBox>("WidthUnit")),
      TableBgColor(AddColorRow(TableGroup, "TableBgColor", U"Background color:", dialogs)),
      TableBorderColor(AddColorRow(TableGroup, "TableBorderColor", U"Border color:", dialogs)),
      BgImage(AddRow<TEdit>(TableGroup, "BgImage", U"Background image:")),
      BgImageBut(AddEllipsisButton(FindControl<TPanel>("BgImageRow"), "BgImageBut")),
      SpacingEdit(AddRow<TSpinEdit>(TableGroup, "SpacingEdit", U"Cell spacing:", 0, 100)),
      PaddingEdit(AddRow<TSpinEdit>(TableGroup, "PaddingEdit", U"Cell padding:", 0, 100)),
      BorderEdit(AddRow<TSpinEdit>(TableGroup, "BorderEdit", U"Border size:", 0, 100)),
      TableAlign(
          AddChoiceRow(TableGroup, "TableAlign", U"Alignment:", {U"center", U"left", U"right"})),
      CellGroup(Add<TGroupBox>("CellGroup")),
      CellBgColor(AddColorRow(CellGroup, "CellBgColor", U"Background color:", dialogs)),
      CellBorderColor(AddColorRow(CellGroup, "CellBorderColor", U"Border color:", dialogs)),
      // Only what TD's align attribute accepts; the vertical ones are valign's.
      CellAlign(AddChoiceRow(CellGroup, "CellAlign", U"Alignment:",
                             {U"center", U"justify", U"left", U"right"})),
      WrapText(CellGroup.Add<TCheckBox>("WrapText")),
      OKBut(AddDialogButtons(*this).ok),
      CancelBut(FindControl<TButton>("CancelBut")) {
  SetCaption(U"Insert Table");
  TableGroup.SetCaption(U"Table");
  CellGroup.SetCaption(U"Cell");
  RowsEdit.SetValue(3);
  ColsEdit.SetValue(3);
  WidthEdit.SetValue(100);
  WidthUnit.Style = ComboStyle::DropDownList;
  WidthUnit.SetItems({U"Percent", U"Pixels"});
  WidthUnit.SetItemIndex(0);
  BgImageBut.OnClick = [this, &dialogs](TControl&) {
    const String url = ChooseImageUrl(dialogs);
    if (!url.empty()) BgImage.SetText(url);
  };
  WrapText.SetCaption(U"Wrap text");
  WrapText.SetChecked(true);
}

TTableFields TInsertTableForm::Fields() const {
  TTableFields f;
  f.rows = RowsEdit.Value();
  f.columns = ColsEdit.Value();
  f.width = WidthEdit.Value();
  f.widthInPercent = WidthUnit.Text() == U"Percent";
  f.tableBackground = TableBgColor.Text();
  f.tableBorderColor = TableBorderColor.Text();
  f.backgroundImage = BgImage.Text();
  f.tableAlign = TableAlign.Text();
  f.cellBackground = CellBgColor.Text();
  f.cellBorderColor = CellBorderColor.Text();
  f.cellAlign = CellAlign.Text();
  f.cellSpacing = SpacingEdit.Value();
  f.cellPadding = PaddingEdit.Value();
  f.borderSize = BorderEdit.Value();
  f.wrapText = WrapText.Checked();
  return f;
}

}  // namespace qs
