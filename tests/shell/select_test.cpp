#include "sheet/sheet.h"
#include "shell/select.h"
#include "shell/session.h"
#include "support/testdb.h"
#include "sys/sys.h"
#include "ui/dialogs.h"

#include <QDate>

using support::scalar;
using support::sql;
using ui::Dialogs;
using db::Statement;

TEST(Console, ClassifiesByLeadingKeyword) {
  struct Case { const char* sql; Statement::Kind kind; bool several; bool versioned; };
  const Case cases[] = {
      {"select * from FIRMALAR", Statement::Read, false, false},
      {"  -- not\n SELECT 1", Statement::Read, false, false},
      {"# note\n/* x */ show tables", Statement::Read, false, false},
      {"DESC FIRMALAR", Statement::Read, false, false},
      {"select LASTUPDATE, 'delete' from X", Statement::Read, false, false},
      {"with a as (select 1) select * from a", Statement::Read, false, false},
      {"explain select 1", Statement::Read, false, false},
      {"explain analyze delete from x", Statement::Other, false, false},
      {"Delete from X", Statement::Delete, false, false},
      {"UPDATE x set a=1", Statement::Update, false, false},
      {"insert into x values (1)", Statement::Insert, false, false},
      {"REPLACE into x values (1)", Statement::Insert, false, false},
      {"drop table x", Statement::Other, false, false},
      {"truncate x", Statement::Other, false, false},
      {"select * from x into outfile '/tmp/a'", Statement::Other, false, false},
      {"select * from x for update", Statement::Other, false, false},
      {"select 1; delete from x", Statement::Read, true, false},
      {"select ';' as a", Statement::Read, false, false},
      {"select 1;  -- done", Statement::Read, false, false},
      {"select '\\';delete' x", Statement::Read, false, false},
      {"/*!50000 drop table x */ select 1", Statement::Read, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sql);
    const Statement st = db::classify(QString::fromUtf8(c.sql));
    EXPECT_EQ(st.kind, c.kind);
    EXPECT_EQ(st.several, c.several);
    EXPECT_EQ(st.versioned, c.versioned);
  }
}

namespace {
class Panel : public support::DbTest {
 protected:
  void SetUp() override {
    support::DbTest::SetUp();
    login::SIRKET = QStringLiteral("01");
    login::kul_kod = QStringLiteral("1");
    grant("E", "E", "E", "E", "E");
    sys::setShellRecorder([this](const sys::ShellCall& c) { shell << c.path; });
  }
  void TearDown() override {
    sys::setShellRecorder(nullptr);
    support::DbTest::TearDown();
  }
  static void grant(const char* silme, const char* degistirme, const char* yeni, const char* veriver, const char* tam) {
    sql(QStringLiteral("DELETE FROM KULLANICILAR"));
    sql(QStringLiteral("INSERT INTO KULLANICILAR (SIRKETKODU, KULLANICI_KODU, MODULADI, SILME, DEGISTIRME, YENIKAYIT, VERIVER, TAMYETKI) "
                       "VALUES ('01', 1, 'select', '%1', '%2', '%3', '%4', '%5')")
            .arg(QString::fromLatin1(silme), QString::fromLatin1(degistirme), QString::fromLatin1(yeni), QString::fromLatin1(veriver),
                 QString::fromLatin1(tam)));
  }
  void run(Tfrm_select& w, const QString& text, bool yes = true) {
    w.Memo1->setPlainText(text);
    Dialogs::useScripted(true);  // no answer left over from a refused run
    Dialogs::answerQuestions({yes});
    w.btn_listele->click();
  }
  QString xlsx(const std::vector<std::vector<QVariant>>& rows) {
    sheet::Table t;
    size_t width = 0;
    for (const auto& r : rows) width = std::max(width, r.size());
    t.columns.resize(width);
    for (size_t c = 0; c < width; ++c) t.columns[c].caption = rows[0][c].toString();
    t.rows.assign(rows.begin() + 1, rows.end());
    const QString p = support::programFolder() + QStringLiteral("/al.xlsx");
    QString error;
    EXPECT_TRUE(sheet::write(p, t, &error));
    return p;
  }
  QStringList shell;
};
int count(const QString& s) { return scalar(s).toInt(); }
}  // namespace

TEST_F(Panel, ConsoleScreening) {
  sql(QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('A'), ('B')"));
  Tfrm_select w;
  w.FormShow();
  run(w, QStringLiteral("select * from SIRKETLER"));
  EXPECT_EQ(Dialogs::shownTexts(), (QStringList{QStringLiteral("Bu SQL kod ile işlem yapmak istiyor musunuz ? "),
                                                QStringLiteral("2 adet kayıt bulundu.")}));
  EXPECT_EQ(w.DBGrid1->rowCount(), 2);

  grant("H", "E", "E", "E", "H");
  w.FormShow();
  run(w, QStringLiteral("delete from SIRKETLER"));
  EXPECT_EQ(Dialogs::shownTexts(), (QStringList{QStringLiteral("Bu SQL kod silme işlemi içeriyor. "),
                                                QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz")}));
  run(w, QStringLiteral("select 1; delete from SIRKETLER"));
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Bu SQL kodda birden fazla işlem var. Tek tek çalıştırınız.")});
  run(w, QStringLiteral("drop table SIRKETLER"));
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz")});
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SIRKETLER")), 2);

  run(w, QStringLiteral("update SIRKETLER set ACIKLAMA = 'x'"));
  EXPECT_EQ(Dialogs::shownTexts(), (QStringList{QStringLiteral("Bu SQL kod değiştirme işlemi içeriyor. "),
                                                QStringLiteral("Bu SQL kod ile işlem yapmak istiyor musunuz ? ")}));
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SIRKETLER WHERE ACIKLAMA='x'")), 2);
  run(w, QStringLiteral("update SIRKETLER set ACIKLAMA = 'y'"), false);  // No: nothing runs
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SIRKETLER WHERE ACIKLAMA='y'")), 0);
  // Text is run as typed: a colon is no parameter.
  run(w, QStringLiteral("select ':x' A, 'saat 12:30' B"));
  EXPECT_EQ(w.DBGrid1->value(QStringLiteral("B"), 0).toString(), QStringLiteral("saat 12:30"));
}

TEST_F(Panel, EditingExportAndTheFullRight) {
  sql(QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU, ACIKLAMA) VALUES ('A', 'a')"));
  sql(QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD, CARIUNVAN) VALUES ('01', 'C', 'ÜNVAN')"));
  Tfrm_select w;
  w.FormShow();
  run(w, QStringLiteral("select * from FIRMALAR"));
  w.mnu_duzenleme->trigger();
  w.DBGrid1->setValue(QStringLiteral("CARIUNVAN"), QStringLiteral("YENİ"));
  Dialogs::clearShown();
  w.mnu_kaydet->trigger();
  EXPECT_TRUE(Dialogs::shown().empty()) << Dialogs::shownTexts().join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(scalar(QStringLiteral("SELECT FIRMA_ADI FROM FIRMALAR")).toString(), QStringLiteral("YENİ"));  // generated names untouched
  run(w, QStringLiteral("select s.* from SIRKETLER s join FIRMALAR f on f.SIRKETKODU = s.SIRKETKODU"));
  Dialogs::clearShown();
  w.mnu_duzenleme->trigger();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Düzenleme yalnızca tek tablodan yapılan listelemelerde yapılabilir.")});
  w.mnu_excel->trigger();
  EXPECT_EQ(shell, QStringList{support::programFolder() + QStringLiteral("/SQL.xlsx")});
  grant("E", "E", "E", "H", "H");
  w.FormShow();
  Dialogs::clearShown();
  w.mnu_excel->trigger();
  w.mnu_sil->trigger();
  w.btn_carikodubos->click();
  EXPECT_EQ(Dialogs::shownTexts(), (QStringList{QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz"),
                                                QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz.(TamYetki)"),
                                                QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz.(TamYetki)")}));
}

TEST_F(Panel, MaintenanceAsksAndKeepsItsScope) {
  sql(QStringLiteral("INSERT INTO KASA (SIRKETKODU, CARIKOD) VALUES ('01', ''), ('01', NULL), ('02', ''), ('01', 'C1')"));
  sql(QStringLiteral("INSERT INTO CARI_HAREKET (SIRKETKODU, CARIKOD, CARIUNVAN) VALUES ('', 'X', 'x'), (NULL, 'Y', 'y'), ('01', 'Z', 'z')"));
  sql(QStringLiteral("INSERT INTO SENETLER (SIRKETKODU, GIRISCARIKODU, TARIHI) VALUES ('01', 'C1', NULL), ('02', 'C1', NULL)"));
  sql(QStringLiteral("RENAME TABLE FATURA TO FATURA_YOK"));
  Tfrm_select w;
  w.FormShow();
  Dialogs::answerQuestions({false});
  w.btn_carikodubos->click();
  ASSERT_EQ(Dialogs::shown().size(), 1u);
  EXPECT_TRUE(Dialogs::shownTexts()[0].contains(QStringLiteral("KASA: 2")));
  EXPECT_TRUE(Dialogs::shownTexts()[0].contains(QStringLiteral("01 şirketinde")));
  EXPECT_FALSE(Dialogs::shownTexts()[0].contains(QStringLiteral("FATURA:")));
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KASA")), 4);
  Dialogs::answerQuestions({true});
  w.btn_carikodubos->click();
  EXPECT_EQ(Dialogs::shownTexts().last(), QStringLiteral("Carı Kodu Boş Olan Tüm Kayıtlar Silindi"));
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KASA")), 2);  // company 02's row stays
  sql(QStringLiteral("RENAME TABLE FATURA_YOK TO FATURA"));

  Dialogs::answerQuestions({true});
  w.btn_sirketkodubos->click();  // rows without a company belong to none: all go
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CARI_HAREKET")), 1);

  Dialogs::answerQuestions({true});
  w.btn_tarihdoldur->click();
  EXPECT_EQ(scalar(QStringLiteral("SELECT TARIHI FROM SENETLER WHERE SIRKETKODU='01'")).toDate(), QDate::currentDate());
  EXPECT_TRUE(scalar(QStringLiteral("SELECT TARIHI FROM SENETLER WHERE SIRKETKODU='02'")).isNull());
}

TEST_F(Panel, ImportsCheckTheHeaderAndWriteAllOrNothing) {
  Tfrm_select w;
  w.FormShow();
  w.Ornek(QStringLiteral("FIRMALAR"));
  const QString sample = support::programFolder() + QStringLiteral("/ORNEK_CARI_TAPBLOSU.xlsx");
  sheet::Sheet s;
  QString error;
  ASSERT_TRUE(sheet::read(sample, &s, &error));
  QStringList header;
  for (const QVariant& v : s.rows[0]) header << v.toString();
  EXPECT_EQ(header.first(), QStringLiteral("KAYITNO"));
  EXPECT_FALSE(header.contains(QStringLiteral("FIRMA_ADI")));  // second names are not columns to write
  const int ncol = int(header.size());
  auto row = [&](const QString& kod, const QString& unvan, const QString& company) {
    std::vector<QVariant> r(static_cast<size_t>(ncol));
    r[0] = QStringLiteral("x");
    r[size_t(header.indexOf(QStringLiteral("CARIKOD")))] = kod;
    r[size_t(header.indexOf(QStringLiteral("CARIUNVAN")))] = unvan;
    r[size_t(header.indexOf(QStringLiteral("SIRKETKODU")))] = company;
    r[size_t(header.indexOf(QStringLiteral("BORC")))] = 12.5;
    return r;
  };
  std::vector<QVariant> head;
  for (const QString& h : header) head.emplace_back(h);

  // A sheet with a column moved: nothing is written.
  std::vector<QVariant> shifted = head;
  std::swap(shifted[3], shifted[4]);
  Dialogs::answerQuestions({true});
  Dialogs::answerFiles({xlsx({shifted, row(QStringLiteral("M-1"), QStringLiteral("A"), QStringLiteral("01"))})});
  Dialogs::clearShown();
  w.btn_cariexcel->click();
  EXPECT_TRUE(Dialogs::shownTexts().last().startsWith(QStringLiteral("Excel dosyasının başlık satırı tabloya uymuyor: 4. sütun")));
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM FIRMALAR")), 0);

  // A failing row: nothing is written and the row is named.
  std::vector<QVariant> empty(static_cast<size_t>(ncol));
  empty[2] = QStringLiteral("only a later cell");
  Dialogs::answerQuestions({true});
  Dialogs::answerFiles({xlsx({head, row(QStringLiteral("M-1"), QStringLiteral("A"), QStringLiteral("99")),
                              row(QString(40, QLatin1Char('x')), QStringLiteral("B"), QStringLiteral("01"))})});
  Dialogs::clearShown();
  w.btn_cariexcel->click();
  EXPECT_TRUE(Dialogs::shownTexts().last().contains(QStringLiteral("Excel satırı 3"))) << Dialogs::shownTexts().join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM FIRMALAR")), 0);

  // A good sheet: the session's company and today's date, skipped rows counted, rows past N unread.
  w.edt_kayitsayisi->setText(QStringLiteral("4"));
  Dialogs::answerQuestions({true});
  Dialogs::answerFiles({xlsx({head, row(QStringLiteral("M-1"), QStringLiteral("A"), QStringLiteral("99")), empty,
                              row(QStringLiteral("M-2"), QStringLiteral("B"), QString()),
                              row(QStringLiteral("M-3"), QStringLiteral("C"), QString())})});
  Dialogs::clearShown();
  w.btn_cariexcel->click();
  EXPECT_EQ(Dialogs::shownTexts().last(), QStringLiteral("2 Adet Cari Kartı Excelden Başarı ile Aktarıldı (1 satır atlandı)"));
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM FIRMALAR WHERE SIRKETKODU='01' AND KAYITTARIHI=CURDATE() AND BORC=12.5")), 2);
  // The existing rows are mentioned before the next import.
  Dialogs::answerQuestions({false});
  Dialogs::clearShown();
  w.btn_cariexcel->click();
  EXPECT_EQ(Dialogs::shownTexts().first(),
            QStringLiteral("01 Şirketinde Cari Kayıtlar Var. Aynı cari kodundan mükerrer atmadığınızdan emin olunuz. "));

  Dialogs::clearShown();
  w.btn_ornektablo->click();  // no table chosen
  EXPECT_TRUE(Dialogs::shown().empty());
}

TEST_F(Panel, AboutBoxHiddenEntry) {
  Tfrm_about about;
  login::kul_kod.clear();  // before login
  about.gizliGiris();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Yönetici Kodunu Yanlış Girdiniz")});
  login::kul_kod = QStringLiteral("1");
  grant("H", "H", "H", "H", "H");
  Dialogs::clearShown();
  about.gizliGiris();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Yönetici Kodunu Yanlış Girdiniz")});
  grant("H", "H", "H", "H", "E");
  bool unscreened = false;
  ui::pushModalDriver([&](QWidget& w) { unscreened = static_cast<Tfrm_select&>(w).unscreened(); });
  about.gizliGiris();
  EXPECT_TRUE(unscreened);
  Tfrm_select fromMenu;
  EXPECT_FALSE(fromMenu.unscreened());  // the mode lives in that one panel
}

TEST_F(Panel, TableImportAndStockMaintenance) {
  Tfrm_select w;
  w.FormShow();
  w.ComboBox1->setCurrentText(QStringLiteral("KASALAR"));
  const QStringList header{QStringLiteral("KAYITNO"), QStringLiteral("KULLANICIKODU"), QStringLiteral("SIRKETKODU"),
                           QStringLiteral("KASAKODU"), QStringLiteral("KASAADI"), QStringLiteral("GELIR"), QStringLiteral("GIDER"),
                           QStringLiteral("KALAN"), QStringLiteral("PARABIRIMI")};
  std::vector<QVariant> head;
  for (const QString& h : header) head.emplace_back(h);
  std::vector<QVariant> row(head.size());
  row[0] = 1.0;
  row[3] = QStringLiteral("100.01");
  row[4] = QStringLiteral("Merkez");
  row[5] = 10.0;
  Dialogs::answerQuestions({true});
  Dialogs::answerFiles({xlsx({head, row})});
  w.btn_tabloexcel->click();
  EXPECT_EQ(Dialogs::shownTexts().last(), QStringLiteral("1 Adet Kayıt Excelden Başarı ile Aktarıldı"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT CONCAT(SIRKETKODU, '/', KASAKODU, '/', GELIR) FROM KASALAR")).toString(),
            QStringLiteral("01/100.01/10"));

  sql(QStringLiteral("INSERT INTO STOK (SIRKETKODU, STOKNO) VALUES ('01', ''), ('01', 'S1'), ('02', '')"));
  sql(QStringLiteral("INSERT INTO STOKHAREKETI (SIRKETKODU, STOKNO, GIRISMIKTAR) VALUES ('01', 'S1', NULL)"));
  Dialogs::clearShown();
  Dialogs::answerQuestions({true});
  w.btn_stokkodubos->click();
  EXPECT_TRUE(Dialogs::shownTexts().first().contains(QStringLiteral("STOK: 1")));
  EXPECT_EQ(Dialogs::shownTexts().last(),
            QStringLiteral("Stok Kodu Boş Olan Tüm Kayıtlar Silindi ve Stok Harekette Boş Tutarlar 0 Yapıldı."));
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM STOK")), 2);
  EXPECT_EQ(count(QStringLiteral("SELECT GIRISMIKTAR FROM STOKHAREKETI")), 0);
  EXPECT_FALSE(scalar(QStringLiteral("SELECT GIRISMIKTAR FROM STOKHAREKETI")).isNull());
}
