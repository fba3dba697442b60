#include "grid/grid.h"
#include "sheet/sheet.h"
#include "support/testdb.h"
#include "ui/dialogs.h"

#include <QDate>
#include <QFile>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QSettings>

using support::scalar;
using support::sql;

namespace {
class Grid : public support::DbTest {
 protected:
  void SetUp() override {
    support::DbTest::SetUp();
    sql(QStringLiteral("INSERT INTO KASA (SIRKETKODU, KASAKODU, ISLEMTARIHI, GELIR, ACIKLAMA) VALUES "
                       "('01','K1','2024-01-02',10,'a'), ('01','K2','2024-01-03',5.5,'b'), ('01','K1','2024-01-04',2,'c'), "
                       "('02','K1','2024-01-05',100,'other company')"));
    q.exec(QStringLiteral("SELECT KAYITNO, KASAKODU, ISLEMTARIHI, GELIR, ACIKLAMA FROM KASA WHERE SIRKETKODU='01' ORDER BY KAYITNO"));
    g.load(q);
  }
  db::Query q{QStringLiteral("qry_kasa")};
  grid::DBGrid g;
};
}  // namespace

TEST_F(Grid, RowsColumnsFilterAndSummaries) {
  EXPECT_EQ(g.rowCount(), 3);
  EXPECT_EQ(g.columnIndex(QStringLiteral("gelir")), 3);
  EXPECT_EQ(g.columnIndex(QStringLiteral("NOSUCH")), -1);
  EXPECT_EQ(g.value(QStringLiteral("ACIKLAMA"), 1).toString(), QStringLiteral("b"));
  // Display formats: Turkish numbers and dates.
  g.column(QStringLiteral("GELIR"))->decimals = 2;
  const QModelIndex cell = g.view()->model()->index(1, 3);
  EXPECT_EQ(cell.data().toString(), QStringLiteral("5,50"));
  EXPECT_EQ(g.view()->model()->index(1, 2).data().toString(), QStringLiteral("03.01.2024"));

  g.setFooter({{QStringLiteral("GELIR"), grid::SummaryKind::Sum, 2}, {QStringLiteral("KAYITNO"), grid::SummaryKind::Count}});
  EXPECT_DOUBLE_EQ(g.footerValue(QStringLiteral("GELIR")).toDouble(), 17.5);
  g.setRowFilter([](const QSqlRecord& r) { return r.value(QStringLiteral("KASAKODU")).toString() == QLatin1String("K1"); });
  EXPECT_EQ(g.rowCount(), 2);
  EXPECT_DOUBLE_EQ(g.footerValue(QStringLiteral("GELIR")).toDouble(), 12);
  EXPECT_EQ(g.footerValue(QStringLiteral("KAYITNO")).toInt(), 2);
  g.setRowFilter(nullptr);

  g.setGroupBy(QStringLiteral("KASAKODU"));
  EXPECT_DOUBLE_EQ(g.groupFooterValue(QStringLiteral("K1"), QStringLiteral("GELIR")).toDouble(), 12);
  EXPECT_DOUBLE_EQ(g.groupFooterValue(QStringLiteral("K2"), QStringLiteral("GELIR")).toDouble(), 5.5);

  g.cellColor = [](const QSqlRecord& r, const QString& f) {
    return f == QLatin1String("GELIR") && r.value(f).toDouble() > 6 ? QColor(Qt::red) : QColor();
  };
  g.setGroupBy(QString());
  EXPECT_EQ(g.view()->model()->index(0, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::red));
  EXPECT_FALSE(g.view()->model()->index(1, 3).data(Qt::BackgroundRole).isValid());

  g.sortBy(QStringLiteral("GELIR"), Qt::DescendingOrder);
  EXPECT_EQ(g.shownRows(), (std::vector<int>{0, 1, 2}));
  g.sortBy(QStringLiteral("GELIR"), Qt::AscendingOrder);
  EXPECT_EQ(g.shownRows(), (std::vector<int>{2, 1, 0}));
}

TEST_F(Grid, GroupedExportAndReadBack) {
  g.setFooter({{QStringLiteral("GELIR"), grid::SummaryKind::Sum, 2}});
  g.setGroupBy(QStringLiteral("KASAKODU"));
  const QString path = support::programFolder() + QStringLiteral("/RAPOR.xls");
  QString error;
  ASSERT_TRUE(g.exportTo(path, &error)) << error.toStdString();
  EXPECT_FALSE(QFile::exists(path));
  ASSERT_TRUE(QFile::exists(sheet::realPath(path)));
  sheet::Sheet s;
  ASSERT_TRUE(sheet::read(sheet::realPath(path), &s, &error)) << error.toStdString();
  // Captions, then per group a header, its rows and a footer, then the total.
  ASSERT_EQ(s.rows.size(), 1u + (1 + 2 + 1) + (1 + 1 + 1) + 1);
  EXPECT_EQ(s.rows[0][3].toString(), QStringLiteral("GELIR"));
  EXPECT_EQ(s.rows[1][0].toString(), QStringLiteral("K1"));
  EXPECT_EQ(s.rows[2][2].toDate(), QDate(2024, 1, 2));
  EXPECT_DOUBLE_EQ(s.rows[4][3].toDouble(), 12);
  EXPECT_EQ(s.rows[4][0].toString(), QStringLiteral("K1 (2)"));
  EXPECT_DOUBLE_EQ(s.rows[8][3].toDouble(), 17.5);
  EXPECT_EQ(s.rows[8][0].toString(), QStringLiteral("Toplam (3)"));
}

TEST_F(Grid, LayoutFilesOfOurOwnOnly) {
  const QString ini = support::programFolder() + QStringLiteral("/KASATABLOAYAR.ini");
  support::writeProgramFile(QStringLiteral("KASATABLOAYAR.ini"), {QStringLiteral("[cxGrid1]"), QStringLiteral("Width=3")});
  EXPECT_FALSE(g.restoreLayout(ini));  // written by the old platform: ignored, left alone
  EXPECT_EQ(QSettings(ini, QSettings::IniFormat).value(QStringLiteral("cxGrid1/Width")).toInt(), 3);

  g.view()->setColumnHidden(g.columnIndex(QStringLiteral("ACIKLAMA")), true);
  g.view()->horizontalHeader()->moveSection(3, 0);  // GELIR first
  g.view()->setColumnWidth(g.columnIndex(QStringLiteral("KASAKODU")), 123);
  ASSERT_TRUE(g.saveLayout(ini));

  grid::DBGrid other;
  other.load(q);
  ASSERT_TRUE(other.restoreLayout(ini));
  EXPECT_TRUE(other.view()->isColumnHidden(other.columnIndex(QStringLiteral("ACIKLAMA"))));
  EXPECT_EQ(other.view()->horizontalHeader()->logicalIndex(0), other.columnIndex(QStringLiteral("GELIR")));
  EXPECT_EQ(other.view()->columnWidth(other.columnIndex(QStringLiteral("KASAKODU"))), 123);
  // Hidden columns are not exported.
  EXPECT_EQ(other.exportTable().columns.size(), 4u);
}

TEST_F(Grid, EditingOneBaseTable) {
  g.setEditable(QStringLiteral("KASA"), QStringLiteral("KAYITNO"), {{QStringLiteral("SIRKETKODU"), QStringLiteral("01")}});
  g.setCurrentRow(1);
  g.setValue(QStringLiteral("ACIKLAMA"), QStringLiteral("changed"));
  EXPECT_EQ(g.state(), grid::State::Edit);
  g.append({{QStringLiteral("KASAKODU"), QStringLiteral("K9")}});
  g.setValue(QStringLiteral("ISLEMTARIHI"), QString());  // an empty date is no date
  g.setValue(QStringLiteral("GELIR"), 7.25);
  EXPECT_EQ(g.state(), grid::State::Insert);
  ui::runHandler([&] { g.post(); });
  EXPECT_TRUE(ui::Dialogs::shown().empty()) << ui::Dialogs::shownTexts().join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(g.state(), grid::State::Browse);
  EXPECT_EQ(scalar(QStringLiteral("SELECT ACIKLAMA FROM KASA WHERE KASAKODU='K2'")).toString(), QStringLiteral("changed"));
  auto added = sql(QStringLiteral("SELECT KAYITNO, ISLEMTARIHI, GELIR FROM KASA WHERE KASAKODU='K9'"));
  ASSERT_EQ(added.size(), 1u);
  EXPECT_TRUE(added[0].value(1).isNull());
  EXPECT_EQ(g.value(QStringLiteral("KAYITNO"), 3).toInt(), added[0].value(0).toInt());

  // Cancel brings back what was loaded; delete removes the row by key within the scope.
  g.setCurrentRow(0);
  g.setValue(QStringLiteral("ACIKLAMA"), QStringLiteral("typo"));
  g.cancel();
  EXPECT_EQ(g.value(QStringLiteral("ACIKLAMA"), 0).toString(), QStringLiteral("a"));
  g.setCurrentRow(0);
  g.deleteCurrent();
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM KASA")).toInt(), 4);
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM KASA WHERE ACIKLAMA='a'")).toInt(), 0);
}

TEST_F(Grid, FailedPostWritesNothing) {
  g.setEditable(QStringLiteral("KASA"), QStringLiteral("KAYITNO"));
  g.setCurrentRow(0);
  g.setValue(QStringLiteral("ACIKLAMA"), QStringLiteral("fine"));
  g.setCurrentRow(1);
  g.setValue(QStringLiteral("KASAKODU"), QString(40, QLatin1Char('x')));  // wider than the column
  ui::runHandler([&] { g.post(); });
  EXPECT_EQ(ui::Dialogs::shown().size(), 2u);
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM KASA WHERE ACIKLAMA='fine'")).toInt(), 0);
  EXPECT_EQ(g.state(), grid::State::Edit);  // the user's typing is still there
}

TEST(Sheet, WriteAndReadTypedCells) {
  QTemporaryDir dir;
  sheet::Table t;
  t.columns = {{QStringLiteral("Ad")}, {QStringLiteral("Tutar"), sheet::Kind::Number}, {QStringLiteral("Tarih"), sheet::Kind::Date}};
  t.rows = {{QStringLiteral("Şükrü"), 1234.5, QDate(2017, 3, 1)}, {QVariant(), 0.0, QVariant()}};
  const QString path = dir.filePath(QStringLiteral("x.xlsx"));
  QString error;
  ASSERT_TRUE(sheet::write(path, t, &error)) << error.toStdString();
  sheet::Sheet s;
  ASSERT_TRUE(sheet::read(path, &s, &error)) << error.toStdString();
  ASSERT_EQ(s.rows.size(), 3u);
  EXPECT_EQ(s.rows[1][0].toString(), QStringLiteral("Şükrü"));
  EXPECT_DOUBLE_EQ(s.rows[1][1].toDouble(), 1234.5);
  EXPECT_EQ(s.rows[1][2].toDate(), QDate(2017, 3, 1));
  EXPECT_TRUE(s.rows[2].empty() || s.rows[2][0].isNull());

  EXPECT_FALSE(sheet::read(dir.filePath(QStringLiteral("missing.xlsx")), &s, &error));
  QFile junk(dir.filePath(QStringLiteral("junk.xlsx")));
  junk.open(QIODevice::WriteOnly);
  junk.write("not a workbook");
  junk.close();
  EXPECT_FALSE(sheet::read(junk.fileName(), &s, &error));
  EXPECT_FALSE(error.isEmpty());
}
