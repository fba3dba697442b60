// Number, date and log helpers every window shares. SQL literals live in db/ (sqlText is
// the system's own literal, sqlQuote the standard one).
#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <utility>

namespace Utils {
// Rounded to a whole number with the Turkish thousands separator: 1234567.6 -> "1.234.568".
QString gfIntToStr(double value);
// A value copied into a narrower column: cut to the width; an empty value stays an empty
// text (not NULL).
QString fit(const QString& text, int width);
// Monday and Sunday of the ISO week that holds the date.
std::pair<QDate, QDate> isoWeek(const QDate& date);
// Monday and Sunday of ISO week `week` of ISO year `year`; invalid dates when that year has
// no such week.
std::pair<QDate, QDate> isoWeek(int year, int week);
// Runs a spreadsheet import as one document under the wait cursor: nothing is kept unless every row is written.
// `body` sets its `row` argument to the sheet row it writes, so an error names that row.
void excelAktar(const std::function<void(int& row)>& body);
}  // namespace Utils

// "yyyy-mm-dd" for statements.
QString DateForMySql(const QDate& date);
// The first value unless it is null, else the second.
QVariant uIsNull(const QVariant& value, const QVariant& fallback);

namespace login {
// An amount typed or shown in Turkish notation, as SQL decimal text.
QString MyDecimal(const QString& text);
// The table's next record number (a hint for display), also kept in login::KAYITNO_ID.
double nextRecordNo(const QString& table);
// Appends one line to the deletion log when log.txt exists in the program folder.
// `marker` ends in "----"; each field is preceded by "----". Throws when the file
// exists but cannot be written, so the caller's delete does not run.
void textekaydet(const QString& marker, const QStringList& fields);
}  // namespace login
