#include "shell/rakamlar.h"

#include "db/db.h"
#include "shell/Utils.h"
#include "shell/menu.h"
#include "shell/rights.h"
#include "shell/session.h"
#include "ui/dialogs.h"

#include <QLocale>

namespace rakamlar {
namespace {

using Binds = std::map<QString, QVariant>;

QString sum(double v) {  // "#,##0.##"
  QString s = QLocale(QLocale::Turkish, QLocale::Turkey).toString(v, 'f', 2);
  if (s.endsWith(QStringLiteral(",00"))) s.chop(3);
  else if (s.endsWith(QLatin1Char('0')) && s.contains(QLatin1Char(','))) s.chop(1);
  return s;
}
QString money(const QVariant& v, int minDecimals = 2) {  // "#.00" / "#.00##"
  QString s = QLocale(QLocale::Turkish, QLocale::Turkey).toString(v.toDouble(), 'f', 4);
  s.remove(QLatin1Char('.'));
  while (s.size() - s.indexOf(QLatin1Char(',')) - 1 > minDecimals && s.endsWith(QLatin1Char('0'))) s.chop(1);
  return s;
}
QString day(const QVariant& v) { return v.toDate().toString(QStringLiteral("dd.MM.yyyy")); }

// The period of a figure line as a date range (weeks: Monday to Sunday of the ISO week).
enum class Period { Day, Week, Month, Year };
std::pair<QDate, QDate> range(const QDate& f, Period p) {
  switch (p) {
    case Period::Day: return {f, f};
    case Period::Week: return Utils::isoWeek(f);
    case Period::Month: return {QDate(f.year(), f.month(), 1), QDate(f.year(), f.month(), f.daysInMonth())};
    case Period::Year: break;
  }
  return {QDate(f.year(), 1, 1), QDate(f.year(), 12, 31)};
}

Binds binds(const QDate& f, Period p) {
  const auto [from, to] = range(f, p);
  return {{QStringLiteral("sirket"), db::sqlTextValue(login::SIRKET)}, {QStringLiteral("t1"), from}, {QStringLiteral("t2"), to}};
}

// The figure lines of one table in a single pass: each line is a conditional sum over its
// own period, read from the span all the periods cover (a week can reach into the next year).
struct Spans {
  QStringList when;  // per line: "ISLEMTARIHI >= :aN and ISLEMTARIHI <= :bN"
  Binds binds;  // also :sirket, and :t1/:t2 for the whole span
};
Spans spans(const QDate& f, const std::vector<Period>& periods) {
  Spans s;
  QDate first = f, last = f;
  int i = 0;
  for (Period p : periods) {
    const auto [from, to] = range(f, p);
    s.when << QStringLiteral("ISLEMTARIHI >= :a%1 and ISLEMTARIHI <= :b%1").arg(i);
    s.binds[QStringLiteral("a%1").arg(i)] = from;
    s.binds[QStringLiteral("b%1").arg(i)] = to;
    first = std::min(first, from);
    last = std::max(last, to);
    ++i;
  }
  s.binds[QStringLiteral("sirket")] = db::sqlTextValue(login::SIRKET);
  s.binds[QStringLiteral("t1")] = first;
  s.binds[QStringLiteral("t2")] = last;
  return s;
}

const QString kCollectionFilter = QStringLiteral(
    " and islemturu <> 'Police' and islemturu <> 'C.Hareket' and islemturu <> 'DEVİR' and islemturu <> 'VİRMAN'");
}  // namespace

void hedefhesabi(Tfrm_menu& w) {
  w.ListBox3->clear();
  ui::runHandler([&] {
    if (!login::ekranGirisiVar(QStringLiteral("cari rapor"), false)) return;
    const QDate f = w.cxDateEdit1->date();
    struct Line {
      const char* label;
      const char* kind;
      Period period;
    };
    const Line production[] = {{"Günlük Üretim Tutarı   : ", "POLİÇE", Period::Day},
                               {"Haftalık Üretim Tutarı : ", "POLİÇE", Period::Week},
                               {"Aylık Üretim Tutarı      : ", "POLİÇE", Period::Month},
                               {"Yıllık Üretim Tutarı       : ", "POLİÇE", Period::Year},
                               {"Aylık Zeyil Tutarı       : ", "ZEYİL", Period::Month},
                               {"Yıllık Zeyil Tutarı        : ", "ZEYİL", Period::Year}};
    std::vector<Period> periods;
    for (const Line& l : production) periods.push_back(l.period);
    const Spans p = spans(f, periods);
    QStringList sums;
    for (int i = 0; i < p.when.size(); ++i)
      sums << QStringLiteral("sum(case when kayitturu = :k%1 and %2 then POLICETUTARI end) s%1").arg(i).arg(p.when[i]);
    db::Query q(QStringLiteral("qry_toplam"));
    q.setSql(QStringLiteral("select %1 from POLICE where 1=1  and sirketkodu = :sirket and ISLEMTARIHI >= :t1 and ISLEMTARIHI <= :t2")
                 .arg(sums.join(QStringLiteral(", "))));
    for (const auto& [k, v] : p.binds) q.bind(k, v);
    for (size_t i = 0; i < std::size(production); ++i) q.bind(QStringLiteral("k%1").arg(i), QString::fromUtf8(production[i].kind));
    q.exec();
    for (size_t i = 0; i < std::size(production); ++i)
      w.ListBox3->addItem(QString::fromUtf8(production[i].label) + sum(q.value(QStringLiteral("s%1").arg(i)).toDouble()));
    w.ListBox3->addItem(QString());
    auto* head = new QListWidgetItem(QStringLiteral("Tahsılat Bilgisi"), w.ListBox3);
    head->setForeground(Qt::blue);
    const std::pair<const char*, Period> collections[] = {
        {"Günlük    ", Period::Day}, {"Haftalık   ", Period::Week}, {"Aylık        ", Period::Month}, {"Yıllık         ", Period::Year}};
    periods.clear();
    for (const auto& [label, period] : collections) periods.push_back(period);
    const Spans c = spans(f, periods);
    sums.clear();
    for (int i = 0; i < c.when.size(); ++i)
      sums << QStringLiteral("sum(case when %2 then BORC end) g%1, sum(case when %2 then ALACAK end) c%1, "
                             "sum(case when %2 then ALACAK end)-sum(case when %2 then BORC end) n%1")
                  .arg(i)
                  .arg(c.when[i]);
    db::Query t(QStringLiteral("qry_toplam"));
    t.setSql(QStringLiteral("select %1 from CARI_HAREKET where 1=1  and sirketkodu = :sirket and islemtarihi >= :t1 and "
                            "islemtarihi <= :t2")
                 .arg(sums.join(QStringLiteral(", "))) +
             kCollectionFilter);
    for (const auto& [k, v] : c.binds) t.bind(k, v);
    t.exec();
    for (size_t i = 0; i < std::size(collections); ++i) {
      auto figure = [&](const char* column) { return sum(t.value(QString::fromLatin1(column) + QString::number(i)).toDouble()); };
      auto* item = new QListWidgetItem(QString::fromUtf8(collections[i].first) + QStringLiteral("+") + figure("c") +
                                           QStringLiteral("  -") + figure("g") + QStringLiteral("  =") + figure("n"),
                                       w.ListBox3);
      item->setForeground(Qt::black);
    }
  });
}

void Detay(Tfrm_menu& w, int line) {
  if (line < 0 || line == 7 || line > 11) return;
  ui::runHandler([&] {
    const QDate f = w.cxDateEdit1->date();
    if (line <= 6) {
      const Period p = line == 0 ? Period::Day : line == 1 ? Period::Week : (line == 2 || line == 4) ? Period::Month : Period::Year;
      Binds b = binds(f, p);
      b[QStringLiteral("tur")] = line > 3 ? QStringLiteral("ZEYİL") : QStringLiteral("POLİÇE");
      w.showGrid(QStringLiteral("select CARIKOD, POLICESAHIBI, ISLEMTARIHI AS TARIH, POLICENO, POLICETURU as TURU, BASLAMATARIHI, "
                                "BITISTARIHI, ROUND(POLICETUTARI,2) TUTAR, SIGORTAFIRMASI, PARABIRIMI AS PB, ACIKLAMA from POLICE "
                                "where 1=1  and sirketkodu = :sirket and kayitturu = :tur and ISLEMTARIHI >= :t1 and ISLEMTARIHI <= :t2 "
                                "ORDER BY 3 DESC"),
                 b);
      return;
    }
    const Period p = line == 8 ? Period::Day : line == 9 ? Period::Week : line == 10 ? Period::Month : Period::Year;
    w.showGrid(QStringLiteral("select CARIKOD, CARIUNVAN, ISLEMTARIHI AS TARIH, EVRAKNO, EVRAKDURUMU as TURU, ROUND(BORC,2) BORC, "
                              "ROUND(ALACAK,2) ALACAK, PARABIRIMI AS PB, ACIKLAMA from CARI_HAREKET where 1=1  and sirketkodu = :sirket "
                              "and islemtarihi >= :t1 and islemtarihi <= :t2 ORDER BY 3 DESC"),
               binds(f, p));
  });
}

void HizliArama(Tfrm_menu& w, const QString& text) {
  ui::runHandler([&] {
    w.showGrid(QStringLiteral("select CARIKOD, CARIUNVAN UNVAN, ROUND(BAKIYE,2) BAKIYE, DURUM D, SONISLEMTARIHI SON_ISLEM, "
                              "SONISLEMTUTARI P_TUTARI, SONODEMETARIHI AS SON_ODEME, SONODEMETUTARI AS O_TUTARI, YETKILI1 AS YETKILI, "
                              "CEPNO AS CEPNO, IL from FIRMALAR Where  CARIUNVAN like  upper(:s)  and SIRKETKODU = :sirket  order by 1 LIMIT 1"),
               {{QStringLiteral("s"), text + QStringLiteral("%")}, {QStringLiteral("sirket"), login::SIRKET}});
    if (w.DBGrid1->rowCount() == 0) {
      w.LBL_BULUNAN->clear();
      return;
    }
    w.LBL_BULUNAN->setText(w.DBGrid1->value(QStringLiteral("UNVAN"), 0).toString());
    menu::MenuCA_CARIKODU = w.DBGrid1->value(QStringLiteral("CARIKOD"), 0).toString();
  });
}

void CariAnaliz2(Tfrm_menu& w) {
  if (w.LBL_BULUNAN->text().isEmpty()) return;
  ui::runHandler([&] {
    w.DBGrid1->hide();
    w.ListView1->show();
    w.ListView1->clear();
    std::vector<QTreeWidgetItem*> lines;
    for (int i = 0; i < 21; ++i) {
      auto* item = new QTreeWidgetItem(w.ListView1);
      if (i < 7) item->setText(0, QString::number(i + 1));
      lines.push_back(item);
    }
    auto set = [&](int line, int column, const QString& text) { lines[size_t(line - 1)]->setText(column, text); };
    const Binds k{{QStringLiteral("kod"), menu::MenuCA_CARIKODU}, {QStringLiteral("sirket"), login::SIRKET}};
    auto row = [&](const QString& sql) {
      db::Query q(QStringLiteral("qry_analiz"));
      q.setSql(sql);
      for (const auto& [n, v] : k) q.bind(n, v);
      q.exec();
      return q.isEmpty() ? QSqlRecord() : q.row(0);
    };
    const QString cond = QStringLiteral(" and CARIKOD = :kod and SIRKETKODU = :sirket");
    const QSqlRecord c = row(QStringLiteral("select * from FIRMALAR where 1=1") + cond + QStringLiteral(" ORDER BY 1 LIMIT 1"));
    if (!c.isEmpty()) {
      auto v = [&](const char* f) { return c.value(QString::fromLatin1(f)); };
      set(1, 1, QStringLiteral("Bakiye : ") + money(v("BAKIYE")) + QLatin1Char(' ') + v("PARABIRIMI").toString() + QStringLiteral("  ") +
                    v("DURUM").toString());
      set(2, 1, QStringLiteral("K.Tarihi: ") + day(v("KAYITTARIHI")) + QStringLiteral("    Ödeme Şekli : ") + v("CHESAPTURU").toString());
      set(3, 1, QStringLiteral("Kredisı : ") + v("KREDITUTARI").toString() + QStringLiteral("    Kdv % : ") + v("KDVORANI").toString());
      set(4, 1, QStringLiteral("Son P.Tarihi : ") + day(v("SONISLEMTARIHI")));
      set(5, 1, QStringLiteral("F.Yetkilisi : ") + v("YETKILI1").toString());
      set(6, 1, QStringLiteral("Acıklama : ") + v("NOTU").toString());
      set(7, 1, QStringLiteral("Tel: ") + v("TEL1").toString() + QLatin1Char(' ') + v("CEPNO").toString());
    }
    const QSqlRecord p = row(QStringLiteral("select * from POLICE where 1=1") + cond + QStringLiteral("  ORDER BY 1 DESC LIMIT 1"));
    auto pv = [&](const char* f) { return p.value(QString::fromLatin1(f)); };
    if (p.isEmpty()) {
      set(1, 2, QStringLiteral("Police Yok"));
      set(1, 3, QStringLiteral("Police Yok.."));
    } else {
      set(1, 2, QStringLiteral("Turu : ") + pv("POLICETURU").toString());
      set(2, 2, QStringLiteral("Tarihi : ") + day(pv("ISLEMTARIHI")));
      set(3, 2, QStringLiteral("P.No : ") + pv("POLICENO").toString());
      set(4, 2, QStringLiteral("Tutar : ") + money(pv("POLICETUTARI")) + QLatin1Char(' ') + pv("PARABIRIMI").toString());
      set(5, 2, QStringLiteral("Sigorta : ") + pv("SIGORTAFIRMASI").toString());
      set(6, 2, QStringLiteral("Baş.Tarihi : ") + day(pv("BASLAMATARIHI")));
      set(7, 2, QStringLiteral("Bit.tarihi : ") + day(pv("BITISTARIHI")));
      set(1, 3, QStringLiteral("PolNo : ") + pv("POLICENO").toString());
      set(2, 3, QStringLiteral("Türü : ") + pv("POLICETURU").toString());
      set(3, 3, QStringLiteral("Sigorta : ") + pv("SIGORTAFIRMASI").toString());
      set(4, 3, QStringLiteral("Tutar : ") + money(pv("POLICETUTARI")) + QLatin1Char(' ') + pv("PARABIRIMI").toString());
      set(5, 3, QStringLiteral("Tarih : ") + day(pv("BASLAMATARIHI")) + QStringLiteral("  /  ") + day(pv("BITISTARIHI")));
      set(6, 3, QStringLiteral("KTürü : ") + pv("KAYITTURU").toString());
      set(7, 3, QStringLiteral("İslem : ") + day(pv("ISLEMTARIHI")));
    }
    const QSqlRecord t = row(QStringLiteral("select SUM(POLICETUTARI) TOPLAM from POLICE where 1=1") + cond +
                             QStringLiteral(" and KAYITTURU = 'POLİÇE' "));
    if (!t.isEmpty() && !t.value(0).isNull()) set(7, 2, QStringLiteral("Satış Toplamı: ") + money(t.value(0)));
    const QSqlRecord ks = row(QStringLiteral("select * from KASA where 1=1") + cond + QStringLiteral("  ORDER BY 1 DESC LIMIT 1"));
    if (ks.isEmpty()) {
      set(1, 4, QStringLiteral("Kasa Kaydı Yok.."));
    } else {
      set(1, 4, QStringLiteral("Kasa İşlem Tarihi:") + day(ks.value(QStringLiteral("ISLEMTARIHI"))));
      set(2, 4, QStringLiteral("İşlem : ") + ks.value(QStringLiteral("ISLEMTURU")).toString() + QStringLiteral("      Acıklama : ") +
                    ks.value(QStringLiteral("ACIKLAMA")).toString());
      set(3, 4, QStringLiteral("Tutar : ") + money(ks.value(QStringLiteral("TUTAR"))) + QLatin1Char(' ') +
                    ks.value(QStringLiteral("PARABIRIMI")).toString());
    }
    const QSqlRecord b = row(QStringLiteral("select * from BANKA where 1=1") + cond + QStringLiteral("  ORDER BY 1 DESC LIMIT 1"));
    if (b.isEmpty()) {
      set(4, 4, QStringLiteral("Banka Kaydı Yok.."));
    } else {
      set(4, 4, QStringLiteral("Banka:") + b.value(QStringLiteral("BANKAADI")).toString());
      set(5, 4, QStringLiteral("Tarihi : ") + day(b.value(QStringLiteral("ISLEMTARIHI"))) + QStringLiteral("     İşlem : ") +
                    b.value(QStringLiteral("ISLEMTURU")).toString());
      set(6, 4, QStringLiteral("Tutar : ") + money(b.value(QStringLiteral("TUTAR"))) + QLatin1Char(' ') +
                    b.value(QStringLiteral("PARABIRIMI")).toString() + QStringLiteral("      Acıklama : ") +
                    b.value(QStringLiteral("ACIKLAMA")).toString());
    }
    // The policies of the two previous calendar years, counted from today.
    const int last = QDate::currentDate().year() - 1;
    db::Query old(QStringLiteral("qry_analiz"));
    old.setSql(QStringLiteral("select * from POLICE where 1=1") + cond +
               QStringLiteral(" and ISLEMTARIHI >= :a and ISLEMTARIHI <= :b  ORDER BY ISLEMTARIHI DESC LIMIT 10"));
    for (const auto& [n, v] : k) old.bind(n, v);
    old.bind(QStringLiteral("a"), QDate(last - 1, 1, 1));
    old.bind(QStringLiteral("b"), QDate(last, 12, 31));
    old.exec();
    if (!old.isEmpty()) {
      set(10, 1, QStringLiteral("31.12.%1 tarihinden önceki son 10 Police").arg(last));
      for (int i = 0; i < old.rowCount(); ++i) {
        const QSqlRecord& r = old.row(i);
        const QString cells[] = {day(r.value(QStringLiteral("ISLEMTARIHI"))), r.value(QStringLiteral("POLICENO")).toString(),
                                 r.value(QStringLiteral("POLICETURU")).toString(),
                                 day(r.value(QStringLiteral("BASLAMATARIHI"))) + QStringLiteral(" / ") + day(r.value(QStringLiteral("BITISTARIHI"))),
                                 money(r.value(QStringLiteral("POLICETUTARI"))) + QLatin1Char(' ') + r.value(QStringLiteral("PARABIRIMI")).toString(),
                                 r.value(QStringLiteral("KAYITTURU")).toString(), r.value(QStringLiteral("SIGORTAFIRMASI")).toString()};
        for (int c = 0; c < 7; ++c) set(11 + i, c + 1, cells[c]);
      }
    }
  });
}

}  // namespace rakamlar
