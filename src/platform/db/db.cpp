#include "db/db.h"

#include "ui/dialogs.h"

#include <QDate>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QThread>
#include <mysql.h>

namespace db {
namespace {
bool isLostLink(const QString& code) {
  const int c = code.toInt();
  return c == 2006 || c == 2013 || c == 1047;
}
bool isUnreachable(const QString& code) {
  const int c = code.toInt();
  return c == 2002 || c == 2003 || c == 2005;
}
// Set while runDocument still has a try left, so a deadlock is re-run without a box.
bool g_deadlockRetry = false;
}  // namespace

Error::Error(QString comp, QString txt, QString native, bool supp)
    : std::runtime_error(txt.toStdString()),
      component(std::move(comp)),
      text(std::move(txt)),
      nativeCode(std::move(native)),
      suppressed(supp) {}

Connection& Connection::instance() {
  static Connection c;
  return c;
}

void Connection::configure(const Settings& s) { settings_ = s; }

QSqlDatabase Connection::database() const {
  if (!QSqlDatabase::contains(name_)) return QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name_);
  return QSqlDatabase::database(name_, false);
}

bool Connection::isOpen() const { return QSqlDatabase::contains(name_) && database().isOpen(); }

bool Connection::tryOpen(QString* err, QString* code) {
  if (onStatus) onStatus(QString::fromUtf8(kConnectingText));
  QSqlDatabase d = database();
  if (d.isOpen()) d.close();
  d.setHostName(settings_.host);
  d.setDatabaseName(settings_.database);
  d.setUserName(settings_.user);
  d.setPassword(settings_.password);
  d.setPort(settings_.port);
  d.setConnectOptions(QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=600"));
  if (!d.open()) {
    *err = d.lastError().text();
    *code = d.lastError().nativeErrorCode();
    return false;
  }
  applySessionSettings();
  return true;
}

void Connection::applySessionSettings() {
  QSqlDatabase d = database();
  // Qt's driver always allows stacked statements; no connect option turns that off.
  const QVariant h = d.driver()->handle();
  if (h.isValid() && (qstrcmp(h.typeName(), "MYSQL*") == 0 || qstrcmp(h.typeName(), "st_mysql*") == 0)) {
    MYSQL* handle = *static_cast<MYSQL* const*>(h.data());
    if (handle) mysql_set_server_option(handle, MYSQL_OPTION_MULTI_STATEMENTS_OFF);
  }
  QSqlQuery q(d);
  // Literals and parameters compare and change case the Turkish way, as the columns do.
  q.exec(QStringLiteral("SET NAMES utf8mb4 COLLATE utf8mb4_turkish_ci"));
  q.exec(QStringLiteral(
      "SET SESSION sql_mode='STRICT_TRANS_TABLES,ERROR_FOR_DIVISION_BY_ZERO,NO_ENGINE_SUBSTITUTION'"));
  q.exec(QStringLiteral("SET SESSION TRANSACTION ISOLATION LEVEL READ COMMITTED"));
}

void Connection::open() {
  QString err, code;
  if (tryOpen(&err, &code)) return;
  fail(QString(), err, code);
}

void Connection::close() {
  if (QSqlDatabase::contains(name_)) database().close();
  depth_ = 0;
  guardFailed_ = false;
}

int Connection::connectionId() {
  Query q(QStringLiteral("Query1"), QStringLiteral("SELECT CONNECTION_ID() ID"));
  q.exec();
  return q.value(QStringLiteral("ID")).toInt();
}

bool Connection::reconnect() {
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (attempt > 0 && reconnectDelayMs > 0) QThread::msleep(reconnectDelayMs);
    QString err, code;
    if (tryOpen(&err, &code)) return true;
  }
  return false;
}

void Connection::fail(const QString& component, const QString& text, const QString& nativeCode) {
  if (g_deadlockRetry && nativeCode.toInt() == 1213) throw Error(component, text, nativeCode, true);
  if (!component.isEmpty()) ui::Dialogs::message(component);
  if (isOpen()) throw Error(component, text, nativeCode);
  if (isUnreachable(nativeCode) || text.contains(QStringLiteral("Error locating Server"))) {
    ui::Dialogs::message(QString::fromUtf8(kLostLinkText));
    throw Error(component, QString::fromUtf8(kLostLinkText), nativeCode, true);
  }
  // Closed for another reason: one more attempt, and the error is still reported.
  QString err, code;
  tryOpen(&err, &code);
  throw Error(component, text, nativeCode);
}

void Connection::markLinkLost() {
  if (inTransaction()) {
    guardFailed_ = true;
    if (lostLinkTold_) return;
    lostLinkTold_ = true;
  }
  ui::Dialogs::message(QString::fromUtf8(kLostLinkText));
}

void Connection::begin() {
  if (depth_ == 0) {
    if (!isOpen()) open();
    Query q(QStringLiteral("UniTransaction1"));
    q.exec(QStringLiteral("START TRANSACTION"));
    guardFailed_ = false;
    lostLinkTold_ = false;
  }
  ++depth_;
}

void Connection::commit() {
  depth_ = 0;
  const bool failed = guardFailed_;
  guardFailed_ = false;
  if (failed) throw Error(QStringLiteral("UniTransaction1"), QString::fromUtf8(kLostLinkText), QString(), true);
  if (injectCount_ > 0) {
    --injectCount_;
    QSqlQuery(database()).exec(QStringLiteral("ROLLBACK"));
    fail(QStringLiteral("UniTransaction1"), QStringLiteral("Deadlock found when trying to get lock; try restarting transaction"),
         QString::number(injectCode_));
  }
  QSqlQuery q(database());
  if (q.exec(QStringLiteral("COMMIT"))) return;
  const QString code = q.lastError().nativeErrorCode();
  if (isLostLink(code)) {
    // The commit may have reached the server: the user checks the record, we re-run nothing.
    reconnect();
    ui::Dialogs::message(QString::fromUtf8(kLostLinkText));
    throw Error(QStringLiteral("UniTransaction1"), QString::fromUtf8(kLostLinkText), code, true);
  }
  QSqlQuery(database()).exec(QStringLiteral("ROLLBACK"));
  fail(QStringLiteral("UniTransaction1"), q.lastError().databaseText(), code);
}

void Connection::rollback() {
  depth_ = 0;
  guardFailed_ = false;
  if (isOpen()) QSqlQuery(database()).exec(QStringLiteral("ROLLBACK"));
}

void Connection::injectCommitFailure(int nativeCode, int count) {
  injectCode_ = nativeCode;
  injectCount_ = count;
}

// ---------------------------------------------------------------------------------------

Query::Query(QString name, QString sql) : name_(std::move(name)), sql_(std::move(sql)) {}

void Query::setSql(const QString& sql) {
  sql_ = sql;
  binds_.clear();
}

void Query::bind(const QString& param, const QVariant& value) {
  const QString key = param.startsWith(QLatin1Char(':')) ? param : QLatin1Char(':') + param;
  for (auto& b : binds_)
    if (b.first == key) {
      b.second = value;
      return;
    }
  binds_.emplace_back(key, value);
}

void Query::bindDate(const QString& param, const QString& v) {
  bind(param, v.trimmed().isEmpty() ? QVariant(QMetaType::fromType<QDate>()) : QVariant(v.trimmed()));
}

void Query::bindNumber(const QString& param, const QVariant& v) {
  if (!v.isValid() || v.isNull() || (v.typeId() == QMetaType::QString && v.toString().trimmed().isEmpty()))
    bind(param, QVariant(QMetaType::fromType<double>()));
  else
    bind(param, v);
}

bool Query::runOnce(QString* err, QString* code) {
  rows_.clear();
  fields_ = QSqlRecord();
  affected_ = 0;
  lastId_ = QVariant();
  QSqlQuery q(Connection::instance().database());
  q.setForwardOnly(true);
  bool ok;
  if (binds_.empty()) {
    ok = q.exec(sql_);
  } else {
    ok = q.prepare(sql_);
    if (ok) {
      for (const auto& b : binds_) q.bindValue(b.first, b.second);
      ok = q.exec();
    }
  }
  if (!ok) {
    *err = q.lastError().databaseText().isEmpty() ? q.lastError().text() : q.lastError().databaseText();
    *code = q.lastError().nativeErrorCode();
    return false;
  }
  if (q.isSelect()) {
    fields_ = q.record();
    while (q.next()) rows_.push_back(q.record());
  } else {
    affected_ = q.numRowsAffected();
    lastId_ = q.lastInsertId();
  }
  return true;
}

void Query::exec() {
  Connection& c = Connection::instance();
  if (c.guardFailed()) throw Error(name_, QString::fromUtf8(kLostLinkText), QString(), true);
  if (!c.isOpen()) c.open();  // windows that closed the connection rely on this
  QString err, code;
  if (runOnce(&err, &code)) return;
  if (!isLostLink(code)) c.fail(name_, err, code);

  const bool rerunnable = isReadStatement(sql_) && !c.inTransaction();
  const bool back = c.reconnect();
  if (back && rerunnable) {
    if (runOnce(&err, &code)) return;
    c.fail(name_, err, code);
  }
  c.markLinkLost();
  throw Error(name_, QString::fromUtf8(kLostLinkText), code, true);
}

void Query::close() {
  rows_.clear();
  binds_.clear();
}

QVariant Query::value(const QString& column, int i) const {
  if (i < 0 || size_t(i) >= rows_.size()) return {};
  return rows_[size_t(i)].value(column);
}

// ---------------------------------------------------------------------------------------

Transaction::Transaction() {
  Connection& c = Connection::instance();
  outer_ = !c.inTransaction();
  c.begin();
}

Transaction::~Transaction() {
  if (!outer_ || done_) return;
  Connection::instance().rollback();
}

void Transaction::commit() {
  if (!outer_ || done_) return;
  done_ = true;
  Connection::instance().commit();
}

void runDocument(const std::function<void()>& fn) {
  if (Connection::instance().inTransaction()) {
    // Joined to an outer save: only the outermost one may run again.
    Transaction t;
    fn();
    t.commit();
    return;
  }
  for (int attempt = 1;; ++attempt) {
    g_deadlockRetry = attempt < 3;
    try {
      Transaction t;
      fn();
      t.commit();
      g_deadlockRetry = false;
      return;
    } catch (const Error& e) {
      const bool again = g_deadlockRetry && e.code() == 1213;
      g_deadlockRetry = false;
      if (!again) throw;
    } catch (...) {
      g_deadlockRetry = false;
      throw;
    }
  }
}

double nextRecordNo(const QString& schema, const QString& table) {
  Query q(QStringLiteral("Query1"));
  q.exec(QStringLiteral("SELECT AUTO_INCREMENT ID FROM information_schema.TABLES WHERE TABLE_SCHEMA = ") +
         sqlQuote(schema) + QStringLiteral(" AND TABLE_NAME = ") + sqlQuote(table));
  return q.value(QStringLiteral("ID")).toDouble();
}

QStringList tables() {
  Query q(QStringLiteral("catalogue"),
          QStringLiteral("SELECT TABLE_NAME FROM information_schema.TABLES WHERE TABLE_SCHEMA = DATABASE()"));
  q.exec();
  QStringList out;
  for (const QSqlRecord& r : q.rows()) out << r.value(0).toString().toUpper();
  return out;
}

QStringList storedColumns(const QString& table, bool withAutoIncrement) {
  Query q(QStringLiteral("catalogue"));
  q.setSql(QStringLiteral("SELECT COLUMN_NAME, EXTRA FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = DATABASE() "
                          "AND TABLE_NAME = :t ORDER BY ORDINAL_POSITION"));
  q.bind(QStringLiteral("t"), table);
  q.exec();
  QStringList out;
  for (const QSqlRecord& r : q.rows()) {
    const QString extra = r.value(1).toString().toUpper();
    if (extra.contains(QStringLiteral("GENERATED")) || extra.contains(QStringLiteral("VIRTUAL")) ||
        extra.contains(QStringLiteral("STORED")))
      continue;
    if (!withAutoIncrement && extra.contains(QStringLiteral("AUTO_INCREMENT"))) continue;
    out << r.value(0).toString();
  }
  return out;
}

}  // namespace db
