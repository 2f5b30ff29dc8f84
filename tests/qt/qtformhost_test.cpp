#include "qt/qtformhost.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "app/syntaxlist.h"
#include "app/syntaxschemesform.h"
#include "platform/controls.h"
#include "platform/memoryfilesystem.h"
#include "platform/scripteddialogs.h"
#include "support/errors.h"
#include "support/utf8.h"
#include "syntax/qsSyntax.h"

namespace qs::qt {
namespace {

// A dialog with one control of each common kind.
struct SampleForm : TForm {
  explicit SampleForm(IFormHost& host)
      : TForm(host, "SampleForm"),
        NameEdit(Add<TEdit>("NameEdit")),
        CaseBox(Add<TCheckBox>("CaseBox")),
        KindCombo(Add<TComboBox>("KindCombo")),
        Rows(Add<TListView>("Rows")),
        Pages(Add<TPageControl>("Pages")),
        Count(Pages.Add<TTabSheet>("CountPage").Add<TSpinEdit>("Count", 1, 10)),
        OKBut(Add<TButton>("OKBut")),
        CancelBut(Add<TButton>("CancelBut")) {
    SetCaption(U"Sample");
    Pages.Add<TTabSheet>("OtherPage").SetCaption(U"Other");
    CaseBox.SetCaption(U"&Match case");
    KindCombo.Style = ComboStyle::DropDownList;
    KindCombo.SetItems({U"one", U"two", U"three"});
    KindCombo.SetItemIndex(0);
    Rows.SetColumns({U"Name", U"Value"});
    Rows.SetRows({{U"a", {U"1"}}, {U"b", {U"2"}}});
    Count.SetValue(3);
    OKBut.SetCaption(U"OK");
    OKBut.ModalResult = mrOk;
    OKBut.Default = true;
    CancelBut.SetCaption(U"Cancel");
    CancelBut.ModalResult = mrCancel;
    CancelBut.Cancel = true;
  }
  TEdit& NameEdit;
  TCheckBox& CaseBox;
  TComboBox& KindCombo;
  TListView& Rows;
  TPageControl& Pages;
  TSpinEdit& Count;
  TButton& OKBut;
  TButton& CancelBut;
};

template <class W>
W* Widget(QDialog* dialog, const char* name) {
  W* w = dialog ? dialog->findChild<W*>(QString::fromLatin1(name)) : nullptr;
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// Plays the user once the dialog's loop runs.
void WhileShown(QtFormHost& host, std::function<void(QDialog*)> user) {
  QTimer::singleShot(0, [&host, user] {
    QDialog* dialog = host.ActiveDialog();
    if (!dialog) return;
    user(dialog);
    // A test that failed to close the dialog must not hang the run.
    if (host.ActiveDialog() == dialog) dialog->done(0);
  });
}

void TypeInto(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
  }
}

TEST(QtFormHost, ShowsTheFormAndHandsTheUsersInputToItsControls) {
  QtFormHost host;
  SampleForm form(host);
  bool sawState = false;
  WhileShown(host, [&](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Sample"));
    EXPECT_TRUE(dialog->isModal() || dialog->isVisible());
    auto* combo = Widget<QComboBox>(dialog, "KindCombo");
    auto* rows = Widget<QTreeWidget>(dialog, "Rows");
    auto* spin = Widget<QSpinBox>(dialog, "Count");
    if (!combo || !rows || !spin) return;
    sawState = combo->count() == 3 && combo->currentIndex() == 0 &&
               rows->topLevelItemCount() == 2 &&
               rows->topLevelItem(1)->text(1) == QStringLiteral("2") && spin->value() == 3 &&
               Widget<QCheckBox>(dialog, "CaseBox")->text() == QStringLiteral("&Match case");

    TypeInto(Widget<QLineEdit>(dialog, "NameEdit"), QStringLiteral("héllo"));
    Widget<QCheckBox>(dialog, "CaseBox")->click();
    combo->setCurrentIndex(2);
    rows->setCurrentItem(rows->topLevelItem(1));
    spin->setValue(7);
    Widget<QTabWidget>(dialog, "Pages")->setCurrentIndex(1);
    Widget<QPushButton>(dialog, "OKBut")->click();
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_TRUE(sawState);
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(form.NameEdit.Text(), U"héllo");
  EXPECT_TRUE(form.CaseBox.Checked());
  EXPECT_EQ(form.KindCombo.ItemIndex(), 2);
  EXPECT_EQ(form.KindCombo.Text(), U"three");
  EXPECT_EQ(form.Rows.ItemIndex(), 1);
  EXPECT_EQ(form.Count.Value(), 7);
  EXPECT_EQ(form.Pages.ActivePageIndex(), 1);
  EXPECT_EQ(host.ActiveDialog(), nullptr);
}

TEST(QtFormHost, TheFormsRulesDecideWhenTheDialogCloses) {
  QtFormHost host;
  SampleForm form(host);
  int refusals = 0;
  form.OKBut.OnClick = [&](TControl&) {
    // An empty name keeps the dialog open, as a validating OK does.
    if (form.NameEdit.Text().empty()) {
      ++refusals;
      form.SetModalResult(mrNone);
    }
  };
  bool stayedOpen = false;
  bool disabledFollowed = false;
  WhileShown(host, [&](QDialog* dialog) {
    auto* ok = Widget<QPushButton>(dialog, "OKBut");
    ok->click();
    stayedOpen = dialog->isVisible();
    // State the model changes reaches the widgets at once.
    form.CaseBox.SetEnabled(false);
    form.NameEdit.SetText(U"set by code");
    disabledFollowed =
        !Widget<QCheckBox>(dialog, "CaseBox")->isEnabled() &&
        Widget<QLineEdit>(dialog, "NameEdit")->text() == QStringLiteral("set by code");
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(dialog, &esc);
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(refusals, 1);
  EXPECT_TRUE(stayedOpen);
  EXPECT_TRUE(disabledFollowed);

  // Shown again, the same form gets fresh widgets; Enter presses OK.
  WhileShown(host, [&](QDialog* dialog) {
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(dialog, &enter);
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
}

TEST(QtFormHost, AnErrorThrownByAHandlerIsShownAndTheDialogGoesOn) {
  QtFormHost host;
  SampleForm form(host);
  form.CaseBox.OnClick = [](TControl&) { throw Error("Something failed"); };
  QString shownError;
  WhileShown(host, [&](QDialog* dialog) {
    // The error box is modal too: read and close it once it shows.
    QTimer::singleShot(0, [&] {
      if (QWidget* box = QApplication::activeModalWidget(); box && box != dialog) {
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
          shownError = label->text();
        box->close();
      }
    });
    Widget<QCheckBox>(dialog, "CaseBox")->click();
    Widget<QPushButton>(dialog, "CancelBut")->click();
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(shownError, QStringLiteral("Something failed"));
}

}  // namespace
}  // namespace qs::qt

namespace qs::qt {
namespace {

// The Syntax Schemes dialog as the user meets it: its buttons follow the row
// picked in the Qt list, and OK hands the new order to the catalogue.
TEST(QtFormHost, TheSyntaxSchemesDialogWorksThroughItsWidgets) {
  MemoryFileSystem files;
  TSchemeFolders folders(files, "/shipped", "/data");
  for (const char* name : {"a", "b"}) {
    TSyntaxScheme scheme;
    scheme.SetName(FromUtf8(std::string("Scheme ") + name));
    files.CreateDirectories("/shipped");
    files.WriteFileAtomic(std::string("/shipped/") + name + ".sch", scheme.SaveToText());
  }
  TSyntaxList catalogue(folders);
  ScriptedDialogs dialogs;
  QtFormHost host;
  TSyntaxSchemesForm form(host, dialogs, catalogue);
  bool deleteFollowed = false;
  WhileShown(host, [&](QDialog* dialog) {
    auto* rows = Widget<QTreeWidget>(dialog, "SchemesList");
    auto* del = Widget<QPushButton>(dialog, "DeleteBut");
    if (!rows || !del || rows->topLevelItemCount() != 2) return;
    const bool before = !del->isEnabled() && rows->topLevelItem(1)->text(2) == "b.sch";
    rows->setCurrentItem(rows->topLevelItem(1));
    deleteFollowed =
        before && del->isEnabled() && Widget<QPushButton>(dialog, "EditBut")->isEnabled();
    Widget<QPushButton>(dialog, "UpBut")->click();
    Widget<QPushButton>(dialog, "OKBut")->click();
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_TRUE(deleteFollowed);
  ASSERT_EQ(catalogue.Count(), 2);
  EXPECT_EQ(catalogue.Items(0).FileName(), "b.sch");
  EXPECT_TRUE(files.Exists(folders.CatalogueFile()));
}

}  // namespace
}  // namespace qs::qt
