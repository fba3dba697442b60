#include "db/db.h"
#include "shell/dosyayonetimi.h"
#include "shell/gunlukrapor.h"
#include "shell/notlar.h"
#include "shell/session.h"
#include "shell/Utils.h"
#include "shell/uResizeImage.h"
#include "sheet/sheet.h"
#include "support/testdb.h"
#include "sys/sys.h"
#include "ui/dialogs.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>

using support::scalar;
using support::sql;
using ui::Dialogs;

namespace {
class Notes : public support::DbTest {
 protected:
  void SetUp() override {
    support::DbTest::SetUp();
    login::SIRKET = QStringLiteral("01");
    login::kul_kod = QStringLiteral("1");
    login::userim = QStringLiteral("ayseyilmaz_uzun");
    login::kullanici1 = QStringLiteral("AYŞE YILMAZ KARAKOYUNLU");
    grant(QStringLiteral("'E'"));
    sys::setShellRecorder([this](const sys::ShellCall& c) { shell << c.verb + QLatin1Char(' ') + c.path; });
  }
  void TearDown() override {
    sys::setShellRecorder(nullptr);
    support::DbTest::TearDown();
  }
  static void grant(const QString& yeni) {
    sql(QStringLiteral("DELETE FROM KULLANICILAR"));
    sql(QStringLiteral("INSERT INTO KULLANICILAR (SIRKETKODU, KULLANICI_KODU, MODULADI, KAYIT, YENIKAYIT, SILME) "
                       "VALUES ('01', 1, 'notlar', 'E', %1, 'E')").arg(yeni));
  }
  QStringList shell;
};
int count(const QString& s) { return scalar(s).toInt(); }
}  // namespace

TEST_F(Notes, OwnerNotesNewNoteAndDueRule) {
  sql(QStringLiteral("INSERT INTO ACIKLAMALAR (SIRKETKODU, EVRAKKAYITNO, EVRAKTURU, ACIKLAMA1) VALUES "
                     "('01', 15, 'POLICE', 'bu'), ('02', 15, 'POLICE', 'başka şirket'), ('01', 15, 'Cari', 'başka kayıt')"));
  Tfrm_notlar w;
  notlar::notevrakkayitno = 15;
  notlar::notevrakkayitturu = QStringLiteral("POLICE");
  notlar::notcarikodu = QStringLiteral("M-1");
  w.listOwner();
  w.FormShow();
  EXPECT_EQ(w.cxGrid1->rowCount(), 2);  // the owner's notes of every company
  w.btn_yeni->click();
  EXPECT_EQ(w.cmb_uyarsinmi->currentText(), QStringLiteral("EVET"));
  EXPECT_EQ(w.cmb_sonuc->currentText(), QStringLiteral("YAPILMADI"));
  EXPECT_EQ(w.edt_kullanici->text(), QStringLiteral("AYŞE YILMAZ KAR"));  // held to the column
  EXPECT_EQ(w.edt_tarih1->text(), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
  support::typeText(w.edt_aciklama1, QStringLiteral("Yenileme için ara"));
  support::typeText(w.edt_tarih2, QDate::currentDate().addDays(2).toString(QStringLiteral("dd.MM.yyyy")));
  w.btn_kaydet->click();
  EXPECT_TRUE(Dialogs::shown().empty()) << Dialogs::shownTexts().join(QLatin1Char('|')).toStdString();
  auto r = sql(QStringLiteral("SELECT EVRAKKAYITNO, EVRAKTURU, CARIKODU, SIRKETKODU, KULLANICI FROM ACIKLAMALAR "
                              "WHERE ACIKLAMA1='Yenileme için ara'"));
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].value(0).toInt(), 15);
  EXPECT_EQ(r[0].value(1).toString(), QStringLiteral("POLICE"));
  EXPECT_EQ(r[0].value(2).toString(), QStringLiteral("M-1"));

  // Due from its reminder date on, while "EVET" and not done; never without a date.
  sql(QStringLiteral("INSERT INTO ACIKLAMALAR (SIRKETKODU, ACIKLAMA1, UYARSINMI, SONUC, TARIH2) VALUES "
                     "('01','hayir','HAYIR','YAPILMADI',CURDATE()), ('01','yapildi','EVET','YAPILDI',CURDATE()), "
                     "('01','tarihsiz','EVET','YAPILMADI',NULL)"));
  auto due = [](const QDate& d) {
    db::Query q(QStringLiteral("qry_uyari"), QStringLiteral("select ACIKLAMA1 from ACIKLAMALAR where 1=1") + notlar::kVadesiGelen);
    q.bind(QStringLiteral("tarih"), d);
    q.exec();
    QStringList out;
    for (const auto& row : q.rows()) out << row.value(0).toString();
    return out;
  };
  EXPECT_TRUE(due(QDate::currentDate().addDays(1)).isEmpty());
  EXPECT_EQ(due(QDate::currentDate().addDays(2)), QStringList{QStringLiteral("Yenileme için ara")});
  EXPECT_EQ(due(QDate::currentDate().addDays(30)), QStringList{QStringLiteral("Yenileme için ara")});

  w.close();
  EXPECT_EQ(notlar::notevrakkayitno, 0);
  EXPECT_TRUE(notlar::notevrakkayitturu.isEmpty());
}

TEST_F(Notes, RightsAndCopy) {
  sql(QStringLiteral("INSERT INTO ACIKLAMALAR (SIRKETKODU, EVRAKKAYITNO, EVRAKTURU, ACIKLAMA1, KATAGORI) VALUES ('01', 3, 'Cari', 'asıl', 'SATIŞ')"));
  grant(QStringLiteral("'H'"));
  Tfrm_notlar w;
  notlar::notevrakkayitno = 3;
  notlar::notevrakkayitturu = QStringLiteral("Cari");
  w.listOwner();
  w.FormShow();
  w.btn_yeni->click();
  w.mnu_kopya->trigger();
  EXPECT_EQ(Dialogs::shownTexts(), (QStringList(2, QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz.(Yetki:YeniKayıt)"))));
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ACIKLAMALAR")), 1);
  grant(QStringLiteral("'E'"));
  w.FormShow();
  Dialogs::clearShown();
  w.mnu_kopya->trigger();
  EXPECT_TRUE(Dialogs::shown().empty());
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ACIKLAMALAR WHERE ACIKLAMA1='asıl' AND KATAGORI='SATIŞ' AND EVRAKKAYITNO=3")), 2);
  EXPECT_EQ(w.cxGrid1->rowCount(), 2);
  Dialogs::answerQuestions({true});
  w.btn_sil->click();
  EXPECT_EQ(Dialogs::shownTexts().last(), QStringLiteral(" Kayıt  Silindi "));
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ACIKLAMALAR")), 1);
}

TEST_F(Notes, WithoutAnOwner) {
  sql(QStringLiteral("INSERT INTO ACIKLAMALAR (SIRKETKODU, CARIKODU, ACIKLAMA1) VALUES ('01','M-9','x')"));
  Tfrm_notlar w;
  w.FormShow();
  EXPECT_EQ(w.cxGrid1->rowCount(), 0);
  w.mnu_caritumnotlar->trigger();  // no customer code: nothing
  EXPECT_EQ(w.cxGrid1->rowCount(), 0);
  w.btn_yeni->click();
  w.btn_kaydet->click();
  EXPECT_TRUE(Dialogs::shown().empty()) << Dialogs::shownTexts().join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM ACIKLAMALAR WHERE EVRAKKAYITNO=0 AND EVRAKTURU=''")), 1);
  w.mnu_tumunulistele->trigger();
  EXPECT_EQ(w.cxGrid1->rowCount(), 2);
}

TEST_F(Notes, DocumentRegistry) {
  const QString folder = support::programFolder();
  QDir(folder).mkdir(QStringLiteral("RESIMLER"));
  QImage(10, 10, QImage::Format_RGB32).save(folder + QStringLiteral("/RESIMLER/bos.jpg"));
  QFile text(folder + QStringLiteral("/sozlesme.txt"));
  text.open(QIODevice::WriteOnly);
  text.write("not a picture");
  text.close();

  Tfrm_dosyayonetimi w;
  w.btn_yeni->click();  // no list yet
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Liste açık değil. Önce bir listeleme yapınız.")});
  dosyayonetimi::dosyaevrakkayitno = 7;
  dosyayonetimi::dosyaevrakkayitturu = QStringLiteral("Cari");
  dosyayonetimi::dosyacarikod = QStringLiteral("M-7");
  w.listOwner();
  w.btn_yeni->click();
  w.btn_kaydet->click();
  EXPECT_EQ(scalar(QStringLiteral("SELECT CONCAT(SONUC, '/', COALESCE(KONUM,''), '/', KULLANICI) FROM DOKUMANLAR")).toString(),
            QStringLiteral("EKLENMEDİ//ayseyilmaz"));  // user name held to the column
  Dialogs::answerFiles({text.fileName()});
  w.btn_dosyabul->click();
  w.btn_kaydet->click();
  EXPECT_EQ(scalar(QStringLiteral("SELECT CONCAT(SONUC, '|', KONUM) FROM DOKUMANLAR")).toString(),
            QStringLiteral("EKLENDİ|") + text.fileName());
  EXPECT_FALSE(w.Image1->pixmap().isNull());  // not a picture: the stand-by picture
  w.btn_dosyaac->click();
  EXPECT_EQ(shell, QStringList{QStringLiteral("open ") + text.fileName()});
  QFile::remove(text.fileName());
  w.btn_dosyaac->click();  // a missing file is the system's business; nothing here changes
  EXPECT_EQ(shell.size(), 2);

  sql(QStringLiteral("INSERT INTO DOKUMANLAR (SIRKETKODU, EVRAKTURU, EVRAKKAYITNO, CARIKOD) VALUES "
                     "('01','Cari',8,'M-8'), ('01','Senet',8,'M-7'), ('02','Cari',9,'M-9')"));
  w.btn_buEvrakTuru->click();
  EXPECT_EQ(w.cxGrid1->rowCount(), 2);
  w.btn_buCari->click();
  EXPECT_EQ(w.cxGrid1->rowCount(), 2);
  w.btn_tumDosyalar->click();
  EXPECT_EQ(w.cxGrid1->rowCount(), 3);
  Dialogs::clearShown();
  w.mnu_excel->trigger();
  w.mnu_excel->trigger();  // a second export overwrites the first
  const QString expected = QStringLiteral("Dosya Konumu ve Adı: ") + folder + QStringLiteral("/DOSYA.xlsx  olan Excel Dosyası Oluşturuldu.");
  EXPECT_EQ(Dialogs::shownTexts(), (QStringList{expected, expected}));
  EXPECT_EQ(shell.size(), 2);  // announced, not opened
  Dialogs::answerQuestions({true});
  w.btn_sil->click();
  EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM DOKUMANLAR")), 3);
}

TEST_F(Notes, DailyReport) {
  const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
  sql(QStringLiteral("INSERT INTO CARI_HAREKET (SIRKETKODU, CARIUNVAN, ISLEMTARIHI, ISLEMTURU, BORC, ALACAK, PARABIRIMI) VALUES "
                     "('01','A','%1','Nakit',100,0,'TL'), ('01','B','%1','Nakit',0,30,'TL'), ('01','C','%1','Havale',50,0,'USD'), "
                     "('01','D','2020-01-01','Nakit',7,0,'TL'), ('02','E','%1','Nakit',999,0,'TL')").arg(today));
  Tfrm_gunlukrapor w;
  w.FormShow();
  EXPECT_EQ(w.cxGrid1->rowCount(), 2);  // today, TL, this company
  EXPECT_DOUBLE_EQ(w.cxGrid1->footerValue(QStringLiteral("BORC")).toDouble(), 100);
  EXPECT_DOUBLE_EQ(w.cxGrid1->groupFooterValue(QStringLiteral("Nakit"), QStringLiteral("ALACAK")).toDouble(), 30);
  w.edt_parabirimi->setCurrentText(QString());
  w.edt_islemtarihi1->clear();
  w.btn_listele->click();
  EXPECT_EQ(w.cxGrid1->rowCount(), 4);
  EXPECT_DOUBLE_EQ(w.cxGrid1->footerValue(QStringLiteral("BORC")).toDouble(), 157);
  EXPECT_EQ(w.cxGrid1->footerValue(QStringLiteral("CARIUNVAN")).toInt(), 4);
  w.edt_islemtarihi1->setText(QStringLiteral("31.02.2024"));
  w.btn_listele->click();
  ASSERT_EQ(Dialogs::shown().size(), 1u);
  EXPECT_EQ(Dialogs::shown()[0].kind, ui::BoxKind::Error);

  w.edt_islemtarihi1->setText(QStringLiteral("01.01.2020"));
  w.edt_islemtarihi2->setText(QStringLiteral("01.01.2020"));  // the end date itself is included
  w.btn_listele->click();
  EXPECT_EQ(w.cxGrid1->rowCount(), 1);
  w.btn_aktar->click();
  const QString file = support::programFolder() + QStringLiteral("/YEDEK/") +
                       QDate::currentDate().toString(QStringLiteral("ddMMyyyy")) + QStringLiteral("RAPORU.xlsx");
  EXPECT_TRUE(QFile::exists(file));
  EXPECT_EQ(shell, QStringList{QStringLiteral("open ") + file});
  sheet::Sheet s;
  QString error;
  ASSERT_TRUE(sheet::read(file, &s, &error));
  EXPECT_EQ(s.rows[1][0].toString(), QStringLiteral("Nakit"));  // the group's header row
}

TEST(Helpers, FitKeepsAnEmptyText) {
  EXPECT_FALSE(Utils::fit(QString(), 5).isNull());
  EXPECT_EQ(Utils::fit(QStringLiteral("abcdef"), 3), QStringLiteral("abc"));
}

TEST(PictureResize, EveryFormatToExactSize) {
  QTemporaryDir dir;
  QImage src(1000, 500, QImage::Format_RGB32);
  src.fill(QColor(200, 30, 30));
  struct Case { const char* name; const char* writeAs; const char* expectFormat; };
  const Case cases[] = {{"a.png", "png", "png"}, {"b.JPG", "jpeg", "jpeg"}, {"c.jpeg", "jpeg", "jpeg"}, {"d.bmp", "bmp", "bmp"}};
  for (const auto& c : cases) {
    const QString in = dir.filePath(QString::fromLatin1(c.name));
    ASSERT_TRUE(src.save(in, c.writeAs));
    const QString out = login::resimHazirla(in);
    EXPECT_TRUE(out.contains(QString::number(QCoreApplication::applicationPid())));  // this process's own work file
    QImageReader r(out);
    EXPECT_EQ(QString::fromLatin1(r.format()), QString::fromLatin1(c.expectFormat)) << c.name;
    EXPECT_EQ(r.read().size(), QSize(250, 250)) << c.name;
  }
  // GIF is read, and written as PNG.
  const QByteArray gif = QByteArray::fromHex("47494638396101000100800000000000ffffff21f90401000000002c00000000010001000002024401003b");
  QFile g(dir.filePath(QStringLiteral("e.gif")));
  g.open(QIODevice::WriteOnly);
  g.write(gif);
  g.close();
  QImageReader gr(login::resimHazirla(g.fileName()));
  EXPECT_EQ(QString::fromLatin1(gr.format()), QStringLiteral("png"));
  EXPECT_EQ(gr.read().size(), QSize(250, 250));

  EXPECT_THROW(login::resimHazirla(dir.filePath(QStringLiteral("x.tiff"))), std::runtime_error);
  QFile junk(dir.filePath(QStringLiteral("junk.png")));
  junk.open(QIODevice::WriteOnly);
  junk.write("xx");
  junk.close();
  EXPECT_THROW(login::resimHazirla(junk.fileName()), std::runtime_error);

  // A width that is not a number: the tool does nothing but close.
  Tfrm_ResizeImage tool;
  tool.InputFileEdit->setText(dir.filePath(QStringLiteral("a.png")));
  tool.OutputFileEdit->setText(dir.filePath(QStringLiteral("none.png")));
  tool.WidthEdit->setText(QStringLiteral("abc"));
  tool.EncoderTypeComboBox->setCurrentIndex(2);
  tool.ProcessButtonClick();
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("none.png"))));
  // Nearest neighbour and the smooth modes give the exact size too.
  tool.WidthEdit->setText(QStringLiteral("40"));
  tool.HeightEdit->setText(QStringLiteral("30"));
  for (int mode = 0; mode < 4; ++mode) {
    tool.InterpolationModeComboBox->setCurrentIndex(mode);
    tool.ProcessButtonClick();
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("none.png"))).size(), QSize(40, 30));
  }
}
