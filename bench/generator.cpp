#include "generator.h"

#include "db/db.h"

namespace bench {
namespace {
void run(const QString& sql) {
  db::Query q(QStringLiteral("bench"), sql);
  q.exec();
}

// Rows 1..n from the server's sequence engine, in chunks that keep each statement small.
void fill(long n, const std::function<QString(long from, long to)>& statement) {
  const long chunk = 200000;
  for (long from = 1; from <= n; from += chunk) run(statement(from, std::min(n, from + chunk - 1)));
}

// Expressions shared by the statements (s.seq is the row number).
const char* kCompany = "LPAD(1 + (s.seq MOD %1), 2, '0')";
}  // namespace

void generate(const AgencySize& z) {
  const QString company = QString::fromLatin1(kCompany).arg(z.companies);
  // Skewed account choice: the cube of a uniform number favours the first accounts.
  const QString account = QStringLiteral("CONCAT('M-', 1 + FLOOR(%1 * POW(RAND(s.seq), 3)))").arg(z.accountsPerCompany);
  const QString currency = QStringLiteral("ELT(1 + (s.seq MOD 20 >= 16) + (s.seq MOD 20 >= 19), 'TL', 'USD', 'EURO')");
  const QString amount = QStringLiteral("ROUND(EXP(RAND(s.seq * 7) * 9), 2)");
  const QString date = QStringLiteral("DATE_SUB('2026-12-01', INTERVAL FLOOR(RAND(s.seq * 3) * 1095) DAY)");

  db::Transaction t;
  run(QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU, SIRKETADI, SIRKETUNVANI) SELECT LPAD(seq, 2, '0'), "
                     "CONCAT('ŞİRKET ', seq), CONCAT('ACENTE ', seq) FROM seq_1_to_%1").arg(z.companies));
  fill(long(z.companies) * z.accountsPerCompany, [&](long a, long b) {
    return QStringLiteral(
               "INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD, CARIUNVAN, KAYITTURU, PARABIRIMI, BORC, ALACAK, BAKIYE, DURUM, "
               "KILIT, CARIDURUMU, IL, KAYITTARIHI, KULLANICI) "
               "SELECT LPAD(1 + ((s.seq - 1) DIV %3), 2, '0'), CONCAT('M-', 1 + ((s.seq - 1) MOD %3)), "
               "CONCAT('Müşteri Ünvanı ', s.seq), "
               "ELT(1 + (s.seq MOD 20 >= 16) + (s.seq MOD 20 >= 17) + (s.seq MOD 20 >= 19), 'MÜŞTERİ', 'SİGORTA ŞİRKETİ', "
               "'TALİ ACENTE', 'PERSONEL'), 'TL', 0, 0, 0, 'S', 'H', 'AKTİF', "
               "ELT(1 + s.seq MOD 4, 'İSTANBUL', 'ANKARA', 'İZMİR', 'BURSA'), %4, 'admin' FROM seq_%1_to_%2 s")
        .arg(a).arg(b).arg(z.accountsPerCompany).arg(date);
  });
  fill(z.movements, [&](long a, long b) {
    return QStringLiteral(
               "INSERT INTO CARI_HAREKET (SIRKETKODU, CARIKOD, CARIUNVAN, EVRAKNO, ISLEMTARIHI, ISLEMTURU, ACIKLAMA, BORC, "
               "ALACAK, PARABIRIMI, EVRAKKAYITNO, EVRAKCINSI, KULLANICI, KILIT) "
               "SELECT %3, %4, 'Ünvan', CONCAT('E', s.seq), %5, ELT(1 + s.seq MOD 4, 'C.Hareket', 'Nakit', 'Havale', 'Senet'), "
               "'Hareket', IF(s.seq MOD 3 = 0, 0, %6), IF(s.seq MOD 3 = 0, %6, 0), %7, s.seq, "
               "ELT(1 + s.seq MOD 4, 'POL', 'KASA', 'BANKA', 'SNT'), 'admin', 'H' FROM seq_%1_to_%2 s")
        .arg(a).arg(b).arg(company, account, date, amount, currency);
  });
  if (z.hotAccountMovements > 0) {
    run(QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD, CARIUNVAN, KAYITTURU, BORC, ALACAK, BAKIYE, DURUM) "
                       "VALUES ('01', 'HOT', 'Çok Hareketli Hesap', 'MÜŞTERİ', 0, 0, 0, 'S')"));
    fill(z.hotAccountMovements, [&](long a, long b) {
      return QStringLiteral("INSERT INTO CARI_HAREKET (SIRKETKODU, CARIKOD, CARIUNVAN, ISLEMTARIHI, ISLEMTURU, BORC, ALACAK, "
                            "PARABIRIMI, EVRAKCINSI) SELECT '01', 'HOT', 'Çok Hareketli Hesap', %3, 'C.Hareket', "
                            "IF(s.seq MOD 2 = 0, 0, %4), IF(s.seq MOD 2 = 0, %4, 0), %5, 'CH' FROM seq_%1_to_%2 s")
          .arg(a).arg(b).arg(date, amount, currency);
    });
  }
  fill(z.policies, [&](long a, long b) {
    return QStringLiteral(
               "INSERT INTO POLICE (SIRKETKODU, CARIKOD, POLICESAHIBI, ISLEMTARIHI, POLICENO, POLICETURU, KAYITTURU, "
               "KAYITDURUMU, POLICEKAPATILDI, YENILEMEDURUMU, BASLAMATARIHI, BITISTARIHI, POLICETUTARI, NETTUTAR, "
               "KOMISYONTUTARI, PARABIRIMI) SELECT %3, %4, 'Sigortalı', %5, CONCAT('P', s.seq), "
               "ELT(1 + s.seq MOD 5, 'TRAFİK', 'KASKO', 'DASK', 'KONUT', 'SAĞLIK'), IF(s.seq MOD 10 = 0, 'ZEYİL', 'POLİÇE'), "
               "'AKTİF', 'H', 'BEKLİYOR', %5, DATE_ADD(%5, INTERVAL 1 YEAR), %6, %6 * 0.8, %6 * 0.1, %7 FROM seq_%1_to_%2 s")
        .arg(a).arg(b).arg(company, account, date, amount, currency);
  });
  fill(z.cashRows, [&](long a, long b) {
    return QStringLiteral(
               "INSERT INTO KASA (SIRKETKODU, KASAKODU, KASAADI, CARIKOD, ISLEMTARIHI, ISLEMTURU, TUTAR, GELIR, GIDER, "
               "PARABIRIMI, EVRAKTURU) SELECT %3, CONCAT('100.0', s.seq MOD 3), 'Merkez Kasa', %4, %5, "
               "IF(s.seq MOD 2, 'Gelir', 'Gider'), %6, IF(s.seq MOD 2, %6, 0), IF(s.seq MOD 2, 0, %6), %7, 'KASA' "
               "FROM seq_%1_to_%2 s")
        .arg(a).arg(b).arg(company, account, date, amount, currency);
  });
  fill(z.bankRows, [&](long a, long b) {
    return QStringLiteral(
               "INSERT INTO BANKA (SIRKETKODU, BANKAKODU, BANKAADI, CARIKOD, ISLEMTARIHI, ISLEMTURU, TUTAR, GIRIS, CIKIS, "
               "PARABIRIMI, EVRAKCINSI) SELECT %3, CONCAT('B', s.seq MOD 4), 'Banka', %4, %5, "
               "IF(s.seq MOD 2, 'Giriş', 'Çıkış'), %6, IF(s.seq MOD 2, %6, 0), IF(s.seq MOD 2, 0, %6), %7, 'BANKA' "
               "FROM seq_%1_to_%2 s")
        .arg(a).arg(b).arg(company, account, date, amount, currency);
  });
  run(QStringLiteral("INSERT INTO KASALAR (SIRKETKODU, KASAKODU, KASAADI) SELECT DISTINCT SIRKETKODU, KASAKODU, KASAADI FROM KASA"));
  run(QStringLiteral("INSERT INTO BANKALAR (SIRKETKODU, BANKAKODU, BANKAADI) SELECT DISTINCT SIRKETKODU, BANKAKODU, BANKAADI FROM BANKA"));
  fill(z.notes, [&](long a, long b) {
    return QStringLiteral("INSERT INTO ACIKLAMALAR (SIRKETKODU, CARIKODU, EVRAKKAYITNO, EVRAKTURU, ACIKLAMA1, TARIH1, TARIH2, "
                          "UYARSINMI, KATAGORI) SELECT %3, %4, s.seq, 'Cari', 'Not', %5, DATE_ADD(%5, INTERVAL 30 DAY), "
                          "IF(s.seq MOD 3, 'HAYIR', 'EVET'), 'SATIŞ' FROM seq_%1_to_%2 s")
        .arg(a).arg(b).arg(company, account, date);
  });
  for (const char* table : {"CEKLER", "SENETLER"}) {
    const int n = QLatin1String(table) == QLatin1String("CEKLER") ? z.cheques : z.promissoryNotes;
    fill(n, [&](long a, long b) {
      return QStringLiteral("INSERT INTO %8 (SIRKETKODU, GIRISCARIKODU, TARIHI, VADELITUTAR, KALANSENETTUTARI, PARABIRIMI, "
                            "ODEMEDURUMU) SELECT %3, %4, DATE_ADD(%5, INTERVAL 90 DAY), %6, %6, %7, "
                            "ELT(1 + s.seq MOD 3, 'PORTFÖY', 'TAHSİL', 'CİRO') FROM seq_%1_to_%2 s")
          .arg(a).arg(b).arg(company, account, date, amount, currency, QString::fromLatin1(table));
    });
  }
  t.commit();
}

}  // namespace bench
