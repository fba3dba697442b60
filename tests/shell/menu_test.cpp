#include "db/db.h"
#include "i18n/i18n.h"
#include "sheet/sheet.h"
#include "shell/login.h"
#include "shell/menu.h"
#include "shell/registry.h"
#include "shell/session.h"
#include "shell/sirket_ara.h"
#include "shell/windows.h"
#include "support/testdb.h"
#include "sys/sys.h"
#include "ui/dialogs.h"

#include <QDate>
#include <QFile>

using support::sql;
using ui::Dialogs;

namespace {
class MainWindow : public support::DbTest {
 protected:
  void SetUp() override {
    support::DbTest::SetUp();
    registry::clear();
    login::SIRKET = QStringLiteral("01");
    login::kul_kod = QStringLiteral("1");
    login::userim = QStringLiteral("admin");
    login::dilkodu = QStringLiteral("tr");
    rights({{"uyari", "E"}});
    for (const char* w : {"kasa2", "policeler2", "firmalar2", "kullanici", "dekontkaydi", "notlar", "carikayit", "carihareket"})
      registry::registerWindow(QString::fromLatin1(w), [this, name = QString::fromLatin1(w)](QWidget*, const registry::OpenArgs& a) {
        opened << name;
        args = a;
      });
    menu::Yenile = [this](Tfrm_menu&) { ++rebuilds; };
    menu::kurbilgileri = [this](Tfrm_menu&) { ++rateFetches; };
    sys::setShellRecorder([this](const sys::ShellCall& c) { shell << c.path; });
  }
  void TearDown() override {
    menu::Yenile = nullptr;
    menu::kurbilgileri = nullptr;
    registry::clear();
    sys::setShellRecorder(nullptr);
    support::DbTest::TearDown();
  }
  // FORMGIRISI per module for user 1 in company 01 (nullptr: no row).
  static void rights(std::initializer_list<std::pair<const char*, const char*>> rows, const char* company = "01") {
    sql(QStringLiteral("DELETE FROM KULLANICILAR"));
    for (auto [m, v] : rows)
      sql(QStringLiteral("INSERT INTO KULLANICILAR (SIRKETKODU, KULLANICI_KODU, MODULADI, FORMGIRISI, YENIKAYIT) VALUES ('%1', 1, '%2', %3, %3)")
              .arg(QString::fromLatin1(company), QString::fromUtf8(m), v ? QStringLiteral("'%1'").arg(QString::fromLatin1(v)) : QStringLiteral("NULL")));
  }
  QStringList opened, shell;
  registry::OpenArgs args;
  int rebuilds = 0, rateFetches = 0;
};
}  // namespace

TEST_F(MainWindow, CommandTable) {
  struct Case { const char* command; const char* module; const char* value; const char* opens; const char* message; };
  const Case cases[] = {
      {"btn_kasa", "kasa", "E", "kasa2", nullptr},
      {"Kasa1", "kasa", "X", "kasa2", nullptr},  // any value but "H" opens
      {"btn_kasa", "kasa", "H", nullptr, "Bu Ekrana Girmeye Yetkili Değilsiniz.(kasa)"},
      {"btn_kasa", "kasa", "", nullptr, "Bu Ekrana Girmeye Yetkili Değilsiniz.(kasa)"},
      {"btn_kasa", "banka", "E", nullptr, "Bu Ekrana Girmeye Yetkili Değilsiniz.(kasa)"},  // no row
      {"btn_isemri", "police", "E", "policeler2", nullptr},
      {"btn_isemri", "police", "X", nullptr, "police modülünde formgirisi yetkisine sahip değilsiniz."},
      {"Kullanclar1", "kullanicilar", "E", "kullanici", nullptr},
      {"Devirlemi1", "devir", "E", nullptr, nullptr},  // the check alone
      {"Devirlemi1", "devir", "H", nullptr, "Bu Ekrana Girmeye Yetkili Değilsiniz.(devir)"},
      {"btn_ruduzazer", "arac", "E", nullptr, nullptr},  // not registered yet: checks, opens nothing
      {"btn_ruduzazer", "arac", "H", nullptr, "Bu Ekrana Girmeye Yetkili Değilsiniz.(arac)"},
  };
  Tfrm_menu w;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.command) + "/" + c.module + "=" + c.value);
    rights({{"uyari", "E"}, {c.module, c.value}});
    opened.clear();
    Dialogs::clearShown();
    w.command(QString::fromLatin1(c.command));
    EXPECT_EQ(opened, c.opens ? QStringList{QString::fromLatin1(c.opens)} : QStringList());
    EXPECT_EQ(Dialogs::shownTexts(), c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList());
  }
  rights({{"uyari", "E"}, {"cari", "E"}});
  w.command(QStringLiteral("aliAcenteler1"));
  EXPECT_EQ(args.flags[QStringLiteral("firmalar_kayitturu")].toString(), QStringLiteral("TALİ ACENTE"));
}

TEST_F(MainWindow, ActivationChecksTheReminderRightOnce) {
  rights({{"kasa", "E"}});  // no "uyari" row
  Tfrm_menu w;
  w.activate();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("uyari modülünde formgirisi yetkisine sahip değilsiniz.")});
  EXPECT_EQ(rebuilds, 0);
  rights({{"uyari", "E"}, {"kasa", "E"}});
  w.command(QStringLiteral("btn_kasa"));  // each return from a window activates again
  EXPECT_EQ(rebuilds, 1);
}

TEST_F(MainWindow, ShowReadsTheRateParameter) {
  {
    Tfrm_menu w;
    w.FormShow();
    EXPECT_EQ(login::ana_param1, QStringLiteral("E"));  // no row: the default
    EXPECT_EQ(rateFetches, 1);
    EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("Ordavin       Kaltrex Yazılım - Sigorta Police Takip Programı")));
    EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("ŞİRKET : 01       KULLANICI : admin")));
    EXPECT_EQ(w.ListView1->columnCount(), 8);
  }
  sql(QStringLiteral("INSERT INTO FORMPAREMETRELERI (SIRKETKODU, FORMADI, PARAMETREADI, PARAMETREDEGERI) VALUES ('SISTEM','menu','01-Kurları Otomatik Al','H')"));
  login::kur_usd = 5;
  Tfrm_menu w;
  w.FormShow();
  EXPECT_EQ(rateFetches, 1);
  EXPECT_EQ(login::kur_usd, 1);
  EXPECT_EQ(w.lbl_usd->text(), QStringLiteral("1"));
}

TEST_F(MainWindow, CompanyChangeMovesEveryLookup) {
  sql(QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU, SIRKETUNVANI) VALUES ('01','BİR'), ('02','İKİ A.Ş.')"));
  rights({{"uyari", "E"}, {"kasa", "E"}});
  Tfrm_menu w;
  ui::pushModalDriver([](QWidget& d) { static_cast<PickerWindow&>(d).reject(); });
  w.SirketDegistir();
  EXPECT_EQ(login::SIRKET, QStringLiteral("01"));
  ui::pushModalDriver([](QWidget& d) {
    auto& p = static_cast<PickerWindow&>(d);
    p.cxGrid1->setCurrentRow(1);
    p.accept();
  });
  w.SirketDegistir();
  EXPECT_EQ(login::SIRKET, QStringLiteral("02"));
  EXPECT_EQ(login::sirketunvani, QStringLiteral("İKİ A.Ş."));
  EXPECT_TRUE(w.windowTitle().contains(QStringLiteral("Ordavin          Kaltrex")));
  EXPECT_EQ(rebuilds, 1);
  Dialogs::clearShown();
  w.command(QStringLiteral("btn_kasa"));  // rights of company 01 do not count in 02
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Bu Ekrana Girmeye Yetkili Değilsiniz.(kasa)")});
}

TEST_F(MainWindow, ThreeWaysToClose) {
  Tfrm_login login;
  login::frm_login = &login;
  login.show();
  {
    Tfrm_menu w;
    w.show();
    Dialogs::answerQuestions({false});
    w.close();
    EXPECT_TRUE(w.isVisible());  // No keeps everything open
    EXPECT_TRUE(db::Connection::instance().isOpen());
    EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Programı Kapatmak mi İstiyorsunuz?")});
    Dialogs::answerQuestions({true});
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(login.isVisible());
  }
  {
    login.show();
    db::Connection::instance().open();
    Tfrm_menu w;
    w.show();
    Dialogs::clearShown();
    w.command(QStringLiteral("Kapat1"));  // no question
    EXPECT_TRUE(Dialogs::shown().empty());
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(login.isVisible());
  }
  {
    login.show();
    db::Connection::instance().open();
    Tfrm_menu w;
    w.show();
    w.action(QStringLiteral("ProgramKapat1"))->trigger();
    EXPECT_FALSE(db::Connection::instance().isOpen());
    EXPECT_FALSE(w.isVisible());
  }
  login::frm_login = nullptr;
}

TEST_F(MainWindow, UnreadMessagePollAddsOneLine) {
  Tfrm_menu w;
  w.MesajKontrol();
  EXPECT_EQ(w.ListBox1->count(), 0);
  sql(QStringLiteral("INSERT INTO MESAJLAR (SIRKETKODU, ALICIKODU, OKUNDUMU) VALUES ('99','1','H'), ('01','1','H'), ('01','1','E'), ('01','2','H')"));
  w.MesajKontrol();
  w.MesajKontrol();
  ASSERT_EQ(w.ListBox1->count(), 1);
  EXPECT_EQ(w.ListBox1->item(0)->text(), QStringLiteral("Yeni Mesajınız Var (2 Adet)"));
  EXPECT_EQ(w.Timer1->interval(), 300000);
  w.TumHatirlatmalariKapat();
  EXPECT_FALSE(w.Timer1->isActive());
}

TEST_F(MainWindow, GridExportAndRowCommands) {
  sql(QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD, CARIUNVAN, BORC, KAYITTARIHI) VALUES ('01','M-1','ACME',1234.5,'2024-03-01')"));
  rights({{"uyari", "E"}, {"cari", "E"}, {"cari hareket", "E"}});
  Tfrm_menu w;
  w.showGrid(QStringLiteral("select KAYITNO, CARIKOD, CARIUNVAN, BORC, KAYITTARIHI from FIRMALAR"));
  w.ExceleAktar();
  const QString file = support::programFolder() + QStringLiteral("/RAPOR.xlsx");
  EXPECT_EQ(Dialogs::shownTexts(),
            QStringList{QStringLiteral("Dosya Konumu ve Adı: ") + file + QStringLiteral("  olan Excel Dosyası Oluşturuldu.")});
  EXPECT_EQ(shell, QStringList{file});
  sheet::Sheet s;
  QString error;
  ASSERT_TRUE(sheet::read(file, &s, &error));
  EXPECT_EQ(s.rows[0][1].toString(), QStringLiteral("CARIKOD"));
  EXPECT_DOUBLE_EQ(s.rows[1][3].toDouble(), 1234.5);
  EXPECT_EQ(s.rows[1][4].toDate(), QDate(2024, 3, 1));

  w.action(QStringLiteral("CariBilgisi1"))->trigger();
  w.action(QStringLiteral("CariHareketi1"))->trigger();
  EXPECT_EQ(opened, (QStringList{QStringLiteral("carikayit"), QStringLiteral("carihareket")}));
  EXPECT_TRUE(args.listSql.contains(QStringLiteral("CARIKOD ='M-1'")));
  // A list without account codes has no card to open.
  opened.clear();
  w.showGrid(QStringLiteral("select KAYITNO from FIRMALAR"));
  w.action(QStringLiteral("CariBilgisi1"))->trigger();
  w.action(QStringLiteral("CariHareketi1"))->trigger();
  EXPECT_TRUE(opened.isEmpty());
}

TEST_F(MainWindow, QuickEntryList) {
  rights({{"uyari", "E"}, {"cari hareket", "E"}, {"kasa", "H"}});
  Tfrm_menu w;
  w.HizliYeniKayit(4);
  EXPECT_EQ(opened, QStringList{QStringLiteral("dekontkaydi")});
  w.HizliYeniKayit(2);
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("kasa modülünde yenikayit yetkisine sahip değilsiniz.")});
  w.HizliYeniKayit(6);  // no right check
  EXPECT_EQ(opened.last(), QStringLiteral("notlar"));
  EXPECT_TRUE(args.flags.count(QStringLiteral("gizliYerlesim")));
  EXPECT_EQ(args.flags[QStringLiteral("yukseklik")].toInt(), 385);
  w.HizliYeniKayit(0);  // new policies come from the policy list
  EXPECT_EQ(opened.size(), 2);
  EXPECT_EQ(menu::secilenhizligiris, 0);
  EXPECT_EQ(w.ListBox2->item(5)->text(), QStringLiteral("  Görev Oluştur"));
}

TEST_F(MainWindow, EnglishAndGermanTexts) {
  login::dilkodu = QStringLiteral("de");
  Tfrm_menu w;
  w.FormShow();
  EXPECT_EQ(w.btn_cari->text(), QStringLiteral("Kunde"));
  EXPECT_EQ(w.action(QStringLiteral("irketDeitir1"))->text(), QStringLiteral("Unternehmen wechseln"));
  EXPECT_TRUE(w.windowTitle().startsWith(QStringLiteral("Ordavin")));  // the title stays Turkish
  login::dilkodu = QStringLiteral("tr");
  i18n::setLanguage(QStringLiteral("tr"));
  w.retranslate();
  EXPECT_EQ(w.btn_cari->text(), QStringLiteral("&Müşteri"));
}
