#include "db/db.h"
#include "support/testdb.h"
#include "ui/dialogs.h"

using support::scalar;
using support::sql;
using ui::Dialogs;

namespace {
const QString kLost = QString::fromUtf8(db::kLostLinkText);

class DbLayer : public support::DbTest {};

int count(const QString& table) { return scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt(); }
}  // namespace

TEST_F(DbLayer, StackedStatementsAreRefusedAndNothingRuns) {
  ui::runHandler([] {
    db::Query q(QStringLiteral("Query1"));
    q.exec(QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('A'); INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('B')"));
  });
  EXPECT_EQ(count(QStringLiteral("SIRKETLER")), 0);
  ASSERT_EQ(Dialogs::shown().size(), 2u);
  EXPECT_EQ(Dialogs::shown()[0].text, QStringLiteral("Query1"));
  EXPECT_EQ(Dialogs::shown()[1].kind, ui::BoxKind::Error);
}

TEST_F(DbLayer, ServerErrorShowsStatementNameThenServerText) {
  ui::runHandler([] { db::Query(QStringLiteral("qry_kullanicilar"), QStringLiteral("select NOSUCHCOLUMN from ELEMANLAR")).exec(); });
  ASSERT_EQ(Dialogs::shown().size(), 2u);
  EXPECT_EQ(Dialogs::shown()[0].kind, ui::BoxKind::Message);
  EXPECT_EQ(Dialogs::shown()[0].text, QStringLiteral("qry_kullanicilar"));
  EXPECT_EQ(Dialogs::shown()[1].kind, ui::BoxKind::Error);
  EXPECT_TRUE(Dialogs::shown()[1].text.contains(QStringLiteral("NOSUCHCOLUMN")));
}

TEST_F(DbLayer, SqlTextLiterals) {
  struct Case { QString in, text, quoted; QVariant bound; };
  const Case cases[] = {
      {QStringLiteral("O'Neil "), QStringLiteral("'O`Neil'"), QStringLiteral("'O''Neil '"), QStringLiteral("O`Neil")},
      {QStringLiteral("   "), QStringLiteral("''"), QStringLiteral("'   '"), QString()},
      {QString(), QStringLiteral("Null"), QStringLiteral("''"), QVariant()},
      {QStringLiteral("a\\"), QStringLiteral("'a\\\\'"), QStringLiteral("'a\\\\'"), QStringLiteral("a\\")},
      {QStringLiteral("\tx\n"), QStringLiteral("'x'"), QStringLiteral("'\tx\n'"), QStringLiteral("x")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in.toStdString());
    EXPECT_EQ(db::sqlText(c.in), c.text);
    EXPECT_EQ(db::sqlQuote(c.in), c.quoted);
    const QVariant v = db::sqlTextValue(c.in);
    if (c.in.isEmpty()) EXPECT_TRUE(v.isNull());
    else EXPECT_EQ(v.toString(), c.bound.toString());
  }
}

TEST_F(DbLayer, HostileValuesNeverChangeAStatement) {
  sql(QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('X1'), ('X2')"));
  const QString hostile[] = {QStringLiteral("x'; DELETE FROM SIRKETLER #"), QStringLiteral("\\"), QStringLiteral("\\'"),
                             QStringLiteral("' or 1=1 #"), QStringLiteral("\\' or 1=1 #"), QStringLiteral("x\\"),
                             QStringLiteral("%"), QStringLiteral("_")};
  for (const QString& v : hostile) {
    SCOPED_TRACE(v.toStdString());
    Dialogs::clearShown();
    ui::runHandler([&] {
      db::Query(QStringLiteral("Query1"), QStringLiteral("DELETE FROM SIRKETLER WHERE SIRKETKODU = ") + db::sqlText(v)).exec();
      db::Query(QStringLiteral("Query1"), QStringLiteral("DELETE FROM SIRKETLER WHERE SIRKETKODU = ") + db::sqlQuote(v)).exec();
    });
    EXPECT_TRUE(Dialogs::shown().empty()) << Dialogs::shownTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(count(QStringLiteral("SIRKETLER")), 2);
  }
  // Round trip: what is typed is what is stored (apart from the system's own backquote rule).
  for (const QString& v : hostile) {
    db::Query ins(QStringLiteral("Query1"), QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU, ACIKLAMA) VALUES ('R', ") +
                                                db::sqlQuote(v) + QStringLiteral(")"));
    ins.exec();
  }
  auto stored = sql(QStringLiteral("SELECT ACIKLAMA FROM SIRKETLER WHERE SIRKETKODU='R' ORDER BY KAYITNO"));
  ASSERT_EQ(stored.size(), std::size(hostile));
  for (size_t i = 0; i < stored.size(); ++i) EXPECT_EQ(stored[i].value(0).toString(), hostile[i]);
}

TEST_F(DbLayer, TypedApostropheFindsRowStoredWithBackquote) {
  sql(QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD, CARIUNVAN) VALUES ('01','C1','O`Neil')"));
  db::Query q(QStringLiteral("qry_firmalar"), QStringLiteral("select * from FIRMALAR where CARIUNVAN = ") + db::sqlText(QStringLiteral("O'Neil")));
  q.exec();
  EXPECT_EQ(q.rowCount(), 1);
  db::Query b(QStringLiteral("qry_firmalar"), QStringLiteral("select * from FIRMALAR where CARIUNVAN = :u"));
  b.bind(QStringLiteral("u"), db::sqlTextValue(QStringLiteral("O'Neil ")));
  b.exec();
  EXPECT_EQ(b.rowCount(), 1);
  b.bind(QStringLiteral("u"), db::sqlTextValue(QString()));  // empty matches no row, as =Null did
  b.exec();
  EXPECT_EQ(b.rowCount(), 0);
}

TEST_F(DbLayer, EmptyDateAndNumberBindAsNull) {
  db::Query q(QStringLiteral("qry_firmalar"),
              QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD, DOGUMTARIHI, BORC) VALUES ('01','C1', :d, :b)"));
  q.bindDate(QStringLiteral("d"), QString());
  q.bindNumber(QStringLiteral("b"), QString());
  ui::runHandler([&] { q.exec(); });
  EXPECT_TRUE(Dialogs::shown().empty());
  auto r = sql(QStringLiteral("SELECT DOGUMTARIHI, BORC FROM FIRMALAR"));
  ASSERT_EQ(r.size(), 1u);
  EXPECT_TRUE(r[0].value(0).isNull());
  EXPECT_TRUE(r[0].value(1).isNull());
}

TEST_F(DbLayer, StrictModeRefusesOverWideValues) {
  ui::runHandler([] {
    db::Query q(QStringLiteral("Query1"), QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES (:k)"));
    q.bind(QStringLiteral("k"), QString(30, QLatin1Char('x')));
    q.exec();
  });
  EXPECT_EQ(count(QStringLiteral("SIRKETLER")), 0);
  EXPECT_EQ(Dialogs::shown().size(), 2u);
}

TEST_F(DbLayer, ReadAfterLostLinkRunsAgainSilently) {
  sql(QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('A')"));
  support::killProgramConnection();
  db::Query q(QStringLiteral("Query1"), QStringLiteral("SELECT * FROM SIRKETLER"));
  ui::runHandler([&] { q.exec(); });
  EXPECT_TRUE(Dialogs::shown().empty());
  EXPECT_EQ(q.rowCount(), 1);
}

TEST_F(DbLayer, WriteAfterLostLinkIsNeverRunAgain) {
  support::killProgramConnection();
  ui::runHandler([] { db::Query(QStringLiteral("Query1"), QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('A')")).exec(); });
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{kLost});
  EXPECT_EQ(count(QStringLiteral("SIRKETLER")), 0);
  // The connection is back for the next statement.
  db::Query q(QStringLiteral("Query1"), QStringLiteral("SELECT 1 X"));
  q.exec();
  EXPECT_EQ(q.value(QStringLiteral("X")).toInt(), 1);
}

TEST_F(DbLayer, ReadInsideTransactionIsNotRunAgainAndGuardRollsBack) {
  int statementsAfter = 0;
  ui::runHandler([&] {
    db::Transaction t;
    db::Query(QStringLiteral("Query1"), QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('A')")).exec();
    support::killProgramConnection();
    try {
      db::Query(QStringLiteral("Query2"), QStringLiteral("SELECT * FROM SIRKETLER")).exec();
    } catch (const db::Error&) {
      // A window that swallows the error still cannot write inside the failed guard.
      ++statementsAfter;
      db::Query(QStringLiteral("Query3"), QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('B')")).exec();
    }
    t.commit();
  });
  EXPECT_EQ(statementsAfter, 1);
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{kLost});
  EXPECT_EQ(count(QStringLiteral("SIRKETLER")), 0);
  EXPECT_FALSE(db::Connection::instance().inTransaction());
  db::Query(QStringLiteral("Query1"), QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('C')")).exec();
  EXPECT_EQ(count(QStringLiteral("SIRKETLER")), 1);
}

TEST_F(DbLayer, TransactionCommitsOrRollsBackAsAWhole) {
  ui::runHandler([] {
    db::Transaction t;
    db::Query(QStringLiteral("Query1"), QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('A')")).exec();
    {
      db::Transaction inner;  // joins the outer one
      db::Query(QStringLiteral("Query1"), QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('B')")).exec();
      inner.commit();
    }
    db::Query(QStringLiteral("Query1"), QStringLiteral("INSERT INTO SIRKETLER (NOSUCH) VALUES ('C')")).exec();
    t.commit();
  });
  EXPECT_EQ(count(QStringLiteral("SIRKETLER")), 0);
  {
    db::Transaction t;
    db::Query(QStringLiteral("Query1"), QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('A')")).exec();
    t.commit();
  }
  EXPECT_EQ(count(QStringLiteral("SIRKETLER")), 1);
}

TEST_F(DbLayer, RunDocumentRunsAgainOnDeadlockAtCommit) {
  int runs = 0;
  db::Connection::instance().injectCommitFailure(1213, 1);
  ui::runHandler([&] {
    db::runDocument([&] {
      ++runs;
      db::Query(QStringLiteral("Query1"), QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('A')")).exec();
    });
  });
  EXPECT_EQ(runs, 2);
  EXPECT_TRUE(Dialogs::shown().empty());
  EXPECT_EQ(count(QStringLiteral("SIRKETLER")), 1);
}

TEST_F(DbLayer, RunDocumentGivesUpAfterThreeTries) {
  int runs = 0;
  db::Connection::instance().injectCommitFailure(1213, 5);
  ui::runHandler([&] {
    db::runDocument([&] {
      ++runs;
      db::Query(QStringLiteral("Query1"), QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('A')")).exec();
    });
  });
  db::Connection::instance().injectCommitFailure(0, 0);
  EXPECT_EQ(runs, 3);
  EXPECT_EQ(count(QStringLiteral("SIRKETLER")), 0);
  ASSERT_EQ(Dialogs::shown().size(), 2u);
  EXPECT_EQ(Dialogs::shown()[1].kind, ui::BoxKind::Error);
}

TEST_F(DbLayer, RunDocumentNeverRunsALostCommitAgain) {
  int runs = 0;
  db::Connection::instance().injectCommitFailure(2013, 1);
  ui::runHandler([&] {
    db::runDocument([&] {
      ++runs;
      db::Query(QStringLiteral("Query1"), QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU) VALUES ('A')")).exec();
    });
  });
  EXPECT_EQ(runs, 1);
  EXPECT_FALSE(Dialogs::shown().empty());
}

TEST_F(DbLayer, NextRecordNumberIsAHintAndLastInsertKeyIsTheTruth) {
  const double a = db::nextRecordNo(support::databaseName(), QStringLiteral("FIRMALAR"));
  const double b = db::nextRecordNo(support::databaseName(), QStringLiteral("FIRMALAR"));
  EXPECT_EQ(a, b);
  sql(QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD) VALUES ('01','OTHER')"));  // another workstation
  db::Query mine(QStringLiteral("Query1"), QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD) VALUES ('01','MINE')"));
  mine.exec();
  const qlonglong key = mine.lastInsertId().toLongLong();
  EXPECT_NE(double(key), a);
  EXPECT_EQ(scalar(QStringLiteral("SELECT CARIKOD FROM FIRMALAR WHERE KAYITNO=%1").arg(key)).toString(), QStringLiteral("MINE"));
}

TEST_F(DbLayer, SecondNamesOfTheCardReadTheCardColumns) {
  sql(QStringLiteral("INSERT INTO FIRMALAR (SIRKETKODU, CARIKOD, CARIUNVAN, CEPNO, KARGO) VALUES ('01','C1','ACME','555','MNG')"));
  auto r = sql(QStringLiteral("SELECT FIRMA_KODU, KAYITNO, FIRMA_ADI, CEP_TEL, AMBAR FROM FIRMALAR"));
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].value(0), r[0].value(1));
  EXPECT_EQ(r[0].value(2).toString(), QStringLiteral("ACME"));
  EXPECT_EQ(r[0].value(3).toString(), QStringLiteral("555"));
  EXPECT_EQ(r[0].value(4).toString(), QStringLiteral("MNG"));
}
