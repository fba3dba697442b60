#include "report/preview.h"

#include "sheet/sheet.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"

#include <QHBoxLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

namespace report {

PreviewWindow::PreviewWindow(Prepared prepared, QWidget* parent) : QDialog(parent), prepared_(std::move(prepared)) {
  setObjectName(QStringLiteral("frxPreview"));
  setWindowTitle(QStringLiteral("Önizleme"));
  auto* lay = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  btn_print = ui::button(this, "btn_print", QStringLiteral("Yazdır"), bar);
  btn_pagesetup = ui::button(this, "btn_pagesetup", QStringLiteral("Sayfa Ayarı"), bar);
  btn_pdf = ui::button(this, "btn_pdf", QStringLiteral("PDF"), bar);
  btn_excel = ui::button(this, "btn_excel", QStringLiteral("Excel"), bar);
  cmb_zoom = new QComboBox(this);
  cmb_zoom->setObjectName(QStringLiteral("cmb_zoom"));
  for (int z : {50, 75, 100, 125, 150, 200}) cmb_zoom->addItem(QStringLiteral("%%1").arg(z), z / 100.0);
  cmb_zoom->setCurrentIndex(2);
  bar->addWidget(cmb_zoom);
  edt_find = new QLineEdit(this);
  edt_find->setObjectName(QStringLiteral("edt_find"));
  edt_find->setPlaceholderText(QStringLiteral("Bul"));
  bar->addWidget(edt_find);
  btn_find = ui::button(this, "btn_find", QStringLiteral("Bul"), bar);
  bar->addStretch();
  btn_first = ui::button(this, "btn_first", QStringLiteral("|<"), bar);
  btn_prev = ui::button(this, "btn_prev", QStringLiteral("<"), bar);
  lbl_page = new QLabel(this);
  lbl_page->setObjectName(QStringLiteral("lbl_page"));
  bar->addWidget(lbl_page);
  btn_next = ui::button(this, "btn_next", QStringLiteral(">"), bar);
  btn_last = ui::button(this, "btn_last", QStringLiteral(">|"), bar);
  btn_close = ui::button(this, "btn_close", QStringLiteral("Kapat"), bar);
  lay->addLayout(bar);
  area_ = new QScrollArea(this);
  area_->setAlignment(Qt::AlignHCenter);
  area_->setBackgroundRole(QPalette::Dark);
  canvas_ = new QLabel;
  area_->setWidget(canvas_);
  lay->addWidget(area_, 1);
  lbl_status = new QLabel(this);
  lbl_status->setObjectName(QStringLiteral("lbl_status"));
  lbl_status->setWordWrap(true);
  lbl_status->setText(prepared_.notes.isEmpty()
                          ? QString()
                          : QStringLiteral("Desteklenmeyen: ") + prepared_.notes.join(QStringLiteral("; ")));
  lay->addWidget(lbl_status);

  connect(btn_first, &QPushButton::clicked, this, [this] { showPage(0); });
  connect(btn_prev, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
  connect(btn_next, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
  connect(btn_last, &QPushButton::clicked, this, [this] { showPage(int(prepared_.pages.size()) - 1); });
  connect(btn_close, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmb_zoom, &QComboBox::currentIndexChanged, this, [this] { setZoom(cmb_zoom->currentData().toDouble()); });
  connect(btn_find, &QPushButton::clicked, this, [this] {
    if (!find(edt_find->text())) ui::Dialogs::message(QStringLiteral("\"%1\" bulunamadı.").arg(edt_find->text()));
  });
  connect(edt_find, &QLineEdit::returnPressed, btn_find, &QPushButton::click);
  connect(btn_print, &QPushButton::clicked, this, [this] { print(); });
  connect(btn_pagesetup, &QPushButton::clicked, this, [this] {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPageSetupDialog dlg(printer_.get(), this);
    dlg.exec();
  });
  connect(btn_pdf, &QPushButton::clicked, this, [this] {
    ui::runHandler([this] {
      const QString path = ui::Dialogs::saveFile(QStringLiteral("PDF Olarak Kaydet"), QStringLiteral("PDF (*.pdf)"));
      if (path.isEmpty()) return;
      QString error;
      if (!savePdf(path, &error)) ui::Dialogs::error(error);
    });
  });
  connect(btn_excel, &QPushButton::clicked, this, [this] {
    ui::runHandler([this] {
      const QString path =
          ui::Dialogs::saveFile(QStringLiteral("Excel Olarak Kaydet"), QStringLiteral("Excel Dosyaları (*.xls *.xlsx)"));
      if (path.isEmpty()) return;
      QString error;
      if (!saveSheet(path, &error)) ui::Dialogs::error(error);
    });
  });
  resize(1000, 760);
  showPage(0);
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::showPage(int index) {
  if (prepared_.pages.empty()) {
    lbl_page->setText(QStringLiteral("0 / 0"));
    canvas_->clear();
    return;
  }
  page_ = std::clamp(index, 0, int(prepared_.pages.size()) - 1);
  const QImage img = renderPage(prepared_.pages[size_t(page_)], zoom_);
  canvas_->setPixmap(QPixmap::fromImage(img));
  canvas_->resize(img.size());
  lbl_page->setText(QStringLiteral("%1 / %2").arg(page_ + 1).arg(prepared_.pages.size()));
}

void PreviewWindow::setZoom(double zoom) {
  zoom_ = std::clamp(zoom, 0.25, 4.0);
  showPage(page_);
}

bool PreviewWindow::find(const QString& text) {
  if (text.isEmpty() || prepared_.pages.empty()) return false;
  const int n = int(prepared_.pages.size());
  for (int k = 1; k <= n; ++k) {
    const int i = (page_ + k) % n;
    for (const Item& it : prepared_.pages[size_t(i)].items)
      if (it.text.contains(text, Qt::CaseInsensitive)) {
        showPage(i);
        return true;
      }
  }
  return false;
}

bool PreviewWindow::savePdf(const QString& path, QString* error) const { return exportPdf(prepared_, path, error); }

bool PreviewWindow::saveSheet(const QString& path, QString* error) const {
  sheet::Table t;
  size_t width = 0;
  for (const QStringList& l : prepared_.lines) width = std::max(width, size_t(l.size()));
  for (size_t c = 0; c < width; ++c) t.columns.push_back({QString::number(c + 1)});
  for (const QStringList& l : prepared_.lines) {
    std::vector<QVariant> row;
    for (const QString& s : l) row.emplace_back(s);
    t.rows.push_back(row);
  }
  return sheet::write(path, t, error);
}

void PreviewWindow::print() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dlg(printer_.get(), this);
  if (dlg.exec() != QDialog::Accepted) return;
  QPainter p;
  if (!p.begin(printer_.get())) {
    ui::Dialogs::error(QStringLiteral("Yazıcı açılamadı."));
    return;
  }
  const double scale = printer_->resolution() / 96.0;
  for (size_t i = 0; i < prepared_.pages.size(); ++i) {
    if (i > 0) printer_->newPage();
    paintPage(p, prepared_.pages[i], scale);
  }
  p.end();
}

}  // namespace report
