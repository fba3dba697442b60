#include "shell/eleman_ara.h"
#include "shell/farkliolan.h"
#include "shell/firmaadi_ara.h"
#include "shell/session.h"
#include "shell/sirket_ara.h"
#include "support/testdb.h"
#include "ui/dialogs.h"

#include <QTest>

using support::sql;

namespace {
class Pickers : public support::DbTest {
 protected:
  void SetUp() override {
    support::DbTest::SetUp();
    login::SIRKET = QStringLiteral("01");
    login::userim = QStringLiteral("ali");
    login::kul_kod = QStringLiteral("5");
    sql(QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD, CARIUNVAN, CEPNO, KAYITTURU, KULLANICI) VALUES "
                       "('01','M-120','ACME SİGORTA','5551','MÜŞTERİ','ali'), ('01','M-121','Beta Ltd','5552','PERSONEL','veli'), "
                       "('01','M-300','Gama Otomotiv','5553','MÜŞTERİ','veli'), ('01','M-120','ACME YENİ','5554','MÜŞTERİ','ali'), "
                       "('02','M-120','Başka Şirket','5555','MÜŞTERİ','ali')"));
  }
  // Shows the picker; `drive` acts on the shown window, then "Evet" or "Hayır" closes it.
  template <class P>
  QString run(P& picker, std::function<void(P&)> drive, bool ok = true, bool* shown = nullptr) {
    ui::pushModalDriver([&, drive, ok](QWidget& w) {
      if (shown) *shown = true;
      P& p = static_cast<P&>(w);
      if (drive) drive(p);
      QTest::mouseClick(ok ? p.OKBtn : p.CancelBtn, Qt::LeftButton);
    });
    const QString v = picker.dosya_ara_modal();
    ui::clearModalDrivers();
    return v;
  }
  static QStringList column(grid::DBGrid* g, const QString& field) {
    QStringList out;
    for (int r : g->shownRows()) out << g->value(field, r).toString();
    return out;
  }
};
}  // namespace

TEST_F(Pickers, DistinctValuesOfACodeColumn) {
  Tfrm_farkliolan p;
  farkliolan::tabloadi = QStringLiteral("FIRMALAR");
  farkliolan::alanadi = QStringLiteral("CARIKOD");
  farkliolan::alandegeri = QStringLiteral("12");
  QStringList listed;
  const QString v = run<Tfrm_farkliolan>(p, [&](Tfrm_farkliolan& w) { listed = column(w.cxGrid1, QStringLiteral("CARIKOD")); });
  EXPECT_EQ(listed, (QStringList{QStringLiteral("M-121"), QStringLiteral("M-120")}));
  EXPECT_EQ(v, QStringLiteral("M-121"));
  EXPECT_TRUE(farkliolan::alandegeri.isEmpty());  // cleared on close
  EXPECT_EQ(farkliolan::tabloadi, QStringLiteral("FIRMALAR"));
}

TEST_F(Pickers, DistinctValuesSearchCancelAndHostileText) {
  Tfrm_farkliolan p;
  farkliolan::tabloadi = QStringLiteral("FIRMALAR");
  farkliolan::alanadi = QStringLiteral("CARIUNVAN");
  QStringList found, hostile;
  const QString v = run<Tfrm_farkliolan>(p, [&](Tfrm_farkliolan& w) {
    EXPECT_EQ(w.cxGrid1->rowCount(), 4);  // this company's titles with their counts
    w.edt_ara->setText(QStringLiteral("acme"));
    found = column(w.cxGrid1, QStringLiteral("CARIUNVAN"));
    w.edt_ara->setText(QStringLiteral("' OR 1=1 #"));
    hostile = column(w.cxGrid1, QStringLiteral("CARIUNVAN"));
    w.edt_ara->setText(QString());  // clearing keeps the last list
  }, false);
  EXPECT_EQ(found, (QStringList{QStringLiteral("ACME SİGORTA"), QStringLiteral("ACME YENİ")}));
  EXPECT_TRUE(hostile.isEmpty());
  EXPECT_EQ(v, QStringLiteral("-1"));
  EXPECT_TRUE(ui::Dialogs::shown().empty());
}

TEST_F(Pickers, DistinctUserNamesAndCompanies) {
  sql(QStringLiteral("INSERT INTO ELEMANLAR (KULLANICI_KODU, KULLANICI_ADI, SIFRE) VALUES (1,'ali','x'), (2,'ayşe','y')"));
  sql(QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU, SIRKETADI) VALUES ('01','Bir'), ('02','İki')"));
  Tfrm_farkliolan users;
  farkliolan::tabloadi = QStringLiteral("ELEMANLAR");
  farkliolan::alanadi = QStringLiteral("KULLANICI_ADI");
  QString caption;
  const QString u = run<Tfrm_farkliolan>(users, [&](Tfrm_farkliolan& w) {
    caption = w.windowTitle();
    EXPECT_EQ(w.cxGrid1->rowCount(), 2);
    w.edt_ara->setText(QStringLiteral("ay"));
  });
  EXPECT_EQ(caption, QStringLiteral("KULLANICILAR"));
  EXPECT_EQ(u, QStringLiteral("ayşe"));

  Tfrm_farkliolan companies;
  farkliolan::tabloadi = QStringLiteral("SIRKETLER");
  farkliolan::alanadi = QStringLiteral("SIRKETKODU");
  const QString c = run<Tfrm_farkliolan>(companies, [&](Tfrm_farkliolan& w) {
    EXPECT_TRUE(w.edt_ara->isHidden());
    w.cxGrid1->setCurrentRow(1);
  });
  EXPECT_EQ(c, QStringLiteral("02"));
}

TEST_F(Pickers, CustomerPickerPresetCodeAnswersAtOnce) {
  sql(QStringLiteral("INSERT INTO KULLANICILAR (SIRKETKODU, KULLANICI_KODU, MODULADI) VALUES ('01', 5, 'cari')"));
  Tfrm_firmaadi_ara p;
  firmaadi_ara::firmackod = QStringLiteral("M-120");
  bool shown = false;
  const QString v = run<Tfrm_firmaadi_ara>(p, nullptr, true, &shown);
  EXPECT_FALSE(shown);
  EXPECT_EQ(v, support::scalar(QStringLiteral("SELECT MAX(KAYITNO) FROM FIRMALAR WHERE SIRKETKODU='01' AND CARIKOD='M-120'")).toString());
  EXPECT_EQ(p.current().value(QStringLiteral("CARIUNVAN")).toString(), QStringLiteral("ACME YENİ"));
  EXPECT_TRUE(firmaadi_ara::firmackod.isEmpty());

  Tfrm_firmaadi_ara none;
  firmaadi_ara::firmackod = QStringLiteral("NOPE");
  int rows = -1;
  EXPECT_EQ(run<Tfrm_firmaadi_ara>(none, [&](Tfrm_firmaadi_ara& w) { rows = w.cxGrid1->rowCount(); }, false, &shown),
            QStringLiteral("-1"));
  EXPECT_TRUE(shown);
  EXPECT_EQ(rows, 0);
}

TEST_F(Pickers, CustomerPickerSearchesAndOwnRows) {
  Tfrm_firmaadi_ara p;
  firmaadi_ara::cariarama_param46 = QStringLiteral("E");
  QStringList first, inside, byPhone, badColumn;
  run<Tfrm_firmaadi_ara>(p, [&](Tfrm_firmaadi_ara& w) {
    first = column(w.cxGrid1, QStringLiteral("CARIKOD"));  // staff cards hidden, newest first
    w.edt_ara->setText(QStringLiteral("otomotiv"));         // found inside by the third try
    inside = column(w.cxGrid1, QStringLiteral("CARIUNVAN"));
    w.cbx_aranacak->setCurrentText(QStringLiteral("CEP_TEL"));
    w.edt_ara->setText(QStringLiteral("5554"));
    byPhone = column(w.cxGrid1, QStringLiteral("CARIUNVAN"));
    w.cbx_aranacak->setCurrentText(QStringLiteral("CARIUNVAN) OR (1=1"));
    w.edt_ara->setText(QStringLiteral("x"));
    badColumn = column(w.cxGrid1, QStringLiteral("CARIUNVAN"));
  }, false);
  EXPECT_EQ(first, (QStringList{QStringLiteral("M-120"), QStringLiteral("M-300"), QStringLiteral("M-120")}));
  EXPECT_EQ(inside, QStringList{QStringLiteral("Gama Otomotiv")});
  EXPECT_EQ(byPhone, QStringList{QStringLiteral("ACME YENİ")});
  EXPECT_EQ(badColumn, byPhone);  // an unknown column leaves the list as it was
  EXPECT_TRUE(ui::Dialogs::shown().empty());

  // Own rows only.
  sql(QStringLiteral("INSERT INTO KULLANICILAR (SIRKETKODU, KULLANICI_KODU, MODULADI, KENDIKAYDINIGOR) VALUES ('01', 5, 'cari', 'E')"));
  Tfrm_firmaadi_ara own;
  QStringList mine, searched;
  run<Tfrm_firmaadi_ara>(own, [&](Tfrm_firmaadi_ara& w) {
    mine = column(w.cxGrid1, QStringLiteral("KULLANICI"));
    w.edt_ara->setText(QStringLiteral("a"));
    searched = column(w.cxGrid1, QStringLiteral("KULLANICI"));
  }, false);
  EXPECT_EQ(mine, (QStringList{QStringLiteral("ali"), QStringLiteral("ali")}));
  EXPECT_FALSE(searched.isEmpty());
  EXPECT_FALSE(searched.contains(QStringLiteral("veli")));
}

TEST_F(Pickers, CompanyAndStaffPickers) {
  sql(QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU, SIRKETADI, VDAIRESI, VNO) VALUES "
                     "('01','BİR',NULL,NULL), ('GG1','GİZLİ','GG',NULL), ('GG2','SAKLI','','GG')"));
  Tfrm_sirket_ara c;
  QStringList shown, all;
  run<Tfrm_sirket_ara>(c, [&](Tfrm_sirket_ara& w) {
    shown = column(w.cxGrid1, QStringLiteral("SIRKETKODU"));
    w.mnu_tumunugoster->trigger();
    all = column(w.cxGrid1, QStringLiteral("SIRKETKODU"));
    w.edt_ara->setText(QStringLiteral("SAK"));
  });
  EXPECT_EQ(shown, QStringList{QStringLiteral("01")});
  EXPECT_EQ(all.size(), 3);

  sql(QStringLiteral("INSERT INTO ELEMANLAR (KULLANICI_KODU, KULLANICI_ADI, SIFRE) VALUES (7,'ALİ','x'), (8,'VELİ','y')"));
  Tfrm_eleman_ara e;
  const QString code = run<Tfrm_eleman_ara>(e, [&](Tfrm_eleman_ara& w) { w.edt_ara->setText(QStringLiteral("VEL")); });
  EXPECT_EQ(code, QStringLiteral("8"));
  EXPECT_EQ(e.current().indexOf(QStringLiteral("SIFRE")), -1);  // the password is never listed
}
