#include "cashbank/banka_ara.h"
#include "shell/session.h"
#include "support/testdb.h"
#include "ui/dialogs.h"

using support::sql;

class BankPicker : public support::DbTest {};

TEST_F(BankPicker, ListsTheCompanysAccountsAndReturnsTheName) {
  login::SIRKET = QStringLiteral("01");
  sql(QStringLiteral("INSERT INTO BANKALAR (SIRKETKODU, BANKAKODU, BANKAADI, HESAPTURU) VALUES ('01','B1','AKBANK','TL'), "
                     "('01','B2','ZİRAAT','USD'), ('02','B9','BAŞKA','TL')"));
  Tfrm_banka_ara p;
  int listed = 0, found = 0;
  ui::pushModalDriver([&](QWidget& w) {
    auto& picker = static_cast<Tfrm_banka_ara&>(w);
    listed = picker.cxGrid1->rowCount();
    picker.search(QStringLiteral("zir"));
    found = picker.cxGrid1->rowCount();
    picker.accept();
  });
  EXPECT_EQ(p.dosya_ara_modal(), QStringLiteral("ZİRAAT"));
  EXPECT_EQ(listed, 2);
  EXPECT_EQ(found, 1);
  EXPECT_EQ(p.current().value(QStringLiteral("BANKAKODU")).toString(), QStringLiteral("B2"));
  Tfrm_banka_ara cancelled;
  ui::pushModalDriver([](QWidget& w) { static_cast<Tfrm_banka_ara&>(w).reject(); });
  EXPECT_EQ(cancelled.dosya_ara_modal(), QStringLiteral("-1"));
}
