#include "cashbank/banka_ara.h"

#include "shell/registry.h"
#include "shell/session.h"

Tfrm_banka_ara::Tfrm_banka_ara(QWidget* owner) : PickerWindow(owner, QStringLiteral("frm_banka_ara"), QStringLiteral("Banka Arama")) {
  edt_ara->setPlaceholderText(QStringLiteral("Adı"));
  cxGrid1->setColumns(grid::columns({{"BANKAKODU", "Banka Kodu"}, {"BANKAADI", "Banka Adı"}, {"SUBEADI", "Şube Adı"},
                                     {"HESAPNO", "Hesap No"}, {"HESAPTURU", "Para Birimi"}, {"HESAPTIPI", "Hesap Tipi"},
                                     {"VADEGUNSAYISI", "Vade"}, {"TAKSITADETI", "Taksit"}, {"KOMISYONORANI", "Kom%"},
                                     {"YETKILI1", "Yetkili 1"}, {"YETKILI2", "Yetkili 2"}, {"TEL1", "Tel 1"}, {"TEL2", "Tel 2"},
                                     {"FAX", "Fax"}, {"ADRES", "Adres"}, {"ACIKLAMA", "Acıklama"}}));
}

bool Tfrm_banka_ara::FormShow() {
  list(QStringLiteral("select * from BANKALAR where 1=1  and SIRKETKODU = :sirket ORDER BY 1 "),
       {{QStringLiteral("sirket"), db::sqlTextValue(login::SIRKET)}});
  edt_ara->setFocus();
  return false;
}

void Tfrm_banka_ara::applySearch(const QString& text) {
  list(QStringLiteral("select * from BANKALAR Where BANKAADI like upper(:s) and SIRKETKODU = :sirket order by BANKAADI"),
       {{QStringLiteral("s"), text + QStringLiteral("%")}, {QStringLiteral("sirket"), db::sqlTextValue(login::SIRKET)}});
  for (int r : cxGrid1->shownRows())
    if (cxGrid1->value(QStringLiteral("BANKAKODU"), r).toString().startsWith(text, Qt::CaseInsensitive)) {
      cxGrid1->setCurrentRow(r);
      break;
    }
  if (cxGrid1->rowCount() == 0) edt_ara->setFocus();
}

namespace cashbank {
void registerWindows() {
  registry::registerPicker(QStringLiteral("banka_ara"), runPicker<Tfrm_banka_ara>);
}
}  // namespace cashbank
