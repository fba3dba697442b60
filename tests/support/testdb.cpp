#include "support/testdb.h"

#include "db/db.h"
#include "shell/dm.h"
#include "shell/session.h"
#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace support {
namespace {
QString g_db;
int g_port = 0;
QString g_ownServerDir;
const char* kSide = "test_side";

QString sourceDir() { return QStringLiteral(ORDAVIN_SOURCE_DIR); }

void runClient(const QString& input, const QString& database) {
  QProcess p;
  QStringList args{QStringLiteral("--no-defaults"), QStringLiteral("-h127.0.0.1"),
                   QStringLiteral("-P%1").arg(g_port), QStringLiteral("-uroot")};
  if (!database.isEmpty()) args << database;
  p.start(QStringLiteral("mariadb"), args);
  p.waitForStarted();
  p.write(input.toUtf8());
  p.closeWriteChannel();
  p.waitForFinished(120000);
  if (p.exitCode() != 0) {
    fprintf(stderr, "mariadb client failed: %s\n", p.readAllStandardError().constData());
    std::abort();
  }
}

QString readFile(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return QString::fromUtf8(f.readAll());
}
}  // namespace

void startDatabase(const QString& binaryName) {
  const QByteArray envPort = qgetenv("ORDAVIN_TEST_PORT");
  if (!envPort.isEmpty()) {
    g_port = envPort.toInt();
  } else {
    g_ownServerDir = QStringLiteral("/tmp/ordavin-t-%1").arg(QCoreApplication::applicationPid());
    QProcess p;
    p.start(QStringLiteral("bash"), {sourceDir() + QStringLiteral("/scripts/dbserver"), QStringLiteral("start"), g_ownServerDir});
    p.waitForFinished(120000);
    if (p.exitCode() != 0) {
      fprintf(stderr, "could not start MariaDB: %s\n", p.readAllStandardError().constData());
      std::abort();
    }
    g_port = readFile(g_ownServerDir + QStringLiteral("/port")).trimmed().toInt();
  }
  g_db = QStringLiteral("t_%1_%2").arg(binaryName).arg(QCoreApplication::applicationPid());
  runClient(QStringLiteral("DROP DATABASE IF EXISTS %1; CREATE DATABASE %1 CHARACTER SET utf8mb4 COLLATE utf8mb4_turkish_ci;").arg(g_db), {});
  runClient(readFile(sourceDir() + QStringLiteral("/schema/ordavin.sql")), g_db);

  QSqlDatabase side = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), QString::fromLatin1(kSide));
  side.setHostName(QStringLiteral("127.0.0.1"));
  side.setPort(g_port);
  side.setUserName(QStringLiteral("root"));
  side.setDatabaseName(g_db);
  if (!side.open()) {
    fprintf(stderr, "side connection: %s\n", qPrintable(side.lastError().text()));
    std::abort();
  }
}

void stopDatabase() {
  db::Connection::instance().close();
  {
    QSqlQuery q(QSqlDatabase::database(QString::fromLatin1(kSide)));
    q.exec(QStringLiteral("DROP DATABASE IF EXISTS ") + g_db);
  }
  QSqlDatabase::database(QString::fromLatin1(kSide)).close();
  if (!g_ownServerDir.isEmpty()) {
    QProcess::execute(QStringLiteral("bash"), {sourceDir() + QStringLiteral("/scripts/dbserver"), QStringLiteral("stop"), g_ownServerDir});
    QDir(g_ownServerDir).removeRecursively();
  }
}

QString databaseName() { return g_db; }
int serverPort() { return g_port; }

std::vector<QSqlRecord> sql(const QString& statement) {
  QSqlQuery q(QSqlDatabase::database(QString::fromLatin1(kSide)));
  if (!q.exec(statement)) {
    ADD_FAILURE() << "SQL failed: " << statement.toStdString() << ": " << q.lastError().text().toStdString();
    return {};
  }
  std::vector<QSqlRecord> rows;
  while (q.next()) rows.push_back(q.record());
  return rows;
}

QVariant scalar(const QString& statement) {
  auto rows = sql(statement);
  return rows.empty() ? QVariant() : rows.front().value(0);
}

void killProgramConnection() {
  const int id = db::Connection::instance().connectionId();
  sql(QStringLiteral("KILL CONNECTION %1").arg(id));
}

QString programFolder() { return QString::fromLocal8Bit(qgetenv("ORDAVIN_HOME")); }

void writeProgramFile(const QString& name, const QStringList& lines) {
  QFile f(programFolder() + QLatin1Char('/') + name);
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  for (const QString& l : lines) f.write(l.toUtf8() + "\r\n");
}

QStringList connectionLines() {
  return {QStringLiteral("127.0.0.1"), g_db, QStringLiteral("root"), QString(), QString::number(g_port)};
}

void typeText(QWidget* w, const QString& text) {
  for (QChar ch : text) {
    if (ch.unicode() < 128) QTest::keyClick(w, ch.toLatin1());
    else QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
}

void DbTest::SetUp() {
  ui::Dialogs::useScripted(true);
  home_ = std::make_unique<QTemporaryDir>();
  qputenv("ORDAVIN_HOME", home_->path().toLocal8Bit());

  // Empty only the tables that hold rows: one probe instead of a TRUNCATE per table.
  auto tables = sql(QStringLiteral("SELECT TABLE_NAME FROM information_schema.TABLES WHERE TABLE_SCHEMA='%1'").arg(g_db));
  QStringList probes;
  for (const auto& t : tables)
    probes << QStringLiteral("(SELECT '%1' FROM `%1` LIMIT 1)").arg(t.value(0).toString());
  if (!probes.isEmpty())
    for (const auto& r : sql(probes.join(QStringLiteral(" UNION ALL "))))
      sql(QStringLiteral("TRUNCATE TABLE `%1`").arg(r.value(0).toString()));

  db::Connection& c = db::Connection::instance();
  c.reconnectDelayMs = 0;
  c.onStatus = nullptr;
  c.configure({QStringLiteral("127.0.0.1"), g_db, QStringLiteral("root"), QString(), g_port});
  if (!c.isOpen()) c.open();
  login::mydata = g_db;
  login::SIRKET = QStringLiteral("01");
  login::userim = QStringLiteral("admin");
}

void DbTest::TearDown() {
  ui::clearModalDrivers();
  if (db::Connection::instance().inTransaction()) db::Connection::instance().rollback();
  home_.reset();
  qunsetenv("ORDAVIN_HOME");
}

}  // namespace support
