#include "report/designer.h"
#include "report/preview.h"
#include "shell/freeMainForm.h"
#include "shell/rapor.h"
#include "shell/raporbaslik.h"
#include "shell/session.h"
#include "support/testdb.h"
#include "ui/dialogs.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlField>

using support::sql;
using ui::Dialogs;

namespace {
QString fixture(const char* name) { return QStringLiteral(ORDAVIN_SOURCE_DIR "/tests/fixtures/reports/") + QString::fromLatin1(name); }

QString pdfText(const QString& pdf, const QString& opts = QStringLiteral("-raw")) {
  QProcess pt;
  pt.start(QStringLiteral("pdftotext"), {opts, pdf, QStringLiteral("-")});
  pt.waitForFinished(60000);
  QString t = QString::fromUtf8(pt.readAllStandardOutput());
  if (opts == QLatin1String("-raw")) t.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
  return t;
}

class Reports : public support::DbTest {
 protected:
  void SetUp() override {
    support::DbTest::SetUp();
    login::PROGRAMINCALISMAYERI = support::programFolder();
    QDir(support::programFolder()).mkdir(QStringLiteral("RAPOR"));
    QFile::copy(fixture("anadetay.fr3"), support::programFolder() + QStringLiteral("/RAPOR/anadetay.fr3"));
    QFile::copy(fixture("liste.fr3"), support::programFolder() + QStringLiteral("/liste.fr3"));
    sql(QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD) VALUES ('01','C1'), ('01','C2')"));
    sql(QStringLiteral("INSERT INTO CARI_HAREKET (SIRKETKODU, CARIKOD, ACIKLAMA, ISLEMTARIHI) VALUES "
                       "('01','C2','ikinci','2024-02-01'), ('01','C1','birinci','2024-01-05')"));
  }
  // Runs the runner and saves what its preview shows as a PDF; empty when no preview came.
  QString run(const QString& name, const QString& sql1, const QString& sql2) {
    login::raporbul_raporyolu = name;
    QString pdf;
    ui::pushModalDriver([&](QWidget& w) {
      auto& p = static_cast<report::PreviewWindow&>(w);
      pdf = support::programFolder() + QStringLiteral("/onizleme.pdf");
      QString error;
      EXPECT_TRUE(p.savePdf(pdf, &error)) << error.toStdString();
      status = p.lbl_status->text();
      rowsDuringPreview = login::qry_rapor1.rowCount();
    });
    ui::runHandler([&] { login::Raporlaolustur(sql1, sql2); });
    ui::clearModalDrivers();
    return pdf;
  }
  QString status;
  int rowsDuringPreview = -1;
};
}  // namespace

TEST_F(Reports, RunnerWithTwoDatasetsFromASubFolder) {
  const QString pdf = run(QStringLiteral("RAPOR\\anadetay.fr3"),
                          QStringLiteral("select CARIKOD KOD from FIRMALAR order by 1"),
                          QStringLiteral("select CARIKOD KOD, ACIKLAMA, ISLEMTARIHI TARIH from CARI_HAREKET"));
  ASSERT_FALSE(pdf.isEmpty()) << Dialogs::shownTexts().join(QLatin1Char('|')).toStdString();
  EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Cari: C1 Hareket birinci 05.01.2024 Cari: C2 Hareket ikinci 01.02.2024")));
  EXPECT_TRUE(status.contains(QStringLiteral("TfrxBarCodeView")));
  EXPECT_EQ(rowsDuringPreview, 2);
  EXPECT_EQ(login::qry_rapor1.rowCount(), 0);  // both closed after the preview
  EXPECT_EQ(login::qry_rapor2.rowCount(), 0);
}

TEST_F(Reports, RunnerEdgeCases) {
  // No first statement: nothing at all.
  EXPECT_TRUE(run(QStringLiteral("liste.fr3"), QStringLiteral("BOŞ"), QStringLiteral("BOŞ")).isEmpty());
  EXPECT_TRUE(run(QStringLiteral("liste.fr3"), QString(), QString()).isEmpty());
  EXPECT_TRUE(Dialogs::shown().empty());
  // A missing template names its path; no statement runs.
  EXPECT_TRUE(run(QStringLiteral("yok.fr3"), QStringLiteral("select NOSUCH from NOWHERE"), QStringLiteral("BOŞ")).isEmpty());
  EXPECT_EQ(Dialogs::shownTexts(),
            QStringList{support::programFolder() + QStringLiteral("/yok.fr3 isimli rapor dosyası bulunamıyor. Kontrol Ediniz...")});
  // "BOŞ" as the second statement: only the first dataset, and the second query is not run.
  Dialogs::clearShown();
  login::qry_rapor2.setSql(QStringLiteral("select 'eski' X"));
  const QString pdf = run(QStringLiteral("RAPOR/anadetay.fr3"), QStringLiteral("select CARIKOD KOD from FIRMALAR order by 1"),
                          QStringLiteral("BOŞ"));
  ASSERT_FALSE(pdf.isEmpty());
  EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Cari: C1 Cari: C2")));
  EXPECT_EQ(login::qry_rapor2.sql(), QStringLiteral("select 'eski' X"));
  // A template that cannot be read says so.
  QFile bad(support::programFolder() + QStringLiteral("/bozuk.fr3"));
  bad.open(QIODevice::WriteOnly);
  bad.write("\x78\x9c\x00\x01");
  bad.close();
  Dialogs::clearShown();
  EXPECT_TRUE(run(QStringLiteral("bozuk.fr3"), QStringLiteral("select 1 X"), QStringLiteral("BOŞ")).isEmpty());
  ASSERT_EQ(Dialogs::shownTexts().size(), 1);
  EXPECT_TRUE(Dialogs::shownTexts()[0].startsWith(support::programFolder() + QStringLiteral("/bozuk.fr3 isimli rapor dosyası okunamadı.")));
  // An SQL error: the two boxes, no preview.
  Dialogs::clearShown();
  EXPECT_TRUE(run(QStringLiteral("liste.fr3"), QStringLiteral("select NOSUCH from FIRMALAR"), QStringLiteral("BOŞ")).isEmpty());
  EXPECT_EQ(Dialogs::shown().size(), 2u);
}

TEST_F(Reports, Catalogue) {
  Tfrm_raporbaslik w;
  w.FormShow();
  EXPECT_EQ(w.edt_sirket->text(), QStringLiteral("SISTEM"));
  w.btn_listele->click();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Ekran Secmelisiniz")});
  w.ComboBox1->setCurrentText(QStringLiteral("Kasa"));
  w.btn_listele->click();
  w.btn_yeni->click();
  EXPECT_EQ(w.cxGrid1->value(QStringLiteral("SIRALAMA")).toString(), QStringLiteral("01"));
  w.cxGrid1->setValue(QStringLiteral("RAPORADI"), QStringLiteral("Kasa Raporu"));
  Dialogs::answerFiles({QStringLiteral("/x/eski.frf")});
  w.btn_raporyolu->click();
  w.btn_kaydet->click();
  w.btn_yeni->click();
  EXPECT_TRUE(w.cxGrid1->value(QStringLiteral("SIRALAMA")).isNull());
  w.btn_kaydet->click();
  auto r = sql(QStringLiteral("SELECT SIRKETKODU, MODUL, SIRALAMA, RAPORYOLU, RAPORTURU FROM RAPORBASLIK ORDER BY KAYITNO"));
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].value(0).toString(), QStringLiteral("SISTEM"));
  EXPECT_EQ(r[0].value(1).toString(), QStringLiteral("Kasa"));
  EXPECT_EQ(r[0].value(3).toString(), QStringLiteral("/x/eski.frf"));
  EXPECT_EQ(r[0].value(4).toString(), QStringLiteral("frf"));
  EXPECT_TRUE(r[1].value(2).isNull());
  EXPECT_EQ(r[1].value(4).toString(), QStringLiteral("fr3"));
}

TEST_F(Reports, DesignerRoundTripAndMove) {
  const QString path = support::programFolder() + QStringLiteral("/RAPOR/anadetay.fr3");
  report::Template t;
  QString error;
  ASSERT_TRUE(report::load(path, &t, &error));
  report::Designer d(t);
  d.select(0, 0);  // "Cari: ..." memo of the master band
  EXPECT_EQ(d.edt_text->toPlainText(), QStringLiteral("Cari: [frxDBDataset1.\"KOD\"]"));
  d.edt_text->setPlainText(QStringLiteral("Cari: [frxDBDataset1.\"KOD\"]"));  // an edit that leaves the font alone
  d.moveSelected(200, 0);
  d.addMemo(QStringLiteral("Yeni not"));
  d.addBand(report::BandKind::ReportSummary);
  d.addMemo(QStringLiteral("Özet"));
  ASSERT_TRUE(d.save(&error)) << error.toStdString();

  report::Template again;
  ASSERT_TRUE(report::load(path, &again, &error)) << error.toStdString();
  ASSERT_EQ(again.pages.front().bands.size(), 3u);
  EXPECT_EQ(again.pages.front().bands[0].objs.size(), 2u);  // the barcode stays in the file, unread
  EXPECT_DOUBLE_EQ(again.pages.front().bands[0].objs[0].rect.left(), 200);
  EXPECT_EQ(again.pages.front().bands[0].objs[0].element.attribute(QStringLiteral("Font.Name")), QStringLiteral("Arial"));
  EXPECT_EQ(again.pages.front().bands[0].objs[1].text, QStringLiteral("Yeni not"));
  EXPECT_EQ(again.pages.front().bands[2].kind, report::BandKind::ReportSummary);
  EXPECT_TRUE(again.unsupported.join(QLatin1Char('|')).contains(QStringLiteral("TfrxBarCodeView")));
  EXPECT_TRUE(again.unsupported.join(QLatin1Char('|')).contains(QStringLiteral("Betik")));

  // The move shows in the rendered PDF.
  auto xOf = [&](const report::Template& tt) {
    QSqlRecord rec;
    report::Dataset m;
    QSqlField f(QStringLiteral("KOD"), QMetaType::fromType<QString>());
    f.setValue(QStringLiteral("C1"));
    rec.append(f);
    m.rows.push_back(rec);
    const QString pdf = support::programFolder() + QStringLiteral("/m.pdf");
    EXPECT_TRUE(report::exportPdf(report::prepare(tt, {{QStringLiteral("frxDBDataset1"), &m}}), pdf, nullptr));
    const QString html = pdfText(pdf, QStringLiteral("-bbox"));
    const auto match = QRegularExpression(QStringLiteral("xMin=\"([0-9.]+)\"[^>]*>Cari:")).match(html);
    return match.hasMatch() ? match.captured(1).toDouble() : -1.0;
  };
  const double before = xOf(t), after = xOf(again);
  EXPECT_GT(before, 0);
  EXPECT_NEAR(after - before, 200 * 72.0 / 96.0, 2.0);  // 200 pixels at 96 per inch, in PDF points
}

TEST_F(Reports, DesignerFileBrowser) {
  Tfrm_freeMainForm w;
  EXPECT_EQ(w.folder(), support::programFolder());
  EXPECT_EQ(w.FileListBox1->count(), 1);  // liste.fr3
  EXPECT_GE(w.DriveComboBox1->findText(QStringLiteral("/")), 0);
  w.edit(support::programFolder() + QStringLiteral("/eski.frf"));
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Bu şablon biçimi desteklenmiyor. Yalnızca .fr3 şablonları düzenlenebilir.")});
  // A preset location opens even when the file dialog is cancelled.
  w.edt_konum->setText(support::programFolder() + QStringLiteral("/liste.fr3"));
  QString opened;
  ui::pushModalDriver([&](QWidget& d) { opened = static_cast<report::Designer&>(d).templ().path; });
  Dialogs::answerFiles({QString()});
  w.btn_konum->click();
  EXPECT_EQ(opened, support::programFolder() + QStringLiteral("/liste.fr3"));
}
