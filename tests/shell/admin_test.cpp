#include "shell/Kullanici.h"
#include "shell/firmaadi_ara.h"
#include "shell/module.h"
#include "shell/session.h"
#include "shell/sirketgirisi.h"
#include "support/testdb.h"
#include "ui/dialogs.h"

#include <QTest>

using support::scalar;
using support::sql;
using ui::Dialogs;

namespace {
int count(const QString& sqlText) { return scalar(sqlText).toInt(); }

class Admin : public support::DbTest {
 protected:
  void SetUp() override {
    support::DbTest::SetUp();
    login::SIRKET = QStringLiteral("01");
    login::kul_kod = QStringLiteral("1");
    login::usermacid = QStringLiteral("AABBCCDDEE01");
    sql(QStringLiteral("INSERT INTO ELEMANLAR (KULLANICI_KODU, KULLANICI_ADI, KULLANICI_SOYADI, SIFRE, USERNAME, AKTIF) "
                       "VALUES (1, 'ADMIN', 'YÖNETİCİ', 'admin', 'admin', 'E')"));
    sql(QStringLiteral("INSERT INTO MODULLER (MODULADI) VALUES ('cari'), ('kasa'), ('kullanicilar'), ('moduller'), ('sirketler')"));
    for (const char* m : {"kullanicilar", "moduller", "sirketler"})
      sql(QStringLiteral("INSERT INTO KULLANICILAR (SIRKETKODU, KULLANICI_KODU, MODULADI, KAYIT, YENIKAYIT, SILME, OZELYETKI2) "
                         "VALUES ('01', 1, '%1', 'E', 'E', 'E', 'E')").arg(QString::fromLatin1(m)));
  }
  void TearDown() override {
    sql(QStringLiteral("DROP TRIGGER IF EXISTS fail_insert"));
    sql(QStringLiteral("DROP TRIGGER IF EXISTS fail_delete"));
    support::DbTest::TearDown();
  }
  // Makes the next statement of the named kind on a table fail, as a lost disk or link would.
  static void failOn(const char* when, const QString& table) {
    sql(QStringLiteral("CREATE TRIGGER fail_%1 BEFORE %2 ON %3 FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='disk dolu'")
            .arg(QString::fromLatin1(when).toLower(), QString::fromLatin1(when), table));
  }
};

void fillUser(Tfrm_kullanici& w, const QString& name, const QString& pass) {
  support::typeText(w.edt_adi, name);
  w.edt_sifre->setText(pass);
  emit w.edt_adi->editingFinished();
}
}  // namespace

TEST_F(Admin, NewUserWithRightsInTheSessionCompany) {
  Tfrm_kullanici w;
  w.FormShow();
  w.btn_yeni->click();
  EXPECT_EQ(w.edt_kodu->text(), QStringLiteral("2"));
  EXPECT_TRUE(w.edt_kodu->isEnabled());
  w.btn_kaydet->click();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Kullanici adı boş olamaz !")});
  fillUser(w, QStringLiteral("veli"), QStringLiteral("pw"));
  EXPECT_EQ(w.edt_adi->text(), QStringLiteral("VELİ"));        // typed letters in upper case, the Turkish way
  EXPECT_EQ(w.edt_username->text(), QStringLiteral("VELİ"));   // nickname taken from the name
  w.btn_kaydet->click();
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ELEMANLAR WHERE KULLANICI_KODU=2 AND AKTIF='E'")), 1);
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KULLANICILAR WHERE KULLANICI_KODU=2 AND SIRKETKODU='01' "
                                 "AND FORMGIRISI='E' AND TAMYETKI='E' AND KENDIKAYDINIGOR='H' AND EKRANKAPALIGELSIN='H'")),
            5);
  EXPECT_FALSE(w.edt_kodu->isEnabled());

  // A second user with the same code is refused; "Yetkisiz" gives all "H".
  w.btn_yeni->click();
  w.edt_kodu->setText(QStringLiteral("2"));
  fillUser(w, QStringLiteral("ayşe"), QStringLiteral("pw"));
  Dialogs::clearShown();
  w.btn_kaydet->click();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral(
      "Bu  Kod ile Kayıtlı Kullanıcı  Var. Yeni Kullanıcı Girerken Lütfen Farklı Bir Kullanıcı Kodu Kullanınız")});
  w.edt_kodu->setText(QStringLiteral("3"));
  w.rb_yetkisiz->setChecked(true);
  w.btn_kaydet->click();
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KULLANICILAR WHERE KULLANICI_KODU=3 AND FORMGIRISI='H' AND TAMYETKI='H'")), 5);
}

TEST_F(Admin, ChangingAUserKeepsThePasswordRules) {
  Tfrm_kullanici w;
  w.FormShow();
  EXPECT_EQ(w.edt_sifre->text(), QStringLiteral("admin"));  // the edited user's own password only
  EXPECT_EQ(w.cxGrid1->columnIndex(QStringLiteral("SIFRE")), -1);
  w.edt_sifre->clear();
  emit w.edt_sifre->textEdited(QString());
  EXPECT_EQ(w.durum(), Tfrm_kullanici::Durum::Degistir);
  w.btn_kaydet->click();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Şifre boş olamaz !")});
  EXPECT_EQ(scalar(QStringLiteral("SELECT SIFRE FROM ELEMANLAR")).toString(), QStringLiteral("admin"));
  QTest::keyClicks(w.edt_sifre, QStringLiteral("abcdefghijklmno"));
  EXPECT_EQ(w.edt_sifre->text().size(), 10);  // held to the column
  w.edt_macnoDblClick();
  w.btn_kaydet->click();
  EXPECT_EQ(scalar(QStringLiteral("SELECT CONCAT(SIFRE,'/',MACNO) FROM ELEMANLAR")).toString(), QStringLiteral("abcdefghij/AABBCCDDEE01"));
}

TEST_F(Admin, StaffCardPickerFillsContactFields) {
  sql(QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD, CARIUNVAN, KAYITTURU, CEPNO, EMAIL) VALUES "
                     "('01','P-1','Personel Bir','PERSONEL','555','p@x.tr'), ('01','M-1','Müşteri','MÜŞTERİ','1','m@x.tr')"));
  Tfrm_kullanici w;
  w.FormShow();
  int listed = -1;
  ui::pushModalDriver([&](QWidget& d) {
    auto& p = static_cast<Tfrm_firmaadi_ara&>(d);
    listed = p.cxGrid1->rowCount();
    EXPECT_EQ(p.windowTitle(), QStringLiteral("Personel Seciniz"));
    p.OKBtn->click();
  });
  w.btn_cariara->click();
  EXPECT_EQ(listed, 1);
  EXPECT_EQ(w.edt_carikod->text(), QStringLiteral("P-1"));
  EXPECT_EQ(w.edt_cepno->text(), QStringLiteral("555"));
  EXPECT_EQ(w.edt_email->text(), QStringLiteral("p@x.tr"));
}

TEST_F(Admin, DeletingUsers) {
  Tfrm_kullanici w;
  w.FormShow();
  w.btn_sil->click();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral(
      "ÖNEMLİ UYARI !...Tek Kullanıcı Var. İkinci Bir Kullanıcı Acmadan ve Tam Yetkili Yapmadan Kullanıcı SİLEMEZSİNİZ.")});
  sql(QStringLiteral("INSERT INTO ELEMANLAR (KULLANICI_KODU, KULLANICI_ADI, SIFRE) VALUES (9, 'GIDEN', 'x')"));
  sql(QStringLiteral("INSERT INTO KULLANICILAR (SIRKETKODU, KULLANICI_KODU, MODULADI) VALUES ('01',9,'cari'), ('02',9,'cari')"));
  Tfrm_kullanici w2;
  w2.FormShow();
  for (int r : w2.cxGrid1->shownRows())
    if (w2.cxGrid1->value(QStringLiteral("KULLANICI_KODU"), r).toInt() == 9) w2.cxGrid1->setCurrentRow(r);
  Dialogs::clearShown();
  Dialogs::answerQuestions({true});
  w2.btn_sil->click();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Silmek istiyormusunuz ?")});
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ELEMANLAR")), 1);
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KULLANICILAR WHERE KULLANICI_KODU=9")), 0);  // every company
}

TEST_F(Admin, UserWindowRefusalsAndRollback) {
  sql(QStringLiteral("UPDATE KULLANICILAR SET YENIKAYIT='H' WHERE MODULADI='kullanicilar'"));
  Tfrm_kullanici w;
  w.FormShow();
  w.btn_yeni->click();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz")});
  sql(QStringLiteral("UPDATE KULLANICILAR SET YENIKAYIT='E' WHERE MODULADI='kullanicilar'"));
  w.FormShow();
  w.btn_yeni->click();
  fillUser(w, QStringLiteral("yarım"), QStringLiteral("pw"));
  failOn("INSERT", QStringLiteral("KULLANICILAR"));  // the last statement of the save fails
  w.btn_kaydet->click();
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ELEMANLAR")), 1);  // no user without rights
  EXPECT_EQ(w.durum(), Tfrm_kullanici::Durum::Yeni);                      // what was typed is still there
}

TEST_F(Admin, GrantListAndCopyRights) {
  Tfrm_module w;
  w.FormShow();
  EXPECT_EQ(w.edt_sirketkodu->text(), QStringLiteral("01"));
  w.btn_haktanimla->click();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Kullanıcı Kodu Boş Olamaz.Lütfen Bir Kullanıcı Seciniz")});
  sql(QStringLiteral("INSERT INTO ELEMANLAR (KULLANICI_KODU, KULLANICI_ADI, KULLANICI_SOYADI) VALUES (4, 'AYŞE', 'KAYA')"));
  ui::pushModalDriver([](QWidget& d) {
    auto& p = static_cast<PickerWindow&>(d);
    p.search(QStringLiteral("AY"));
    p.accept();
  });
  w.btn_kullaniciara->click();
  EXPECT_EQ(w.edt_kullanici->text(), QStringLiteral("AYŞE KAYA"));
  EXPECT_EQ(w.edt_kullanici_kodu->text(), QStringLiteral("4"));
  sql(QStringLiteral("INSERT INTO KULLANICILAR (SIRKETKODU, KULLANICI_KODU, MODULADI, TAMYETKI) VALUES ('01', 4, 'eski', 'E')"));
  w.rb_ozel->setChecked(true);
  w.chk_formgirisi->setChecked(true);
  Dialogs::clearShown();
  w.btn_haktanimla->click();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("İşlem Tamamlandı")});
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KULLANICILAR WHERE KULLANICI_KODU=4")), 5);  // replaced
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KULLANICILAR WHERE KULLANICI_KODU=4 AND FORMGIRISI='E' AND KAYIT='H' "
                                 "AND TAMYETKI='H'")),
            5);
  EXPECT_EQ(w.grd_haklar1->rowCount(), 5);

  // Second tab: list, then copy to company 02 that already holds rows of the user.
  w.Edit1->setText(QStringLiteral("4"));
  w.Edit3->setText(QStringLiteral("02"));
  w.btn_listele->click();
  EXPECT_EQ(w.grd_haklar2->rowCount(), 0);  // another company's rights are not shown
  w.Edit3->setText(QStringLiteral("01"));
  w.btn_listele->click();
  EXPECT_EQ(w.grd_haklar2->rowCount(), 5);
  sql(QStringLiteral("UPDATE KULLANICILAR SET TAMYETKI='E', YONETICI='X' WHERE KULLANICI_KODU=4 AND MODULADI='kasa'"));
  w.btn_listele->click();
  sql(QStringLiteral("INSERT INTO KULLANICILAR (SIRKETKODU, KULLANICI_KODU, MODULADI) VALUES ('02', 4, 'cari'), ('02', 4, 'old')"));
  w.edt_kopya->setText(QStringLiteral("02"));
  Dialogs::clearShown();
  Dialogs::answerQuestions({true});
  w.btn_kopyala->click();
  EXPECT_EQ(Dialogs::shownTexts().last(), QStringLiteral("İşlem Tamam"));
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KULLANICILAR WHERE KULLANICI_KODU=4 AND SIRKETKODU='02'")), 5);
  EXPECT_EQ(scalar(QStringLiteral("SELECT CONCAT(TAMYETKI, YONETICI) FROM KULLANICILAR WHERE KULLANICI_KODU=4 AND "
                                  "SIRKETKODU='02' AND MODULADI='kasa'")).toString(),
            QStringLiteral("EX"));

  // A copy whose last statement fails leaves the target as it was.
  failOn("INSERT", QStringLiteral("KULLANICILAR"));
  w.edt_kopya->setText(QStringLiteral("02"));
  sql(QStringLiteral("DELETE FROM KULLANICILAR WHERE SIRKETKODU='02' AND MODULADI='kasa'"));
  Dialogs::answerQuestions({true});
  w.btn_kopyala->click();
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KULLANICILAR WHERE KULLANICI_KODU=4 AND SIRKETKODU='02'")), 4);
}

TEST_F(Admin, EditingRightsRowsAndModules) {
  sql(QStringLiteral("INSERT INTO KULLANICILAR (SIRKETKODU, KULLANICI_KODU, MODULADI, FORMGIRISI) VALUES ('01', 4, 'cari', 'H')"));
  Tfrm_module w;
  w.FormShow();
  w.PageControl1->setCurrentIndex(1);
  w.Edit1->setText(QStringLiteral("4"));
  w.Edit3->setText(QStringLiteral("01"));
  w.btn_listele->click();
  ASSERT_EQ(w.grd_haklar2->rowCount(), 1);
  EXPECT_EQ(w.grd_haklar2->view()->model()->index(0, 2).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 160, 160));
  w.grd_haklar2->setValue(QStringLiteral("FORMGIRISI"), QStringLiteral("E"));
  w.btn_hakkaydet->click();
  EXPECT_EQ(scalar(QStringLiteral("SELECT FORMGIRISI FROM KULLANICILAR WHERE KULLANICI_KODU=4")).toString(), QStringLiteral("E"));
  const int modules = w.grd_moduller->rowCount();
  w.btn_modulyeni->click();
  w.grd_moduller->setValue(QStringLiteral("MODULADI"), QStringLiteral("yeni modul"));
  w.btn_modulkaydet->click();
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM MODULLER")), modules + 1);
  sql(QStringLiteral("UPDATE KULLANICILAR SET SILME='H' WHERE MODULADI='moduller'"));
  w.FormShow();
  Dialogs::clearShown();
  w.btn_modulsil->click();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz")});
}

TEST_F(Admin, CompaniesListCreateAndGrant) {
  sql(QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU, VDAIRESI, VNO) VALUES ('01', NULL, NULL), ('A', 'KADIKÖY', 'GG'), "
                     "('B', 'GG', ''), ('C', '', '')"));
  Tfrm_sirketgirisi w;
  w.FormShow();
  EXPECT_EQ(w.cxGrid1->rowCount(), 2);
  w.mnu_tumunugoster->trigger();
  EXPECT_EQ(w.cxGrid1->rowCount(), 4);
  w.btn_yeniClick();
  EXPECT_TRUE(w.chk_haktanimla->isVisible() || !w.isVisible());
  w.btn_kaydetClick();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Şirket Kodu Boş Olamaz")});
  w.edt_sirketkodu->setText(QStringLiteral("C"));
  Dialogs::clearShown();
  w.btn_kaydetClick();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Bu  Kod ile Kayıtlı Şirket Var. Lütfen Farklı Bir Şirket Kodu Kullanınız")});
  w.edt_sirketkodu->setText(QStringLiteral("YENI"));
  w.edt_sirketadi->setText(QStringLiteral("Yeni Şirket"));
  Dialogs::clearShown();
  w.btn_kaydetClick();
  EXPECT_TRUE(Dialogs::shownTexts().value(0).startsWith(QStringLiteral("Yeni Şirket Başarıyla Oluşturuldu. Bu Kullanıcı için")));
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KULLANICILAR WHERE SIRKETKODU='YENI' AND KULLANICI_KODU=1")), 5);
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KULLANICILAR WHERE SIRKETKODU='YENI'")), 5);

  w.btn_yeniClick();
  w.chk_haktanimla->setChecked(false);
  w.edt_sirketkodu->setText(QStringLiteral("HAKSIZ"));
  Dialogs::clearShown();
  w.btn_kaydetClick();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Yeni Şirket Başarıyla Oluşturuldu.")});
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KULLANICILAR WHERE SIRKETKODU='HAKSIZ'")), 0);
}

TEST_F(Admin, CompanyDataDeleteAndCompanyDelete) {
  sql(QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('X')"));
  sql(QStringLiteral("INSERT INTO CARI_HAREKET (SIRKETKODU, CARIKOD) VALUES ('X', 'C1')"));  // no card, but a ledger row
  sql(QStringLiteral("INSERT INTO KASA (SIRKETKODU, KASAKODU) VALUES ('X', 'K')"));
  sql(QStringLiteral("INSERT INTO POLICE (SIRKETKODU, POLICENO) VALUES ('X', 'P')"));
  sql(QStringLiteral("INSERT INTO KULLANICILAR (SIRKETKODU, KULLANICI_KODU, MODULADI) VALUES ('X', 1, 'cari')"));
  sql(QStringLiteral("RENAME TABLE SIPARIS TO SIPARIS_YOK"));  // a peer program not installed here
  Tfrm_sirketgirisi w;
  w.FormShow();
  ASSERT_EQ(w.cxGrid1->rowCount(), 1);
  w.btn_silClick();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral(
      "Bu Şirkette Kayıt Olduğundan Şirketi Silemezsiniz.Öncelikte Şirketin Tüm Kayıtlarını Silmelisiniz")});

  failOn("DELETE", QStringLiteral("KASA"));
  Dialogs::answerQuestions({true});
  w.btn_tumkayitlarisilClick();
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CARI_HAREKET")), 1);  // nothing half-deleted
  sql(QStringLiteral("DROP TRIGGER fail_delete"));

  Dialogs::clearShown();
  Dialogs::answerQuestions({true});
  w.btn_tumkayitlarisilClick();
  EXPECT_EQ(Dialogs::shownTexts().last(), QStringLiteral(" Tüm Kayıtlar  Silindi "));
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CARI_HAREKET")) + count(QStringLiteral("SELECT COUNT(*) FROM KASA")), 0);
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM POLICE")), 1);        // kept on purpose
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM KULLANICILAR WHERE SIRKETKODU='X'")), 1);  // "Hak Tanımlarını Silme"
  sql(QStringLiteral("RENAME TABLE SIPARIS_YOK TO SIPARIS"));

  Dialogs::clearShown();
  Dialogs::answerQuestions({true});
  w.btn_silClick();
  EXPECT_EQ(Dialogs::shownTexts(), (QStringList{QStringLiteral("X - Bu Şirketi Silmek İstiyormusunuz ? "),
                                                QStringLiteral(" Şirket Kaydı  Silindi ")}));
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM SIRKETLER")), 0);

  sql(QStringLiteral("UPDATE KULLANICILAR SET OZELYETKI2='H'"));
  w.FormShow();
  Dialogs::clearShown();
  w.btn_tumkayitlarisilClick();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz")});
}

TEST_F(Admin, UserWindowCancelAndEachRight) {
  sql(QStringLiteral("INSERT INTO ELEMANLAR (KULLANICI_KODU, KULLANICI_ADI, SIFRE, USERNAME) VALUES (9, 'IKINCI', 'x', 'iki')"));
  Tfrm_kullanici w;
  w.FormShow();
  support::typeText(w.edt_adi, QStringLiteral("X"));
  EXPECT_EQ(w.durum(), Tfrm_kullanici::Durum::Degistir);
  w.btn_iptal->click();  // the typing is dropped
  EXPECT_EQ(w.durum(), Tfrm_kullanici::Durum::Gozat);
  EXPECT_EQ(w.edt_adi->text(), w.cxGrid1->value(QStringLiteral("KULLANICI_ADI")).toString());
  struct Case { const char* column; QPushButton* Tfrm_kullanici::*button; };
  const Case cases[] = {{"KAYIT", &Tfrm_kullanici::btn_kaydet}, {"YENIKAYIT", &Tfrm_kullanici::btn_yeni},
                        {"SILME", &Tfrm_kullanici::btn_sil}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.column);
    sql(QStringLiteral("UPDATE KULLANICILAR SET KAYIT='E', YENIKAYIT='E', SILME='E'"));
    sql(QStringLiteral("UPDATE KULLANICILAR SET %1='H' WHERE MODULADI='kullanicilar'").arg(QString::fromLatin1(c.column)));
    w.FormShow();
    support::typeText(w.edt_unvani, QStringLiteral("U"));
    Dialogs::clearShown();
    (w.*c.button)->click();
    EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz")});
    w.btn_iptal->click();
  }
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ELEMANLAR WHERE UNVANI='U'")), 0);
}
