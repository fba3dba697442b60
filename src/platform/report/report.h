// The report engine: banded templates in the XML form of ".fr3" files, laid out over
// named datasets into pages, shown in a preview, printed and exported to PDF.
//
// The subset of the .fr3 format this engine reads
// ------------------------------------------------
// Root <TfrxReport>; its ScriptText.Text, when it holds more than an empty begin/end, is
// not run (the preview's status line says so). <Datasets>, <Variables> and TfrxDataPage
// are read past. Pages: <TfrxReportPage> with PaperWidth, PaperHeight (mm), Orientation
// (poPortrait / poLandscape), LeftMargin, RightMargin, TopMargin, BottomMargin (mm).
// Bands, children of a page, laid out by kind (their Top only orders bands of one kind):
//   TfrxReportTitle, TfrxPageHeader, TfrxHeader, TfrxGroupHeader (Condition),
//   TfrxMasterData (DataSet / DataSetName, Filter, RowCount), TfrxDetailData (same;
//   its Filter links it to the master row), TfrxGroupFooter, TfrxFooter, TfrxPageFooter,
//   TfrxReportSummary. Band attributes: Name, Top, Height, Stretched, StartNewPage.
//   Any other band is named in the status line and not printed.
// Objects, children of a band, positioned in pixels at 96 per inch relative to the band:
//   TfrxMemoView: Left, Top, Width, Height, Text (line breaks as &#13;&#10;), Font.Name,
//     Font.Height (negative: pixels), Font.Style (1 bold, 2 italic, 4 underline),
//     Font.Color, Color (fill; 536870911 = none), HAlign (haLeft/haRight/haCenter/haBlock),
//     VAlign (vaTop/vaCenter/vaBottom), WordWrap, StretchMode (smMaxHeight /
//     smActualHeight), Frame.Typ (1 left, 2 right, 4 top, 8 bottom), Frame.Width,
//     Frame.Color, DataSet / DataSetName + DataField (a memo without Text shows the field),
//     DisplayFormat.Kind (fkText / fkNumeric / fkDateTime), DisplayFormat.FormatStr
//     (Delphi formats: %2.2n with thousands, %2.2f, %g, %d; dd.mm.yyyy hh:nn:ss).
//   TfrxLineView: Left, Top, Width, Height (a line from the top-left corner along the
//     width or height), Frame.Width, Frame.Color, Diagonal.
//   TfrxShapeView: Shape (skRectangle, skRoundRectangle, skEllipse), Frame.*, Color.
//   TfrxPictureView: FileLink (a file, may hold an expression in [ ]) or DataField of a
//     dataset (picture bytes); Stretched, KeepAspectRatio. Embedded Picture.PropData is
//     not decoded.
//   Any other object is named in the status line and not drawn.
// Colours are Delphi TColor numbers ($00BBGGRR) or the clXxx names.
// Expressions inside [ ] in memo text (and in Condition, Filter and FileLink):
//   dataset fields frxDBDataset1."FIELD" with or without < >, Date, Time, Page#,
//   TotalPages#, Line#, numbers, 'texts', + - * / with brackets, comparisons = <> < > <= >=,
//   and / or / not, and the aggregates SUM, MIN, MAX, AVG (<field expression>, Band) and
//   COUNT(Band). An aggregate sums the rows of the enclosing group in a group footer, the
//   rows of the page in a page footer, and all rows elsewhere.
// Text files that are not XML (compressed or binary templates) cannot be read.
// The engine never writes a template; only the designer's save does, through QSaveFile,
// keeping every element and attribute it does not edit.
#pragma once
#include <QColor>
#include <QDomDocument>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

namespace report {

// ---- the template ------------------------------------------------------------------
enum class ObjKind { Memo, Line, Shape, Picture };
enum class BandKind {
  ReportTitle, PageHeader, Header, GroupHeader, MasterData, DetailData, GroupFooter, Footer, PageFooter,
  ReportSummary, Unknown };

struct Obj {
  ObjKind kind = ObjKind::Memo;
  QString name;
  QRectF rect;  // pixels, relative to the band
  QString text;
  QFont font;
  QColor color = Qt::black;  // text
  QColor fill;               // invalid: none
  Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
  bool justify = false;
  bool wordWrap = true;
  bool stretch = false;
  int frameTyp = 0;
  double frameWidth = 1;
  QColor frameColor = Qt::black;
  QString dataSet, dataField;
  QString formatKind, formatStr;
  QString shape;     // shapes
  bool diagonal = false;
  QString fileLink;  // pictures
  QDomElement element;  // where it came from (the designer writes back here)
};

struct Band {
  BandKind kind = BandKind::Unknown;
  QString type;  // element name
  QString name;
  double top = 0, height = 0;
  QString dataSet, condition, filter;
  int rowCount = 0;
  bool stretched = false, startNewPage = false;
  std::vector<Obj> objs;
  QDomElement element;
};

struct Page {
  QString name;
  double widthMm = 210, heightMm = 297;
  double leftMm = 10, rightMm = 10, topMm = 10, bottomMm = 10;
  bool landscape = false;
  std::vector<Band> bands;
  QDomElement element;
  double widthPx() const;
  double heightPx() const;
};

struct Template {
  QString path;
  std::vector<Page> pages;
  QStringList unsupported;  // what is read past: scripts, unknown objects and bands
  QDomDocument doc;
};

// Reads a template file; false with *error when it cannot be read at all.
bool load(const QString& path, Template* out, QString* error);
bool parse(const QByteArray& xml, Template* out, QString* error);
// Writes the template's current model back into its document and saves it atomically.
bool save(Template& t, const QString& path, QString* error);
// Adds a memo to a band / a band to a page (designer), with a fresh document element.
Obj& addMemo(Template& t, Page& page, Band& band, const QRectF& rect, const QString& text);
Band& addBand(Template& t, Page& page, BandKind kind, double height);
void removeObject(Band& band, size_t index);
void removeBand(Page& page, size_t index);
QString bandTypeName(BandKind kind);

// ---- datasets and the prepared report ----------------------------------------------
struct Dataset {
  std::vector<QSqlRecord> rows;
};
using Datasets = std::map<QString, const Dataset*>;  // by name, e.g. "frxDBDataset1"

struct Item {
  ObjKind kind = ObjKind::Memo;
  QRectF rect;  // pixels on the page
  QString text;
  QFont font;
  QColor color, fill;
  Qt::Alignment align;
  bool justify = false, wordWrap = true;
  int frameTyp = 0;
  double frameWidth = 1;
  QColor frameColor;
  QString shape;
  bool diagonal = false;
  QImage picture;
  bool keepAspect = true;
};

struct OutPage {
  double width = 0, height = 0;  // pixels
  std::vector<Item> items;
};

struct Prepared {
  std::vector<OutPage> pages;
  QStringList notes;  // the status line: what was not supported
  // One row of memo texts per printed master/detail line, for spreadsheet export.
  std::vector<QStringList> lines;
};

// Lays the template out over the datasets.
Prepared prepare(const Template& t, const Datasets& data);

// Paints one page scaled to the painter's device (pixels at 96 per inch are scaled).
void paintPage(QPainter& p, const OutPage& page, double scale);
// Writes every page to a PDF file.
bool exportPdf(const Prepared& r, const QString& path, QString* error);
// Renders one page into an image at a zoom (1.0 = 96 per inch).
QImage renderPage(const OutPage& page, double zoom);

}  // namespace report
