#include "grid/binder.h"

#include <QDate>
#include <QTime>

namespace grid {

Binder::Binder(DBGrid* g) : QObject(g), g_(g) {
  connect(g, &DBGrid::currentRowChanged, this, [this](int) { load(); });
}

void Binder::bind(QLineEdit* e, const QString& field, int width, Kind kind) {
  if (width > 0) e->setMaxLength(width);
  if (kind == Kind::Date) e->setPlaceholderText(QStringLiteral("gg.aa.yyyy"));
  fields_.push_back({e, field, width, kind});
  const Field f = fields_.back();
  connect(e, &QLineEdit::textEdited, this, [this, f] { store(f); });
}

void Binder::bind(QComboBox* c, const QString& field, int width) {
  c->setEditable(true);
  if (width > 0) c->lineEdit()->setMaxLength(width);
  fields_.push_back({c, field, width, Kind::Text});
  const Field f = fields_.back();
  connect(c, &QComboBox::currentTextChanged, this, [this, f] { store(f); });
}

void Binder::bind(QPlainTextEdit* t, const QString& field, int width) {
  fields_.push_back({t, field, width, Kind::Text});
  const Field f = fields_.back();
  connect(t, &QPlainTextEdit::textChanged, this, [this, f] { store(f); });
}

void Binder::load() {
  loading_ = true;
  for (const Field& f : fields_) {
    const QVariant v = g_->currentRow() < 0 ? QVariant() : g_->value(f.field);
    QString text;
    if (v.typeId() == QMetaType::QDate) text = v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    else if (v.typeId() == QMetaType::QTime) text = v.toTime().toString(QStringLiteral("HH:mm:ss"));
    else if (v.typeId() == QMetaType::Double) text = QString::number(v.toDouble(), 'g', 15);
    else text = v.toString();
    if (auto* e = qobject_cast<QLineEdit*>(f.w)) e->setText(text);
    else if (auto* c = qobject_cast<QComboBox*>(f.w)) c->setCurrentText(text);
    else if (auto* t = qobject_cast<QPlainTextEdit*>(f.w)) t->setPlainText(text);
    f.w->setEnabled(g_->currentRow() >= 0);
  }
  loading_ = false;
}

void Binder::store(const Field& f) {
  if (loading_ || g_->currentRow() < 0) return;
  QString text;
  if (auto* e = qobject_cast<QLineEdit*>(f.w)) text = e->text();
  else if (auto* c = qobject_cast<QComboBox*>(f.w)) text = c->currentText();
  else if (auto* t = qobject_cast<QPlainTextEdit*>(f.w)) text = t->toPlainText();
  if (f.width > 0 && text.size() > f.width) text.truncate(f.width);
  QVariant v = text;
  if (f.kind == Kind::Date) {
    const QDate d = QDate::fromString(text, QStringLiteral("dd.MM.yyyy"));
    if (text.trimmed().isEmpty()) v = QVariant(QMetaType::fromType<QDate>());
    else if (!d.isValid()) return;  // still typing
    else v = d;
  } else if (f.kind == Kind::Time) {
    const QTime t = QTime::fromString(text, QStringLiteral("HH:mm:ss"));
    if (!t.isValid()) return;
    v = t;
  }
  g_->setValue(f.field, v);
}

void Binder::set(const QString& field, const QVariant& value) {
  g_->setValue(field, value);
  load();
}

}  // namespace grid
