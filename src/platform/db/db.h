// The one database connection, named statements, transactions and SQL text helpers.
//
// Every statement of every window runs through a Query on the one Connection. A failing
// statement goes through the connection's error handler (the statement's name first, then
// the server's text in the default error box) and ends the event handler with db::Error.
// Reconnecting is ours: on a lost link the connection is reopened at most twice; a read
// outside any transaction is run once more, anything else is never re-run.
#pragma once
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <functional>
#include <stdexcept>
#include <vector>

namespace db {

struct Settings {
  QString host;
  QString database;
  QString user;
  QString password;
  int port = 3306;
};

// A failed database operation. `suppressed` means the user has already been told all
// they need, and the handler ends without the default error box.
struct Error : std::runtime_error {
  Error(QString component, QString text, QString nativeCode, bool suppressed = false);
  QString component;
  QString text;
  QString nativeCode;
  bool suppressed = false;
  int code() const { return nativeCode.toInt(); }
};

inline const char* kLostLinkText = "Bağlantıda Sorun Var. Bağlantı Sonrası Kaydınızı kontrol ediniz.";
inline const char* kConnectingText = "Baglantı saglaniyor.....";

class Connection {
 public:
  static Connection& instance();

  void configure(const Settings& s);
  const Settings& settings() const { return settings_; }
  // Opens with the configured settings; throws db::Error through the handler on failure.
  void open();
  void close();
  bool isOpen() const;
  QSqlDatabase database() const;
  int connectionId();

  // Shown before every connect (the login window's status label).
  std::function<void(const QString&)> onStatus;
  // Pause between reconnect attempts; tests set it to 0.
  int reconnectDelayMs = 1000;

  // --- used by Query and Transaction ---
  bool inTransaction() const { return depth_ > 0; }
  bool guardFailed() const { return guardFailed_; }
  void begin();
  void commit();
  void rollback();
  // The connection's error handler. Always throws.
  [[noreturn]] void fail(const QString& component, const QString& text, const QString& nativeCode);
  // Reopens after a lost link; true when the link is back.
  bool reconnect();
  // A statement was lost with the link: the open guard fails, the user is told once.
  void markLinkLost();
  // Test hook: the next `count` commits fail with this server error code.
  void injectCommitFailure(int nativeCode, int count = 1);

 private:
  Connection() = default;
  void applySessionSettings();
  bool tryOpen(QString* err, QString* code);

  Settings settings_;
  QString name_ = QStringLiteral("UniConnection1");
  int depth_ = 0;
  bool guardFailed_ = false;
  bool lostLinkTold_ = false;
  int injectCode_ = 0;
  int injectCount_ = 0;
};

// A named statement: its name is what the error handler shows first.
class Query {
 public:
  explicit Query(QString name, QString sql = {});
  const QString& name() const { return name_; }
  void setSql(const QString& sql);
  const QString& sql() const { return sql_; }
  // Named parameters ":name" in the SQL.
  void bind(const QString& param, const QVariant& value);
  // An empty text bound to a date or number column becomes NULL.
  void bindDate(const QString& param, const QString& yyyyMmDd);
  void bindNumber(const QString& param, const QVariant& value);

  // Runs the statement; reads keep their rows in the query.
  void exec();
  // Convenience: set SQL and run.
  void exec(const QString& sql) {
    setSql(sql);
    exec();
  }
  void close();

  int rowCount() const { return int(rows_.size()); }
  bool isEmpty() const { return rows_.empty(); }
  const QSqlRecord& row(int i) const { return rows_.at(size_t(i)); }
  const std::vector<QSqlRecord>& rows() const { return rows_; }
  // Value of a column of the first row (or `i`-th); null when there is no such row.
  QVariant value(const QString& column, int i = 0) const;
  QString text(const QString& column, int i = 0) const { return value(column, i).toString(); }
  QSqlRecord fields() const { return fields_; }
  int affectedRows() const { return affected_; }
  // The key this statement's insert received (the first, for a multi-row insert).
  QVariant lastInsertId() const { return lastId_; }

 private:
  bool runOnce(QString* err, QString* code);
  QString name_;
  QString sql_;
  std::vector<std::pair<QString, QVariant>> binds_;
  std::vector<QSqlRecord> rows_;
  QSqlRecord fields_;
  int affected_ = 0;
  QVariant lastId_;
};

// RAII transaction guard. Nested guards join the outer one; the outermost commits on
// commit() and rolls back when destroyed without it (an exception).
class Transaction {
 public:
  Transaction();
  ~Transaction();
  void commit();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

 private:
  bool outer_ = false;
  bool done_ = false;
};

// Runs a save as one transaction; on a deadlock (1213) anywhere, including the commit, the
// whole function runs again, at most 3 times in all. `fn` must not ask the user anything.
void runDocument(const std::function<void()>& fn);

// The table's next auto-increment value from the catalogue: shown as a hint only.
double nextRecordNo(const QString& schema, const QString& table);

// --- Catalogue of the current database ---
// Names of its tables, upper case.
QStringList tables();
// A table's stored columns in their order: generated columns left out, and the
// auto-increment key too unless `withAutoIncrement`.
QStringList storedColumns(const QString& table, bool withAutoIncrement = true);

// --- SQL text ---
// The system's own literal: apostrophes become backquotes; an empty text gives Null;
// otherwise trimmed of blanks and control characters and quoted. Safe for MariaDB: a
// backslash cannot end the literal.
QString sqlText(const QString& value);
// The same value rules for binding: empty gives NULL, else backquoted and trimmed.
QVariant sqlTextValue(const QString& value);
// Standard literal: apostrophes doubled, no trimming, empty gives ''. Safe for MariaDB.
QString sqlQuote(const QString& value);

// What one statement does, judged by its leading keyword after comments.
struct Statement {
  enum Kind { Read, Insert, Update, Delete, Other } kind = Other;
  QString keyword;         // the leading keyword, upper case
  bool several = false;    // more text after a ';' outside literals and comments
  bool versioned = false;  // holds a /*! or /*M! comment (runs as code on MariaDB)
};
Statement classify(const QString& sql);

// True when the text is one statement that only reads (SELECT, SHOW, DESC, EXPLAIN, WITH),
// so it may be run again after a lost connection.
bool isReadStatement(const QString& sql);

}  // namespace db
