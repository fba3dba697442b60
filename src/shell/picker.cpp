#include "shell/picker.h"

#include "ui/dialogs.h"

#include <QHBoxLayout>

PickerWindow::PickerWindow(QWidget* owner, const QString& objectName, const QString& caption)
    : QDialog(owner), qry(QStringLiteral("qry_ara")) {
  setObjectName(objectName);
  setWindowTitle(caption);
  auto* lay = new QVBoxLayout(this);
  edt_ara = new QLineEdit(this);
  edt_ara->setObjectName(QStringLiteral("edt_ara"));
  edt_ara->setPlaceholderText(QStringLiteral("Ara"));
  lay->addWidget(edt_ara);
  body = new QVBoxLayout;
  lay->addLayout(body);
  cxGrid1 = new grid::DBGrid(this);
  cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
  cxGrid1->view()->setEditTriggers(QAbstractItemView::NoEditTriggers);
  cxGrid1->view()->setSelectionMode(QAbstractItemView::SingleSelection);
  body->addWidget(cxGrid1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  OKBtn = new QPushButton(QStringLiteral("Evet"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  CancelBtn = new QPushButton(QStringLiteral("Hayır"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  lay->addLayout(buttons);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(cxGrid1, &grid::DBGrid::rowDoubleClicked, this, [this](int) { accept(); });
  // A text the caller preset is shown, not applied: only changes after showing search.
  connect(edt_ara, &QLineEdit::textChanged, this, [this](const QString& t) {
    if (ready_) runSearch(t);
  });
  resize(760, 480);
}

void PickerWindow::runSearch(const QString& text) {
  if (text.isEmpty()) return;  // clearing the box keeps the last list
  ui::runHandler([&] { applySearch(text); });
}

void PickerWindow::list(const QString& sql, const std::map<QString, QVariant>& binds) {
  qry.setSql(sql);
  for (const auto& [k, v] : binds) qry.bind(k, v);
  qry.exec();
  cxGrid1->load(qry);
}

void PickerWindow::focusAfterSearch(const QString& column, const QString& text) {
  if (cxGrid1->rowCount() == 0) edt_ara->setFocus();
  else if (cxGrid1->value(column).toString() == text) cxGrid1->view()->setFocus();
}

QString PickerWindow::dosya_ara_modal() {
  bool accepted = false;
  bool closeAtOnce = false;
  ui::runHandler([&] { closeAtOnce = FormShow(); });
  ready_ = true;
  if (closeAtOnce) accepted = true;
  else accepted = ui::showModal(*this) == QDialog::Accepted;
  ready_ = false;
  QString value = QStringLiteral("-1");
  if (accepted && cxGrid1->currentRow() >= 0) {
    const QVariant v = cxGrid1->value(returnColumn());
    value = v.typeId() == QMetaType::Double ? QString::number(v.toDouble(), 'g', 15) : v.toString();
  }
  FormClose();
  return value;
}
