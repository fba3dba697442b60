#include "sheet/sheet.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <algorithm>
#include <xlsxwriter.h>

namespace sheet {

QString realPath(const QString& requested) {
  if (requested.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive)) return requested + QLatin1Char('x');
  return requested;
}

namespace {
lxw_datetime toLxw(const QDateTime& dt) {
  lxw_datetime d{};
  d.year = dt.date().year();
  d.month = dt.date().month();
  d.day = dt.date().day();
  d.hour = dt.time().hour();
  d.min = dt.time().minute();
  d.sec = dt.time().second();
  return d;
}
int displayLength(const QVariant& v) {
  if (v.isNull()) return 0;
  if (v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime) return 10;
  if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float) return QString::number(v.toDouble(), 'f', 2).size() + 3;
  return v.toString().size();
}
}  // namespace

bool write(const QString& path, const Table& table, QString* error) {
  const QByteArray file = realPath(path).toLocal8Bit();
  lxw_workbook* wb = workbook_new(file.constData());
  if (!wb) {
    if (error) *error = QStringLiteral("%1 dosyası oluşturulamadı.").arg(realPath(path));
    return false;
  }
  const QByteArray name = table.sheetName.toUtf8();
  lxw_worksheet* ws = workbook_add_worksheet(wb, name.constData());
  lxw_format* bold = workbook_add_format(wb);
  format_set_bold(bold);

  const size_t ncol = table.columns.size();
  std::vector<lxw_format*> plain(ncol, nullptr), strong(ncol, nullptr);
  for (size_t c = 0; c < ncol; ++c) {
    const Column& col = table.columns[c];
    if (col.kind == Kind::Text) {
      strong[c] = bold;
      continue;
    }
    const QByteArray fmt = (col.kind == Kind::Number ? col.numberFormat : col.dateFormat).toUtf8();
    plain[c] = workbook_add_format(wb);
    format_set_num_format(plain[c], fmt.constData());
    strong[c] = workbook_add_format(wb);
    format_set_num_format(strong[c], fmt.constData());
    format_set_bold(strong[c]);
  }

  std::vector<int> width(ncol, 4);
  for (size_t c = 0; c < ncol; ++c) {
    const QByteArray cap = table.columns[c].caption.toUtf8();
    worksheet_write_string(ws, 0, lxw_col_t(c), cap.constData(), bold);
    width[c] = std::max(width[c], int(table.columns[c].caption.size()) + 2);
  }
  for (size_t r = 0; r < table.rows.size(); ++r) {
    const bool isBold = r < table.bold.size() && table.bold[r];
    const auto& row = table.rows[r];
    for (size_t c = 0; c < ncol && c < row.size(); ++c) {
      const QVariant& v = row[c];
      const lxw_row_t rr = lxw_row_t(r + 1);
      const lxw_col_t cc = lxw_col_t(c);
      lxw_format* f = isBold ? strong[c] : plain[c];
      width[c] = std::max(width[c], displayLength(v) + 1);
      if (v.isNull() || !v.isValid()) continue;
      switch (v.typeId()) {
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
          worksheet_write_number(ws, rr, cc, v.toDouble(), f);
          break;
        case QMetaType::QDate: {
          lxw_datetime d = toLxw(v.toDate().startOfDay());
          worksheet_write_datetime(ws, rr, cc, &d, f);
          break;
        }
        case QMetaType::QDateTime: {
          lxw_datetime d = toLxw(v.toDateTime());
          worksheet_write_datetime(ws, rr, cc, &d, f);
          break;
        }
        default: {
          const QByteArray s = v.toString().toUtf8();
          worksheet_write_string(ws, rr, cc, s.constData(), isBold ? bold : nullptr);
        }
      }
    }
  }
  for (size_t c = 0; c < ncol; ++c) worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), std::min(width[c], 80), nullptr);
  const lxw_error rc = workbook_close(wb);
  if (rc != LXW_NO_ERROR) {
    if (error) *error = QStringLiteral("%1 dosyası yazılamadı: %2").arg(realPath(path), QString::fromUtf8(lxw_strerror(rc)));
    return false;
  }
  return true;
}

}  // namespace sheet
