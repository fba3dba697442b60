#include "db/db.h"
#include "sheet/sheet.h"
#include "shell/formparametreleri.h"
#include "shell/session.h"
#include "support/testdb.h"
#include "ui/dialogs.h"

#include <QTest>

using support::scalar;
using support::sql;
using ui::Dialogs;

namespace {
class ScreenParameters : public support::DbTest {
 protected:
  void SetUp() override {
    support::DbTest::SetUp();
    login::SIRKET = QStringLiteral("01");
    sql(QStringLiteral("INSERT INTO FORMPAREMETRELERI (SIRKETKODU, FORMADI, PARAMETREADI, PARAMETREDEGERI) VALUES "
                       "('SISTEM','cari','01-a','1'), ('SISTEM','cari','02-b','2'), ('SISTEM','cari','03-c','3'), "
                       "('SISTEM','cari','04-d','4'), ('02','cari','01-a','own')"));
  }
  QString book(const std::vector<std::vector<QVariant>>& rows) {
    sheet::Table t;
    t.columns.resize(5);
    t.rows = rows;
    const QString path = support::programFolder() + QStringLiteral("/param.xlsx");
    QString error;
    EXPECT_TRUE(sheet::write(path, t, &error));
    return path;
  }
};
}  // namespace

TEST_F(ScreenParameters, ReadByPositionWithCompanyRowsFirst) {
  auto p = formparametreleri::oku(QStringLiteral("cari"));
  EXPECT_EQ(p.param(3), QStringLiteral("3"));
  EXPECT_EQ(p.param(9), QString());
  sql(QStringLiteral("DELETE FROM FORMPAREMETRELERI WHERE PARAMETREADI='03-c' AND SIRKETKODU='SISTEM'"));
  EXPECT_EQ(formparametreleri::oku(QStringLiteral("cari")).param(3), QStringLiteral("4"));  // later rows shift down
  EXPECT_EQ(formparametreleri::oku(QStringLiteral("cari"), true).param(1), QStringLiteral("1"));  // 01 has none: SISTEM
  login::SIRKET = QStringLiteral("02");
  EXPECT_EQ(formparametreleri::oku(QStringLiteral("cari"), true).param(1), QStringLiteral("own"));
  EXPECT_EQ(formparametreleri::oku(QStringLiteral("cari"), true).param(2), QString());
}

TEST_F(ScreenParameters, MainMenuDefaults) {
  Tfrm_formparametreleri w;
  w.mnu_anamenu->trigger();  // none yet: no question
  EXPECT_TRUE(Dialogs::shown().empty());
  EXPECT_EQ(scalar(QStringLiteral("SELECT PARAMETREDEGERI FROM FORMPAREMETRELERI WHERE FORMADI='menu'")).toString(), QStringLiteral("E"));
  sql(QStringLiteral("UPDATE FORMPAREMETRELERI SET PARAMETREDEGERI='H' WHERE FORMADI='menu'"));
  Dialogs::answerQuestions({false});
  w.mnu_anamenu->trigger();
  EXPECT_EQ(scalar(QStringLiteral("SELECT PARAMETREDEGERI FROM FORMPAREMETRELERI WHERE FORMADI='menu'")).toString(), QStringLiteral("H"));
  Dialogs::answerQuestions({true});
  w.mnu_anamenu->trigger();
  EXPECT_EQ(scalar(QStringLiteral("SELECT GROUP_CONCAT(PARAMETREDEGERI) FROM FORMPAREMETRELERI WHERE FORMADI='menu'")).toString(),
            QStringLiteral("E"));
  EXPECT_EQ(Dialogs::shownTexts(), (QStringList(2, QStringLiteral("Ekran Parametreleri zaten Yüklü.Yeniden Yüklemek İstiyormusunuz ? "))));
}

TEST_F(ScreenParameters, EditorListsEditsAndDeletes) {
  Tfrm_formparametreleri w;
  w.btn_listele->click();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Ekran Secmelisiniz")});
  w.ComboBox1->setCurrentText(QStringLiteral("cari"));
  w.btn_listele->click();
  EXPECT_EQ(w.cxGrid1->rowCount(), 4);
  w.cxGrid1->setCurrentRow(1);
  w.cxGrid1->setValue(QStringLiteral("PARAMETREDEGERI"), QStringLiteral("yeni"));
  w.show();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClick(&w, Qt::Key_F5);  // the menu key saves
  EXPECT_EQ(formparametreleri::oku(QStringLiteral("cari")).param(2), QStringLiteral("yeni"));
  w.btn_yeni->click();
  w.cxGrid1->setValue(QStringLiteral("FORMADI"), QStringLiteral("cari"));
  w.cxGrid1->setValue(QStringLiteral("PARAMETREDEGERI"), QStringLiteral("5"));
  w.btn_kaydet->click();
  EXPECT_EQ(formparametreleri::oku(QStringLiteral("cari")).param(5), QStringLiteral("5"));
  Dialogs::clearShown();
  Dialogs::answerQuestions({true});
  w.cxGrid1->setCurrentRow(0);
  w.btn_sil->click();
  EXPECT_EQ(Dialogs::shownTexts(), (QStringList{QStringLiteral("Bu Kaydı Silmek İstiyormusunuz ? "), QStringLiteral(" Kayıt  Silindi ")}));
  EXPECT_EQ(formparametreleri::oku(QStringLiteral("cari")).param(1), QStringLiteral("yeni"));
}

TEST_F(ScreenParameters, ReloadFromSpreadsheetReplacesOnlyAfterReading) {
  Tfrm_formparametreleri w;
  const int before = scalar(QStringLiteral("SELECT COUNT(*) FROM FORMPAREMETRELERI")).toInt();
  Dialogs::answerFiles({QString()});  // cancelled
  w.mnu_excelden->trigger();
  Dialogs::answerFiles({support::programFolder() + QStringLiteral("/none.xlsx")});  // unreadable
  w.mnu_excelden->trigger();
  Dialogs::answerFiles({book({{QVariant(), QStringLiteral("SISTEM"), QStringLiteral("cari"), QStringLiteral("01-x"), QStringLiteral("1")}})});
  w.mnu_excelden->trigger();  // no row with a first cell
  Dialogs::answerFiles({book({{QStringLiteral("k"), QStringLiteral("SISTEM"), QStringLiteral("cari"), QStringLiteral("01-x"),
                               QString(40, QLatin1Char('x'))}})});
  w.mnu_excelden->trigger();  // a value too wide for its column
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM FORMPAREMETRELERI")).toInt(), before);
  const QStringList shown = Dialogs::shownTexts();
  ASSERT_GE(shown.size(), 4);
  EXPECT_EQ(shown.last().left(16), QStringLiteral("Excel satırı 2: "));

  Dialogs::clearShown();
  Dialogs::answerFiles({book({{QStringLiteral("k"), QStringLiteral("SISTEM"), QStringLiteral("menu"), QStringLiteral("01-Kurları Otomatik Al"), QStringLiteral("E")},
                              {QVariant(), QStringLiteral("SISTEM"), QStringLiteral("cari"), QStringLiteral("skipped"), QStringLiteral("1")},
                              {QStringLiteral("k"), QStringLiteral("SISTEM"), QStringLiteral("cari"), QStringLiteral("01-a"), 12.0}})});
  w.mnu_excelden->trigger();
  EXPECT_EQ(Dialogs::shownTexts().last(), QStringLiteral("Form Parametrelerine Excel den Veri Alma İşlemi Başarı ile Tamamlandı"));
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM FORMPAREMETRELERI")).toInt(), 2);
  EXPECT_EQ(formparametreleri::oku(QStringLiteral("cari")).param(1), QStringLiteral("12"));
}
