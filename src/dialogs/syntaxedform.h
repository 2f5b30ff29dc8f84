// The "Syntax Scheme Editor": edits a working copy of one scheme (name,
// extensions, block tree, and for the selected block its delimiters,
// comments, strings, numbers, identifiers, keyword sets and attributes).
// Apply and OK copy the working copy back into the caller's scheme; Load,
// Save and Copy read and write other scheme files.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/schemeedithost.h"
#include "dialogs/tokenlistbinding.h"
#include "platform/checklistbox.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/treeview.h"
#include "syntax/qsSyntax.h"

namespace qs {

class IDialogs;
class IFileSystem;
class TKeywordsPage;

class TSyntaxEdForm : public TForm, public ISchemeEditHost {
 public:
  TSyntaxEdForm(IFormHost& host, IDialogs& dialogs, IFileSystem& files);
  ~TSyntaxEdForm() override;

  // The scheme to edit; the working copy is made from it, and it changes
  // only on Apply and OK.
  void SetScheme(TSyntaxScheme& scheme);
  // Runs after Apply and OK have copied the working scheme into the
  // caller's, so the caller can store it and show it at once.
  std::function<void(TSyntaxScheme& scheme)> OnApply;
  // The names a global text style may have, offered by the style popups.
  void SetTextStyleNames(std::vector<String> names) { m_textStyles = std::move(names); }
  // The font of new attributes when the style popup chooses none.
  void SetDefaultFont(TDefaultFont font) { m_defaultFont = std::move(font); }

  TSyntaxScheme& WorkingScheme() { return m_working; }
  [[nodiscard]] const std::string& SchemeFileName() const { return m_schemeFileName; }
  TSyntaxBlock* CurrentBlock() override;

  // The block operations, also reached through their buttons.
  void AddBlockClick();
  void EditBlockClick();
  void RemoveBlockClick();
  void CopyBlockClick();
  void DropBlock(std::int32_t id, std::int32_t target, bool asChild);
  void LoadClick();
  void SaveClick();
  void SaveAsClick();
  void ClearClick();
  // False when the name is blank (the user has been told).
  bool ApplyClick();

  TPanel& pnlScheme;
  TLabel& lblSchemeName;
  TEdit& edtSchemeName;
  TLabel& lblExtensions;
  TEdit& edExtensions;
  TLabel& lblBlocks;
  TTreeView& trvBlocks;
  TButton& btnAddBlock;
  TButton& btnRmvBlock;
  TButton& btnEditBlock;
  TButton& btnCopyBlock;
  TPageControl& pgcBlockElems;
  TPanel& pnlButtons;
  TButton& btnOK;
  TButton& btnCancel;
  TButton& btnLoad;
  TButton& btnSave;
  TButton& btnSaveAs;
  TButton& btnClear;
  TButton& btnApply;

  // The token lists by their names (lbxBlkDlmtrs, lbxDlmtrsSC, ...).
  [[nodiscard]] TTokenListBinding& TokenList(std::string_view name);

 private:
  friend class TKeywordsPage;
  // ISchemeEditHost
  TSyntaxScheme& Working() override { return m_working; }
  IDialogs& Dialogs() override { return m_dialogs; }
  std::unique_ptr<TSchemePopupForm> MakePopup(TPopupKind kind) override;
  const std::vector<String>& TextStyleNames() const override { return m_textStyles; }
  TDefaultFont DefaultFont() const override { return m_defaultFont; }
  TItemLook LookOf(std::int32_t fontId) override;

  void BuildPages();
  TTabSheet& AddPage(std::string name, StringView caption);
  TCheckBox& AddFlagBox(TControl& parent, std::string name, StringView caption, TBlockFlag flag);
  TTokenListBinding& AddTokenList(TControl& parent, std::string suffix, StringView caption,
                                  TTokenListRules rules);
  TButton& AddStyleButton(TControl& parent, std::string name, StringView caption, TBlockAttr attr);
  void BuildSpecialMode(TControl& page, bool numbers);

  // Whole-scheme reloads.
  void LoadScheme(std::int32_t selectId);
  void FillTree(std::int32_t selectId);
  void SelectBlock(std::int32_t id);
  void LoadBlock();
  void UpdateEnabling();
  void UpdateSpecialModes();
  void EditAttribute(TBlockAttr attr);
  void EditCharSet(bool first);
  bool RunBlockPopup(TSchemePopupForm& popup, std::int32_t editedId, std::int32_t parentId);
  std::optional<std::string> ChooseSchemeFile(bool save, const std::string& proposed);
  // False, the user told why, when the file does not read; scheme is then unchanged.
  bool ReadSchemeFile(const std::string& path, TSyntaxScheme& scheme);
  void SaveTo(const std::string& path);

  IFormHost& m_host;
  IDialogs& m_dialogs;
  IFileSystem& m_files;
  TSyntaxScheme* m_caller = nullptr;
  TSyntaxScheme m_working;
  std::int32_t m_currentId = -1;
  std::string m_schemeFileName;
  std::vector<String> m_textStyles;
  TDefaultFont m_defaultFont;
  bool m_loading = false;  // controls are being filled from the block

  std::vector<std::pair<TCheckBox*, TBlockFlag>> m_flagBoxes;
  std::vector<std::pair<std::string, std::unique_ptr<TTokenListBinding>>> m_lists;
  std::unique_ptr<TKeywordsPage> m_keywords;
};

}  // namespace qs
