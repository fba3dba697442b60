#include "shell/hatirlatma.h"

#include "db/db.h"
#include "shell/Utils.h"
#include "shell/ledger.h"
#include "shell/menu.h"
#include "shell/notlar.h"
#include "shell/registry.h"
#include "shell/rights.h"
#include "shell/session.h"
#include "ui/dialogs.h"

#include <QLocale>

namespace hatirlatma {
namespace {

int g_statements = 0;

using Binds = std::map<QString, QVariant>;

const QString kBorc = QStringLiteral("Borc Bakiyesi Olan Cariler");
const QString kAlacak = QStringLiteral("Alacak Bakiyesi Olan Cariler");
const QString kAcikPolice = QStringLiteral("Acık Bekleyen Policeler");
const QString kGunuGelen = QStringLiteral("Günü Gelmiş Policeler");
const QString kOdemePlani = QStringLiteral("Vadesi Gelmiş Ödeme Planları");
const QString kSenet = QStringLiteral("Vadesi Gelmiş Müşteri Senetleri");
const QString kCek = QStringLiteral("Vadesi Gelmiş Müşteri Çekler");
const QString kGorev = QStringLiteral("Yapılması Gereken Görevler Var");
const QString kOnay = QStringLiteral("Onay Bekleyen Görevler Var");
const QString kMuayene = QStringLiteral("Muayene Tarihi Gelen Araç Var");
const QString kSigorta = QStringLiteral("T.Sigortası Yapılacak Araç Var");
const QString kKira = QStringLiteral("Kıra Sözleşmesi Bitecek Araç Var");
const QString kGecenSene = QStringLiteral("Gecen Sene Bu Haftaki Policeler");

const QString kCompany = QStringLiteral(" and sirketkodu = :sirket");

Binds base(const Tfrm_menu& w) {
  return {{QStringLiteral("sirket"), db::sqlTextValue(login::SIRKET)}, {QStringLiteral("d"), tarih(w)}};
}

// One existence probe (or a count) on its own statement.
int probe(const QString& table, const QString& conditions, const Binds& binds, bool count = false) {
  ++g_statements;
  db::Query q(QStringLiteral("qry_uyari"));
  q.setSql(count ? QStringLiteral("select COUNT(*) N from %1 where 1=1 %2").arg(table, conditions)
                 : QStringLiteral("select KAYITNO from %1 where 1=1 %2 ORDER BY 1 LIMIT 1").arg(table, conditions));
  for (const auto& [k, v] : binds)
    if (q.sql().contains(QLatin1Char(':') + k)) q.bind(k, v);
  q.exec();
  return count ? q.value(QStringLiteral("N")).toInt() : q.rowCount();
}

QString staffCondition(const QString& column, Binds* binds) {
  if (login::GLB_PERSONELCARIKOD.isEmpty()) return {};
  (*binds)[QStringLiteral("personel")] = login::GLB_PERSONELCARIKOD;
  return QStringLiteral(" and %1 = :personel").arg(column);
}

// Probe 16's company and week: the company named after last year's number when there is
// one (else every company), ISO week W of ISO year Y-1.
bool lastYearWeek(const Tfrm_menu& w, QString* conditions, Binds* binds) {
  int isoYear = 0;
  const int week = tarih(w).weekNumber(&isoYear);
  const auto [monday, sunday] = Utils::isoWeek(isoYear - 1, week);
  if (!monday.isValid()) return false;  // last year had no such week
  ++g_statements;
  db::Query s(QStringLiteral("qry_uyari"));
  s.setSql(QStringLiteral("select SIRKETKODU from SIRKETLER where 1=1  and SIRKETKODU = :y ORDER BY 1 LIMIT 1"));
  s.bind(QStringLiteral("y"), QString::number(tarih(w).year() - 1));
  s.exec();
  *conditions = QString();
  if (!s.isEmpty() && !s.text(QStringLiteral("SIRKETKODU")).isEmpty()) {
    *conditions = QStringLiteral(" and SIRKETKODU = :gecen");
    (*binds)[QStringLiteral("gecen")] = s.text(QStringLiteral("SIRKETKODU"));
  }
  *conditions += QStringLiteral(" and KAYITTURU = 'POLİÇE' and ISLEMTARIHI >= :h1 and ISLEMTARIHI <= :h2");
  (*binds)[QStringLiteral("h1")] = monday;
  (*binds)[QStringLiteral("h2")] = sunday;
  return true;
}

QColor lineColour(const QString& line) {
  if (line.contains(QStringLiteral("Alacak"))) return Qt::blue;
  if (line.contains(QStringLiteral("Borc"))) return QColor(128, 0, 0);
  if (line.contains(QStringLiteral("Mesajınız"))) return Qt::red;
  if (line.contains(QStringLiteral("Ödeme Planları"))) return QColor(128, 0, 128);
  return Qt::black;
}

void addLine(Tfrm_menu& w, const QString& text) {
  auto* item = new QListWidgetItem(text, w.ListBox1);
  item->setForeground(lineColour(text));
}

QString selectedLine(const Tfrm_menu& w) {
  const QListWidgetItem* it = w.ListBox1->currentItem();
  return it ? it->text() : QString();
}

const char* kQuickItems[] = {"SenediTahsilEt1", "GrevTamamland1", "OdemePlanTamamland1", "FaturayGrntle1", "AcklamaNotuKapat1",
                             "CariBakiyeyiKapat1"};

}  // namespace

QDate tarih(const Tfrm_menu& w) { return w.Calendar1->selectedDate(); }
int sonSorguSayisi() { return g_statements; }

void Yenile(Tfrm_menu& w) {
  g_statements = 0;
  if (w.ListView1->isVisible()) w.ListView1->hide();
  w.ListBox1->clear();
  w.listeKategori.clear();
  w.DBGrid1->clear();
  const Binds b = base(w);
  if (probe(QStringLiteral("FIRMALAR"), kCompany + QStringLiteral(" and DURUM = 'B'"), b)) addLine(w, kBorc);
  if (probe(QStringLiteral("FIRMALAR"), kCompany + QStringLiteral(" and DURUM = 'A'"), b)) addLine(w, kAlacak);
  if (probe(QStringLiteral("POLICE"), kCompany + QStringLiteral(" and KAYITTURU = 'POLİÇE' and POLICEKAPATILDI = 'H'"), b))
    addLine(w, kAcikPolice);
  if (probe(QStringLiteral("POLICE"),
            kCompany + QStringLiteral(" and BITISTARIHI <= :d and YENILEMEDURUMU = 'BEKLİYOR' and KAYITTURU = 'POLİÇE'"), b))
    addLine(w, kGunuGelen);
  if (probe(QStringLiteral("ODEMEPLANI"), kCompany + QStringLiteral(" and VADETARIHI <= :d and SONUC <> 'TAMAMLANDI'"), b))
    addLine(w, kOdemePlani);
  if (probe(QStringLiteral("SENETLER"),
            kCompany + QStringLiteral(" and TARIHI <= :d and SENETTURU = 'MÜŞTERİ' and ODEMEDURUMU = 'PORTFÖY'"), b))
    addLine(w, kSenet);
  if (probe(QStringLiteral("CEKLER"), kCompany + QStringLiteral(" and TARIHI <= :d and CEKTURU = 'MÜŞTERİ' and ODEMEDURUMU = 'PORTFÖY'"), b))
    addLine(w, kCek);
  Binds g = b;
  const QString staff8 = staffCondition(QStringLiteral("PERSONELKODU"), &g);
  if (probe(QStringLiteral("GOREVLER"), kCompany + QStringLiteral(" and SONUC = 'YAPILMADI' and ISLEMTARIHI <= :d") + staff8, g))
    addLine(w, kGorev);
  const QString staff9 = staffCondition(QStringLiteral("ISIVERENKODU"), &g);
  if (probe(QStringLiteral("GOREVLER"), kCompany + QStringLiteral(" and SONUC = 'YAPILDI' and DURUMU <> 'ONAYLANDI'") + staff9, g))
    addLine(w, kOnay);
  if (probe(QStringLiteral("ARACLAR"), kCompany, b)) {
    const std::pair<const char*, const QString*> cars[] = {
        {"SMUAYENEBITTARIHI", &kMuayene}, {"SIGORTABITTARIHI", &kSigorta}, {"KIRABITTARIHI", &kKira}};
    for (auto [col, line] : cars)
      if (probe(QStringLiteral("ARACLAR"), kCompany + QStringLiteral(" and %1 IS NOT NULL and %1 <= :d").arg(QString::fromLatin1(col)), b))
        addLine(w, *line);
  }
  const int notes = probe(QStringLiteral("ACIKLAMALAR"), kCompany + notlar::kVadesiGelen, {{QStringLiteral("sirket"), b.at(QStringLiteral("sirket"))}, {QStringLiteral("tarih"), tarih(w)}}, true);
  if (notes > 0) addLine(w, QStringLiteral("Bekleyen Notlarınız Var (%1 Adet)").arg(notes));
  // Messages are per user: no company condition.
  const int messages = probe(QStringLiteral("MESAJLAR"), QStringLiteral(" and ALICIKODU = :kod and OKUNDUMU = 'H'"),
                             {{QStringLiteral("kod"), db::sqlTextValue(login::kul_kod)}}, true);
  if (messages > 0) addLine(w, QStringLiteral("Yeni Mesajınız Var (%1 Adet)").arg(messages));
  QString last;
  Binds lb = b;
  if (lastYearWeek(w, &last, &lb) && probe(QStringLiteral("POLICE"), last, lb)) addLine(w, kGecenSene);
}

void Listele(Tfrm_menu& w) {
  const QString line = selectedLine(w);
  if (line.isEmpty()) return;
  ui::runHandler([&] {
    if (w.ListView1->isVisible()) w.ListView1->hide();
    w.Calendar1->show();
    for (const char* name : kQuickItems)
      if (QAction* a = w.action(QString::fromLatin1(name))) a->setVisible(false);
    auto visible = [&](const char* name) {
      if (QAction* a = w.action(QString::fromLatin1(name))) a->setVisible(true);
    };
    Binds b = base(w);
    QString sql;
    const QString balance = QStringLiteral(
        "select CARIKOD, CARIUNVAN UNVAN, ROUND(BAKIYE,2) BAKIYE, DURUM D, SONISLEMTARIHI SPOLICE, SONISLEMTUTARI PTUTARI, "
        "SONODEMETARIHI SODEME, SONODEMETUTARI OTUTARI, YETKILI1 YETKILI, CEPNO, PARABIRIMI PB, KAYITNO KN from FIRMALAR "
        "where 1=1 ") + kCompany;
    const QString cars = QStringLiteral("select PLAKASI, ARACCINSI, TIPI, MARKASI, MODEL, SATICICARIUNVAN AS ARACSAHIBI, "
                                        "ARACDURUMU, %1 %2 from ARACLAR where 1=1 ") + kCompany +
                         QStringLiteral(" and %1 <= :d ORDER BY 1");
    const QString tasks = QStringLiteral("select CARIKOD, CARIUNVAN, ISLEMTARIHI TARIH, ISIVERENADI, ISACIKLAMA, ISTURU, "
                                         "PERSONELADI, SONUC, DURUMU, YAPILANIS, KAYITNO from GOREVLER where 1=1 ") + kCompany;
    const QString policies = QStringLiteral("select CARIKOD, POLICESAHIBI, ISLEMTARIHI AS TARIH, POLICENO, POLICETURU, ");
    if (line == kBorc || line == kAlacak) {
      sql = balance + (line == kBorc ? QStringLiteral(" and DURUM = 'B'") : QStringLiteral(" and DURUM = 'A'")) + QStringLiteral(" ORDER BY 2");
      visible("CariBakiyeyiKapat1");
    } else if (line == kAcikPolice) {
      sql = policies + QStringLiteral("YENILEMEDURUMU, BASLAMATARIHI, BITISTARIHI, ROUND(POLICETUTARI,2) TUTARI, PARABIRIMI AS PB, "
                                      "KAYITNO from POLICE where 1=1 ") + kCompany +
            QStringLiteral(" and KAYITTURU = 'POLİÇE' and POLICEKAPATILDI = 'H' ORDER BY 3 DESC");
      visible("FaturayGrntle1");
    } else if (line == kGunuGelen) {
      // The policies the probe found: due for renewal by the reminder date.
      sql = policies + QStringLiteral("YENILEMEDURUMU, BASLAMATARIHI, BITISTARIHI, ROUND(POLICETUTARI,2) TUTARI, PARABIRIMI AS PB, "
                                      "KAYITNO from POLICE where 1=1 ") + kCompany +
            QStringLiteral(" and BITISTARIHI <= :d and YENILEMEDURUMU = 'BEKLİYOR' and KAYITTURU = 'POLİÇE' ORDER BY 8");
    } else if (line == kSenet) {
      sql = QStringLiteral("select GIRISCARIKODU AS CARIKOD, GIRISCARIUNVAN as UNVAN, TARIHI AS TARIH, VADELITUTAR AS TUTARI, "
                           "PARABIRIMI AS PB, BORCLUSU, SENETSAYISI AS SIRA, SATISTEMSILCISI, KAYITNO from SENETLER where 1=1 ") +
            kCompany + QStringLiteral(" and TARIHI <= :d and SENETTURU = 'MÜŞTERİ' and ODEMEDURUMU = 'PORTFÖY' ORDER BY 3 DESC");
      visible("SenediTahsilEt1");
    } else if (line == kCek) {
      sql = QStringLiteral("select GIRISCARIKODU AS CARIKOD, GIRISCARIUNVAN as UNVAN, TARIHI AS TARIH, VADELITUTAR AS TUTARI, "
                           "PARABIRIMI AS PB, BORCLUSU, SATISTEMSILCISI, CEKNO, BANKA, SUBE from CEKLER where 1=1 ") +
            kCompany + QStringLiteral(" and TARIHI <= :d and CEKTURU = 'MÜŞTERİ' and ODEMEDURUMU = 'PORTFÖY' ORDER BY 3 DESC");
      visible("SenediTahsilEt1");
    } else if (line == kOdemePlani) {
      sql = QStringLiteral("select CARIKOD, CARIUNVAN as UNVAN, VADETARIHI AS TARIH, EVRAKTURU, ISLEMCINSI, (BORC+ALACAK) TUTAR, "
                           "PARABIRIMI AS PB, ACIKLAMA, KAYITNO from ODEMEPLANI where 1=1 ") +
            kCompany + QStringLiteral(" and VADETARIHI <= :d and SONUC <> 'TAMAMLANDI' ORDER BY 3 DESC");
      visible("OdemePlanTamamland1");
    } else if (line.contains(QStringLiteral("Yeni Mesajınız Var"))) {
      if (!login::yetkiVar(QStringLiteral("mesaj"), QStringLiteral("formgirisi"))) return;
      registry::open(QStringLiteral("mesajlar"), &w);
      return;
    } else if (line.contains(QStringLiteral("Muayene"))) {
      // Every vehicle that is due, not only the first.
      sql = cars.arg(QStringLiteral("SMUAYENEBITTARIHI"), QStringLiteral("MUAYENETARIHI"));
    } else if (line.contains(QStringLiteral("Sigortası"))) {
      sql = cars.arg(QStringLiteral("SIGORTABITTARIHI"), QStringLiteral("SIGORTATARIHI"));
    } else if (line.contains(QStringLiteral("Kıra Sözleşmesi"))) {
      sql = cars.arg(QStringLiteral("KIRABITTARIHI"), QStringLiteral("KIRATARIHI"));
    } else if (line == kGecenSene) {
      QString last;
      if (!lastYearWeek(w, &last, &b)) return;
      sql = policies + QStringLiteral("SIGORTAFIRMASI, BASLAMATARIHI, BITISTARIHI, ROUND(POLICETUTARI,2) TUTARI, PARABIRIMI AS PB, "
                                      "YENILEMEDURUMU, KAYITNO from POLICE where 1=1 ") + last + QStringLiteral(" ORDER BY 3 ");
      visible("FaturayGrntle1");
    } else if (line.contains(QStringLiteral("Notlarınız"))) {
      sql = QStringLiteral("select CARIKODU, CARIUNVAN, TARIH1 TARIH, SAAT, ACIKLAMA1, ACIKLAMA2, TARIH2 UYARITARIHI, KULLANICI, "
                           "UYARSINMI, SONUC, KAYITNO from ACIKLAMALAR where 1=1 ") +
            kCompany + notlar::kVadesiGelen + QStringLiteral(" ORDER BY 1 ");
      b[QStringLiteral("tarih")] = tarih(w);
      visible("AcklamaNotuKapat1");
    } else if (line.contains(QStringLiteral("Yapılması Gereken Görevler"))) {
      sql = tasks + QStringLiteral(" and SONUC = 'YAPILMADI' and ISLEMTARIHI <= :d") + staffCondition(QStringLiteral("PERSONELKODU"), &b) +
            QStringLiteral(" ORDER BY 1 ");
      visible("GrevTamamland1");
    } else if (line.contains(QStringLiteral("Onay Bekleyen Görevler"))) {
      sql = tasks + QStringLiteral(" and SONUC = 'YAPILDI' and DURUMU <> 'ONAYLANDI'") + staffCondition(QStringLiteral("ISIVERENKODU"), &b) +
            QStringLiteral(" ORDER BY 1 ");
    } else {
      return;
    }
    Binds used;
    for (const auto& [k, v] : b)
      if (sql.contains(QLatin1Char(':') + k)) used[k] = v;
    w.showGrid(sql, used);
    w.listeKategori = line;
  });
}

void TakvimCiftTik(Tfrm_menu& w) {
  const int position = w.ListBox1->currentRow();
  ui::runHandler([&] { Yenile(w); });
  if (w.ListBox1->count() == 0) return;
  w.ListBox1->setCurrentRow(std::clamp(position, 0, w.ListBox1->count() - 1));
  Listele(w);
}

// ---- quick actions -----------------------------------------------------------------------

namespace {
// The common start: the action's category is listed, the grid has rows, the right holds.
bool start(Tfrm_menu& w, const QStringList& categories, const char* module, const char* right, bool contains = false) {
  const QString line = selectedLine(w);
  bool matches = false;
  for (const QString& c : categories) matches |= contains ? line.contains(c) : line == c;
  if (!matches || w.listeKategori != line) return false;
  if (w.DBGrid1->rowCount() == 0 || w.DBGrid1->currentRow() < 0) return false;
  return login::yetkiVar(QString::fromUtf8(module), QString::fromLatin1(right));
}

// The amount to settle; nullopt when cancelled or refused.
std::optional<double> amount(double proposal, QString* typed) {
  const auto answer = ui::Dialogs::input(QStringLiteral("Ödeme Tutarı Giriniz"), QStringLiteral("Tutar"),
                                         QLocale().toString(std::abs(proposal), 'f', 2));
  if (!answer) return std::nullopt;  // Cancel settles nothing
  *typed = answer->trimmed();
  bool ok = false;
  const double v = login::MyDecimal(*typed).toDouble(&ok);
  if (typed->isEmpty() || (ok && v <= 0)) {
    ui::Dialogs::message(QStringLiteral("Tutar Boş yada 0 olamaz"));
    return std::nullopt;
  }
  if (!ok) throw std::runtime_error(QStringLiteral("'%1' geçerli bir tutar değil.").arg(*typed).toStdString());
  return v;
}

void ledgerRow(const QSqlRecord& r, const QDate& d, double tutar, bool borclu, bool banka, qlonglong evrak) {
  db::Query q(QStringLiteral("QRY_CH"));
  q.setSql(QStringLiteral(
      "INSERT INTO CARI_HAREKET (SIRKETKODU, CARIKOD, CARIUNVAN, ISLEMTARIHI, VADETARIHI, ISLEMTURU, BORC, ALACAK, PARABIRIMI, "
      "EVRAKCINSI, EVRAKKAYITNO, D_BORC, D_ALACAK, E_BORC, E_ALACAK, D_PARABIRIMI, E_PARABIRIMI, DOVIZKURU, ACIKLAMA, KILIT, "
      "DEGISTIRMETARIHI, KULLANICI) VALUES (:sirket, :kod, :unvan, :d, :d2, :tur, :borc, :alacak, :pb, :cins, :evrak, 0, 0, 0, 0, "
      "'USD', 'EURO', 1, :aciklama, 'H', :bugun, :kullanici)"));
  q.bind(QStringLiteral("sirket"), login::SIRKET);
  q.bind(QStringLiteral("kod"), r.value(QStringLiteral("CARIKOD")));
  q.bind(QStringLiteral("unvan"), r.value(QStringLiteral("UNVAN")));
  q.bind(QStringLiteral("d"), d);
  q.bind(QStringLiteral("d2"), d);
  q.bind(QStringLiteral("tur"), banka ? QStringLiteral("Havale") : QStringLiteral("Nakit"));
  q.bind(QStringLiteral("borc"), borclu ? 0.0 : tutar);
  q.bind(QStringLiteral("alacak"), borclu ? tutar : 0.0);
  q.bind(QStringLiteral("pb"), r.value(QStringLiteral("PB")));
  q.bind(QStringLiteral("cins"), banka ? QStringLiteral("BANKA") : QStringLiteral("KASA"));
  q.bind(QStringLiteral("evrak"), evrak);
  q.bind(QStringLiteral("aciklama"), borclu ? QStringLiteral("TAHSILAT ALINDI") : QStringLiteral("ÖDEME YAPILDI"));
  q.bind(QStringLiteral("bugun"), QDate::currentDate());
  q.bind(QStringLiteral("kullanici"), Utils::fit(login::userim, 10));
  q.exec();
}

void markDone(Tfrm_menu& w, const QString& table, const QString& set, const Binds& values, const QString& extra = {},
              const Binds& extraBinds = {}) {
  db::Query q(QStringLiteral("QRY_CH"));
  q.setSql(QStringLiteral("update %1 set %2 where 1=1  and SIRKETKODU = :sirket and KAYITNO = :no%3").arg(table, set, extra));
  q.bind(QStringLiteral("sirket"), login::SIRKET);
  q.bind(QStringLiteral("no"), w.DBGrid1->value(QStringLiteral("KAYITNO")));
  for (const auto& [k, v] : values) q.bind(k, v);
  for (const auto& [k, v] : extraBinds) q.bind(k, v);
  q.exec();
  if (q.affectedRows() == 0) ui::Dialogs::message(QStringLiteral("İşaretlenecek kayıt bulunamadı."));
  w.refreshGrid();
}
}  // namespace

void Kasadan(Tfrm_menu& w) {
  ui::runHandler([&] {
    if (!start(w, {kBorc, kAlacak}, "kasa", "yenikayit")) return;
    const QSqlRecord r = w.DBGrid1->record();
    QString typed;
    const auto tutar = amount(r.value(QStringLiteral("BAKIYE")).toDouble(), &typed);
    if (!tutar) return;
    const bool borclu = r.value(QStringLiteral("D")).toString() == QLatin1String("B");
    const QDate d = tarih(w);
    db::runDocument([&] {
      db::Query k(QStringLiteral("QRY_CH"));
      k.setSql(QStringLiteral(
          "INSERT INTO KASA (SIRKETKODU, CARIKOD, CARIUNVAN, ISLEMTARIHI, KARSIHESAP, KASAKODU, KASAADI, ISLEMTURU, ISLEMCINSI, TUTAR, "
          "PARABIRIMI, PARABIRIMI2, TAHSILATIYAPAN, SATISTEMSILCISI, KULLANICI, ACIKLAMA, KILIT, DEGISTIRMETARIHI, USDKURU, EUROKURU, "
          "DOVIZKURU, DOVIZTUTARI, DOLARTUTARI, EUROTUTARI, TLTUTARI, GELIR, GIDER, EVRAKTURU) VALUES (:sirket, :kod, :unvan, :d, 'H', "
          "'100.00.001', 'MERKEZ KASA', :tur, 'Kayit', :tutar, :pb, :pb2, :k1, :k2, :k3, :aciklama, 'H', :bugun, 1, 1, 1, 0, 0, 0, 0, "
          ":gelir, :gider, 'KASA')"));
      k.bind(QStringLiteral("sirket"), login::SIRKET);
      k.bind(QStringLiteral("kod"), r.value(QStringLiteral("CARIKOD")));
      k.bind(QStringLiteral("unvan"), r.value(QStringLiteral("UNVAN")));
      k.bind(QStringLiteral("d"), d);
      k.bind(QStringLiteral("tur"), borclu ? QStringLiteral("Gelir") : QStringLiteral("Gider"));
      k.bind(QStringLiteral("tutar"), *tutar);
      k.bind(QStringLiteral("pb"), r.value(QStringLiteral("PB")));
      k.bind(QStringLiteral("pb2"), r.value(QStringLiteral("PB")));
      for (const char* p : {"k1", "k2", "k3"}) k.bind(QString::fromLatin1(p), Utils::fit(login::userim, 10));
      k.bind(QStringLiteral("aciklama"), borclu ? QStringLiteral("TAHSILAT ALINDI") : QStringLiteral("ÖDEME YAPILDI"));
      k.bind(QStringLiteral("bugun"), QDate::currentDate());
      k.bind(QStringLiteral("gelir"), borclu ? *tutar : 0.0);
      k.bind(QStringLiteral("gider"), borclu ? 0.0 : *tutar);
      k.exec();
      // The account row points at the cash row's real key.
      ledgerRow(r, d, *tutar, borclu, false, k.lastInsertId().toLongLong());
      login::bakiyeguncelle(r.value(QStringLiteral("CARIKOD")).toString());
      login::kasaguncelle(QStringLiteral("100.00.001"));
    });
    const QString unvan = r.value(QStringLiteral("UNVAN")).toString(), pb = r.value(QStringLiteral("PB")).toString();
    ui::Dialogs::message(borclu ? unvan + QStringLiteral(" Carisine ait Bakiye Merkez Kasaya ") + typed + QLatin1Char(' ') + pb +
                                      QStringLiteral(" Tutarında Tahsil Edildi.")
                                : unvan + QStringLiteral(" Carisine ait Bakiye Merkez Kasadan ") + typed + QLatin1Char(' ') + pb +
                                      QStringLiteral(" Tutarında Ödeme Yapıldı."));
    w.refreshGrid();
  });
}

void Bankadan(Tfrm_menu& w) {
  ui::runHandler([&] {
    if (!start(w, {kBorc, kAlacak}, "banka", "yenikayit")) return;
    const QSqlRecord r = w.DBGrid1->record();
    const registry::PickResult bank = registry::pick(QStringLiteral("banka_ara"), &w);
    if (bank.value == QLatin1String("-1")) return;
    const QString kodu = bank.row.value(QStringLiteral("BANKAKODU")).toString();
    const QString adi = bank.row.value(QStringLiteral("BANKAADI")).toString();
    if (kodu.isEmpty()) {
      ui::Dialogs::message(QStringLiteral("Öncelikle Banka Seçmelisiniz."));
      return;
    }
    QString typed;
    const auto tutar = amount(r.value(QStringLiteral("BAKIYE")).toDouble(), &typed);
    if (!tutar) return;
    const bool borclu = r.value(QStringLiteral("D")).toString() == QLatin1String("B");
    const QDate d = tarih(w);
    db::runDocument([&] {
      db::Query k(QStringLiteral("QRY_CH"));
      k.setSql(QStringLiteral(
          "INSERT INTO BANKA (SIRKETKODU, CARIKOD, CARIUNVAN, ISLEMTARIHI, VADETARIHI, KARSIHESAP, BANKAKODU, BANKAADI, ISLEMTURU, "
          "ISLEMCINSI, TUTAR, PARABIRIMI, PARABIRIMI2, SATISTEMSILCISI, KULLANICI, ACIKLAMA, KILIT, DEGISTIRMETARIHI, USDKURU, "
          "EUROKURU, DOVIZKURU, DOVIZTUTARI, DOLARTUTARI, EUROTUTARI, TLTUTARI, GIRIS, CIKIS, EVRAKTURU, EVRAKCINSI) VALUES "
          "(:sirket, :kod, :unvan, :d, :d2, 'H', :bkod, :badi, :tur, 'Kayit', :tutar, :pb, :pb2, :k1, :k2, :aciklama, 'H', :bugun, "
          "1, 1, 1, 0, 0, 0, 0, :giris, :cikis, 'BANKA', 'BANKA')"));
      k.bind(QStringLiteral("sirket"), login::SIRKET);
      k.bind(QStringLiteral("kod"), r.value(QStringLiteral("CARIKOD")));
      k.bind(QStringLiteral("unvan"), r.value(QStringLiteral("UNVAN")));
      k.bind(QStringLiteral("d"), d);
      k.bind(QStringLiteral("d2"), d);
      k.bind(QStringLiteral("bkod"), kodu);
      k.bind(QStringLiteral("badi"), adi);
      k.bind(QStringLiteral("tur"), borclu ? QStringLiteral("Giriş") : QStringLiteral("Çıkış"));
      k.bind(QStringLiteral("tutar"), *tutar);
      k.bind(QStringLiteral("pb"), r.value(QStringLiteral("PB")));
      k.bind(QStringLiteral("pb2"), r.value(QStringLiteral("PB")));
      k.bind(QStringLiteral("k1"), Utils::fit(login::userim, 10));
      k.bind(QStringLiteral("k2"), Utils::fit(login::userim, 10));
      k.bind(QStringLiteral("aciklama"), borclu ? QStringLiteral("TAHSILAT ALINDI") : QStringLiteral("ÖDEME YAPILDI"));
      k.bind(QStringLiteral("bugun"), QDate::currentDate());
      k.bind(QStringLiteral("giris"), borclu ? *tutar : 0.0);
      k.bind(QStringLiteral("cikis"), borclu ? 0.0 : *tutar);
      k.exec();
      ledgerRow(r, d, *tutar, borclu, true, k.lastInsertId().toLongLong());
      login::bankaguncelle(kodu);
      login::bakiyeguncelle(r.value(QStringLiteral("CARIKOD")).toString());
    });
    const QString unvan = r.value(QStringLiteral("UNVAN")).toString(), pb = r.value(QStringLiteral("PB")).toString();
    ui::Dialogs::message(borclu ? unvan + QStringLiteral(" Carisine ait Bakiye ") + adi + QStringLiteral(" Bankasına Gelen ") + typed +
                                      QLatin1Char(' ') + pb + QStringLiteral(" Tutar ile Tahsil Edildi.")
                                : unvan + QStringLiteral(" Carisine ait Bakiye ") + adi + QStringLiteral(" Bankasından Giden ") + typed +
                                      QLatin1Char(' ') + pb + QStringLiteral(" Tutar olarak Ödeme Yapıldı."));
    w.refreshGrid();
  });
}

void SenediTahsilEt(Tfrm_menu& w) {
  ui::runHandler([&] {
    if (!start(w, {kSenet}, "senet", "degistirme")) return;
    db::Query n(QStringLiteral("Query2"));
    n.setSql(QStringLiteral("select * from SENETLER where 1=1  and sirketkodu = :sirket and KAYITNO = :no ORDER BY 1"));
    n.bind(QStringLiteral("sirket"), db::sqlTextValue(login::SIRKET));
    n.bind(QStringLiteral("no"), w.DBGrid1->value(QStringLiteral("KAYITNO")));
    n.exec();
    if (n.isEmpty()) return;
    const QSqlRecord N = n.row(0);
    auto v = [&](const char* c) { return N.value(QString::fromLatin1(c)); };
    auto orOne = [&](const char* c) { return v(c).isNull() ? QVariant(1.0) : v(c); };
    auto orZero = [&](const char* c) { return v(c).isNull() ? QVariant(0.0) : v(c); };
    const bool musteri = v("SENETTURU").toString() == QStringLiteral("MÜŞTERİ");
    const double tutar = v("VADELITUTAR").toDouble();
    const QDate d = tarih(w);
    db::runDocument([&] {
      db::Query k(QStringLiteral("QRY_CH"));
      k.setSql(QStringLiteral(
          "INSERT INTO KASA (SIRKETKODU, CARIKOD, CARIUNVAN, ISLEMTARIHI, KARSIHESAP, MUHASEBEKODU, KASAKODU, KASAADI, ISLEMTURU, "
          "ISLEMCINSI, TUTAR, PARABIRIMI, PARABIRIMI2, OZELKOD1, TAHSILATIYAPAN, SATISTEMSILCISI, ACIKLAMA, KILIT, DEGISTIRMETARIHI, "
          "KULLANICI, USDKURU, EUROKURU, DOLARTUTARI, EUROTUTARI, TLTUTARI, DOVIZTUTARI, DOVIZKURU, GELIR, GIDER, EVRAKKAYITNO, "
          "EVRAKNO, EVRAKTURU) VALUES (:sirket, :kod, :unvan, :d, 'H', :muh, '100.01.001', 'MERKEZ KASA', :tur, 'Nakit', :tutar, :pb, "
          ":pb2, :ozel, :tahsil, :temsilci, :aciklama, 'H', :bugun, :kullanici, :usd, :euro, :dolar, :eurot, :tl, 0, 0, :gelir, "
          ":gider, :evrak, :evrakno, 'SNT')"));
      k.bind(QStringLiteral("sirket"), login::SIRKET);
      k.bind(QStringLiteral("kod"), v("GIRISCARIKODU"));
      k.bind(QStringLiteral("unvan"), v("GIRISCARIUNVAN"));
      k.bind(QStringLiteral("d"), d);
      k.bind(QStringLiteral("muh"), v("MUHASEBEKODU"));
      k.bind(QStringLiteral("tur"), musteri ? QStringLiteral("Gelir") : QStringLiteral("Gider"));
      k.bind(QStringLiteral("tutar"), tutar);
      k.bind(QStringLiteral("pb"), v("PARABIRIMI"));
      k.bind(QStringLiteral("pb2"), v("CIKISPARABIRIMI"));
      k.bind(QStringLiteral("ozel"), Utils::fit(v("BORCLUSU").toString(), 35));
      k.bind(QStringLiteral("tahsil"), v("SATISTEMSILCISI"));
      k.bind(QStringLiteral("temsilci"), v("SATISTEMSILCISI"));
      k.bind(QStringLiteral("aciklama"), v("ACIKLAMA"));
      k.bind(QStringLiteral("bugun"), QDate::currentDate());
      k.bind(QStringLiteral("kullanici"), Utils::fit(login::userim, 10));
      k.bind(QStringLiteral("usd"), orOne("USDKURU"));
      k.bind(QStringLiteral("euro"), orOne("EUROKURU"));
      k.bind(QStringLiteral("dolar"), orZero("DOLARTUTARI"));
      k.bind(QStringLiteral("eurot"), orZero("EUROTUTARI"));
      k.bind(QStringLiteral("tl"), orZero("TLTUTARI"));
      k.bind(QStringLiteral("gelir"), musteri ? tutar : 0.0);
      k.bind(QStringLiteral("gider"), musteri ? 0.0 : tutar);
      k.bind(QStringLiteral("evrak"), v("KAYITNO"));
      k.bind(QStringLiteral("evrakno"), v("KAYITNO").toString());
      k.exec();
      db::Query ch(QStringLiteral("QRY_CH"));
      ch.setSql(QStringLiteral("update CARI_HAREKET set EVRAKDURUMU = :durum where 1=1  and SIRKETKODU = :sirket and EVRAKKAYITNO = :no "
                               "and EVRAKCINSI = 'SNT' and ISLEMTURU = 'Senet' and CARIKOD = :kod "));
      ch.bind(QStringLiteral("durum"), QStringLiteral("TAHSİL"));
      ch.bind(QStringLiteral("sirket"), login::SIRKET);
      ch.bind(QStringLiteral("no"), v("KAYITNO"));
      ch.bind(QStringLiteral("kod"), v("GIRISCARIKODU"));
      ch.exec();
      db::Query s(QStringLiteral("QRY_CH"));
      s.setSql(QStringLiteral("update SENETLER set TAHSILDAR = :tahsildar, ODEMEDURUMU = :durum, KALANSENETTUTARI = 0, "
                              "DURUMTARIHI = :d where 1=1  and sirketkodu = :sirket and KAYITNO = :no "));
      s.bind(QStringLiteral("tahsildar"), login::userim);
      s.bind(QStringLiteral("durum"), QStringLiteral("TAHSİL"));
      s.bind(QStringLiteral("d"), d);
      s.bind(QStringLiteral("sirket"), login::SIRKET);
      s.bind(QStringLiteral("no"), v("KAYITNO"));
      s.exec();
      // The cash box the collection went into keeps its totals right.
      login::kasaguncelle(QStringLiteral("100.01.001"));
    });
    ui::Dialogs::message(QStringLiteral("Senet Nakit Tahsil Edildi"));
    w.refreshGrid();
  });
}

void OdemePlaniTamamlandi(Tfrm_menu& w) {
  ui::runHandler([&] {
    if (!start(w, {kOdemePlani}, "ödeme planı", "degistirme")) return;
    markDone(w, QStringLiteral("ODEMEPLANI"), QStringLiteral("SONUC = :SONUC"), {{QStringLiteral("SONUC"), QStringLiteral("TAMAMLANDI")}});
  });
}

void NotTamamlandi(Tfrm_menu& w) {
  ui::runHandler([&] {
    if (!start(w, {QStringLiteral("Notlarınız")}, "notlar", "degistirme", true)) return;
    markDone(w, QStringLiteral("ACIKLAMALAR"), QStringLiteral("SONUC = :SONUC, UYARSINMI = :UYARSINMI"),
             {{QStringLiteral("SONUC"), QStringLiteral("YAPILDI")}, {QStringLiteral("UYARSINMI"), QStringLiteral("HAYIR")}});
  });
}

void GorevTamamlandi(Tfrm_menu& w) {
  ui::runHandler([&] {
    if (!start(w, {kGorev}, "görevler", "degistirme")) return;
    // By company and key; a staff member marks only their own tasks.
    QString extra;
    Binds extraBinds;
    if (!login::GLB_PERSONELCARIKOD.isEmpty()) {
      extra = QStringLiteral(" and PERSONELKODU = :personel");
      extraBinds[QStringLiteral("personel")] = login::GLB_PERSONELCARIKOD;
    }
    markDone(w, QStringLiteral("GOREVLER"), QStringLiteral("SONUC = :SONUC"), {{QStringLiteral("SONUC"), QStringLiteral("YAPILDI")}},
             extra, extraBinds);
  });
}

}  // namespace hatirlatma
