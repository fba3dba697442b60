#include "report/report.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace report {
namespace {

const double kPxPerMm = 96.0 / 25.4;

double num(const QDomElement& e, const char* attr, double def = 0) {
  bool ok = false;
  const double v = e.attribute(QString::fromLatin1(attr)).toDouble(&ok);
  return ok ? v : def;
}
bool flag(const QDomElement& e, const char* attr, bool def) {
  const QString v = e.attribute(QString::fromLatin1(attr));
  if (v.isEmpty()) return def;
  return v.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0;
}

// Delphi TColor: $00BBGGRR, or a clXxx name.
QColor tcolor(const QString& s) {
  if (s.isEmpty()) return {};
  static const std::map<QString, QColor> named{
      {"clBlack", Qt::black}, {"clWhite", Qt::white}, {"clRed", QColor(255, 0, 0)}, {"clGreen", QColor(0, 128, 0)},
      {"clBlue", QColor(0, 0, 255)}, {"clGray", QColor(128, 128, 128)}, {"clSilver", QColor(192, 192, 192)},
      {"clNavy", QColor(0, 0, 128)}, {"clMaroon", QColor(128, 0, 0)}, {"clYellow", QColor(255, 255, 0)},
      {"clAqua", QColor(0, 255, 255)}, {"clBtnFace", QColor(240, 240, 240)}, {"clWindow", Qt::white}};
  if (s == QLatin1String("clNone")) return {};
  auto it = named.find(s);
  if (it != named.end()) return it->second;
  bool ok = false;
  qlonglong v = s.startsWith(QLatin1Char('$')) ? s.mid(1).toLongLong(&ok, 16) : s.toLongLong(&ok);
  if (!ok || v == 536870911 || v < 0 || v > 0xFFFFFF) return {};
  return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}
QString tcolorText(const QColor& c) {
  if (!c.isValid()) return QStringLiteral("536870911");
  return QString::number(c.red() | (c.green() << 8) | (c.blue() << 16));
}

BandKind bandKind(const QString& type) {
  static const std::map<QString, BandKind> kinds{
      {"TfrxReportTitle", BandKind::ReportTitle}, {"TfrxPageHeader", BandKind::PageHeader},
      {"TfrxHeader", BandKind::Header},           {"TfrxGroupHeader", BandKind::GroupHeader},
      {"TfrxMasterData", BandKind::MasterData},   {"TfrxDetailData", BandKind::DetailData},
      {"TfrxGroupFooter", BandKind::GroupFooter}, {"TfrxFooter", BandKind::Footer},
      {"TfrxPageFooter", BandKind::PageFooter},   {"TfrxReportSummary", BandKind::ReportSummary}};
  auto it = kinds.find(type);
  return it == kinds.end() ? BandKind::Unknown : it->second;
}

QFont readFont(const QDomElement& e) {
  QFont f(e.attribute(QStringLiteral("Font.Name"), QStringLiteral("Arial")));
  const double h = num(e, "Font.Height", -13);
  f.setPixelSize(std::max(1, int(std::lround(std::abs(h)))));
  const int style = int(num(e, "Font.Style", 0));
  f.setBold(style & 1);
  f.setItalic(style & 2);
  f.setUnderline(style & 4);
  f.setStrikeOut(style & 8);
  return f;
}

void readObj(const QDomElement& e, Obj& o) {
  o.name = e.attribute(QStringLiteral("Name"));
  o.rect = QRectF(num(e, "Left"), num(e, "Top"), num(e, "Width"), num(e, "Height"));
  o.text = e.attribute(QStringLiteral("Text"));
  o.font = readFont(e);
  const QColor fc = tcolor(e.attribute(QStringLiteral("Font.Color"), QStringLiteral("0")));
  o.color = fc.isValid() ? fc : QColor(Qt::black);
  o.fill = tcolor(e.attribute(QStringLiteral("Color")));
  const QString h = e.attribute(QStringLiteral("HAlign"), QStringLiteral("haLeft"));
  const QString v = e.attribute(QStringLiteral("VAlign"), QStringLiteral("vaTop"));
  Qt::Alignment a = h == QLatin1String("haRight") ? Qt::AlignRight : h == QLatin1String("haCenter") ? Qt::AlignHCenter : Qt::AlignLeft;
  a |= v == QLatin1String("vaBottom") ? Qt::AlignBottom : v == QLatin1String("vaCenter") ? Qt::AlignVCenter : Qt::AlignTop;
  o.align = a;
  o.justify = h == QLatin1String("haBlock");
  o.wordWrap = flag(e, "WordWrap", true);
  const QString sm = e.attribute(QStringLiteral("StretchMode"));
  o.stretch = sm == QLatin1String("smMaxHeight") || sm == QLatin1String("smActualHeight");
  o.frameTyp = int(num(e, "Frame.Typ", 0));
  o.frameWidth = num(e, "Frame.Width", 1);
  const QColor frc = tcolor(e.attribute(QStringLiteral("Frame.Color"), QStringLiteral("0")));
  o.frameColor = frc.isValid() ? frc : QColor(Qt::black);
  o.dataSet = e.attribute(QStringLiteral("DataSetName"), e.attribute(QStringLiteral("DataSet")));
  o.dataField = e.attribute(QStringLiteral("DataField"));
  o.formatKind = e.attribute(QStringLiteral("DisplayFormat.Kind"));
  o.formatStr = e.attribute(QStringLiteral("DisplayFormat.FormatStr"));
  o.shape = e.attribute(QStringLiteral("Shape"), QStringLiteral("skRectangle"));
  o.diagonal = flag(e, "Diagonal", false);
  o.fileLink = e.attribute(QStringLiteral("FileLink"));
  o.element = e;
}

bool scriptIsEmpty(QString script) {
  script.remove(QRegularExpression(QStringLiteral("\\s")));
  return script.isEmpty() || script.compare(QStringLiteral("beginend."), Qt::CaseInsensitive) == 0;
}

}  // namespace

double Page::widthPx() const { return (landscape && widthMm < heightMm ? heightMm : widthMm) * kPxPerMm; }
double Page::heightPx() const { return (landscape && widthMm < heightMm ? widthMm : heightMm) * kPxPerMm; }

bool parse(const QByteArray& xml, Template* out, QString* error) {
  *out = Template{};
  QString msg;
  int line = 0;
  if (!out->doc.setContent(xml, &msg, &line)) {
    if (error) *error = QStringLiteral("%1 (satır %2)").arg(msg).arg(line);
    return false;
  }
  const QDomElement root = out->doc.documentElement();
  if (root.tagName() != QLatin1String("TfrxReport")) {
    if (error) *error = QStringLiteral("TfrxReport bulunamadı");
    return false;
  }
  if (!scriptIsEmpty(root.attribute(QStringLiteral("ScriptText.Text"))))
    out->unsupported << QStringLiteral("Betik (script) çalıştırılmadı");
  for (QDomElement pe = root.firstChildElement(); !pe.isNull(); pe = pe.nextSiblingElement()) {
    const QString tag = pe.tagName();
    if (tag == QLatin1String("Datasets") || tag == QLatin1String("Variables") || tag == QLatin1String("TfrxDataPage") ||
        tag == QLatin1String("Styles"))
      continue;
    if (tag != QLatin1String("TfrxReportPage")) {
      out->unsupported << tag;
      continue;
    }
    Page page;
    page.element = pe;
    page.name = pe.attribute(QStringLiteral("Name"));
    page.widthMm = num(pe, "PaperWidth", 210);
    page.heightMm = num(pe, "PaperHeight", 297);
    page.leftMm = num(pe, "LeftMargin", 10);
    page.rightMm = num(pe, "RightMargin", 10);
    page.topMm = num(pe, "TopMargin", 10);
    page.bottomMm = num(pe, "BottomMargin", 10);
    page.landscape = pe.attribute(QStringLiteral("Orientation")) == QLatin1String("poLandscape");
    for (QDomElement be = pe.firstChildElement(); !be.isNull(); be = be.nextSiblingElement()) {
      Band band;
      band.type = be.tagName();
      band.kind = bandKind(band.type);
      band.element = be;
      band.name = be.attribute(QStringLiteral("Name"));
      if (band.kind == BandKind::Unknown) {
        out->unsupported << QStringLiteral("%1 (%2)").arg(band.type, band.name);
        continue;
      }
      band.top = num(be, "Top");
      band.height = num(be, "Height");
      band.dataSet = be.attribute(QStringLiteral("DataSetName"), be.attribute(QStringLiteral("DataSet")));
      band.condition = be.attribute(QStringLiteral("Condition"));
      band.filter = be.attribute(QStringLiteral("Filter"));
      band.rowCount = int(num(be, "RowCount", 0));
      band.stretched = flag(be, "Stretched", false);
      band.startNewPage = flag(be, "StartNewPage", false);
      for (QDomElement oe = be.firstChildElement(); !oe.isNull(); oe = oe.nextSiblingElement()) {
        Obj o;
        const QString t = oe.tagName();
        if (t == QLatin1String("TfrxMemoView") || t == QLatin1String("TfrxSysMemoView")) o.kind = ObjKind::Memo;
        else if (t == QLatin1String("TfrxLineView")) o.kind = ObjKind::Line;
        else if (t == QLatin1String("TfrxShapeView")) o.kind = ObjKind::Shape;
        else if (t == QLatin1String("TfrxPictureView")) o.kind = ObjKind::Picture;
        else {
          out->unsupported << QStringLiteral("%1 (%2)").arg(t, oe.attribute(QStringLiteral("Name")));
          continue;
        }
        readObj(oe, o);
        band.objs.push_back(o);
      }
      page.bands.push_back(band);
    }
    std::stable_sort(page.bands.begin(), page.bands.end(), [](const Band& a, const Band& b) { return a.top < b.top; });
    out->pages.push_back(page);
  }
  if (out->pages.empty()) {
    if (error) *error = QStringLiteral("rapor sayfası yok");
    return false;
  }
  return true;
}

bool load(const QString& path, Template* out, QString* error) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    if (error) *error = f.errorString();
    return false;
  }
  const QByteArray bytes = f.readAll();
  // Compressed and binary templates start with anything but markup.
  const QByteArray head = bytes.left(64).trimmed();
  if (!head.startsWith('<') && !head.startsWith("\xEF\xBB\xBF<")) {
    if (error) *error = QStringLiteral("sıkıştırılmış ya da ikili şablon okunamaz");
    return false;
  }
  if (!parse(bytes, out, error)) return false;
  out->path = path;
  return true;
}

namespace {
QString fmt(double v) { return QString::number(v, 'f', 5).remove(QRegularExpression(QStringLiteral("\\.?0+$"))); }

void writeObj(Obj& o) {
  QDomElement& e = o.element;
  e.setAttribute(QStringLiteral("Name"), o.name);
  e.setAttribute(QStringLiteral("Left"), fmt(o.rect.left()));
  e.setAttribute(QStringLiteral("Top"), fmt(o.rect.top()));
  e.setAttribute(QStringLiteral("Width"), fmt(o.rect.width()));
  e.setAttribute(QStringLiteral("Height"), fmt(o.rect.height()));
  if (o.kind != ObjKind::Memo) return;
  e.setAttribute(QStringLiteral("Text"), o.text);
  e.setAttribute(QStringLiteral("Font.Name"), o.font.family());
  e.setAttribute(QStringLiteral("Font.Height"), QString::number(-o.font.pixelSize()));
  e.setAttribute(QStringLiteral("Font.Style"),
                 QString::number((o.font.bold() ? 1 : 0) | (o.font.italic() ? 2 : 0) | (o.font.underline() ? 4 : 0) |
                                 (o.font.strikeOut() ? 8 : 0)));
  e.setAttribute(QStringLiteral("Font.Color"), tcolorText(o.color));
  const Qt::Alignment h = o.align & Qt::AlignHorizontal_Mask, v = o.align & Qt::AlignVertical_Mask;
  e.setAttribute(QStringLiteral("HAlign"), o.justify ? QStringLiteral("haBlock")
                                           : h == Qt::AlignRight ? QStringLiteral("haRight")
                                           : h == Qt::AlignHCenter ? QStringLiteral("haCenter")
                                                                   : QStringLiteral("haLeft"));
  e.setAttribute(QStringLiteral("VAlign"), v == Qt::AlignBottom ? QStringLiteral("vaBottom")
                                           : v == Qt::AlignVCenter ? QStringLiteral("vaCenter")
                                                                   : QStringLiteral("vaTop"));
  if (!o.formatKind.isEmpty() || e.hasAttribute(QStringLiteral("DisplayFormat.Kind")))
    e.setAttribute(QStringLiteral("DisplayFormat.Kind"), o.formatKind);
  if (!o.formatStr.isEmpty() || e.hasAttribute(QStringLiteral("DisplayFormat.FormatStr")))
    e.setAttribute(QStringLiteral("DisplayFormat.FormatStr"), o.formatStr);
}
}  // namespace

bool save(Template& t, const QString& path, QString* error) {
  for (Page& p : t.pages)
    for (Band& b : p.bands) {
      b.element.setAttribute(QStringLiteral("Name"), b.name);
      b.element.setAttribute(QStringLiteral("Top"), fmt(b.top));
      b.element.setAttribute(QStringLiteral("Height"), fmt(b.height));
      for (Obj& o : b.objs) writeObj(o);
    }
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) {
    if (error) *error = f.errorString();
    return false;
  }
  QByteArray bytes = t.doc.toByteArray(2);
  if (!bytes.startsWith("<?xml")) bytes.prepend("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n");
  f.write(bytes);
  if (!f.commit()) {
    if (error) *error = f.errorString();
    return false;
  }
  t.path = path;
  return true;
}

Obj& addMemo(Template& t, Page&, Band& band, const QRectF& rect, const QString& text) {
  Obj o;
  o.kind = ObjKind::Memo;
  // A name no memo of the template has yet.
  QStringList taken;
  const QDomNodeList all = t.doc.elementsByTagName(QStringLiteral("TfrxMemoView"));
  for (int i = 0; i < all.size(); ++i) taken << all.at(i).toElement().attribute(QStringLiteral("Name"));
  int n = 1;
  while (taken.contains(QStringLiteral("Memo%1").arg(n))) ++n;
  o.name = QStringLiteral("Memo%1").arg(n);
  o.rect = rect;
  o.text = text;
  o.font = QFont(QStringLiteral("Arial"));
  o.font.setPixelSize(13);
  o.element = t.doc.createElement(QStringLiteral("TfrxMemoView"));
  band.element.appendChild(o.element);
  band.objs.push_back(o);
  return band.objs.back();
}

Band& addBand(Template& t, Page& page, BandKind kind, double height) {
  Band b;
  b.kind = kind;
  b.type = bandTypeName(kind);
  b.name = b.type.mid(4) + QString::number(page.bands.size() + 1);
  b.height = height;
  b.top = page.bands.empty() ? 0 : page.bands.back().top + page.bands.back().height + 4;
  b.element = t.doc.createElement(b.type);
  if (kind == BandKind::MasterData || kind == BandKind::DetailData) {
    const QString ds = kind == BandKind::MasterData ? QStringLiteral("frxDBDataset1") : QStringLiteral("frxDBDataset2");
    b.dataSet = ds;
    b.element.setAttribute(QStringLiteral("DataSet"), ds);
    b.element.setAttribute(QStringLiteral("DataSetName"), ds);
  }
  page.element.appendChild(b.element);
  page.bands.push_back(b);
  return page.bands.back();
}

void removeObject(Band& band, size_t index) {
  if (index >= band.objs.size()) return;
  band.element.removeChild(band.objs[index].element);
  band.objs.erase(band.objs.begin() + long(index));
}

void removeBand(Page& page, size_t index) {
  if (index >= page.bands.size()) return;
  page.element.removeChild(page.bands[index].element);
  page.bands.erase(page.bands.begin() + long(index));
}

QString bandTypeName(BandKind kind) {
  switch (kind) {
    case BandKind::ReportTitle: return QStringLiteral("TfrxReportTitle");
    case BandKind::PageHeader: return QStringLiteral("TfrxPageHeader");
    case BandKind::Header: return QStringLiteral("TfrxHeader");
    case BandKind::GroupHeader: return QStringLiteral("TfrxGroupHeader");
    case BandKind::MasterData: return QStringLiteral("TfrxMasterData");
    case BandKind::DetailData: return QStringLiteral("TfrxDetailData");
    case BandKind::GroupFooter: return QStringLiteral("TfrxGroupFooter");
    case BandKind::Footer: return QStringLiteral("TfrxFooter");
    case BandKind::PageFooter: return QStringLiteral("TfrxPageFooter");
    case BandKind::ReportSummary: return QStringLiteral("TfrxReportSummary");
    case BandKind::Unknown: break;
  }
  return QStringLiteral("TfrxBand");
}

}  // namespace report
