// Spreadsheet files: export with the number and date formats the windows ask for
// (libxlsxwriter), and import of the first worksheet of .xlsx (libzip + XML) and .xls
// (FreeXL) files as typed cells. This platform writes no old binary .xls: a file asked
// for as X.xls is written as X.xlsx beside it.
#pragma once
#include <QString>
#include <QVariant>
#include <vector>

namespace sheet {

enum class Kind { Text, Number, Date };

struct Column {
  QString caption;
  Kind kind = Kind::Text;
  QString numberFormat = QStringLiteral("#,##0.00");  // for Number
  QString dateFormat = QStringLiteral("dd/mm/yyyy");  // for Date
};

struct Table {
  std::vector<Column> columns;
  // One row per line; cells are QString, numbers, QDate/QDateTime or null.
  std::vector<std::vector<QVariant>> rows;
  // Rows written in bold (group headers, footers, totals).
  std::vector<bool> bold;
  QString sheetName = QStringLiteral("Sayfa1");
};

// The name a requested file is really written under (".xls" becomes ".xlsx").
QString realPath(const QString& requested);
// Writes the table with bold captions and fitted widths; false with *error on failure.
bool write(const QString& path, const Table& table, QString* error);

// The first worksheet as rows of typed cells: QString, double, QDate (date cells) or null.
struct Sheet {
  std::vector<std::vector<QVariant>> rows;
};
bool read(const QString& path, Sheet* out, QString* error);

}  // namespace sheet
