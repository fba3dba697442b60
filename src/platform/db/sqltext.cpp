#include "db/db.h"

#include <QRegularExpression>

namespace db {

static bool isBlankOrControl(QChar c) { return c.isSpace() || c.category() == QChar::Other_Control || c.unicode() < 32; }

static QString trimBlanks(const QString& v) {
  qsizetype b = 0, e = v.size();
  while (b < e && isBlankOrControl(v.at(b))) ++b;
  while (e > b && isBlankOrControl(v.at(e - 1))) --e;
  return v.mid(b, e - b);
}

// Inside a MariaDB literal only the backslash (and the quote, handled by the caller) is
// special; NUL is escaped so no client library cuts the text.
static QString escapeInside(const QString& v) {
  QString out;
  out.reserve(v.size() + 2);
  for (QChar c : v) {
    if (c == QLatin1Char('\\')) out += QStringLiteral("\\\\");
    else if (c.unicode() == 0) out += QStringLiteral("\\0");
    else out += c;
  }
  return out;
}

QString sqlText(const QString& value) {
  QString v = value;
  v.replace(QLatin1Char('\''), QLatin1Char('`'));
  if (v.isEmpty()) return QStringLiteral("Null");
  return QLatin1Char('\'') + escapeInside(trimBlanks(v)) + QLatin1Char('\'');
}

QVariant sqlTextValue(const QString& value) {
  QString v = value;
  v.replace(QLatin1Char('\''), QLatin1Char('`'));
  if (v.isEmpty()) return QVariant(QMetaType::fromType<QString>());
  return trimBlanks(v);
}

QString sqlQuote(const QString& value) {
  QString v = escapeInside(value);
  v.replace(QLatin1Char('\''), QStringLiteral("''"));
  return QLatin1Char('\'') + v + QLatin1Char('\'');
}

bool isReadStatement(const QString& sql) {
  QString s = sql.trimmed();
  // Skip leading comments and brackets.
  for (;;) {
    if (s.startsWith(QLatin1Char('('))) s = s.mid(1).trimmed();
    else if (s.startsWith(QStringLiteral("--")) || s.startsWith(QLatin1Char('#'))) {
      const qsizetype nl = s.indexOf(QLatin1Char('\n'));
      s = nl < 0 ? QString() : s.mid(nl + 1).trimmed();
    } else if (s.startsWith(QStringLiteral("/*"))) {
      const qsizetype end = s.indexOf(QStringLiteral("*/"));
      s = end < 0 ? QString() : s.mid(end + 2).trimmed();
    } else break;
  }
  const QString head = s.section(QRegularExpression(QStringLiteral("\\s")), 0, 0).toUpper();
  if (head == QLatin1String("SELECT")) {
    const QString up = s.toUpper();
    return !up.contains(QStringLiteral(" INTO ")) && !up.contains(QStringLiteral("FOR UPDATE")) &&
           !up.contains(QStringLiteral("LOCK IN SHARE MODE"));
  }
  return head == QLatin1String("SHOW") || head == QLatin1String("DESC") || head == QLatin1String("DESCRIBE") ||
         head == QLatin1String("EXPLAIN") || head == QLatin1String("WITH");
}

}  // namespace db
