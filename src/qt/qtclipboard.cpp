#include "qt/qtclipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "qt/qtconvert.h"

namespace qs::qt {
namespace {

// Other programs offer rich text under either name.
const char* const kRtfTypes[] = {"text/rtf", "application/rtf"};

const QMimeData* Current() {
  return QGuiApplication::clipboard()->mimeData();
}

}  // namespace

bool QtClipboard::HasText() const {
  const QMimeData* data = Current();
  return data && data->hasText();
}

String QtClipboard::GetText() const {
  const QMimeData* data = Current();
  return data && data->hasText() ? FromQString(data->text()) : String();
}

void QtClipboard::Place(QMimeData* data) {
  m_placed = data;
  QGuiApplication::clipboard()->setMimeData(data);  // takes ownership
}

void QtClipboard::SetText(StringView text) {
  auto* data = new QMimeData;
  data->setText(ToQString(text));
  Place(data);
}

bool QtClipboard::HasRtf() const {
  const QMimeData* data = Current();
  if (!data) return false;
  for (const char* type : kRtfTypes)
    if (data->hasFormat(QString::fromLatin1(type))) return true;
  return false;
}

std::string QtClipboard::GetRtf() const {
  const QMimeData* data = Current();
  if (!data) return {};
  for (const char* type : kRtfTypes) {
    const QString name = QString::fromLatin1(type);
    if (data->hasFormat(name)) return data->data(name).toStdString();
  }
  return {};
}

void QtClipboard::SetTextAndRtf(StringView text, std::string_view rtf) {
  auto* data = new QMimeData;
  data->setText(ToQString(text));
  data->setData(
      QString::fromLatin1(kRtfMimeType.data(), static_cast<qsizetype>(kRtfMimeType.size())),
      QByteArray(rtf.data(), static_cast<qsizetype>(rtf.size())));
  Place(data);
}

bool QtClipboard::IsOwner() const {
  return !m_placed.isNull() && Current() == m_placed.data();
}

}  // namespace qs::qt
