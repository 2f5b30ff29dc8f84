#include "dialogs/syntaxedform.h"

#include "dialogs/blanks.h"
#include "dialogs/blockedits.h"
#include "dialogs/blocktree.h"
#include "dialogs/listkeys.h"
#include "dialogs/schemefilename.h"
#include "dialogs/schemepurge.h"
#include "dialogs/syntaxedkeywords.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "support/errors.h"
#include "support/unicodecase.h"
#include "support/utf8.h"
#include "syntax/schemefileio.h"

namespace qs {

namespace {

constexpr StringView kSchemeFilter = U"Syntax Scheme files (*.sch)|*.sch|All files (*.*)|*.*";

std::vector<TTreeNode> TreeNodes(TSyntaxScheme& scheme, const std::vector<TBlockNode>& tree) {
  std::vector<TTreeNode> nodes;
  for (const TBlockNode& node : tree) {
    const TSyntaxBlock* block = scheme.FindBlock(node.id);
    nodes.push_back({block ? block->Name() : String(), node.level, node.id});
  }
  return nodes;
}

}  // namespace

TSyntaxEdForm::TSyntaxEdForm(IFormHost& host, IDialogs& dialogs, IFileSystem& files)
    : TForm(host, "SyntaxEdForm"),
      pnlScheme(Add<TPanel>("pnlScheme")),
      lblSchemeName(pnlScheme.Add<TLabel>("lblSchemeName")),
      edtSchemeName(pnlScheme.Add<TEdit>("edtSchemeName")),
      lblExtensions(pnlScheme.Add<TLabel>("lblExtensions")),
      edExtensions(pnlScheme.Add<TEdit>("edExtensions")),
      lblBlocks(pnlScheme.Add<TLabel>("lblBlocks")),
      trvBlocks(pnlScheme.Add<TTreeView>("trvBlocks")),
      btnAddBlock(pnlScheme.Add<TButton>("btnAddBlock")),
      btnRmvBlock(pnlScheme.Add<TButton>("btnRmvBlock")),
      btnEditBlock(pnlScheme.Add<TButton>("btnEditBlock")),
      btnCopyBlock(pnlScheme.Add<TButton>("btnCopyBlock")),
      pgcBlockElems(Add<TPageControl>("pgcBlockElems")),
      pnlButtons(Add<TPanel>("pnlButtons")),
      btnOK(pnlButtons.Add<TButton>("btnOK")),
      btnCancel(pnlButtons.Add<TButton>("btnCancel")),
      btnLoad(pnlButtons.Add<TButton>("btnLoad")),
      btnSave(pnlButtons.Add<TButton>("btnSave")),
      btnSaveAs(pnlButtons.Add<TButton>("btnSaveAs")),
      btnClear(pnlButtons.Add<TButton>("btnClear")),
      btnApply(pnlButtons.Add<TButton>("btnApply")),
      m_host(host),
      m_dialogs(dialogs),
      m_files(files) {
  SetCaption(U"Syntax Scheme Editor");
  lblSchemeName.SetCaption(U"Scheme &Name:");
  lblExtensions.SetCaption(U"File E&xtensions");
  lblBlocks.SetCaption(U"&Blocks");
  btnAddBlock.SetCaption(U"Add");
  btnRmvBlock.SetCaption(U"Remove");
  btnEditBlock.SetCaption(U"Edit");
  btnCopyBlock.SetCaption(U"Copy");
  btnOK.SetCaption(U"OK");
  btnCancel.SetCaption(U"Cancel");
  btnCancel.Cancel = true;
  btnCancel.ModalResult = mrCancel;
  btnLoad.SetCaption(U"&Load");
  btnSave.SetCaption(U"&Save");
  btnSaveAs.SetCaption(U"Save As");
  btnClear.SetCaption(U"Clear");
  btnApply.SetCaption(U"Apply");

  edtSchemeName.OnChange = [this](TControl&) {
    if (!m_loading) m_working.SetName(edtSchemeName.Text());
  };
  edExtensions.OnChange = [this](TControl&) {
    if (!m_loading) m_working.SetExtensions(ToLower(edExtensions.Text()));
  };
  trvBlocks.OnChange = [this](TControl&) {
    if (m_loading) return;
    if (const TTreeNode* node = trvBlocks.Selected())
      SelectBlock(static_cast<std::int32_t>(node->data));
  };
  trvBlocks.OnDragDrop = [this](TTreeView& tree, int from, int to, bool asChild) {
    DropBlock(static_cast<std::int32_t>(tree.Nodes()[static_cast<std::size_t>(from)].data),
              static_cast<std::int32_t>(tree.Nodes()[static_cast<std::size_t>(to)].data), asChild);
  };
  trvBlocks.OnDblClick = [this](TControl&) { EditBlockClick(); };
  trvBlocks.OnKeyDown = [this](TControl&, TKey& key, TShiftState) {
    PressListKey(key, btnAddBlock, btnEditBlock, btnRmvBlock);
  };
  btnAddBlock.OnClick = [this](TControl&) { AddBlockClick(); };
  btnEditBlock.OnClick = [this](TControl&) { EditBlockClick(); };
  btnRmvBlock.OnClick = [this](TControl&) { RemoveBlockClick(); };
  btnCopyBlock.OnClick = [this](TControl&) { CopyBlockClick(); };
  btnLoad.OnClick = [this](TControl&) { LoadClick(); };
  btnSave.OnClick = [this](TControl&) { SaveClick(); };
  btnSaveAs.OnClick = [this](TControl&) { SaveAsClick(); };
  btnClear.OnClick = [this](TControl&) { ClearClick(); };
  btnApply.OnClick = [this](TControl&) { ApplyClick(); };
  btnOK.OnClick = [this](TControl&) {
    if (ApplyClick()) SetModalResult(mrOk);
  };

  BuildPages();
  m_working.Normalise();
  LoadScheme(0);
}

TSyntaxEdForm::~TSyntaxEdForm() = default;

void TSyntaxEdForm::SetScheme(TSyntaxScheme& scheme) {
  m_caller = &scheme;
  m_working.Assign(scheme);
  m_schemeFileName.clear();
  LoadScheme(0);
}

TSyntaxBlock* TSyntaxEdForm::CurrentBlock() {
  return m_working.FindBlock(m_currentId);
}

TTokenListBinding& TSyntaxEdForm::TokenList(std::string_view name) {
  for (auto& [listName, binding] : m_lists)
    if (listName == name) return *binding;
  throw std::out_of_range("the scheme editor has no token list \"" + std::string(name) + "\"");
}

// ---- The block tree -----------------------------------------------------------

void TSyntaxEdForm::LoadScheme(std::int32_t selectId) {
  m_loading = true;
  edtSchemeName.SetText(m_working.Name());
  edExtensions.SetText(m_working.Extensions());
  m_loading = false;
  FillTree(selectId);
}

void TSyntaxEdForm::FillTree(std::int32_t selectId) {
  const std::vector<TBlockNode> tree = PutBlocksInTreeOrder(m_working);
  m_loading = true;
  trvBlocks.SetNodes(TreeNodes(m_working, tree));
  // A scheme without a block 0 opens on its first block.
  int index = trvBlocks.IndexOfData(selectId);
  if (index < 0 && !tree.empty()) index = 0;
  trvBlocks.SetItemIndex(index);
  m_loading = false;
  SelectBlock(index < 0 ? -1 : tree[static_cast<std::size_t>(index)].id);
}

void TSyntaxEdForm::SelectBlock(std::int32_t id) {
  m_currentId = id;
  const int index = trvBlocks.IndexOfData(id);
  if (trvBlocks.ItemIndex() != index) {
    m_loading = true;
    trvBlocks.SetItemIndex(index);
    m_loading = false;
  }
  const bool notFirstRoot = index > 0;
  btnRmvBlock.SetEnabled(notFirstRoot);
  btnEditBlock.SetEnabled(notFirstRoot);
  LoadBlock();
}

bool TSyntaxEdForm::RunBlockPopup(TSchemePopupForm& popup, std::int32_t editedId,
                                  std::int32_t parentId) {
  popup.ParentTree.SetNodes(trvBlocks.Nodes());
  popup.ParentTree.SetItemIndex(popup.ParentTree.IndexOfData(parentId));
  popup.AcceptParent = [this, editedId](const TTreeNode& parent) {
    return editedId < 0 ||
           !IsInSubtree(m_working, static_cast<std::int32_t>(parent.data), editedId);
  };
  return popup.ShowModal() == mrOk;
}

void TSyntaxEdForm::AddBlockClick() {
  if (m_working.NewBlockID() < 0) {
    m_dialogs.ShowError(U"Every block ID is in use: the scheme cannot take another block.");
    return;
  }
  const std::unique_ptr<TSchemePopupForm> popup = MakePopup(TPopupKind::Block);
  const std::int32_t root = m_working.FindBlock(0) ? 0 : m_working.SyntaxBlocks().Items(0).ID();
  if (!RunBlockPopup(*popup, -1, root)) return;
  const auto parent = static_cast<std::int32_t>(popup->ParentTree.Selected()->data);
  FillTree(AddBlock(m_working, popup->BlockName.Text(), parent));
}

void TSyntaxEdForm::EditBlockClick() {
  TSyntaxBlock* block = CurrentBlock();
  if (!block || !btnEditBlock.Enabled()) return;
  const std::unique_ptr<TSchemePopupForm> popup = MakePopup(TPopupKind::Block);
  popup->BlockName.SetText(block->Name());
  popup->ParentTree.SetEnabled(block->ParentID() >= 0);
  if (!RunBlockPopup(*popup, block->ID(), block->ParentID())) return;
  block->SetName(popup->BlockName.Text());
  if (popup->ParentTree.Enabled())
    block->SetParentID(static_cast<std::int32_t>(popup->ParentTree.Selected()->data));
  FillTree(block->ID());
}

void TSyntaxEdForm::RemoveBlockClick() {
  const TSyntaxBlock* block = CurrentBlock();
  if (!block || !btnRmvBlock.Enabled()) return;
  if (m_dialogs.Confirm(U"Do you really want to remove syntax block '" + block->Name() + U"'?",
                        false) != MsgResult::Yes)
    return;
  FillTree(RemoveBlock(m_working, block->ID()));
}

void TSyntaxEdForm::DropBlock(std::int32_t id, std::int32_t target, bool asChild) {
  if (qs::DropBlock(m_working, id, target, asChild)) FillTree(id);
}

void TSyntaxEdForm::CopyBlockClick() {
  const std::optional<std::string> path = ChooseSchemeFile(false, {});
  if (!path) return;
  TSyntaxScheme source;
  if (!ReadSchemeFile(*path, source)) return;
  const std::unique_ptr<TSchemePopupForm> popup = MakePopup(TPopupKind::CopyBlock);
  std::vector<String> names;
  for (int i = 0; i < source.SyntaxBlocks().Count(); ++i)
    names.push_back(source.SyntaxBlocks().Items(i).Name());
  popup->SelectList.SetItems(std::move(names));
  if (!RunBlockPopup(*popup, -1, m_currentId)) return;
  const auto parent = static_cast<std::int32_t>(popup->ParentTree.Selected()->data);
  FillTree(CopyBlock(m_working, source, popup->SelectList.ItemIndex(), parent));
}

// ---- Files and the dialog's buttons -----------------------------------------------

std::optional<std::string> TSyntaxEdForm::ChooseSchemeFile(bool save, const std::string& proposed) {
  FileDialogOptions options;
  options.filter = String(kSchemeFilter);
  options.defaultExt = "sch";
  options.fileName = proposed;
  options.overwritePrompt = save;
  const std::optional<FileChoice> choice =
      save ? m_dialogs.SaveFile(options) : m_dialogs.OpenFile(options);
  if (!choice || choice->paths.empty()) return std::nullopt;
  return choice->paths.front();
}

bool TSyntaxEdForm::ReadSchemeFile(const std::string& path, TSyntaxScheme& scheme) {
  try {
    LoadSchemeFile(m_files, path, scheme);
    return true;
  } catch (const Error& e) {
    m_dialogs.ShowError(FromUtf8(e.what()));
    return false;
  }
}

void TSyntaxEdForm::LoadClick() {
  const std::optional<std::string> path = ChooseSchemeFile(false, {});
  if (!path) return;
  // Read into a scheme of its own first: a file that does not read keeps the work.
  TSyntaxScheme loaded;
  if (!ReadSchemeFile(*path, loaded)) return;
  m_working.Assign(loaded);
  m_schemeFileName = *path;
  LoadScheme(0);
}

void TSyntaxEdForm::SaveTo(const std::string& path) {
  PurgeScheme(m_working);
  m_files.WriteFileAtomic(path, m_working.SaveToText());
  FillTree(m_currentId);
}

void TSyntaxEdForm::SaveClick() {
  if (m_schemeFileName.empty()) return SaveAsClick();
  SaveTo(m_schemeFileName);
}

void TSyntaxEdForm::SaveAsClick() {
  const std::optional<std::string> path =
      ChooseSchemeFile(true, SuggestSchemeFileName(m_working.Name()));
  if (!path) return;
  m_schemeFileName = *path;
  SaveTo(*path);
}

void TSyntaxEdForm::ClearClick() {
  TSyntaxScheme empty;
  empty.Normalise();
  m_working.Assign(empty);
  m_schemeFileName.clear();
  LoadScheme(0);
}

bool TSyntaxEdForm::ApplyClick() {
  if (IsBlank(edtSchemeName.Text())) {
    m_dialogs.MessageBox(U"The Scheme name cannot be blank", U"Error", MsgButtons::OK,
                         MsgIcon::Error);
    return false;
  }
  PurgeScheme(m_working);
  FillTree(m_currentId);
  if (!m_caller) return true;
  m_caller->Assign(m_working);
  if (OnApply) OnApply(*m_caller);
  return true;
}

// ---- What the parts ask of the editor ----------------------------------------------

std::unique_ptr<TSchemePopupForm> TSyntaxEdForm::MakePopup(TPopupKind kind) {
  return std::make_unique<TSchemePopupForm>(m_host, m_dialogs, kind, m_textStyles);
}

TItemLook TSyntaxEdForm::LookOf(std::int32_t fontId) {
  const TAttrItem* attr = fontId >= 0 ? m_working.FontTable().FindAttr(fontId) : nullptr;
  if (!attr)
    if (const TSyntaxBlock* block = CurrentBlock())
      attr = m_working.FontTable().FindAttr(block->Attr(TBlockAttr::FIText));
  TItemLook look;
  if (!attr) return look;
  if (!attr->UseDefFont()) {
    look.fontName = attr->Font().Name();
    look.fontSize = PointsFromHeight(attr->Font().Height());
  }
  look.color = attr->Font().Color();
  const TFontStyles styles = attr->Font().Style();
  look.bold = styles & SetBit(fsBold);
  look.italic = styles & SetBit(fsItalic);
  look.underline = styles & SetBit(fsUnderline);
  look.strikeOut = styles & SetBit(fsStrikeOut);
  if (!attr->UseDefBack()) look.background = attr->BackColor();
  return look;
}

}  // namespace qs
