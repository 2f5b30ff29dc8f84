#include "qt/qtpopuplist.h"

#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "qt/qtconvert.h"
#include "support/guardedcall.h"

namespace qs::qt {

namespace {

constexpr int kWidth = 306;
constexpr int kHeight = 118;
constexpr int kRowHeight = 15;
enum Role { KindRole = Qt::UserRole, NameRole, DetailRole };

// An entry: its kind in blue, its name in bold, then its detail.
class EntryDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    painter->save();
    painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
    const QColor text = selected ? option.palette.highlightedText().color() : Qt::black;
    QFont bold = option.font;
    bold.setBold(true);
    int x = option.rect.left() + 2;
    const auto draw = [&](const QString& piece, const QFont& font, const QColor& color) {
      painter->setFont(font);
      painter->setPen(color);
      painter->drawText(QRect(x, option.rect.top(), option.rect.right() - x, option.rect.height()),
                        Qt::AlignLeft | Qt::AlignVCenter, piece);
      x += QFontMetrics(font).horizontalAdvance(piece);
    };
    draw(index.data(KindRole).toString(), option.font, selected ? text : QColor(Qt::blue));
    draw(index.data(NameRole).toString(), bold, text);
    draw(index.data(DetailRole).toString(), option.font, text);
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return {QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight};
  }
};

}  // namespace

QtPopupList::QtPopupList(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_list(new QListWidget(this)) {
  setObjectName(QStringLiteral("CompletionList"));
  setWindowTitle(QStringLiteral("Completion list"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  m_list->setObjectName(QStringLiteral("CompletionEntries"));
  m_list->setFocusPolicy(Qt::NoFocus);
  m_list->setUniformItemSizes(true);
  m_list->setItemDelegate(new EntryDelegate(m_list));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(1, 1, 1, 1);
  layout->addWidget(m_list);
  setFixedSize(kWidth, kHeight);
  connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    GuardedCall([&] {
      if (OnAccept) OnAccept(m_list->row(item));
    });
  });
}

TSize QtPopupList::ListSize() const {
  return {width(), height()};
}

void QtPopupList::SetEntries(std::vector<TPopupEntry> entries) {
  m_entries = std::move(entries);
  m_list->clear();
  for (const TPopupEntry& e : m_entries) {
    auto* item = new QListWidgetItem(ToQString(e.name), m_list);
    item->setData(KindRole, ToQString(e.kind));
    item->setData(NameRole, ToQString(e.name));
    item->setData(DetailRole, ToQString(e.detail));
  }
  SetSelected(m_entries.empty() ? -1 : 0);
}

int QtPopupList::Selected() const {
  return m_list->currentRow();
}

void QtPopupList::SetSelected(int index) {
  m_list->setCurrentRow(index);
  if (QListWidgetItem* item = m_list->currentItem()) m_list->scrollToItem(item);
}

void QtPopupList::ShowList(TPoint at) {
  move(at.X, at.Y);
  show();
  raise();
}

}  // namespace qs::qt
