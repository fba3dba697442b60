#include "report/designer.h"

#include "report/preview.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

#include <QFormLayout>
#include <QGraphicsRectItem>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace report {
namespace {

const double kPxPerMm = 96.0 / 25.4;
const double kGap = 18;  // space between bands on the canvas, for their captions

// An object on the canvas: dragged to move, dragged by its lower right corner to resize.
class ObjItem : public QGraphicsRectItem {
 public:
  ObjItem(Designer* d, int band, int obj, const QRectF& r, const QString& text)
      : QGraphicsRectItem(r), d_(d), band_(band), obj_(obj) {
    setFlags(ItemIsSelectable);
    setPen(QPen(QColor(90, 90, 160), 0, Qt::DashLine));
    setBrush(QColor(230, 235, 250, 160));
    auto* label = new QGraphicsSimpleTextItem(text.left(60), this);
    label->setPos(r.topLeft() + QPointF(2, 1));
    label->setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
  }

 protected:
  void mousePressEvent(QGraphicsSceneMouseEvent* e) override {
    d_->select(band_, obj_);
    start_ = e->scenePos();
    origin_ = rect();
    resizing_ = (rect().bottomRight() - e->pos()).manhattanLength() < 8;
    e->accept();
  }
  void mouseMoveEvent(QGraphicsSceneMouseEvent* e) override {
    const QPointF delta = e->scenePos() - start_;
    QRectF r = origin_;
    if (resizing_) r.setBottomRight(r.bottomRight() + delta);
    else r.translate(delta);
    if (r.width() < 4 || r.height() < 4) return;
    setRect(r);
  }
  void mouseReleaseEvent(QGraphicsSceneMouseEvent*) override { d_->itemMoved(band_, obj_, rect()); }

 private:
  Designer* d_;
  int band_, obj_;
  QPointF start_;
  QRectF origin_;
  bool resizing_ = false;
};

const std::pair<BandKind, const char*> kBandChoices[] = {
    {BandKind::ReportTitle, "Rapor Başlığı"}, {BandKind::PageHeader, "Sayfa Başlığı"}, {BandKind::Header, "Başlık"},
    {BandKind::GroupHeader, "Grup Başlığı"},  {BandKind::MasterData, "Ana Veri"},      {BandKind::DetailData, "Detay Veri"},
    {BandKind::GroupFooter, "Grup Sonu"},     {BandKind::Footer, "Veri Sonu"},         {BandKind::PageFooter, "Sayfa Sonu"},
    {BandKind::ReportSummary, "Rapor Özeti"}};
}  // namespace

Designer::Designer(Template tmpl, Datasets data, QWidget* parent)
    : QDialog(parent), t_(std::move(tmpl)), data_(std::move(data)) {
  setObjectName(QStringLiteral("frxDesigner"));
  setWindowTitle(QStringLiteral("Rapor Dizayn - ") + t_.path);
  auto* lay = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  btn_metin = ui::button(this, "btn_metin", QStringLiteral("Metin Ekle"), bar);
  cmb_bant = new QComboBox(this);
  cmb_bant->setObjectName(QStringLiteral("cmb_bant"));
  for (auto [k, name] : kBandChoices) cmb_bant->addItem(QString::fromUtf8(name), int(k));
  bar->addWidget(cmb_bant);
  btn_bant = ui::button(this, "btn_bant", QStringLiteral("Bant Ekle"), bar);
  btn_sil = ui::button(this, "btn_sil", QStringLiteral("Sil"), bar);
  btn_onizle = ui::button(this, "btn_onizle", QStringLiteral("Önizle"), bar);
  btn_kaydet = ui::button(this, "btn_kaydet", QStringLiteral("Kaydet"), bar);
  bar->addStretch();
  btn_kapat = ui::button(this, "btn_kapat", QStringLiteral("Kapat"), bar);
  lay->addLayout(bar);

  auto* body = new QHBoxLayout;
  scene_ = new QGraphicsScene(this);
  canvas = new QGraphicsView(scene_, this);
  canvas->setObjectName(QStringLiteral("canvas"));
  canvas->setBackgroundBrush(QColor(200, 200, 200));
  body->addWidget(canvas, 3);
  auto* panel = new QFormLayout;
  lbl_secili = new QLabel(this);
  lbl_secili->setObjectName(QStringLiteral("lbl_secili"));
  panel->addRow(lbl_secili);
  edt_text = new QPlainTextEdit(this);
  edt_text->setObjectName(QStringLiteral("edt_text"));
  edt_text->setMaximumHeight(90);
  panel->addRow(QStringLiteral("Metin"), edt_text);
  cmb_font = new QFontComboBox(this);
  cmb_font->setObjectName(QStringLiteral("cmb_font"));
  panel->addRow(QStringLiteral("Yazı tipi"), cmb_font);
  spn_fontsize = new QSpinBox(this);
  spn_fontsize->setObjectName(QStringLiteral("spn_fontsize"));
  spn_fontsize->setRange(4, 96);
  panel->addRow(QStringLiteral("Boyut (px)"), spn_fontsize);
  chk_bold = new QCheckBox(QStringLiteral("Kalın"), this);
  chk_italic = new QCheckBox(QStringLiteral("İtalik"), this);
  auto* style = new QHBoxLayout;
  style->addWidget(chk_bold);
  style->addWidget(chk_italic);
  panel->addRow(QStringLiteral("Stil"), style);
  cmb_halign = new QComboBox(this);
  cmb_halign->addItems({QStringLiteral("Sol"), QStringLiteral("Orta"), QStringLiteral("Sağ"), QStringLiteral("İki yana")});
  panel->addRow(QStringLiteral("Yatay"), cmb_halign);
  cmb_valign = new QComboBox(this);
  cmb_valign->addItems({QStringLiteral("Üst"), QStringLiteral("Orta"), QStringLiteral("Alt")});
  panel->addRow(QStringLiteral("Dikey"), cmb_valign);
  cmb_formatkind = new QComboBox(this);
  cmb_formatkind->addItems({QString(), QStringLiteral("fkText"), QStringLiteral("fkNumeric"), QStringLiteral("fkDateTime")});
  panel->addRow(QStringLiteral("Biçim"), cmb_formatkind);
  edt_formatstr = new QLineEdit(this);
  edt_formatstr->setPlaceholderText(QStringLiteral("%2.2n  /  dd.mm.yyyy"));
  panel->addRow(QStringLiteral("Biçim metni"), edt_formatstr);
  auto spin = [&](QDoubleSpinBox*& s, const char* name, const QString& caption) {
    s = new QDoubleSpinBox(this);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(0, 5000);
    s->setDecimals(1);
    panel->addRow(caption, s);
  };
  spin(spn_left, "spn_left", QStringLiteral("Sol"));
  spin(spn_top, "spn_top", QStringLiteral("Üst"));
  spin(spn_width, "spn_width", QStringLiteral("Genişlik"));
  spin(spn_height, "spn_height", QStringLiteral("Yükseklik"));
  auto* panelWidget = new QWidget(this);
  panelWidget->setLayout(panel);
  body->addWidget(panelWidget, 1);
  lay->addLayout(body, 1);

  connect(btn_metin, &QPushButton::clicked, this, [this] { addMemo(QStringLiteral("Metin")); });
  connect(btn_bant, &QPushButton::clicked, this, [this] { addBand(BandKind(cmb_bant->currentData().toInt())); });
  connect(btn_sil, &QPushButton::clicked, this, [this] { deleteSelected(); });
  connect(btn_onizle, &QPushButton::clicked, this, [this] { preview(); });
  connect(btn_kaydet, &QPushButton::clicked, this, [this] {
    QString error;
    if (!save(&error)) ui::Dialogs::error(error);
  });
  connect(btn_kapat, &QPushButton::clicked, this, &QDialog::accept);
  // The family changes only when the user picks one: the box shows a substitute for fonts
  // this machine lacks, which must not overwrite the template's font name.
  connect(cmb_font, &QFontComboBox::activated, this, [this] {
    if (Obj* o = current(); o && !loading_) o->font.setFamily(cmb_font->currentFont().family());
  });
  for (QWidget* w : std::initializer_list<QWidget*>{spn_fontsize, chk_bold, chk_italic, cmb_halign, cmb_valign,
                                                    cmb_formatkind, edt_formatstr, spn_left, spn_top, spn_width, spn_height}) {
    if (auto* s = qobject_cast<QDoubleSpinBox*>(w)) connect(s, &QDoubleSpinBox::editingFinished, this, [this] { applyPanel(); });
    else if (auto* s2 = qobject_cast<QSpinBox*>(w)) connect(s2, &QSpinBox::editingFinished, this, [this] { applyPanel(); });
    else if (auto* c = qobject_cast<QComboBox*>(w)) connect(c, &QComboBox::activated, this, [this] { applyPanel(); });
    else if (auto* b = qobject_cast<QCheckBox*>(w)) connect(b, &QCheckBox::toggled, this, [this] { applyPanel(); });
    else if (auto* e = qobject_cast<QLineEdit*>(w)) connect(e, &QLineEdit::editingFinished, this, [this] { applyPanel(); });
  }
  connect(edt_text, &QPlainTextEdit::textChanged, this, [this] { applyPanel(); });
  resize(1200, 800);
  rebuild();
  loadPanel();
}

double Designer::bandY(int band) const {
  double y = t_.pages.front().topMm * kPxPerMm;
  for (int i = 0; i < band; ++i) y += t_.pages.front().bands[size_t(i)].height + kGap;
  return y + kGap;
}

void Designer::rebuild() {
  scene_->clear();
  if (t_.pages.empty()) return;
  const Page& p = page();
  double bottom = bandY(int(p.bands.size()));
  scene_->addRect(0, 0, p.widthPx(), std::max(p.heightPx(), bottom), QPen(Qt::gray), Qt::white);
  const double x0 = p.leftMm * kPxPerMm;
  for (size_t b = 0; b < p.bands.size(); ++b) {
    const Band& band = p.bands[b];
    const double y = bandY(int(b));
    auto* caption = scene_->addSimpleText(QStringLiteral("%1: %2").arg(band.name, band.type.mid(4)));
    caption->setPos(x0, y - kGap + 2);
    caption->setBrush(QColor(40, 60, 120));
    auto* strip = scene_->addRect(x0, y, p.widthPx() - x0 - p.rightMm * kPxPerMm, band.height,
                                  QPen(QColor(120, 140, 200)), QColor(245, 247, 255));
    strip->setData(0, int(b));
    for (size_t o = 0; o < band.objs.size(); ++o) {
      const Obj& obj = band.objs[o];
      auto* item = new ObjItem(this, int(b), int(o), obj.rect.translated(x0, y),
                               obj.kind == ObjKind::Memo ? obj.text : obj.name);
      if (int(b) == band_ && int(o) == obj_) item->setPen(QPen(Qt::red, 0));
      scene_->addItem(item);
    }
  }
}

void Designer::select(int band, int object) {
  band_ = band;
  obj_ = object;
  loadPanel();
  rebuild();
}

Obj* Designer::current() {
  if (t_.pages.empty() || band_ < 0 || size_t(band_) >= page().bands.size()) return nullptr;
  Band& b = page().bands[size_t(band_)];
  if (obj_ < 0 || size_t(obj_) >= b.objs.size()) return nullptr;
  return &b.objs[size_t(obj_)];
}

void Designer::loadPanel() {
  loading_ = true;
  Obj* o = current();
  lbl_secili->setText(o ? QStringLiteral("<b>%1</b>").arg(o->name)
                        : band_ >= 0 ? page().bands[size_t(band_)].name : QStringLiteral("Seçili nesne yok"));
  edt_text->setPlainText(o ? o->text : QString());
  if (o) {
    cmb_font->setCurrentFont(o->font);
    spn_fontsize->setValue(o->font.pixelSize());
    chk_bold->setChecked(o->font.bold());
    chk_italic->setChecked(o->font.italic());
    const Qt::Alignment h = o->align & Qt::AlignHorizontal_Mask, v = o->align & Qt::AlignVertical_Mask;
    cmb_halign->setCurrentIndex(o->justify ? 3 : h == Qt::AlignHCenter ? 1 : h == Qt::AlignRight ? 2 : 0);
    cmb_valign->setCurrentIndex(v == Qt::AlignVCenter ? 1 : v == Qt::AlignBottom ? 2 : 0);
    cmb_formatkind->setCurrentText(o->formatKind);
    edt_formatstr->setText(o->formatStr);
    spn_left->setValue(o->rect.left());
    spn_top->setValue(o->rect.top());
    spn_width->setValue(o->rect.width());
    spn_height->setValue(o->rect.height());
  }
  loading_ = false;
}

void Designer::applyPanel() {
  if (loading_) return;
  Obj* o = current();
  if (!o) return;
  o->text = edt_text->toPlainText();
  o->text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  o->font.setPixelSize(spn_fontsize->value());
  o->font.setBold(chk_bold->isChecked());
  o->font.setItalic(chk_italic->isChecked());
  const Qt::Alignment h[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignLeft};
  const Qt::Alignment v[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
  o->align = h[cmb_halign->currentIndex()] | v[cmb_valign->currentIndex()];
  o->justify = cmb_halign->currentIndex() == 3;
  o->formatKind = cmb_formatkind->currentText();
  o->formatStr = edt_formatstr->text();
  o->rect = QRectF(spn_left->value(), spn_top->value(), spn_width->value(), spn_height->value());
}

void Designer::itemMoved(int band, int object, const QRectF& sceneRect) {
  band_ = band;
  obj_ = object;
  if (Obj* o = current()) {
    o->rect = sceneRect.translated(-page().leftMm * kPxPerMm, -bandY(band));
    loadPanel();
  }
}

void Designer::moveSelected(double dx, double dy) {
  if (Obj* o = current()) {
    o->rect.translate(dx, dy);
    loadPanel();
    rebuild();
  }
}

void Designer::resizeSelected(double dw, double dh) {
  if (Obj* o = current()) {
    o->rect.setWidth(std::max(4.0, o->rect.width() + dw));
    o->rect.setHeight(std::max(4.0, o->rect.height() + dh));
    loadPanel();
    rebuild();
  }
}

void Designer::addMemo(const QString& text) {
  if (t_.pages.empty() || page().bands.empty()) {
    ui::Dialogs::message(QStringLiteral("Önce bir bant ekleyiniz."));
    return;
  }
  if (band_ < 0) band_ = 0;
  Band& b = page().bands[size_t(band_)];
  report::addMemo(t_, page(), b, QRectF(0, 0, 120, std::min(18.0, std::max(8.0, b.height))), text);
  obj_ = int(b.objs.size()) - 1;
  loadPanel();
  rebuild();
}

void Designer::addBand(BandKind kind) {
  if (t_.pages.empty()) return;
  report::addBand(t_, page(), kind, 24);
  band_ = int(page().bands.size()) - 1;
  obj_ = -1;
  loadPanel();
  rebuild();
}

void Designer::deleteSelected() {
  if (band_ < 0) return;
  if (current()) report::removeObject(page().bands[size_t(band_)], size_t(obj_));
  else report::removeBand(page(), size_t(band_));
  band_ = -1;
  obj_ = -1;
  loadPanel();
  rebuild();
}

bool Designer::save(QString* error) { return report::save(t_, t_.path, error); }

void Designer::preview() {
  PreviewWindow w(prepare(t_, data_), this);
  ui::showModal(w);
}

}  // namespace report
