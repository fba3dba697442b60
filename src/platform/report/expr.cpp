#include "report/expr.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

namespace report::expr {

struct Node {
  enum Type { Number, Text, Field, Var, Neg, Not, Binary, Call } type = Number;
  QVariant value;     // Number, Text
  QString a, b;       // Field: dataset, field; Var: name; Binary: operator; Call: function
  NodePtr left, right;
  std::vector<NodePtr> args;
  QString bandArg;    // aggregate band name
};

namespace {
QLocale turkish() { return QLocale(QLocale::Turkish, QLocale::Turkey); }

bool isNumeric(const QVariant& v) {
  switch (v.typeId()) {
    case QMetaType::Double: case QMetaType::Float: case QMetaType::Int: case QMetaType::UInt:
    case QMetaType::LongLong: case QMetaType::ULongLong: case QMetaType::Bool:
      return true;
    default:
      return false;
  }
}

class Parser {
 public:
  explicit Parser(const QString& s) : s_(s) {}
  NodePtr run(QString* error) {
    try {
      NodePtr n = orExpr();
      skip();
      if (pos_ < s_.size()) throw QStringLiteral("beklenmeyen '%1'").arg(s_.mid(pos_, 10));
      return n;
    } catch (const QString& e) {
      if (error) *error = e;
      return nullptr;
    }
  }

 private:
  void skip() {
    while (pos_ < s_.size() && s_[pos_].isSpace()) ++pos_;
  }
  bool eat(const QString& tok) {
    skip();
    if (s_.mid(pos_, tok.size()).compare(tok, Qt::CaseInsensitive) != 0) return false;
    // Keywords must not run into a following letter.
    if (tok[0].isLetter() && pos_ + tok.size() < s_.size() && s_[pos_ + tok.size()].isLetterOrNumber()) return false;
    pos_ += tok.size();
    return true;
  }
  static NodePtr bin(const QString& op, NodePtr l, NodePtr r) {
    auto n = std::make_shared<Node>();
    n->type = Node::Binary;
    n->a = op;
    n->left = std::move(l);
    n->right = std::move(r);
    return n;
  }
  NodePtr orExpr() {
    NodePtr l = andExpr();
    while (eat(QStringLiteral("or"))) l = bin(QStringLiteral("or"), l, andExpr());
    return l;
  }
  NodePtr andExpr() {
    NodePtr l = notExpr();
    while (eat(QStringLiteral("and"))) l = bin(QStringLiteral("and"), l, notExpr());
    return l;
  }
  NodePtr notExpr() {
    if (eat(QStringLiteral("not"))) {
      auto n = std::make_shared<Node>();
      n->type = Node::Not;
      n->left = notExpr();
      return n;
    }
    return compare();
  }
  NodePtr compare() {
    NodePtr l = additive();
    for (const char* op : {"<>", "<=", ">=", "=", "<", ">"}) {
      skip();
      // "<" may open a field reference: compare only when it is not one.
      if (QLatin1String(op) == QLatin1String("<") && fieldAhead()) break;
      if (eat(QString::fromLatin1(op))) return bin(QString::fromLatin1(op), l, additive());
    }
    return l;
  }
  NodePtr additive() {
    NodePtr l = multiplicative();
    for (;;) {
      if (eat(QStringLiteral("+"))) l = bin(QStringLiteral("+"), l, multiplicative());
      else if (eat(QStringLiteral("-"))) l = bin(QStringLiteral("-"), l, multiplicative());
      else return l;
    }
  }
  NodePtr multiplicative() {
    NodePtr l = unary();
    for (;;) {
      if (eat(QStringLiteral("*"))) l = bin(QStringLiteral("*"), l, unary());
      else if (eat(QStringLiteral("/"))) l = bin(QStringLiteral("/"), l, unary());
      else return l;
    }
  }
  NodePtr unary() {
    if (eat(QStringLiteral("-"))) {
      auto n = std::make_shared<Node>();
      n->type = Node::Neg;
      n->left = unary();
      return n;
    }
    return primary();
  }
  bool fieldAhead() const {
    static const QRegularExpression re(QStringLiteral("^<\\s*[A-Za-z_][A-Za-z0-9_]*\\.(\"[^\"]*\"|[A-Za-z_][A-Za-z0-9_]*)\\s*>"));
    return re.match(QStringView(s_).mid(pos_)).hasMatch();
  }
  QString ident() {
    skip();
    const qsizetype start = pos_;
    while (pos_ < s_.size() && (s_[pos_].isLetterOrNumber() || s_[pos_] == QLatin1Char('_') || s_[pos_] == QLatin1Char('#'))) ++pos_;
    return s_.mid(start, pos_ - start);
  }
  NodePtr fieldAfterDot(const QString& ds) {
    auto n = std::make_shared<Node>();
    n->type = Node::Field;
    n->a = ds;
    skip();
    if (pos_ < s_.size() && s_[pos_] == QLatin1Char('"')) {
      const qsizetype end = s_.indexOf(QLatin1Char('"'), pos_ + 1);
      if (end < 0) throw QStringLiteral("kapanmayan tırnak");
      n->b = s_.mid(pos_ + 1, end - pos_ - 1);
      pos_ = end + 1;
    } else {
      n->b = ident();
    }
    return n;
  }
  NodePtr primary() {
    skip();
    if (pos_ >= s_.size()) throw QStringLiteral("eksik ifade");
    const QChar c = s_[pos_];
    if (c == QLatin1Char('(')) {
      ++pos_;
      NodePtr n = orExpr();
      if (!eat(QStringLiteral(")"))) throw QStringLiteral("eksik ')'");
      return n;
    }
    if (c == QLatin1Char('<') && fieldAhead()) {
      ++pos_;
      const QString ds = ident();
      if (!eat(QStringLiteral("."))) throw QStringLiteral("alan adı bekleniyor");
      NodePtr n = fieldAfterDot(ds);
      if (!eat(QStringLiteral(">"))) throw QStringLiteral("eksik '>'");
      return n;
    }
    if (c == QLatin1Char('\'')) {
      QString text;
      ++pos_;
      for (;;) {
        if (pos_ >= s_.size()) throw QStringLiteral("kapanmayan metin");
        if (s_[pos_] == QLatin1Char('\'')) {
          if (pos_ + 1 < s_.size() && s_[pos_ + 1] == QLatin1Char('\'')) {
            text += QLatin1Char('\'');
            pos_ += 2;
            continue;
          }
          ++pos_;
          break;
        }
        text += s_[pos_++];
      }
      auto n = std::make_shared<Node>();
      n->type = Node::Text;
      n->value = text;
      return n;
    }
    if (c.isDigit()) {
      const qsizetype start = pos_;
      while (pos_ < s_.size() && (s_[pos_].isDigit() || s_[pos_] == QLatin1Char('.'))) ++pos_;
      auto n = std::make_shared<Node>();
      n->type = Node::Number;
      n->value = s_.mid(start, pos_ - start).toDouble();
      return n;
    }
    const QString id = ident();
    if (id.isEmpty()) throw QStringLiteral("beklenmeyen '%1'").arg(c);
    skip();
    if (pos_ < s_.size() && s_[pos_] == QLatin1Char('.')) {
      ++pos_;
      return fieldAfterDot(id);
    }
    if (pos_ < s_.size() && s_[pos_] == QLatin1Char('(')) {
      ++pos_;
      auto n = std::make_shared<Node>();
      n->type = Node::Call;
      n->a = id.toUpper();
      const bool aggregate = n->a == QLatin1String("SUM") || n->a == QLatin1String("MIN") || n->a == QLatin1String("MAX") ||
                             n->a == QLatin1String("AVG") || n->a == QLatin1String("COUNT");
      skip();
      if (!eat(QStringLiteral(")"))) {
        do {
          skip();
          // The last argument of an aggregate names a band.
          const qsizetype save = pos_;
          const QString word = ident();
          skip();
          const bool wordAlone = !word.isEmpty() && pos_ < s_.size() &&
                                 (s_[pos_] == QLatin1Char(')') || s_[pos_] == QLatin1Char(','));
          if (aggregate && wordAlone && (!n->args.empty() || n->a == QLatin1String("COUNT"))) {
            if (n->bandArg.isEmpty()) n->bandArg = word;
            continue;
          }
          pos_ = save;
          n->args.push_back(orExpr());
        } while (eat(QStringLiteral(",")));
        if (!eat(QStringLiteral(")"))) throw QStringLiteral("eksik ')'");
      }
      return n;
    }
    auto n = std::make_shared<Node>();
    n->type = Node::Var;
    n->a = id;
    return n;
  }

  QString s_;
  qsizetype pos_ = 0;
};

int compareValues(const QVariant& a, const QVariant& b) {
  if (isNumeric(a) && isNumeric(b)) return a.toDouble() < b.toDouble() ? -1 : a.toDouble() > b.toDouble() ? 1 : 0;
  if (a.typeId() == QMetaType::QDate && b.typeId() == QMetaType::QDate) return a.toDate() < b.toDate() ? -1 : a.toDate() > b.toDate();
  return QString::compare(a.toString(), b.toString());
}
}  // namespace

NodePtr parse(const QString& text, QString* error) { return Parser(text).run(error); }

bool truthy(const QVariant& v) {
  if (v.typeId() == QMetaType::Bool) return v.toBool();
  if (isNumeric(v)) return v.toDouble() != 0;
  return !v.toString().isEmpty();
}

QVariant eval(const NodePtr& n, Context& c) {
  if (!n) return {};
  switch (n->type) {
    case Node::Number:
    case Node::Text:
      return n->value;
    case Node::Field: {
      if (!c.data) return {};
      auto it = c.data->find(n->a);
      if (it == c.data->end() || !it->second) return {};
      auto r = c.row.find(n->a);
      const int row = r == c.row.end() ? 0 : r->second;
      if (row < 0 || size_t(row) >= it->second->rows.size()) return {};
      return it->second->rows[size_t(row)].value(n->b);
    }
    case Node::Var: {
      const QString v = n->a.toUpper();
      if (v == QLatin1String("DATE")) return QDate::currentDate();
      if (v == QLatin1String("TIME")) return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
      if (v == QLatin1String("PAGE#") || v == QLatin1String("PAGE")) return c.page;
      if (v == QLatin1String("TOTALPAGES#") || v == QLatin1String("TOTALPAGES")) return kTotalPagesMarker;
      if (v == QLatin1String("LINE#") || v == QLatin1String("LINE")) return c.line;
      if (v == QLatin1String("TRUE")) return true;
      if (v == QLatin1String("FALSE")) return false;
      return {};
    }
    case Node::Neg: return -eval(n->left, c).toDouble();
    case Node::Not: return !truthy(eval(n->left, c));
    case Node::Binary: {
      const QString& op = n->a;
      if (op == QLatin1String("and")) return truthy(eval(n->left, c)) && truthy(eval(n->right, c));
      if (op == QLatin1String("or")) return truthy(eval(n->left, c)) || truthy(eval(n->right, c));
      const QVariant l = eval(n->left, c), r = eval(n->right, c);
      if (op == QLatin1String("+")) {
        if ((isNumeric(l) || l.isNull()) && (isNumeric(r) || r.isNull())) return l.toDouble() + r.toDouble();
        return l.toString() + r.toString();
      }
      if (op == QLatin1String("-")) return l.toDouble() - r.toDouble();
      if (op == QLatin1String("*")) return l.toDouble() * r.toDouble();
      if (op == QLatin1String("/")) return r.toDouble() == 0 ? QVariant(0.0) : QVariant(l.toDouble() / r.toDouble());
      const int cmp = compareValues(l, r);
      if (op == QLatin1String("=")) return cmp == 0;
      if (op == QLatin1String("<>")) return cmp != 0;
      if (op == QLatin1String("<")) return cmp < 0;
      if (op == QLatin1String(">")) return cmp > 0;
      if (op == QLatin1String("<=")) return cmp <= 0;
      if (op == QLatin1String(">=")) return cmp >= 0;
      return {};
    }
    case Node::Call: {
      const QString& fn = n->a;
      if (fn == QLatin1String("SUM") || fn == QLatin1String("MIN") || fn == QLatin1String("MAX") ||
          fn == QLatin1String("AVG") || fn == QLatin1String("COUNT")) {
        if (!c.aggregate) return {};
        return c.aggregate(fn, n->args.empty() ? NodePtr() : n->args.front(), n->bandArg);
      }
      auto argAt = [&](size_t i) { return i < n->args.size() ? n->args[i] : NodePtr(); };
      if (fn == QLatin1String("UPPERCASE")) return turkish().toUpper(eval(argAt(0), c).toString());
      if (fn == QLatin1String("TRIM")) return eval(argAt(0), c).toString().trimmed();
      if (fn == QLatin1String("IIF") && n->args.size() == 3)
        return truthy(eval(n->args[0], c)) ? eval(n->args[1], c) : eval(n->args[2], c);
      if (fn == QLatin1String("ROUND")) return double(std::llround(eval(argAt(0), c).toDouble()));
      return {};
    }
  }
  return {};
}

QString format(const QVariant& v, const QString& kind, const QString& f) {
  if (v.isNull() || !v.isValid()) return {};
  const QLocale tr = turkish();
  if (kind == QLatin1String("fkNumeric") && (isNumeric(v) || !v.toString().isEmpty())) {
    bool ok = true;
    const double d = isNumeric(v) ? v.toDouble() : v.toString().toDouble(&ok);
    if (!ok) return v.toString();
    static const QRegularExpression spec(QStringLiteral("%(\\d*)(?:\\.(\\d+))?([nfgdme])"));
    const auto m = spec.match(f);
    if (m.hasMatch()) {
      const QString type = m.captured(3);
      const int decimals = m.captured(2).isEmpty() ? 2 : m.captured(2).toInt();
      if (type == QLatin1String("n")) return tr.toString(d, 'f', decimals);
      if (type == QLatin1String("f")) return tr.toString(d, 'f', decimals).remove(tr.groupSeparator());
      if (type == QLatin1String("d")) return QString::number(qlonglong(std::llround(d)));
      return tr.toString(d, 'g', 15).remove(tr.groupSeparator());
    }
    return tr.toString(d, 'f', 2);
  }
  if (kind == QLatin1String("fkDateTime")) {
    QString qf = f.isEmpty() ? QStringLiteral("dd.mm.yyyy") : f;
    qf.replace(QLatin1Char('m'), QLatin1Char('M'));
    qf.replace(QStringLiteral("nn"), QStringLiteral("mm"));
    qf.replace(QStringLiteral("hh"), QStringLiteral("HH"));
    if (v.typeId() == QMetaType::QDate) return v.toDate().toString(qf);
    if (v.typeId() == QMetaType::QDateTime) return v.toDateTime().toString(qf);
    const QDate d = QDate::fromString(v.toString().left(10), QStringLiteral("yyyy-MM-dd"));
    return d.isValid() ? d.toString(qf) : v.toString();
  }
  switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
      return tr.toString(v.toDouble(), 'f', QLocale::FloatingPointShortest).remove(tr.groupSeparator());
    case QMetaType::QDate: return v.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::QDateTime: return v.toDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    case QMetaType::Bool: return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default: return v.toString();
  }
}

}  // namespace report::expr
