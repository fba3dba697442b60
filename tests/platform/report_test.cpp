#include "report/preview.h"
#include "report/report.h"
#include "sheet/sheet.h"
#include "support/testdb.h"

#include <QDate>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlField>
#include <QTemporaryDir>

namespace {
QString fixture(const char* name) { return QStringLiteral(ORDAVIN_SOURCE_DIR "/tests/fixtures/reports/") + QString::fromLatin1(name); }

// Rows with the named columns.
report::Dataset rows(const QStringList& columns, const std::vector<std::vector<QVariant>>& values) {
  report::Dataset d;
  for (const auto& v : values) {
    QSqlRecord r;
    for (int c = 0; c < columns.size(); ++c) {
      QSqlField f(columns[c], v[size_t(c)].metaType());
      f.setValue(v[size_t(c)]);
      r.append(f);
    }
    d.rows.push_back(r);
  }
  return d;
}

QString pdfText(const report::Prepared& p, const QTemporaryDir& dir, const QString& opts = QStringLiteral("-layout")) {
  const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
  QString error;
  EXPECT_TRUE(report::exportPdf(p, pdf, &error)) << error.toStdString();
  QProcess pt;
  pt.start(QStringLiteral("pdftotext"), {opts, pdf, QStringLiteral("-")});
  pt.waitForFinished(60000);
  return QString::fromUtf8(pt.readAllStandardOutput());
}

report::Template load(const char* name) {
  report::Template t;
  QString error;
  EXPECT_TRUE(report::load(fixture(name), &t, &error)) << error.toStdString();
  return t;
}
}  // namespace

TEST(Report, FiveHundredRowsAcrossPagesWithTotals) {
  std::vector<std::vector<QVariant>> v;
  for (int i = 1; i <= 500; ++i) v.push_back({QStringLiteral("K%1").arg(i, 3, 10, QLatin1Char('0')), i * 1.5});
  const report::Dataset d = rows({QStringLiteral("KOD"), QStringLiteral("TUTAR")}, v);
  const report::Prepared p = report::prepare(load("liste.fr3"), {{QStringLiteral("frxDBDataset1"), &d}});
  EXPECT_TRUE(p.notes.isEmpty()) << p.notes.join(QLatin1Char('|')).toStdString();
  const int pages = int(p.pages.size());
  EXPECT_GE(pages, 9);
  EXPECT_LE(pages, 11);
  QTemporaryDir dir;
  const QString text = pdfText(p, dir);
  EXPECT_EQ(text.count(QStringLiteral("Tutar")), pages);  // the page header on every page
  EXPECT_EQ(text.count(QStringLiteral("KASA LİSTESİ")), 1);
  EXPECT_TRUE(text.contains(QStringLiteral("Sayfa 1 / %1").arg(pages)));
  EXPECT_TRUE(text.contains(QStringLiteral("Sayfa %1 / %1").arg(pages)));
  EXPECT_TRUE(text.contains(QStringLiteral("Toplam: 187.875,00 Adet: 500"))) << text.right(400).toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("K500")));
  EXPECT_TRUE(text.contains(QStringLiteral("750,00")));
  // Every row printed once, in order.
  const QRegularExpression code(QStringLiteral("\\bK(\\d{3})\\b"));
  int expected = 1;
  for (auto it = code.globalMatch(text); it.hasNext();) EXPECT_EQ(it.next().captured(1).toInt(), expected++);
  EXPECT_EQ(expected, 501);
}

TEST(Report, GroupHeadersFootersAndTotals) {
  const report::Dataset d = rows({QStringLiteral("GRUP"), QStringLiteral("KOD"), QStringLiteral("TUTAR")},
                                 {{QStringLiteral("A"), QStringLiteral("a1"), 10.0},
                                  {QStringLiteral("A"), QStringLiteral("a2"), 5.25},
                                  {QStringLiteral("B"), QStringLiteral("b1"), 100.0}});
  const report::Prepared p = report::prepare(load("gruplu.fr3"), {{QStringLiteral("frxDBDataset1"), &d}});
  QTemporaryDir dir;
  QString text = pdfText(p, dir, QStringLiteral("-raw"));
  text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
  EXPECT_TRUE(text.contains(QStringLiteral("Grup: A a1 1 10 a2 2 5,25 Ara Toplam A: 15,25 Grup: B b1 3 100 Ara Toplam B: 100,00 "
                                           "Genel Toplam: 115,25")))
      << text.toStdString();
}

TEST(Report, MasterDetailOverTwoDatasetsAndUnsupportedParts) {
  const report::Dataset master = rows({QStringLiteral("KOD")}, {{QStringLiteral("C1")}, {QStringLiteral("C2")}});
  const report::Dataset detail =
      rows({QStringLiteral("KOD"), QStringLiteral("ACIKLAMA"), QStringLiteral("TARIH")},
           {{QStringLiteral("C2"), QStringLiteral("ikinci-1"), QDate(2024, 2, 1)},
            {QStringLiteral("C1"), QStringLiteral("birinci-1"), QDate(2024, 1, 5)},
            {QStringLiteral("C2"), QStringLiteral("ikinci-2"), QDate(2024, 3, 9)}});
  const report::Template t = load("anadetay.fr3");
  const report::Prepared p =
      report::prepare(t, {{QStringLiteral("frxDBDataset1"), &master}, {QStringLiteral("frxDBDataset2"), &detail}});
  const QString notes = p.notes.join(QLatin1Char('|'));
  EXPECT_TRUE(notes.contains(QStringLiteral("Betik"))) << notes.toStdString();
  EXPECT_TRUE(notes.contains(QStringLiteral("TfrxBarCodeView (BarCode1)")));
  EXPECT_TRUE(notes.contains(QStringLiteral("TfrxChild (Child1)")));
  QTemporaryDir dir;
  QString text = pdfText(p, dir, QStringLiteral("-raw"));
  text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
  EXPECT_TRUE(text.contains(QStringLiteral("Cari: C1 Hareket birinci-1 05.01.2024 Cari: C2 Hareket ikinci-1 01.02.2024 "
                                           "Hareket ikinci-2 09.03.2024")))
      << text.toStdString();
  EXPECT_GT(p.pages.front().width, p.pages.front().height);  // landscape
  ASSERT_EQ(p.lines.size(), 5u);  // one spreadsheet row per master and detail line

  report::PreviewWindow w(p);
  EXPECT_TRUE(w.lbl_status->text().contains(QStringLiteral("TfrxBarCodeView")));
  EXPECT_EQ(w.lbl_page->text(), QStringLiteral("1 / 1"));
  EXPECT_DOUBLE_EQ(w.zoom(), 1.0);
  const QString xlsx = dir.filePath(QStringLiteral("r.xlsx"));
  QString error;
  ASSERT_TRUE(w.saveSheet(xlsx, &error));
  sheet::Sheet s;
  ASSERT_TRUE(sheet::read(xlsx, &s, &error));
  EXPECT_EQ(s.rows[2][0].toString(), QStringLiteral("Hareket birinci-1"));
}

TEST(Report, UnreadableTemplatesNeverCrash) {
  QTemporaryDir dir;
  struct Case { const char* bytes; };
  for (const char* bytes : {"", "\x78\x9c\x01\x02 compressed", "<TfrxReport><TfrxReportPage", "<other/>",
                            "<TfrxReport/>"}) {
    QFile f(dir.filePath(QStringLiteral("x.fr3")));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
    f.close();
    report::Template t;
    QString error;
    EXPECT_FALSE(report::load(f.fileName(), &t, &error)) << bytes;
    EXPECT_FALSE(error.isEmpty());
  }
  // An expression the engine cannot read is named, and the rest still prints.
  report::Template t;
  QString error;
  ASSERT_TRUE(report::parse(
      "<TfrxReport><TfrxReportPage><TfrxReportTitle Height=\"20\"><TfrxMemoView Width=\"300\" Height=\"18\" "
      "Text=\"ok [1 +] [2 * (3 + 4)]\"/></TfrxReportTitle></TfrxReportPage></TfrxReport>",
      &t, &error));
  const report::Prepared p = report::prepare(t, {});
  ASSERT_EQ(p.pages.size(), 1u);
  EXPECT_EQ(p.pages[0].items[0].text, QStringLiteral("ok  14"));
  EXPECT_EQ(p.notes.size(), 1);
}
