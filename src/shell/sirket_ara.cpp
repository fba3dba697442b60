#include "shell/sirket_ara.h"

#include "ui/dialogs.h"

Tfrm_sirket_ara::Tfrm_sirket_ara(QWidget* owner)
    : PickerWindow(owner, QStringLiteral("frm_sirket_ara"), QStringLiteral("Şirketler")) {
  cxGrid1->setColumns(grid::columns(
      {{"SIRKETKODU", "Sirket kodu"}, {"SIRKETADI", "Sirket adı"}, {"ACIKLAMA", "Acıklama"}, {"DATAYOLU", "Data Yolu"}}));
  PopupMenu1 = new QMenu(this);
  mnu_tumunugoster = PopupMenu1->addAction(QStringLiteral("Tümünü Göster"));
  cxGrid1->view()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(cxGrid1->view(), &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { PopupMenu1->popup(cxGrid1->view()->viewport()->mapToGlobal(p)); });
  connect(mnu_tumunugoster, &QAction::triggered, this,
          [this] { ui::runHandler([this] { list(QStringLiteral("select * from SIRKETLER where 1=1  ")); }); });
}

bool Tfrm_sirket_ara::FormShow() {
  // Companies marked "GG" in their tax office or number are hidden from the lists.
  list(QStringLiteral("select * from SIRKETLER where 1=1  and COALESCE(VDAIRESI,'') <> 'GG' and COALESCE(VNO,'') <> 'GG' "));
  edt_ara->setFocus();
  return false;
}

void Tfrm_sirket_ara::applySearch(const QString& text) {
  list(QStringLiteral("select * from SIRKETLER Where SIRKETADI like upper(:s)   ORDER BY 1 "),
       {{QStringLiteral("s"), text + QStringLiteral("%")}});
  focusAfterSearch(QStringLiteral("SIRKETADI"), text);
}
