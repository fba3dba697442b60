#include "db/db.h"

#include <algorithm>

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

// Skips blanks and comments from `i`; notes a versioned comment.
static qsizetype skipBlank(const QString& s, qsizetype i, bool* versioned) {
  for (;;) {
    while (i < s.size() && s[i].isSpace()) ++i;
    if (s.mid(i, 2) == QLatin1String("--") || (i < s.size() && s[i] == QLatin1Char('#'))) {
      const qsizetype nl = s.indexOf(QLatin1Char('\n'), i);
      i = nl < 0 ? s.size() : nl + 1;
    } else if (s.mid(i, 2) == QLatin1String("/*")) {
      if (s.mid(i, 3) == QLatin1String("/*!") || s.mid(i, 4) == QLatin1String("/*M!")) *versioned = true;
      const qsizetype end = s.indexOf(QStringLiteral("*/"), i + 2);
      i = end < 0 ? s.size() : end + 2;
    } else {
      return i;
    }
  }
}

// The text with literals and comments blanked out, so keywords are judged on code only.
static QString codeOnly(const QString& s, bool* several, bool* versioned) {
  QString out;
  out.reserve(s.size());
  qsizetype i = 0;
  while (i < s.size()) {
    const QChar c = s[i];
    if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
      const QChar q = c;
      out += QLatin1Char(' ');
      ++i;
      while (i < s.size()) {
        if (s[i] == QLatin1Char('\\') && q != QLatin1Char('`')) {
          i += 2;
          continue;
        }
        if (s[i] == q) {
          if (i + 1 < s.size() && s[i + 1] == q) {
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        ++i;
      }
      out += QLatin1Char(' ');
      continue;
    }
    if (s.mid(i, 2) == QLatin1String("--") || c == QLatin1Char('#') || s.mid(i, 2) == QLatin1String("/*")) {
      const qsizetype next = skipBlank(s, i, versioned);
      out += QLatin1Char(' ');
      i = std::max(next, i + 1);
      continue;
    }
    if (c == QLatin1Char(';')) {
      if (skipBlank(s, i + 1, versioned) < s.size()) *several = true;
      out += QLatin1Char(' ');
      ++i;
      continue;
    }
    out += c;
    ++i;
  }
  return out;
}

Statement classify(const QString& sql) {
  Statement st;
  const QString code = codeOnly(sql, &st.several, &st.versioned).toUpper();
  const qsizetype start = skipBlank(code, 0, &st.versioned);
  qsizetype end = start;
  while (end < code.size() && (code[end].isLetter() || code[end] == QLatin1Char('_'))) ++end;
  st.keyword = code.mid(start, end - start);
  const QString rest = QLatin1Char(' ') + code.mid(end).simplified() + QLatin1Char(' ');
  const bool locks = rest.contains(QStringLiteral(" INTO ")) || rest.contains(QStringLiteral(" FOR UPDATE ")) ||
                     rest.contains(QStringLiteral(" LOCK IN SHARE MODE "));
  if (st.keyword == QLatin1String("SELECT") || st.keyword == QLatin1String("WITH")) st.kind = locks ? Statement::Other : Statement::Read;
  else if (st.keyword == QLatin1String("SHOW") || st.keyword == QLatin1String("DESC") || st.keyword == QLatin1String("DESCRIBE"))
    st.kind = Statement::Read;
  else if (st.keyword == QLatin1String("EXPLAIN")) st.kind = rest.startsWith(QStringLiteral(" ANALYZE ")) ? Statement::Other : Statement::Read;
  else if (st.keyword == QLatin1String("INSERT") || st.keyword == QLatin1String("REPLACE")) st.kind = Statement::Insert;
  else if (st.keyword == QLatin1String("UPDATE")) st.kind = Statement::Update;
  else if (st.keyword == QLatin1String("DELETE")) st.kind = Statement::Delete;
  return st;
}

bool isReadStatement(const QString& sql) {
  const Statement st = classify(sql);
  return st.kind == Statement::Read && !st.several && !st.versioned;
}

}  // namespace db
