#include "shell/Utils.h"

#include "db/db.h"
#include "shell/session.h"
#include "sys/sys.h"

#include <QDateTime>
#include <QFileInfo>
#include <QCursor>
#include <QGuiApplication>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <stdexcept>

namespace Utils {
QString gfIntToStr(double value) {
  return QLocale(QLocale::Turkish, QLocale::Turkey).toString(qlonglong(std::llround(value)));
}
std::pair<QDate, QDate> isoWeek(const QDate& date) {
  const QDate monday = date.addDays(1 - date.dayOfWeek());
  return {monday, monday.addDays(6)};
}

std::pair<QDate, QDate> isoWeek(int year, int week) {
  const QDate jan4(year, 1, 4);  // always in week 1
  const QDate monday = jan4.addDays(1 - jan4.dayOfWeek()).addDays(7 * (week - 1));
  int isoYear = 0;
  if (week < 1 || monday.weekNumber(&isoYear) != week || isoYear != year) return {QDate(), QDate()};
  return {monday, monday.addDays(6)};
}

QString fit(const QString& text, int width) {
  QString r = text.left(width);
  // A null text binds as NULL; an empty one (made from a non-null pointer) as ''.
  return r.isNull() ? QString::fromUtf16(u"", 0) : r;
}
void excelAktar(const std::function<void(int& row)>& body) {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  struct RestoreCursor {
    ~RestoreCursor() { QGuiApplication::restoreOverrideCursor(); }
  } restore;
  int row = 0;
  try {
    db::runDocument([&] { body(row); });
  } catch (const db::Error& e) {
    if (e.suppressed) throw;
    throw db::Error(e.component, QStringLiteral("Excel satırı %1: %2").arg(row).arg(e.text), e.nativeCode);
  }
}

}  // namespace Utils

QString DateForMySql(const QDate& date) { return date.toString(QStringLiteral("yyyy-MM-dd")); }

QVariant uIsNull(const QVariant& value, const QVariant& fallback) {
  return (!value.isValid() || value.isNull()) ? fallback : value;
}

namespace login {

QString MyDecimal(const QString& text) {
  QString t = text;
  if (t.contains(QLatin1Char(','))) {
    t.remove(QLatin1Char('.'));
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return t;
  }
  // Without a comma, dots between groups of exactly three digits separate thousands;
  // any other single dot is the decimal point.
  static const QRegularExpression thousands(QStringLiteral("^[+-]?\\d{1,3}(\\.\\d{3})+$"));
  if (thousands.match(t).hasMatch()) t.remove(QLatin1Char('.'));
  return t;
}

double nextRecordNo(const QString& table) {
  KAYITNO_ID = db::nextRecordNo(mydata, table);
  return KAYITNO_ID;
}

void textekaydet(const QString& marker, const QStringList& fields) {
  const QString path = sys::programFile(QStringLiteral("log.txt"));
  if (!QFileInfo::exists(path)) return;
  const QDateTime now = QDateTime::currentDateTime();
  QString line = marker + userim + QStringLiteral("----") + now.date().toString(QStringLiteral("dd.MM.yyyy")) +
                 QStringLiteral("----") + now.time().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral("----") +
                 SIRKET;
  for (const QString& f : fields) line += QStringLiteral("----") + f;
  QString error;
  if (!sys::appendTextLines(path, {line}, &error))
    throw std::runtime_error(QStringLiteral("\"%1\" dosyası açılamıyor. %2").arg(path, error).toStdString());
}

}  // namespace login
