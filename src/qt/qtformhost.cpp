#include "qt/qtformhost.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <limits>
#include <unordered_map>

#include "platform/checklistbox.h"
#include "platform/controls.h"
#include "platform/treeview.h"
#include "qt/qtconvert.h"
#include "qt/qtitemviews.h"
#include "support/guardedcall.h"

namespace qs::qt {

namespace {

// Runs a step of the neutral model for Qt through the guarded boundary,
// showing a failure in an error box over the form's own dialog.
void Guarded(QWidget* parent, const std::function<void()>& step) {
  GuardedCall(
      [parent](const std::string& text) {
        QMessageBox::critical(parent, QStringLiteral("Error"), QString::fromUtf8(text));
      },
      step);
}

// Qt counts UTF-16 units where the model counts characters.
int Utf16Index(const QString& text, int characters) {
  int units = 0;
  for (int n = 0; n < characters && units < text.size(); ++n)
    units += text.at(units).isHighSurrogate() && units + 1 < text.size() ? 2 : 1;
  return units;
}

int CharacterIndex(const QString& text, int units) {
  int characters = 0;
  for (int i = 0; i < units && i < text.size(); ++i)
    if (!(text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate())) ++characters;
  return characters;
}

QStringList ToQStringList(const std::vector<String>& items) {
  QStringList list;
  for (const String& item : items) list.push_back(ToQString(StringView(item)));
  return list;
}

// The dialog of one form. Enter, Esc and the window's close button go to the
// form, which decides whether it closes; the dialog ends when the form hides.
class FormDialog final : public QDialog {
 public:
  FormDialog(QWidget* parent, TForm& form) : QDialog(parent), m_form(form) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const TKey key = KeyFromQt(event->key(), event->modifiers());
    if (key != vk::Return && key != vk::Escape) return QDialog::keyPressEvent(event);
    Guarded(this, [&] { m_form.PressKey(key, ShiftFromQt(event->modifiers())); });
  }
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    Guarded(this, [&] { m_form.Close(); });
  }
  void reject() override {
    Guarded(this, [&] { m_form.Close(); });
  }

 private:
  TForm& m_form;
};

// The widgets of a shown form, and the peer of each of its controls.
class Realisation final : public QObject, public ControlPeer {
 public:
  Realisation(TForm& form, FormDialog& dialog) : m_form(form), m_dialog(dialog) {
    Bind(form, &dialog);
    AddChildren(form, &dialog);
    for (auto& [control, widget] : m_widgets) ApplyAll(*control, widget);
  }
  ~Realisation() override {
    for (auto& [control, widget] : m_widgets) control->SetPeer(nullptr);
  }

  void StateChanged(TControl& control, ControlProperty what) override {
    const auto it = m_widgets.find(&control);
    if (it != m_widgets.end()) Apply(control, it->second, what);
  }
  void ControlDestroyed(TControl& control) override { m_widgets.erase(&control); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      if (TControl* control = ControlOf(watched); control && !control->Focused())
        Guarded(&m_dialog, [control] { control->SetFocus(); });
    }
    return false;
  }

 private:
  TControl* ControlOf(QObject* widget) const {
    for (const auto& [control, w] : m_widgets)
      if (w == widget) return control;
    return nullptr;
  }

  void Bind(TControl& control, QWidget* widget) {
    widget->setObjectName(QString::fromStdString(control.Name()));
    m_widgets[&control] = widget;
    control.SetPeer(this);
    if (&control != &m_form) widget->installEventFilter(this);
  }

  static QWidget* FirstFocusable(QWidget* widget) {
    if (widget->focusPolicy() != Qt::NoFocus) return widget;
    for (QWidget* child : widget->findChildren<QWidget*>())
      if (child->focusPolicy() != Qt::NoFocus) return child;
    return widget;
  }

  // Children top to bottom (a horizontal panel's side by side, the last ones
  // at their own width); a run of buttons forms one row, pushed right.
  void AddChildren(TControl& container, QWidget* widget) {
    const auto* panel = dynamic_cast<TPanel*>(&container);
    if (panel && panel->Horizontal) {
      auto* row = new QHBoxLayout(widget);
      row->setContentsMargins(0, 0, 0, 0);
      QLabel* label = nullptr;
      for (const auto& child : container.Children()) {
        QWidget* w = Create(*child, widget);
        if (label) label->setBuddy(FirstFocusable(w));
        label = qobject_cast<QLabel*>(w);
        row->addWidget(w, child == container.Children().front() ? 1 : 0);
      }
      return;
    }
    auto* layout = new QVBoxLayout(widget);
    QHBoxLayout* buttons = nullptr;
    QLabel* label = nullptr;
    for (const auto& child : container.Children()) {
      if (dynamic_cast<TTabSheet*>(child.get())) continue;  // the page control's
      QWidget* w = Create(*child, widget);
      // A label's "&" marks the key that reaches the control below it, as on
      // a button; without a buddy the label would show the "&" itself.
      if (label) label->setBuddy(FirstFocusable(w));
      label = qobject_cast<QLabel*>(w);
      if (dynamic_cast<TButton*>(child.get())) {
        if (!buttons) {
          buttons = new QHBoxLayout;
          buttons->addStretch();
          layout->addLayout(buttons);
        }
        buttons->addWidget(w);
      } else {
        buttons = nullptr;
        layout->addWidget(w);
      }
    }
  }

  // Input from the user goes through the control's own input methods, so a
  // disabled control or a form's rules apply as they do in the tests.
  template <class Widget, class Signal, class Slot>
  void Connect(Widget* widget, Signal signal, Slot slot) {
    QObject::connect(widget, signal, this,
                     [this, slot](auto... args) { Guarded(&m_dialog, [&] { slot(args...); }); });
  }

  QWidget* Create(TControl& control, QWidget* parent) {
    QWidget* widget = CreateWidget(control, parent);
    Bind(control, widget);
    return widget;
  }

  QWidget* CreateWidget(TControl& control, QWidget* parent) {
    if (auto* button = dynamic_cast<TButton*>(&control)) {
      auto* w = new QPushButton(parent);
      // The form presses its default button on Enter itself.
      w->setAutoDefault(false);
      Connect(w, &QPushButton::clicked, [button](bool) { button->Click(); });
      return w;
    }
    if (auto* label = dynamic_cast<TLabel*>(&control)) {
      auto* w = new QLabel(parent);
      w->setWordWrap(label->WordWrap);
      return w;
    }
    if (auto* memo = dynamic_cast<TMemoBox*>(&control)) {
      auto* w = new QPlainTextEdit(parent);
      w->setLineWrapMode(QPlainTextEdit::NoWrap);
      Connect(w, &QPlainTextEdit::textChanged,
              [memo, w] { memo->SetText(FromQString(w->toPlainText())); });
      return w;
    }
    if (auto* edit = dynamic_cast<TEdit*>(&control)) {
      auto* w = new QLineEdit(parent);
      Connect(w, &QLineEdit::textChanged,
              [edit](const QString& text) { edit->SetText(FromQString(text)); });
      return w;
    }
    if (dynamic_cast<TCheckBox*>(&control) || dynamic_cast<TRadioButton*>(&control)) {
      QAbstractButton* w = dynamic_cast<TCheckBox*>(&control)
                               ? static_cast<QAbstractButton*>(new QCheckBox(parent))
                               : new QRadioButton(parent);
      // Which boxes are checked is the model's to say, not Qt's.
      w->setAutoExclusive(false);
      Connect(w, &QAbstractButton::clicked, [this, &control, w](bool) {
        control.Click();
        Apply(control, w, ControlProperty::Checked);
      });
      return w;
    }
    if (auto* combo = dynamic_cast<TComboBox*>(&control)) return CreateCombo(*combo, parent);
    if (dynamic_cast<TMenuButton*>(&control)) {
      auto* w = new QToolButton(parent);
      // The box the user types in keeps the focus while the menu is open.
      w->setFocusPolicy(Qt::NoFocus);
      w->setPopupMode(QToolButton::InstantPopup);
      w->setMenu(new QMenu(w));
      return w;
    }
    if (dynamic_cast<TRadioGroup*>(&control)) return new QGroupBox(parent);
    if (auto* list = dynamic_cast<TCheckListBox*>(&control))
      return CreateCheckList(*list, parent, Guard());
    if (auto* tree = dynamic_cast<TTreeView*>(&control))
      return CreateTreeView(*tree, parent, Guard());
    if (dynamic_cast<TListBox*>(&control)) {
      auto* w = new QListWidget(parent);
      Connect(w, &QListWidget::currentRowChanged,
              [&control](int row) { control.SetItemIndex(row); });
      Connect(w, &QListWidget::itemDoubleClicked,
              [&control](QListWidgetItem*) { control.DblClick(); });
      return w;
    }
    if (dynamic_cast<TListView*>(&control)) {
      auto* w = new QTreeWidget(parent);
      w->setRootIsDecorated(false);
      w->setSelectionBehavior(QAbstractItemView::SelectRows);
      w->setSelectionMode(QAbstractItemView::SingleSelection);
      Connect(w, &QTreeWidget::currentItemChanged,
              [&control, w](QTreeWidgetItem* item, QTreeWidgetItem*) {
                control.SetItemIndex(item ? w->indexOfTopLevelItem(item) : -1);
              });
      Connect(w, &QTreeWidget::itemDoubleClicked,
              [&control](QTreeWidgetItem*, int) { control.DblClick(); });
      return w;
    }
    if (auto* spin = dynamic_cast<TSpinEdit*>(&control)) {
      auto* w = new QSpinBox(parent);
      Connect(w, &QSpinBox::valueChanged, [spin](int value) { spin->SetValue(value); });
      return w;
    }
    if (dynamic_cast<TProgressBar*>(&control)) return new QProgressBar(parent);
    if (auto* pages = dynamic_cast<TPageControl*>(&control)) {
      auto* w = new QTabWidget(parent);
      for (TTabSheet* page : pages->Pages()) {
        auto* sheet = new QWidget(w);
        Bind(*page, sheet);
        AddChildren(*page, sheet);
        w->addTab(sheet, QString());
      }
      Connect(w, &QTabWidget::currentChanged, [pages](int index) {
        if (index >= 0) pages->SetActivePageIndex(index);
      });
      return w;
    }
    if (dynamic_cast<TGroupBox*>(&control)) {
      auto* w = new QGroupBox(parent);
      AddChildren(control, w);
      return w;
    }
    // Panels and any other container: a plain widget around the children.
    auto* w = new QWidget(parent);
    AddChildren(control, w);
    return w;
  }

  GuardedStep Guard() {
    return [this](const std::function<void()>& step) { Guarded(&m_dialog, step); };
  }

  QWidget* CreateCombo(TComboBox& combo, QWidget* parent) {
    auto* w = new QComboBox(parent);
    w->setEditable(combo.Style == ComboStyle::DropDown);
    // Enter in the box is the dialog's (its default button), not a new item.
    w->setInsertPolicy(QComboBox::NoInsert);
    Connect(w, &QComboBox::currentIndexChanged, [&combo](int index) { combo.SetItemIndex(index); });
    QLineEdit* edit = w->lineEdit();
    if (!edit) return w;
    // The widget's own caret is the truth while it reports: the model's
    // clamping of it on the way must not move it back.
    const auto report = [this, &combo, w, edit] {
      const QString text = edit->text();
      const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
      const int length = edit->hasSelectedText() ? edit->selectedText().size() : 0;
      m_reporting = w;
      combo.SetText(FromQString(text));
      combo.SetSelection(CharacterIndex(text, start),
                         CharacterIndex(text, start + length) - CharacterIndex(text, start));
      m_reporting = nullptr;
    };
    Connect(w, &QComboBox::editTextChanged, [report](const QString&) { report(); });
    Connect(edit, &QLineEdit::cursorPositionChanged, [report](int, int) { report(); });
    Connect(edit, &QLineEdit::selectionChanged, [report] { report(); });
    return w;
  }

  void ApplyAll(TControl& control, QWidget* widget) {
    for (ControlProperty what :
         {ControlProperty::Items, ControlProperty::Rows, ControlProperty::Value,
          ControlProperty::Text, ControlProperty::ItemIndex, ControlProperty::Checked,
          ControlProperty::ReadOnly, ControlProperty::ActivePage, ControlProperty::Enabled,
          ControlProperty::Hint, ControlProperty::Visible, ControlProperty::Selection,
          ControlProperty::ItemStates, ControlProperty::Focus})
      Apply(control, widget, what);
  }

  void Apply(TControl& control, QWidget* widget, ControlProperty what) {
    // The widget is told, not the model again: its signals stay quiet.
    const QSignalBlocker quiet(widget);
    switch (what) {
      case ControlProperty::Enabled:
        return widget->setEnabled(control.Enabled());
      case ControlProperty::Visible:
        return ApplyVisible(control, widget);
      case ControlProperty::Hint:
        return widget->setToolTip(ToQString(StringView(control.Hint())));
      case ControlProperty::Focus:
        if (control.Focused() && !widget->hasFocus()) widget->setFocus();
        return;
      default:
        return ApplyContent(control, widget, what);
    }
  }

  void ApplyVisible(TControl& control, QWidget* widget) {
    // A page's visibility is its page control's: only the current page shows.
    if (dynamic_cast<TTabSheet*>(&control)) return;
    if (&control != &m_form) return widget->setVisible(control.Visible());
    if (!m_form.Visible() && m_dialog.isVisible()) m_dialog.done(m_form.ModalResult());
  }

  void ApplyContent(TControl& control, QWidget* widget, ControlProperty what) {
    const QString text = ToQString(StringView(control.Text()));
    if (dynamic_cast<TTabSheet*>(&control)) {
      if (control.Parent() && m_widgets.count(control.Parent()))
        ApplyPages(static_cast<TPageControl&>(*control.Parent()),
                   qobject_cast<QTabWidget*>(m_widgets[control.Parent()]), ControlProperty::Text);
    } else if (auto* w = qobject_cast<QDialog*>(widget)) {
      if (what == ControlProperty::Text) w->setWindowTitle(text);
    } else if (auto* w = qobject_cast<QToolButton*>(widget)) {
      if (what == ControlProperty::Text) w->setText(text);
      if (what == ControlProperty::Items) FillMenu(static_cast<TMenuButton&>(control), w->menu());
    } else if (auto* w = qobject_cast<QAbstractButton*>(widget)) {
      if (what == ControlProperty::Text) w->setText(text);
      if (what == ControlProperty::Checked) w->setChecked(control.Checked());
    } else if (auto* w = qobject_cast<QLabel*>(widget)) {
      if (what == ControlProperty::Text) w->setText(text);
    } else if (auto* w = qobject_cast<QPlainTextEdit*>(widget)) {
      if (what == ControlProperty::Text && w->toPlainText() != text) w->setPlainText(text);
      if (what == ControlProperty::ReadOnly)
        w->setReadOnly(static_cast<TEdit&>(control).ReadOnly());
    } else if (auto* w = qobject_cast<QLineEdit*>(widget)) {
      if (what == ControlProperty::Text && w->text() != text) w->setText(text);
      if (what == ControlProperty::ReadOnly)
        w->setReadOnly(static_cast<TEdit&>(control).ReadOnly());
    } else if (auto* w = qobject_cast<QComboBox*>(widget)) {
      // While the widget reports what the user typed, it already shows it.
      if (w == m_reporting) return;
      ApplyCombo(control, w, what, text);
      if (what == ControlProperty::Selection)
        ApplyComboSelection(static_cast<TComboBox&>(control), w);
    } else if (auto* list = dynamic_cast<TCheckListBox*>(&control)) {
      ApplyCheckList(*list, qobject_cast<QListWidget*>(widget), what);
    } else if (auto* tree = dynamic_cast<TTreeView*>(&control)) {
      ApplyTreeView(*tree, qobject_cast<QTreeWidget*>(widget), what);
    } else if (auto* w = qobject_cast<QListWidget*>(widget)) {
      if (what == ControlProperty::Items) {
        w->clear();
        w->addItems(ToQStringList(control.Items()));
      }
      if (what == ControlProperty::Items || what == ControlProperty::ItemIndex)
        w->setCurrentRow(control.ItemIndex());
    } else if (auto* w = qobject_cast<QTreeWidget*>(widget)) {
      ApplyListView(static_cast<TListView&>(control), w, what);
    } else if (auto* w = qobject_cast<QSpinBox*>(widget)) {
      auto& spin = static_cast<TSpinEdit&>(control);
      if (what == ControlProperty::Value && spin.MaxValue() > spin.MinValue())
        w->setRange(spin.MinValue(), spin.MaxValue());
      else if (what == ControlProperty::Value)
        w->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
      if (what == ControlProperty::Text || what == ControlProperty::Value)
        w->setValue(spin.Value());
    } else if (auto* w = qobject_cast<QProgressBar*>(widget)) {
      const auto& bar = static_cast<TProgressBar&>(control);
      w->setRange(0, bar.Max());
      w->setValue(bar.Position());
    } else if (auto* w = qobject_cast<QTabWidget*>(widget)) {
      ApplyPages(static_cast<TPageControl&>(control), w, what);
    } else if (auto* w = qobject_cast<QGroupBox*>(widget)) {
      if (what == ControlProperty::Text) w->setTitle(text);
      if (dynamic_cast<TRadioGroup*>(&control)) ApplyRadioGroup(control, w, what);
    }
  }

  static void ApplyComboSelection(TComboBox& combo, QComboBox* w) {
    QLineEdit* edit = w->lineEdit();
    if (!edit) return;
    const QString text = edit->text();
    const int start = Utf16Index(text, combo.SelStart());
    const int end = Utf16Index(text, combo.SelStart() + combo.SelLength());
    if (end > start)
      edit->setSelection(start, end - start);
    else
      edit->setCursorPosition(start);
  }

  void FillMenu(TMenuButton& button, QMenu* menu) {
    menu->clear();
    const std::vector<String>& items = button.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i] == U"-") {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(ToQString(StringView(items[i])));
      const int index = static_cast<int>(i);
      Connect(action, &QAction::triggered, [&button, index](bool) { button.Choose(index); });
    }
  }

  // One radio button a choice, rebuilt when the choices change.
  void ApplyRadioGroup(TControl& group, QGroupBox* w, ControlProperty what) {
    if (what == ControlProperty::Items) {
      for (QRadioButton* old : w->findChildren<QRadioButton*>()) delete old;
      delete w->layout();
      auto* layout = new QVBoxLayout(w);
      for (std::size_t i = 0; i < group.Items().size(); ++i) {
        auto* radio = new QRadioButton(ToQString(StringView(group.Items()[i])), w);
        radio->setAutoExclusive(false);
        layout->addWidget(radio);
        const int index = static_cast<int>(i);
        Connect(radio, &QAbstractButton::clicked, [this, &group, w, index](bool) {
          if (group.CanReceiveInput()) group.SetItemIndex(index);
          ApplyRadioGroup(group, w, ControlProperty::ItemIndex);
        });
      }
    }
    const QList<QRadioButton*> radios = w->findChildren<QRadioButton*>();
    for (int i = 0; i < radios.size(); ++i) {
      const QSignalBlocker quiet(radios[i]);
      radios[i]->setChecked(i == group.ItemIndex());
    }
  }

  static void ApplyCombo(TControl& control, QComboBox* w, ControlProperty what,
                         const QString& text) {
    if (what == ControlProperty::Items) {
      w->clear();
      w->addItems(ToQStringList(control.Items()));
    }
    if (what == ControlProperty::Items || what == ControlProperty::ItemIndex)
      w->setCurrentIndex(control.ItemIndex());
    // Choosing no item clears an editable box's text in Qt; the model keeps it.
    if (w->isEditable() && what != ControlProperty::Selection && w->currentText() != text)
      w->setEditText(text);
  }

  static void ApplyListView(TListView& view, QTreeWidget* w, ControlProperty what) {
    if (what == ControlProperty::Rows) {
      w->setColumnCount(static_cast<int>(std::max<std::size_t>(view.Columns().size(), 1)));
      w->setHeaderLabels(ToQStringList(view.Columns()));
      w->clear();
      for (const TListItem& row : view.Rows()) {
        QStringList texts{ToQString(StringView(row.caption))};
        texts += ToQStringList(row.subItems);
        new QTreeWidgetItem(w, texts);
      }
    }
    if (what == ControlProperty::Rows || what == ControlProperty::ItemIndex) {
      QTreeWidgetItem* item = w->topLevelItem(view.ItemIndex());
      w->setCurrentItem(item);
      if (!item) w->clearSelection();
    }
  }

  static void ApplyPages(TPageControl& pages, QTabWidget* w, ControlProperty what) {
    if (!w) return;
    const std::vector<TTabSheet*> sheets = pages.Pages();
    if (what == ControlProperty::ActivePage && pages.ActivePageIndex() >= 0)
      w->setCurrentIndex(pages.ActivePageIndex());
    for (int i = 0; i < w->count() && i < static_cast<int>(sheets.size()); ++i)
      w->setTabText(i, ToQString(StringView(sheets[static_cast<std::size_t>(i)]->Caption())));
  }

  TForm& m_form;
  FormDialog& m_dialog;
  std::unordered_map<TControl*, QWidget*> m_widgets;
  QWidget* m_reporting = nullptr;  // the widget whose user input is being reported
};

}  // namespace

void QtFormHost::RunModal(TForm& form) {
  QWidget* parent = m_open.empty() ? m_parent : m_open.back();
  FormDialog dialog(parent, form);
  Realisation realisation(form, dialog);
  m_open.push_back(&dialog);
  // OnShow has run: a form it closed already is done.
  if (form.Visible()) dialog.exec();
  m_open.pop_back();
  // The loop also ends when the application quits; the form then cancels.
  if (form.Visible()) form.Close();
}

QDialog* QtFormHost::ActiveDialog() const {
  return m_open.empty() ? nullptr : m_open.back();
}

}  // namespace qs::qt
