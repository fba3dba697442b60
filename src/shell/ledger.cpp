#include "shell/ledger.h"

#include "db/db.h"
#include "shell/session.h"
#include "ui/dialogs.h"

namespace login {
namespace {

void requireCode(const QString& code) {
  if (code.isEmpty()) throw ui::Silent{};
}

// Locks the totals row, then rewrites its totals from one aggregate over the movements.
// BAKIYE is stored rounded to cents so a balance that is zero to the cent reads as settled.
void recompute(const QString& totalsTable, const QString& codeColumn, const QString& code, const QString& movements,
               const QString& inColumn, const QString& outColumn, const QString& setClause) {
  requireCode(code);
  db::Transaction t;
  db::Query lock(QStringLiteral("Query1"));
  lock.setSql(QStringLiteral("SELECT KAYITNO FROM %1 WHERE SIRKETKODU = :sirket AND %2 = :kod FOR UPDATE")
                  .arg(totalsTable, codeColumn));
  lock.bind(QStringLiteral("sirket"), SIRKET);
  lock.bind(QStringLiteral("kod"), code);
  lock.exec();
  if (lock.isEmpty()) {  // no such card or account: nothing to rewrite
    t.commit();
    return;
  }
  db::Query upd(QStringLiteral("Query1"));
  upd.setSql(QStringLiteral("UPDATE %1 t, (SELECT COALESCE(SUM(%4),0) GIREN, COALESCE(SUM(%5),0) CIKAN FROM %3 "
                            "WHERE SIRKETKODU = :sirket1 AND %2 = :kod1) s SET %6 "
                            "WHERE t.SIRKETKODU = :sirket2 AND t.%2 = :kod2")
                 .arg(totalsTable, codeColumn, movements, inColumn, outColumn, setClause));
  upd.bind(QStringLiteral("sirket1"), SIRKET);
  upd.bind(QStringLiteral("kod1"), code);
  upd.bind(QStringLiteral("sirket2"), SIRKET);
  upd.bind(QStringLiteral("kod2"), code);
  upd.exec();
  t.commit();
}

struct Catalogue {
  QString database;
  int hasFatura = -1;  // unknown
};
Catalogue& catalogue() {
  static Catalogue c;
  return c;
}

bool faturaTableExists() {
  Catalogue& c = catalogue();
  if (c.database != mydata || c.hasFatura < 0) {
    c.database = mydata;
    c.hasFatura = db::tables().contains(QStringLiteral("FATURA")) ? 1 : 0;
  }
  return c.hasFatura == 1;
}

}  // namespace

void bakiyeguncelle(const QString& cariKod) {
  recompute(QStringLiteral("FIRMALAR"), QStringLiteral("CARIKOD"), cariKod, QStringLiteral("CARI_HAREKET"),
            QStringLiteral("BORC"), QStringLiteral("ALACAK"),
            QStringLiteral("t.BORC = s.GIREN, t.ALACAK = s.CIKAN, t.BAKIYE = ROUND(s.GIREN - s.CIKAN, 2), "
                           "t.DURUM = CASE WHEN ROUND(s.GIREN - s.CIKAN, 2) > 0 THEN 'B' "
                           "WHEN ROUND(s.GIREN - s.CIKAN, 2) < 0 THEN 'A' ELSE 'S' END"));
}

void kasaguncelle(const QString& kasaKodu) {
  recompute(QStringLiteral("KASALAR"), QStringLiteral("KASAKODU"), kasaKodu, QStringLiteral("KASA"), QStringLiteral("GELIR"),
            QStringLiteral("GIDER"),
            QStringLiteral("t.GELIR = s.GIREN, t.GIDER = s.CIKAN, t.KALAN = ROUND(s.GIREN - s.CIKAN, 2)"));
}

void bankaguncelle(const QString& bankaKodu) {
  recompute(QStringLiteral("BANKALAR"), QStringLiteral("BANKAKODU"), bankaKodu, QStringLiteral("BANKA"),
            QStringLiteral("GIRIS"), QStringLiteral("CIKIS"),
            QStringLiteral("t.GELEN = s.GIREN, t.GIDEN = s.CIKAN, t.BAKIYE = ROUND(s.GIREN - s.CIKAN, 2)"));
}

void faturakapama(const QString& cariKod, const QString& paraBirimi, double tutar) {
  GLB_MESAJ.clear();
  if (!faturaTableExists()) return;
  db::Transaction t;
  db::Query q(QStringLiteral("Query1"));
  q.setSql(QStringLiteral("SELECT KAYITNO, FATURANO FROM FATURA WHERE SIRKETKODU = :sirket AND FKAPANDIMI = 'H' "
                          "AND CARIKOD = :kod AND ABS(ROUND(GENELTOPLAM, 2) - :tutar) < 0.005 "
                          "AND DOVIZPARABIRIMI = :pb ORDER BY KAYITNO LIMIT 1 FOR UPDATE"));
  q.bind(QStringLiteral("sirket"), SIRKET);
  q.bind(QStringLiteral("kod"), cariKod);
  q.bind(QStringLiteral("tutar"), tutar);
  q.bind(QStringLiteral("pb"), paraBirimi);
  q.exec();
  if (q.isEmpty()) {
    t.commit();
    return;
  }
  const QVariant key = q.value(QStringLiteral("KAYITNO"));
  const QString no = q.text(QStringLiteral("FATURANO"));
  db::Query u(QStringLiteral("Query1"));
  u.setSql(QStringLiteral("UPDATE FATURA SET FKAPANDIMI = :k WHERE SIRKETKODU = :sirket AND KAYITNO = :no"));
  u.bind(QStringLiteral("k"), QStringLiteral("E"));
  u.bind(QStringLiteral("sirket"), SIRKET);
  u.bind(QStringLiteral("no"), key);
  u.exec();
  t.commit();
  GLB_MESAJ = no + QStringLiteral(" Nolu Fatura Bu işlem ile Kapatıldı..");
}

void forgetCatalogue() { catalogue() = Catalogue{}; }

}  // namespace login
