#include "db/db.h"
#include "shell/rights.h"
#include "shell/session.h"
#include "support/testdb.h"
#include "ui/dialogs.h"

using support::sql;
using ui::Dialogs;

namespace {
class Rights : public support::DbTest {
 protected:
  void SetUp() override {
    support::DbTest::SetUp();
    login::kul_kod = QStringLiteral("5");
    login::SIRKET = QStringLiteral("01");
    login::userim = QStringLiteral("ali");
    grant(QStringLiteral("01"), QStringLiteral("cari"), QStringLiteral("'E'"), QStringLiteral("''"), QStringLiteral("' '"));
    grant(QStringLiteral("01"), QStringLiteral("kasa"), QStringLiteral("'H'"), QStringLiteral("NULL"), QStringLiteral("'X'"));
  }
  // YENIKAYIT, SILME, FORMGIRISI of one rights row of user 5.
  static void grant(const QString& company, const QString& module, const QString& yeni, const QString& silme,
                    const QString& giris) {
    sql(QStringLiteral("INSERT INTO KULLANICILAR (SIRKETKODU, KULLANICI_KODU, MODULADI, YENIKAYIT, SILME, FORMGIRISI, "
                       "KENDIKAYDINIGOR, TAMYETKI) VALUES ('%1', 5, '%2', %3, %4, %5, 'E', 'H')")
            .arg(company, module, yeni, silme, giris));
  }
};
}  // namespace

TEST_F(Rights, LookupOfOneRight) {
  struct Case { QString company, kod, module, right, answer; };
  const Case cases[] = {
      {QStringLiteral("01"), QStringLiteral("5"), QStringLiteral("cari"), QStringLiteral("yenikayit"), QStringLiteral("E")},
      {QStringLiteral("01"), QStringLiteral("5"), QStringLiteral("cari"), QStringLiteral("YeniKayit"), QStringLiteral("E")},
      {QStringLiteral("01"), QStringLiteral("5"), QStringLiteral("cari"), QStringLiteral("silme"), QStringLiteral("H")},      // empty
      {QStringLiteral("01"), QStringLiteral("5"), QStringLiteral("cari"), QStringLiteral("formgirisi"), QStringLiteral(" ")}, // blank
      {QStringLiteral("01"), QStringLiteral("5"), QStringLiteral("kasa"), QStringLiteral("silme"), QStringLiteral("H")},      // NULL
      {QStringLiteral("01"), QStringLiteral("5"), QStringLiteral("banka"), QStringLiteral("yenikayit"), QStringLiteral("H")}, // no row
      {QStringLiteral("01"), QStringLiteral("5"), QStringLiteral("cari"), QStringLiteral("NOSUCH"), QStringLiteral("H")},
      {QStringLiteral("02"), QStringLiteral("5"), QStringLiteral("cari"), QStringLiteral("yenikayit"), QStringLiteral("H")},  // other company
      {QStringLiteral("01"), QString(), QStringLiteral("cari"), QStringLiteral("yenikayit"), QStringLiteral("H")},            // no user
      {QStringLiteral("01"), QStringLiteral("5' OR '1'='1"), QStringLiteral("cari"), QStringLiteral("yenikayit"), QStringLiteral("H")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE((c.company + "/" + c.kod + "/" + c.module + "/" + c.right).toStdString());
    login::SIRKET = c.company;
    login::kul_kod = c.kod;
    login::yetkibul(c.module, c.right);
    EXPECT_EQ(login::gy_durumu, c.answer);
    EXPECT_EQ(login::gy_modul, c.module);
    EXPECT_EQ(login::gy_yetki, c.right);
  }
  EXPECT_TRUE(Dialogs::shown().empty());
}

TEST_F(Rights, CallerProtocolMessage) {
  EXPECT_TRUE(login::yetkiVar(QStringLiteral("cari"), QStringLiteral("yenikayit")));
  EXPECT_FALSE(login::yetkiVar(QStringLiteral("cari"), QStringLiteral("silme")));
  EXPECT_FALSE(login::yetkiVar(QStringLiteral("cari"), QStringLiteral("formgirisi")));  // a blank refuses
  EXPECT_EQ(Dialogs::shownTexts(), (QStringList{QStringLiteral("cari modülünde silme yetkisine sahip değilsiniz."),
                                                QStringLiteral("cari modülünde formgirisi yetkisine sahip değilsiniz.")}));
}

TEST_F(Rights, MainWindowRowCheckGrantsAnythingButH) {
  grant(QStringLiteral("01"), QStringLiteral("banka"), QStringLiteral("'E'"), QStringLiteral("'E'"), QStringLiteral("'H'"));
  grant(QStringLiteral("01"), QStringLiteral("senet"), QStringLiteral("'E'"), QStringLiteral("'E'"), QStringLiteral("''"));
  EXPECT_TRUE(login::ekranGirisiVar(QStringLiteral("cari")));   // " "
  EXPECT_TRUE(login::ekranGirisiVar(QStringLiteral("kasa")));   // "X"
  EXPECT_FALSE(login::ekranGirisiVar(QStringLiteral("banka"))); // "H"
  EXPECT_FALSE(login::ekranGirisiVar(QStringLiteral("senet"))); // empty
  EXPECT_FALSE(login::ekranGirisiVar(QStringLiteral("cek")));   // no row
  EXPECT_EQ(Dialogs::shownTexts(), (QStringList{QStringLiteral("Bu Ekrana Girmeye Yetkili Değilsiniz.(banka)"),
                                                QStringLiteral("Bu Ekrana Girmeye Yetkili Değilsiniz.(senet)"),
                                                QStringLiteral("Bu Ekrana Girmeye Yetkili Değilsiniz.(cek)")}));
}

TEST_F(Rights, WindowRightsRowAndItsRules) {
  login::Yetkiler y;
  y.load(QStringLiteral("cari"));
  EXPECT_EQ(y.yetki_insert, QStringLiteral("E"));
  EXPECT_EQ(y.yetki_delete, QString());
  EXPECT_EQ(y.yetki_show, QStringLiteral(" "));
  EXPECT_EQ(y.yetki_kkgor, QStringLiteral("E"));
  EXPECT_TRUE(login::Yetkiler::izin(y.yetki_insert));
  EXPECT_FALSE(login::Yetkiler::izin(y.yetki_delete));
  EXPECT_FALSE(login::Yetkiler::izin(y.yetki_show));
  EXPECT_EQ(Dialogs::shownTexts(), (QStringList{QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz"),
                                                QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz")}));
  // Locked records need full rights.
  EXPECT_TRUE(y.kilitAcik(QStringLiteral("H")));
  EXPECT_TRUE(y.kilitAcik(QString()));
  EXPECT_FALSE(y.kilitAcik(QStringLiteral("E")));

  // Own rows only: the list shows the rows the user wrote.
  sql(QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD, KULLANICI) VALUES ('01','A','ali'), ('01','B','veli')"));
  db::Query q(QStringLiteral("qry_firmalar"),
              QStringLiteral("select * from FIRMALAR where 1=1  and SIRKETKODU ='01'") + y.kendiKayitlari());
  q.exec();
  ASSERT_EQ(q.rowCount(), 1);
  EXPECT_EQ(q.text(QStringLiteral("CARIKOD")), QStringLiteral("A"));

  // After a change of company the rights of the new company apply; a missing row refuses all.
  login::SIRKET = QStringLiteral("02");
  y.load(QStringLiteral("cari"));
  EXPECT_TRUE(y.yetki_insert.isEmpty());
  EXPECT_TRUE(y.kendiKayitlari().isEmpty());
}
