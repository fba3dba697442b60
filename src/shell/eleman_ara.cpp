#include "shell/eleman_ara.h"

#include "ui/widgets.h"

namespace {
// Every column of the user list but the password.
const char* kColumns =
    "KAYIT_NO, KULLANICIKODU, KULLANICI_KODU, KULLANICI_ADI, KULLANICI_SOYADI, DEPERTMAN, GOREVI, UNVANI, USERNAME";
}

Tfrm_eleman_ara::Tfrm_eleman_ara(QWidget* owner)
    : PickerWindow(owner, QStringLiteral("frm_eleman_ara"), QStringLiteral("Kullanıcılar")) {
  cxGrid1->setColumns(grid::columns({{"KULLANICI_KODU", "K.K"},
                                                      {"KULLANICI_ADI", "Adı"},
                                                      {"KULLANICI_SOYADI", "Soyadi"},
                                                      {"USERNAME", "USERNAME"},
                                                      {"DEPERTMAN", "DEPERTMAN"}}));
  // Upper-case input, as the list is searched in upper case.
  ui::upperCaseInput(edt_ara);
}

bool Tfrm_eleman_ara::FormShow() {
  list(QStringLiteral("select %1 from ELEMANLAR").arg(QString::fromLatin1(kColumns)));
  edt_ara->setFocus();
  return false;
}

void Tfrm_eleman_ara::applySearch(const QString& text) {
  list(QStringLiteral("select %1 from ELEMANLAR Where KULLANICI_ADI like upper(:s)  ORDER BY ELEMANLAR.KULLANICI_ADI ")
           .arg(QString::fromLatin1(kColumns)),
       {{QStringLiteral("s"), text + QStringLiteral("%")}});
  focusAfterSearch(QStringLiteral("KULLANICI_ADI"), text);
}
