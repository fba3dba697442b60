#include "sheet/sheet.h"

#include <QDate>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <freexl.h>
#include <zip.h>

namespace sheet {
namespace {

QDate fromSerial(double serial) { return QDate(1899, 12, 30).addDays(qint64(serial)); }

bool zipEntry(zip_t* z, const char* name, QByteArray* out) {
  zip_stat_t st;
  if (zip_stat(z, name, 0, &st) != 0) return false;
  zip_file_t* f = zip_fopen(z, name, 0);
  if (!f) return false;
  out->resize(qsizetype(st.size));
  const zip_int64_t n = zip_fread(f, out->data(), st.size);
  zip_fclose(f);
  return n == zip_int64_t(st.size);
}

// Column index of a cell reference such as "AB12".
int columnOf(QStringView ref) {
  int col = 0;
  for (QChar ch : ref) {
    if (!ch.isLetter()) break;
    col = col * 26 + (ch.toUpper().unicode() - 'A' + 1);
  }
  return col - 1;
}

bool isDateFormatCode(const QString& code) {
  QString c = code;
  c.remove(QRegularExpression(QStringLiteral("\"[^\"]*\"|\\[[^\\]]*\\]|\\\\.")));
  return c.contains(QRegularExpression(QStringLiteral("[dyDY]"))) ||
         (c.contains(QLatin1Char('m'), Qt::CaseInsensitive) && !c.contains(QLatin1Char('0')) && !c.contains(QLatin1Char('#')));
}

bool readXlsx(const QString& path, Sheet* out, QString* error) {
  int err = 0;
  zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &err);
  if (!z) {
    *error = QStringLiteral("%1 dosyası açılamadı.").arg(path);
    return false;
  }
  QByteArray shared, styles, workbook, rels, sheetXml;
  QStringList strings;
  if (zipEntry(z, "xl/sharedStrings.xml", &shared)) {
    QXmlStreamReader x(shared);
    QString current;
    bool inSi = false;
    while (!x.atEnd()) {
      x.readNext();
      if (x.isStartElement() && x.name() == QLatin1String("si")) {
        inSi = true;
        current.clear();
      } else if (x.isStartElement() && x.name() == QLatin1String("t") && inSi) {
        current += x.readElementText();
      } else if (x.isEndElement() && x.name() == QLatin1String("si")) {
        inSi = false;
        strings << current;
      }
    }
  }
  // Which cell styles are dates.
  std::vector<bool> dateStyle;
  if (zipEntry(z, "xl/styles.xml", &styles)) {
    QHash<int, QString> custom;
    QXmlStreamReader x(styles);
    bool inXfs = false;
    while (!x.atEnd()) {
      x.readNext();
      if (x.isStartElement() && x.name() == QLatin1String("numFmt"))
        custom.insert(x.attributes().value(QLatin1String("numFmtId")).toInt(),
                      x.attributes().value(QLatin1String("formatCode")).toString());
      else if (x.isStartElement() && x.name() == QLatin1String("cellXfs")) inXfs = true;
      else if (x.isEndElement() && x.name() == QLatin1String("cellXfs")) inXfs = false;
      else if (inXfs && x.isStartElement() && x.name() == QLatin1String("xf")) {
        const int id = x.attributes().value(QLatin1String("numFmtId")).toInt();
        const bool builtinDate = (id >= 14 && id <= 22) || (id >= 45 && id <= 47);
        dateStyle.push_back(builtinDate || (custom.contains(id) && isDateFormatCode(custom.value(id))));
      }
    }
  }
  // The first worksheet named by the workbook.
  QString sheetPath = QStringLiteral("xl/worksheets/sheet1.xml");
  if (zipEntry(z, "xl/workbook.xml", &workbook) && zipEntry(z, "xl/_rels/workbook.xml.rels", &rels)) {
    QString rid;
    QXmlStreamReader w(workbook);
    while (!w.atEnd() && rid.isEmpty()) {
      w.readNext();
      if (w.isStartElement() && w.name() == QLatin1String("sheet"))
        for (const auto& a : w.attributes())
          if (a.name() == QLatin1String("id")) rid = a.value().toString();
    }
    QXmlStreamReader r(rels);
    while (!r.atEnd()) {
      r.readNext();
      if (r.isStartElement() && r.name() == QLatin1String("Relationship") &&
          r.attributes().value(QLatin1String("Id")) == rid) {
        QString target = r.attributes().value(QLatin1String("Target")).toString();
        sheetPath = target.startsWith(QLatin1Char('/')) ? target.mid(1) : QStringLiteral("xl/") + target;
      }
    }
  }
  const bool ok = zipEntry(z, sheetPath.toUtf8().constData(), &sheetXml);
  zip_close(z);
  if (!ok) {
    *error = QStringLiteral("%1 dosyasında çalışma sayfası bulunamadı.").arg(path);
    return false;
  }
  QXmlStreamReader x(sheetXml);
  std::vector<QVariant>* row = nullptr;
  while (!x.atEnd()) {
    x.readNext();
    if (x.isStartElement() && x.name() == QLatin1String("row")) {
      const int r = x.attributes().value(QLatin1String("r")).toInt();
      const size_t index = r > 0 ? size_t(r - 1) : out->rows.size();
      if (out->rows.size() <= index) out->rows.resize(index + 1);
      row = &out->rows[index];
    } else if (x.isStartElement() && x.name() == QLatin1String("c") && row) {
      const auto attrs = x.attributes();
      const int col = columnOf(attrs.value(QLatin1String("r")));
      const QString type = attrs.value(QLatin1String("t")).toString();
      const int style = attrs.value(QLatin1String("s")).toInt();
      QString value;
      bool hasValue = false;
      while (!(x.isEndElement() && x.name() == QLatin1String("c")) && !x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && (x.name() == QLatin1String("v") || x.name() == QLatin1String("t"))) {
          value += x.readElementText();
          hasValue = true;
        }
      }
      if (col < 0 || !hasValue) continue;
      if (row->size() <= size_t(col)) row->resize(size_t(col) + 1);
      QVariant cell;
      if (type == QLatin1String("s")) cell = strings.value(value.toInt());
      else if (type == QLatin1String("str") || type == QLatin1String("inlineStr")) cell = value;
      else if (type == QLatin1String("b")) cell = value.toDouble();
      else if (type == QLatin1String("e")) cell = value;
      else if (size_t(style) < dateStyle.size() && dateStyle[size_t(style)]) cell = fromSerial(value.toDouble());
      else cell = value.toDouble();
      if (cell.typeId() == QMetaType::QString && cell.toString().isEmpty()) cell = QVariant();
      (*row)[size_t(col)] = cell;
    }
  }
  if (x.hasError()) {
    *error = QStringLiteral("%1 dosyası okunamadı: %2").arg(path, x.errorString());
    return false;
  }
  return true;
}

bool readXls(const QString& path, Sheet* out, QString* error) {
  const void* h = nullptr;
  if (freexl_open(QFile::encodeName(path).constData(), &h) != FREEXL_OK) {
    *error = QStringLiteral("%1 dosyası açılamadı.").arg(path);
    return false;
  }
  unsigned int rows = 0;
  unsigned short cols = 0;
  if (freexl_select_active_worksheet(h, 0) != FREEXL_OK || freexl_worksheet_dimensions(h, &rows, &cols) != FREEXL_OK) {
    freexl_close(h);
    *error = QStringLiteral("%1 dosyasında çalışma sayfası bulunamadı.").arg(path);
    return false;
  }
  out->rows.assign(rows, std::vector<QVariant>(cols));
  for (unsigned int r = 0; r < rows; ++r)
    for (unsigned short c = 0; c < cols; ++c) {
      FreeXL_CellValue v;
      if (freexl_get_cell_value(h, r, c, &v) != FREEXL_OK) continue;
      QVariant& cell = out->rows[r][c];
      switch (v.type) {
        case FREEXL_CELL_INT: cell = double(v.value.int_value); break;
        case FREEXL_CELL_DOUBLE: cell = v.value.double_value; break;
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT: {
          const QString s = QString::fromUtf8(v.value.text_value);
          if (!s.isEmpty()) cell = s;
          break;
        }
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_DATETIME:
          cell = QDate::fromString(QString::fromLatin1(v.value.text_value).left(10), QStringLiteral("yyyy-MM-dd"));
          break;
        case FREEXL_CELL_TIME: cell = QString::fromLatin1(v.value.text_value); break;
        default: break;
      }
    }
  freexl_close(h);
  return true;
}
}  // namespace

bool read(const QString& path, Sheet* out, QString* error) {
  out->rows.clear();
  QString dummy;
  QString* e = error ? error : &dummy;
  if (!QFileInfo::exists(path)) {
    *e = QStringLiteral("%1 dosyası bulunamadı.").arg(path);
    return false;
  }
  if (path.endsWith(QStringLiteral(".xls"), Qt::CaseInsensitive)) return readXls(path, out, e);
  return readXlsx(path, out, e);
}

}  // namespace sheet
