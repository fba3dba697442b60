#include "db/db.h"
#include "shell/Utils.h"
#include "shell/session.h"
#include "support/testdb.h"
#include "sys/sys.h"
#include "ui/dialogs.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <unistd.h>

using ui::Dialogs;

TEST(Helpers, NumbersAndDates) {
  EXPECT_EQ(Utils::gfIntToStr(1234567.6), QStringLiteral("1.234.568"));
  EXPECT_EQ(Utils::gfIntToStr(0.4), QStringLiteral("0"));
  EXPECT_EQ(DateForMySql(QDate(2017, 3, 1)), QStringLiteral("2017-03-01"));
  EXPECT_EQ(uIsNull(QVariant(), 5).toInt(), 5);
  EXPECT_EQ(uIsNull(QVariant(QMetaType::fromType<int>()), 5).toInt(), 5);
  EXPECT_EQ(uIsNull(7, 5).toInt(), 7);
}

TEST(Helpers, MyDecimalReadsTurkishNotation) {
  const std::pair<const char*, const char*> cases[] = {
      {"1.234,56", "1234.56"}, {"1234,5", "1234.5"}, {"12,5", "12.5"},     {"1.234", "1234"},
      {"1.234.567", "1234567"}, {"12.5", "12.5"},    {"1234", "1234"},     {"-1.000", "-1000"},
      {"abc", "abc"},
  };
  for (auto [in, out] : cases) EXPECT_EQ(login::MyDecimal(QString::fromUtf8(in)), QString::fromUtf8(out)) << in;
}

class DeletionLog : public support::DbTest {};

TEST_F(DeletionLog, WritesNothingWithoutLogFile) {
  login::textekaydet(QStringLiteral("CARI SİLME----"), {QStringLiteral("C1")});
  EXPECT_FALSE(QFile::exists(support::programFolder() + QStringLiteral("/log.txt")));
}

TEST_F(DeletionLog, AppendsOneLineInTheLogLayout) {
  support::writeProgramFile(QStringLiteral("log.txt"), {});
  login::userim = QStringLiteral("ayşe");
  login::SIRKET = QStringLiteral("01");
  login::textekaydet(QStringLiteral("CARI SİLME----"),
                     {QStringLiteral("M-1"), QStringLiteral("ACME"), QStringLiteral("2024-01-02"), QStringLiteral("Kadıköy"), QStringLiteral("İSTANBUL")});
  const QStringList lines = sys::readTextLines(support::programFolder() + QStringLiteral("/log.txt"));
  ASSERT_EQ(lines.size(), 1);
  const QRegularExpression layout(QStringLiteral(
      "^CARI SİLME----ayşe----\\d\\d\\.\\d\\d\\.\\d{4}----\\d\\d:\\d\\d:\\d\\d----01----M-1----ACME----2024-01-02----Kadıköy----İSTANBUL$"));
  EXPECT_TRUE(layout.match(lines[0]).hasMatch()) << lines[0].toStdString();
}

TEST_F(DeletionLog, UnwritableLogStopsTheDelete) {
  const QString path = support::programFolder() + QStringLiteral("/log.txt");
  if (geteuid() == 0) QDir().mkdir(path);  // root writes through file permissions
  else {
    support::writeProgramFile(QStringLiteral("log.txt"), {});
    QFile::setPermissions(path, QFileDevice::ReadOwner);
  }
  support::sql(QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD) VALUES ('01','C1')"));
  ui::runHandler([] {
    login::textekaydet(QStringLiteral("CARI SİLME----"), {QStringLiteral("C1")});
    db::Query(QStringLiteral("qry_firmalar"), QStringLiteral("delete from FIRMALAR where CARIKOD='C1'")).exec();
  });
  ASSERT_EQ(Dialogs::shown().size(), 1u);
  EXPECT_EQ(Dialogs::shown()[0].kind, ui::BoxKind::Error);
  EXPECT_EQ(support::scalar(QStringLiteral("SELECT COUNT(*) FROM FIRMALAR")).toInt(), 1);
}

TEST_F(DeletionLog, NextRecordNumberReadTwiceIsTheSame) {
  const double a = login::nextRecordNo(QStringLiteral("KASA"));
  EXPECT_EQ(login::KAYITNO_ID, a);
  EXPECT_EQ(login::nextRecordNo(QStringLiteral("KASA")), a);
}
