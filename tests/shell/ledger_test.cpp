#include "shell/ledger.h"
#include "shell/session.h"
#include "support/testdb.h"
#include "ui/dialogs.h"

using support::scalar;
using support::sql;

namespace {
class Ledger : public support::DbTest {
 protected:
  void SetUp() override {
    support::DbTest::SetUp();
    login::SIRKET = QStringLiteral("01");
    sql(QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD, BORC, ALACAK, BAKIYE, DURUM) VALUES "
                       "('01','A',9,9,9,'B'), ('01','B',9,9,9,'B'), ('01','C',9,9,9,'B'), ('01','EMPTY',9,9,9,'B'), "
                       "('02','A',7,7,7,'B')"));
    sql(QStringLiteral("INSERT INTO CARI_HAREKET (SIRKETKODU, CARIKOD, BORC, ALACAK, PARABIRIMI) VALUES "
                       "('01','A',100,0,'TL'), ('01','A',0,100,'USD'), "
                       "('01','B',100,0,'TL'), ('01','B',0,100.0000001,'TL'), "
                       "('01','C',100,0,'TL'), ('01','C',0,100.01,'TL'), "
                       "('02','A',500,0,'TL'), ('02','B',1,0,'TL')"));
  }
  static QString card(const QString& company, const QString& code) {
    auto r = sql(QStringLiteral("SELECT BORC, ALACAK, BAKIYE, DURUM FROM FIRMALAR WHERE SIRKETKODU='%1' AND CARIKOD='%2'")
                     .arg(company, code));
    if (r.empty()) return {};
    return QStringLiteral("%1/%2/%3/%4")
        .arg(r[0].value(0).toDouble())
        .arg(r[0].value(1).toDouble())
        .arg(r[0].value(2).toDouble())
        .arg(r[0].value(3).toString());
  }
};
}  // namespace

TEST_F(Ledger, CustomerTotalsFromTheLedger) {
  const std::pair<const char*, const char*> cases[] = {
      {"A", "100/100/0/S"},          // currencies are not separated
      {"B", "100/100/0/S"},          // settled to the cent
      {"C", "100/100.01/-0.01/A"},   // a cent of credit
      {"EMPTY", "0/0/0/S"},          // no movements
  };
  for (auto [code, expected] : cases) {
    login::bakiyeguncelle(QString::fromLatin1(code));
    EXPECT_EQ(card(QStringLiteral("01"), QString::fromLatin1(code)), QString::fromLatin1(expected)) << code;
  }
  EXPECT_EQ(card(QStringLiteral("02"), QStringLiteral("A")), QStringLiteral("7/7/7/B"));  // other company untouched
  login::bakiyeguncelle(QStringLiteral("NOCARD"));  // no card: nothing to rewrite, nothing reported
  EXPECT_TRUE(ui::Dialogs::shown().empty());
  EXPECT_THROW(login::bakiyeguncelle(QString()), ui::Silent);
}

TEST_F(Ledger, CashAndBankTotals) {
  sql(QStringLiteral("INSERT INTO KASALAR (SIRKETKODU, KASAKODU) VALUES ('01','K1'), ('02','K1')"));
  sql(QStringLiteral("INSERT INTO KASA (SIRKETKODU, KASAKODU, GELIR, GIDER) VALUES ('01','K1',50,0), ('01','K1',0,20.5), "
                     "('02','K1',999,0)"));
  sql(QStringLiteral("INSERT INTO BANKALAR (SIRKETKODU, BANKAKODU) VALUES ('01','B1')"));
  sql(QStringLiteral("INSERT INTO BANKA (SIRKETKODU, BANKAKODU, GIRIS, CIKIS) VALUES ('01','B1',10,0), ('01','B1',0,30)"));
  login::kasaguncelle(QStringLiteral("K1"));
  login::bankaguncelle(QStringLiteral("B1"));
  auto k = sql(QStringLiteral("SELECT GELIR, GIDER, KALAN FROM KASALAR WHERE SIRKETKODU='01'"));
  EXPECT_DOUBLE_EQ(k[0].value(0).toDouble(), 50);
  EXPECT_DOUBLE_EQ(k[0].value(1).toDouble(), 20.5);
  EXPECT_DOUBLE_EQ(k[0].value(2).toDouble(), 29.5);
  EXPECT_TRUE(scalar(QStringLiteral("SELECT KALAN FROM KASALAR WHERE SIRKETKODU='02'")).isNull());
  auto b = sql(QStringLiteral("SELECT GELEN, GIDEN, BAKIYE FROM BANKALAR"));
  EXPECT_DOUBLE_EQ(b[0].value(2).toDouble(), -20);
  EXPECT_THROW(login::kasaguncelle(QString()), ui::Silent);
}

TEST_F(Ledger, InvoiceClosingTakesTheOldestMatch) {
  sql(QStringLiteral("INSERT INTO FATURA (SIRKETKODU, FATURANO, CARIKOD, GENELTOPLAM, DOVIZPARABIRIMI, FKAPANDIMI) VALUES "
                     "('01','F-1','A',1234.499,'TL','H'), ('01','F-2','A',1234.5,'TL','H'), ('01','F-3','A',1234.5,'USD','H'), "
                     "('01','F-0','A',1234.5,'TL','E'), ('02','F-9','A',1234.5,'TL','H')"));
  login::faturakapama(QStringLiteral("A"), QStringLiteral("TL"), 1234.50);
  EXPECT_EQ(login::GLB_MESAJ, QStringLiteral("F-1 Nolu Fatura Bu işlem ile Kapatıldı.."));
  login::faturakapama(QStringLiteral("A"), QStringLiteral("TL"), 1234.50);
  EXPECT_EQ(login::GLB_MESAJ, QStringLiteral("F-2 Nolu Fatura Bu işlem ile Kapatıldı.."));
  login::faturakapama(QStringLiteral("A"), QStringLiteral("TL"), 1234.50);
  EXPECT_TRUE(login::GLB_MESAJ.isEmpty());
  EXPECT_EQ(scalar(QStringLiteral("SELECT GROUP_CONCAT(FATURANO ORDER BY FATURANO) FROM FATURA WHERE FKAPANDIMI='H'")).toString(),
            QStringLiteral("F-3,F-9"));
}

TEST_F(Ledger, MissingInvoiceTableMeansNothingToClose) {
  sql(QStringLiteral("RENAME TABLE FATURA TO FATURA_SAKLI"));
  login::forgetCatalogue();
  login::GLB_MESAJ = QStringLiteral("eski");
  ui::runHandler([] { login::faturakapama(QStringLiteral("A"), QStringLiteral("TL"), 10); });
  sql(QStringLiteral("RENAME TABLE FATURA_SAKLI TO FATURA"));
  login::forgetCatalogue();
  EXPECT_TRUE(ui::Dialogs::shown().empty());
  EXPECT_TRUE(login::GLB_MESAJ.isEmpty());
}
