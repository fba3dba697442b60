#include "db/db.h"
#include "shell/hatirlatma.h"
#include "shell/kur.h"
#include "shell/ledger.h"
#include "shell/menu.h"
#include "shell/rakamlar.h"
#include "shell/registry.h"
#include "shell/session.h"
#include "support/testdb.h"
#include "ui/dialogs.h"

#include <QDate>
#include <QSqlField>
#include <QTcpServer>
#include <QTcpSocket>

using support::scalar;
using support::sql;
using ui::Dialogs;

namespace {
int count(const QString& s) { return scalar(s).toInt(); }

class Dashboard : public support::DbTest {
 protected:
  void SetUp() override {
    support::DbTest::SetUp();
    registry::clear();
    menu::Yenile = nullptr;
    menu::kurbilgileri = nullptr;
    menu::rakamlar = nullptr;
    login::SIRKET = QStringLiteral("01");
    login::kul_kod = QStringLiteral("1");
    login::userim = QStringLiteral("admin");
    login::GLB_PERSONELCARIKOD.clear();
    for (const char* m : {"uyari", "kasa", "banka", "senet", "ödeme planı", "notlar", "görevler", "cari rapor"})
      sql(QStringLiteral("INSERT INTO KULLANICILAR (SIRKETKODU, KULLANICI_KODU, MODULADI, FORMGIRISI, YENIKAYIT, DEGISTIRME) "
                         "VALUES ('01', 1, '%1', 'E', 'E', 'E')").arg(QString::fromUtf8(m)));
    w = std::make_unique<Tfrm_menu>();
    w->Calendar1->setSelectedDate(D);
  }
  void TearDown() override {
    w.reset();
    sql(QStringLiteral("DROP TRIGGER IF EXISTS fail_update"));
    support::DbTest::TearDown();
  }
  QStringList lines() const {
    QStringList out;
    for (int i = 0; i < w->ListBox1->count(); ++i) out << w->ListBox1->item(i)->text();
    return out;
  }
  void list(const QString& line) {
    hatirlatma::Yenile(*w);
    const auto found = w->ListBox1->findItems(line, Qt::MatchContains);
    ASSERT_FALSE(found.isEmpty()) << line.toStdString();
    w->ListBox1->setCurrentItem(found.first());
    hatirlatma::Listele(*w);
  }
  const QDate D{2026, 6, 15};
  std::unique_ptr<Tfrm_menu> w;
};
}  // namespace

TEST_F(Dashboard, ProbesInTheirOrder) {
  hatirlatma::Yenile(*w);
  EXPECT_TRUE(lines().isEmpty());
  sql(QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD, DURUM) VALUES ('01','B','B'), ('01','A','A'), ('02','X','B')"));
  sql(QStringLiteral("INSERT INTO POLICE (SIRKETKODU, KAYITTURU, POLICEKAPATILDI, BITISTARIHI, YENILEMEDURUMU, ISLEMTARIHI) VALUES "
                     "('01','POLİÇE','H','2026-06-10','BEKLİYOR','2025-06-11')"));  // ISO week 24 of 2025, as 2026-06-15 is week 25… see below
  sql(QStringLiteral("INSERT INTO ODEMEPLANI (SIRKETKODU, VADETARIHI, SONUC) VALUES ('01','2026-06-15','')"));
  sql(QStringLiteral("INSERT INTO SENETLER (SIRKETKODU, TARIHI, SENETTURU, ODEMEDURUMU) VALUES ('01','2026-06-01','MÜŞTERİ','PORTFÖY')"));
  sql(QStringLiteral("INSERT INTO CEKLER (SIRKETKODU, TARIHI, CEKTURU, ODEMEDURUMU) VALUES ('01','2026-06-01','MÜŞTERİ','PORTFÖY')"));
  sql(QStringLiteral("INSERT INTO GOREVLER (SIRKETKODU, SONUC, ISLEMTARIHI, PERSONELKODU, DURUMU) VALUES "
                     "('01','YAPILMADI','2026-06-14','P-9',''), ('01','YAPILDI','2026-06-14','P-9','BEKLİYOR')"));
  sql(QStringLiteral("INSERT INTO ARACLAR (SIRKETKODU, SMUAYENEBITTARIHI, SIGORTABITTARIHI, KIRABITTARIHI) VALUES "
                     "('01','2026-06-15','2026-06-01',NULL), ('01',NULL,NULL,'2026-05-01')"));
  sql(QStringLiteral("INSERT INTO ACIKLAMALAR (SIRKETKODU, TARIH2, UYARSINMI, SONUC) VALUES ('01','2026-06-01','EVET','YAPILMADI'), "
                     "('01','2026-06-15','EVET','YAPILMADI'), ('01','2026-06-02','EVET','YAPILMADI'), ('01','2026-06-02','HAYIR','YAPILMADI'), "
                     "('01','2026-06-16','EVET','YAPILMADI')"));
  sql(QStringLiteral("INSERT INTO MESAJLAR (SIRKETKODU, ALICIKODU, OKUNDUMU) VALUES ('99','1','H')"));
  // Last year's policy of this ISO week: 2026-06-15 is Monday of week 25; week 25 of 2025 is 16–22 June.
  sql(QStringLiteral("INSERT INTO POLICE (SIRKETKODU, KAYITTURU, POLICEKAPATILDI, ISLEMTARIHI) VALUES ('77','POLİÇE','E','2025-06-18')"));
  hatirlatma::Yenile(*w);
  EXPECT_EQ(lines(), (QStringList{"Borc Bakiyesi Olan Cariler", "Alacak Bakiyesi Olan Cariler", "Acık Bekleyen Policeler",
                                  "Günü Gelmiş Policeler", "Vadesi Gelmiş Ödeme Planları", "Vadesi Gelmiş Müşteri Senetleri",
                                  "Vadesi Gelmiş Müşteri Çekler", "Yapılması Gereken Görevler Var", "Onay Bekleyen Görevler Var",
                                  "Muayene Tarihi Gelen Araç Var", "T.Sigortası Yapılacak Araç Var", "Kıra Sözleşmesi Bitecek Araç Var",
                                  "Bekleyen Notlarınız Var (3 Adet)", "Yeni Mesajınız Var (1 Adet)", "Gecen Sene Bu Haftaki Policeler"}));
  EXPECT_EQ(w->ListBox1->item(1)->foreground().color(), QColor(Qt::blue));
  EXPECT_EQ(w->ListBox1->item(0)->foreground().color(), QColor(128, 0, 0));
  EXPECT_LE(hatirlatma::sonSorguSayisi(), 17);

  // A staff member sees only their own tasks; a company named after last year keeps probe 16 there.
  login::GLB_PERSONELCARIKOD = QStringLiteral("P-1");
  sql(QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('2025')"));
  hatirlatma::Yenile(*w);
  EXPECT_FALSE(lines().contains(QStringLiteral("Yapılması Gereken Görevler Var")));
  EXPECT_FALSE(lines().contains(QStringLiteral("Gecen Sene Bu Haftaki Policeler")));

  // No vehicle: the three vehicle probes do not run.
  sql(QStringLiteral("DELETE FROM ARACLAR"));
  hatirlatma::Yenile(*w);
  const int withoutCars = hatirlatma::sonSorguSayisi();
  sql(QStringLiteral("INSERT INTO ARACLAR (SIRKETKODU) VALUES ('01')"));
  hatirlatma::Yenile(*w);
  EXPECT_EQ(hatirlatma::sonSorguSayisi(), withoutCars + 3);
}

TEST_F(Dashboard, ListingAndDueVehicles) {
  sql(QStringLiteral("INSERT INTO ARACLAR (SIRKETKODU, PLAKASI, SMUAYENEBITTARIHI) VALUES ('01','34 A 1','2026-06-01'), "
                     "('01','34 B 2','2026-06-10'), ('01','34 C 3','2026-07-01')"));
  list(QStringLiteral("Muayene"));
  EXPECT_EQ(w->DBGrid1->rowCount(), 2);  // every due vehicle
  EXPECT_FALSE(w->Calendar1->isHidden());
  EXPECT_FALSE(w->action(QStringLiteral("Kasadan1"))->isVisible() && w->action(QStringLiteral("CariBakiyeyiKapat1"))->isVisible());
  // Calendar double-click: rebuild with the new date and list the same line again.
  w->Calendar1->setSelectedDate(QDate(2026, 5, 1));
  hatirlatma::TakvimCiftTik(*w);
  EXPECT_TRUE(lines().isEmpty());
}

TEST_F(Dashboard, SettleFromCash) {
  sql(QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD, CARIUNVAN, PARABIRIMI) VALUES ('01','M-1','ACME','TL')"));
  sql(QStringLiteral("INSERT INTO CARI_HAREKET (SIRKETKODU, CARIKOD, BORC, ALACAK) VALUES ('01','M-1',250,0)"));
  sql(QStringLiteral("INSERT INTO KASALAR (SIRKETKODU, KASAKODU) VALUES ('01','100.00.001')"));
  login::bakiyeguncelle(QStringLiteral("M-1"));
  list(QStringLiteral("Borc Bakiyesi Olan Cariler"));
  EXPECT_TRUE(w->action(QStringLiteral("CariBakiyeyiKapat1"))->isVisible());
  Dialogs::answerInputs({std::nullopt});  // Cancel posts nothing
  hatirlatma::Kasadan(*w);
  Dialogs::answerInputs({QStringLiteral("0")});
  hatirlatma::Kasadan(*w);
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KASA")), 0);
  EXPECT_EQ(Dialogs::shownTexts().filter(QStringLiteral("Tutar Boş")).size(), 1);
  Dialogs::clearShown();
  Dialogs::answerInputs({QStringLiteral("100")});
  hatirlatma::Kasadan(*w);
  EXPECT_EQ(Dialogs::shownTexts().last(), QStringLiteral("ACME Carisine ait Bakiye Merkez Kasaya 100 TL Tutarında Tahsil Edildi."));
  auto k = support::sql(QStringLiteral("SELECT KAYITNO, ISLEMTURU, GELIR, KASAKODU FROM KASA"));
  ASSERT_EQ(k.size(), 1u);
  EXPECT_EQ(k[0].value(1).toString(), QStringLiteral("Gelir"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT EVRAKKAYITNO FROM CARI_HAREKET WHERE EVRAKCINSI='KASA'")).toInt(), k[0].value(0).toInt());
  EXPECT_EQ(scalar(QStringLiteral("SELECT CONCAT(BAKIYE, DURUM) FROM FIRMALAR")).toString(), QStringLiteral("150B"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT KALAN FROM KASALAR")).toDouble(), 100);
  EXPECT_EQ(w->DBGrid1->value(QStringLiteral("BAKIYE"), 0).toDouble(), 150);  // still listed, with the new balance

  // A failure of the last statement leaves nothing written.
  sql(QStringLiteral("CREATE TRIGGER fail_update BEFORE UPDATE ON KASALAR FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='x'"));
  Dialogs::answerInputs({QStringLiteral("50")});
  hatirlatma::Kasadan(*w);
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KASA")), 1);
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CARI_HAREKET")), 2);
  EXPECT_EQ(scalar(QStringLiteral("SELECT BAKIYE FROM FIRMALAR")).toDouble(), 150);
}

TEST_F(Dashboard, SettleFromBank) {
  sql(QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD, CARIUNVAN, PARABIRIMI) VALUES ('01','S-1','SİGORTA','TL')"));
  sql(QStringLiteral("INSERT INTO CARI_HAREKET (SIRKETKODU, CARIKOD, BORC, ALACAK) VALUES ('01','S-1',0,80)"));
  sql(QStringLiteral("INSERT INTO BANKALAR (SIRKETKODU, BANKAKODU) VALUES ('01','B1')"));
  login::bakiyeguncelle(QStringLiteral("S-1"));
  QString code = QStringLiteral("B1");
  bool cancel = false;
  registry::registerPicker(QStringLiteral("banka_ara"), [&](QWidget*, const registry::OpenArgs&) {
    registry::PickResult r;
    if (cancel) return r;
    r.value = QStringLiteral("AKBANK");
    QSqlRecord rec;
    QSqlField k(QStringLiteral("BANKAKODU"), QMetaType::fromType<QString>()), a(QStringLiteral("BANKAADI"), QMetaType::fromType<QString>());
    k.setValue(code);
    a.setValue(QStringLiteral("AKBANK"));
    rec.append(k);
    rec.append(a);
    r.row = rec;
    return r;
  });
  list(QStringLiteral("Alacak Bakiyesi Olan Cariler"));
  cancel = true;
  hatirlatma::Bankadan(*w);
  cancel = false;
  code.clear();
  hatirlatma::Bankadan(*w);
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Öncelikle Banka Seçmelisiniz.")});
  code = QStringLiteral("B1");
  Dialogs::answerInputs({QStringLiteral("80")});
  hatirlatma::Bankadan(*w);
  EXPECT_EQ(Dialogs::shownTexts().last(), QStringLiteral("SİGORTA Carisine ait Bakiye AKBANK Bankasından Giden 80 TL Tutar olarak Ödeme Yapıldı."));
  EXPECT_EQ(scalar(QStringLiteral("SELECT CONCAT(ISLEMTURU, CIKIS) FROM BANKA")).toString(), QStringLiteral("Çıkış80"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT BAKIYE FROM BANKALAR")).toDouble(), -80);
  EXPECT_EQ(scalar(QStringLiteral("SELECT CONCAT(BAKIYE, DURUM) FROM FIRMALAR")).toString(), QStringLiteral("0S"));
  EXPECT_EQ(w->DBGrid1->rowCount(), 0);  // settled: it leaves the list
}

TEST_F(Dashboard, NoteCollectionAndMarkingDone) {
  sql(QStringLiteral("INSERT INTO SENETLER (SIRKETKODU, GIRISCARIKODU, GIRISCARIUNVAN, TARIHI, VADELITUTAR, PARABIRIMI, SENETTURU, "
                     "ODEMEDURUMU) VALUES ('01','M-1','ACME','2026-06-01',300,'TL','MÜŞTERİ','PORTFÖY')"));
  const int key = scalar(QStringLiteral("SELECT KAYITNO FROM SENETLER")).toInt();
  sql(QStringLiteral("INSERT INTO CARI_HAREKET (SIRKETKODU, CARIKOD, EVRAKKAYITNO, EVRAKCINSI, ISLEMTURU, ALACAK) VALUES "
                     "('01','M-1',%1,'SNT','Senet',300)").arg(key));
  sql(QStringLiteral("INSERT INTO KASALAR (SIRKETKODU, KASAKODU) VALUES ('01','100.01.001')"));
  sql(QStringLiteral("INSERT INTO CEKLER (SIRKETKODU, TARIHI, CEKTURU, ODEMEDURUMU) VALUES ('01','2026-06-01','MÜŞTERİ','PORTFÖY')"));
  list(QStringLiteral("Vadesi Gelmiş Müşteri Çekler"));
  hatirlatma::SenediTahsilEt(*w);  // cheques: nothing
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KASA")), 0);
  list(QStringLiteral("Vadesi Gelmiş Müşteri Senetleri"));
  sql(QStringLiteral("CREATE TRIGGER fail_update BEFORE UPDATE ON KASALAR FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='x'"));
  hatirlatma::SenediTahsilEt(*w);  // its last statement fails: nothing stays
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KASA")), 0);
  EXPECT_EQ(scalar(QStringLiteral("SELECT ODEMEDURUMU FROM SENETLER")).toString(), QStringLiteral("PORTFÖY"));
  sql(QStringLiteral("DROP TRIGGER fail_update"));
  hatirlatma::SenediTahsilEt(*w);
  EXPECT_EQ(Dialogs::shownTexts().last(), QStringLiteral("Senet Nakit Tahsil Edildi"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT CONCAT(KASAKODU,'/',ISLEMTURU,'/',GELIR,'/',EVRAKTURU) FROM KASA")).toString(),
            QStringLiteral("100.01.001/Gelir/300/SNT"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT CONCAT(ODEMEDURUMU, KALANSENETTUTARI) FROM SENETLER")).toString(), QStringLiteral("TAHSİL0"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT EVRAKDURUMU FROM CARI_HAREKET")).toString(), QStringLiteral("TAHSİL"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT KALAN FROM KASALAR")).toDouble(), 300);  // the box it went into is recomputed
  EXPECT_EQ(w->DBGrid1->rowCount(), 0);

  sql(QStringLiteral("INSERT INTO ODEMEPLANI (SIRKETKODU, VADETARIHI, SONUC) VALUES ('01','2026-06-01','')"));
  list(QStringLiteral("Vadesi Gelmiş Ödeme Planları"));
  hatirlatma::OdemePlaniTamamlandi(*w);
  EXPECT_EQ(scalar(QStringLiteral("SELECT SONUC FROM ODEMEPLANI")).toString(), QStringLiteral("TAMAMLANDI"));

  sql(QStringLiteral("INSERT INTO ACIKLAMALAR (SIRKETKODU, TARIH2, UYARSINMI, SONUC) VALUES ('01','2026-06-01','EVET','YAPILMADI')"));
  list(QStringLiteral("Notlarınız"));
  hatirlatma::NotTamamlandi(*w);
  EXPECT_EQ(scalar(QStringLiteral("SELECT CONCAT(SONUC, UYARSINMI) FROM ACIKLAMALAR")).toString(), QStringLiteral("YAPILDIHAYIR"));

  // A task without an account is found by its key; a staff member marks only their own.
  sql(QStringLiteral("INSERT INTO GOREVLER (SIRKETKODU, SONUC, ISLEMTARIHI, PERSONELKODU) VALUES ('01','YAPILMADI','2026-06-01','P-1')"));
  list(QStringLiteral("Yapılması Gereken Görevler"));
  login::GLB_PERSONELCARIKOD = QStringLiteral("P-2");
  Dialogs::clearShown();
  hatirlatma::GorevTamamlandi(*w);
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("İşaretlenecek kayıt bulunamadı.")});
  login::GLB_PERSONELCARIKOD.clear();
  hatirlatma::GorevTamamlandi(*w);
  EXPECT_EQ(scalar(QStringLiteral("SELECT SONUC FROM GOREVLER")).toString(), QStringLiteral("YAPILDI"));
}

namespace {
// A tiny web server on 127.0.0.1 answering every request with one reply (or none).
class RateServer : public QTcpServer {
 public:
  QByteArray reply;
  bool silent = false;
  RateServer() {
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, [this] {
      QTcpSocket* s = nextPendingConnection();
      connect(s, &QTcpSocket::readyRead, s, [this, s] {
        s->readAll();
        if (silent) return;
        s->write("HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: " + QByteArray::number(reply.size()) +
                 "\r\nConnection: close\r\n\r\n" + reply);
        s->disconnectFromHost();
      });
    });
  }
};
QByteArray rates(const char* usd, const char* euro) {
  QByteArray x = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Tarih_Date><Currency CurrencyCode=\"USD\"><Unit>1</Unit>"
                 "<Isim>ABD DOLARI</Isim><CurrencyName>US DOLLAR</CurrencyName><ForexBuying>1</ForexBuying>"
                 "<BanknoteBuying>";
  x += usd;
  x += "</BanknoteBuying></Currency>";
  if (euro) {
    x += "<Currency CurrencyCode=\"EUR\"><CurrencyName>EURO</CurrencyName><BanknoteBuying>";
    x += euro;
    x += "</BanknoteBuying></Currency>";
  }
  return x + "</Tarih_Date>";
}
}  // namespace

TEST_F(Dashboard, RatesFromTheBanksFile) {
  RateServer server;
  support::writeProgramFile(QStringLiteral("servisler.ini"),
                            {QStringLiteral("tcmb=http://127.0.0.1:%1/kurlar/today.xml").arg(server.serverPort())});
  kur::zamanAsimiMs = 500;
  server.reply = rates("3.525", "10.2345");
  ui::runHandler([&] { kur::kurbilgileri(*w); });
  EXPECT_EQ(w->lbl_usd->text(), QStringLiteral("3,5250"));
  EXPECT_EQ(w->lbl_euro->text(), QStringLiteral("10,2345"));
  EXPECT_DOUBLE_EQ(login::kur_euro, 10.2345);
  ui::runHandler([&] { kur::guncelle(*w); });
  ui::runHandler([&] { kur::guncelle(*w); });
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KURTAKIBI WHERE DOVIZ_ACIKLAMASI='MERKEZ BANKASI'")), 4);
  EXPECT_EQ(scalar(QStringLiteral("SELECT ALISTUTARI FROM KURTAKIBI WHERE DOVIZ_BIRIMI='EURO' LIMIT 1")).toDouble(), 10.2345);
  EXPECT_TRUE(Dialogs::shown().empty());
  // Broken answers: nothing shown, nothing stored.
  for (const QByteArray& bad : {rates("3.5", nullptr), QByteArray("<html>bakımda</html>"), rates("abc", "1.2")}) {
    server.reply = bad;
    Dialogs::clearShown();
    ui::runHandler([&] { kur::guncelle(*w); });
    EXPECT_EQ(Dialogs::shown().size(), 1u);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KURTAKIBI")), 4);
    EXPECT_EQ(w->lbl_usd->text(), QStringLiteral("3,5250"));
  }
  server.silent = true;  // no answer at all
  Dialogs::clearShown();
  ui::runHandler([&] { kur::kurbilgileri(*w); });
  ASSERT_EQ(Dialogs::shown().size(), 1u);
  EXPECT_TRUE(Dialogs::shownTexts()[0].contains(QStringLiteral("zaman aşımı")));
  kur::zamanAsimiMs = 15000;
}

TEST_F(Dashboard, FiguresAcrossNewYear) {
  sql(QStringLiteral("INSERT INTO POLICE (SIRKETKODU, KAYITTURU, ISLEMTARIHI, POLICETUTARI) VALUES "
                     "('01','POLİÇE','2025-12-30',100), ('01','POLİÇE','2026-01-02',50.5), ('01','ZEYİL','2026-01-01',7), "
                     "('01','POLİÇE','2026-01-05',1000), ('02','POLİÇE','2026-01-01',999)"));
  sql(QStringLiteral("INSERT INTO CARI_HAREKET (SIRKETKODU, ISLEMTARIHI, ISLEMTURU, BORC, ALACAK) VALUES "
                     "('01','2026-01-01','Nakit',10,200), ('01','2026-01-01','C.Hareket',0,5000), ('01','2025-12-29','Havale',0,40)"));
  w->cxDateEdit1->setDate(QDate(2026, 1, 1));  // a Thursday; its ISO week runs 29 Dec 2025 – 4 Jan 2026
  rakamlar::hedefhesabi(*w);
  ASSERT_EQ(w->ListBox3->count(), 12);
  auto line = [&](int i) { return w->ListBox3->item(i)->text(); };
  EXPECT_TRUE(line(0).endsWith(QStringLiteral(": 0")));
  EXPECT_TRUE(line(1).endsWith(QStringLiteral(": 150,5"))) << line(1).toStdString();
  EXPECT_TRUE(line(3).endsWith(QStringLiteral(": 1.050,5"))) << line(3).toStdString();
  EXPECT_TRUE(line(4).endsWith(QStringLiteral(": 7")));
  EXPECT_EQ(line(7), QStringLiteral("Tahsılat Bilgisi"));
  EXPECT_EQ(line(8), QStringLiteral("Günlük    +200  -10  =190"));
  EXPECT_EQ(line(9), QStringLiteral("Haftalık   +240  -10  =230"));
  rakamlar::Detay(*w, 1);
  EXPECT_EQ(w->DBGrid1->rowCount(), 2);
  EXPECT_TRUE(w->listeKategori.isEmpty());
  rakamlar::Detay(*w, 8);  // every movement of the day, the left-out kinds too
  EXPECT_EQ(w->DBGrid1->rowCount(), 2);
  rakamlar::Detay(*w, 7);  // "Tahsılat Bilgisi": nothing
  EXPECT_EQ(w->DBGrid1->rowCount(), 2);

  sql(QStringLiteral("DELETE FROM KULLANICILAR WHERE MODULADI='cari rapor'"));
  rakamlar::hedefhesabi(*w);
  EXPECT_EQ(w->ListBox3->count(), 0);  // refused silently
  EXPECT_TRUE(Dialogs::shown().empty());
}

TEST_F(Dashboard, QuickLookupAndAnalysis) {
  sql(QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD, CARIUNVAN, BAKIYE, PARABIRIMI, DURUM, TEL1) VALUES "
                     "('01','M-2','O`NEIL LTD',12.5,'TL','B','0212'), ('01','M-1','ACME',0,'TL','S',''), ('02','M-0','ACME 2',0,'TL','S','')"));
  rakamlar::HizliArama(*w, QStringLiteral("o'neil"));  // an apostrophe is no SQL
  EXPECT_TRUE(w->LBL_BULUNAN->text().isEmpty());
  rakamlar::HizliArama(*w, QStringLiteral("o`n"));
  EXPECT_EQ(w->LBL_BULUNAN->text(), QStringLiteral("O`NEIL LTD"));
  rakamlar::HizliArama(*w, QString());
  EXPECT_EQ(menu::MenuCA_CARIKODU, QStringLiteral("M-1"));  // the lowest code
  rakamlar::CariAnaliz2(*w);
  EXPECT_FALSE(w->ListView1->isHidden());
  ASSERT_EQ(w->ListView1->topLevelItemCount(), 21);
  EXPECT_EQ(w->ListView1->topLevelItem(0)->text(2), QStringLiteral("Police Yok"));
  EXPECT_EQ(w->ListView1->topLevelItem(0)->text(3), QStringLiteral("Police Yok.."));
  EXPECT_EQ(w->ListView1->topLevelItem(0)->text(4), QStringLiteral("Kasa Kaydı Yok.."));
  EXPECT_TRUE(w->ListView1->topLevelItem(9)->text(1).isEmpty());
  EXPECT_TRUE(Dialogs::shown().empty());
}
