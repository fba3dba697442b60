#include "report/report.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextOption>

namespace report {

void paintPage(QPainter& p, const OutPage& page, double scale) {
  p.save();
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  for (const Item& it : page.items) {
    const QRectF r = it.rect;
    QPen pen(it.frameColor, it.frameWidth);
    switch (it.kind) {
      case ObjKind::Line:
        p.setPen(pen);
        if (it.diagonal) p.drawLine(r.topLeft(), r.bottomRight());
        else if (r.height() <= 0.5) p.drawLine(r.topLeft(), r.topRight());
        else p.drawLine(r.topLeft(), r.bottomLeft());
        continue;
      case ObjKind::Shape:
        p.setPen(pen);
        p.setBrush(it.fill.isValid() ? QBrush(it.fill) : Qt::NoBrush);
        if (it.shape == QLatin1String("skEllipse")) p.drawEllipse(r);
        else if (it.shape == QLatin1String("skRoundRectangle")) p.drawRoundedRect(r, 6, 6);
        else p.drawRect(r);
        p.setBrush(Qt::NoBrush);
        continue;
      case ObjKind::Picture:
        if (!it.picture.isNull()) {
          QSizeF s = it.picture.size();
          s.scale(r.size(), it.keepAspect ? Qt::KeepAspectRatio : Qt::IgnoreAspectRatio);
          p.drawImage(QRectF(r.topLeft(), s), it.picture);
        }
        continue;
      case ObjKind::Memo:
        break;
    }
    if (it.fill.isValid()) p.fillRect(r, it.fill);
    if (!it.text.isEmpty()) {
      p.setFont(it.font);
      p.setPen(it.color);
      QTextOption opt(it.justify ? Qt::Alignment(Qt::AlignJustify) | (it.align & Qt::AlignVertical_Mask) : it.align);
      opt.setWrapMode(it.wordWrap ? QTextOption::WordWrap : QTextOption::NoWrap);
      const QRectF inner = r.adjusted(2, 1, -2, -1);
      p.save();
      p.setClipRect(r.adjusted(0, 0, 1, 1));
      // QTextOption ignores vertical alignment: place the text block ourselves.
      const QRectF need = p.boundingRect(inner, int(it.align | (it.wordWrap ? Qt::TextWordWrap : 0)), it.text);
      QRectF target = inner;
      if (it.align & Qt::AlignBottom) target.setTop(inner.bottom() - need.height());
      else if (it.align & Qt::AlignVCenter) target.setTop(inner.top() + (inner.height() - need.height()) / 2);
      target.setHeight(std::max(need.height(), inner.height()));
      opt.setAlignment((opt.alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
      p.drawText(target, it.text, opt);
      p.restore();
    }
    if (it.frameTyp) {
      p.setPen(pen);
      if (it.frameTyp & 1) p.drawLine(r.topLeft(), r.bottomLeft());
      if (it.frameTyp & 2) p.drawLine(r.topRight(), r.bottomRight());
      if (it.frameTyp & 4) p.drawLine(r.topLeft(), r.topRight());
      if (it.frameTyp & 8) p.drawLine(r.bottomLeft(), r.bottomRight());
    }
  }
  p.restore();
}

bool exportPdf(const Prepared& r, const QString& path, QString* error) {
  if (r.pages.empty()) {
    if (error) *error = QStringLiteral("Raporda sayfa yok.");
    return false;
  }
  QPdfWriter writer(path);
  writer.setResolution(300);
  writer.setCreator(QStringLiteral("Ordavin"));
  auto layoutFor = [](const OutPage& pg) {
    const QSizeF mm(pg.width * 25.4 / 96.0, pg.height * 25.4 / 96.0);
    return QPageLayout(QPageSize(mm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch), QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
  };
  writer.setPageLayout(layoutFor(r.pages.front()));
  QPainter p;
  if (!p.begin(&writer)) {
    if (error) *error = QStringLiteral("%1 dosyası yazılamadı.").arg(path);
    return false;
  }
  for (size_t i = 0; i < r.pages.size(); ++i) {
    if (i > 0) {
      writer.setPageLayout(layoutFor(r.pages[i]));
      writer.newPage();
    }
    paintPage(p, r.pages[i], 300.0 / 96.0);
  }
  p.end();
  return true;
}

QImage renderPage(const OutPage& page, double zoom) {
  QImage img(int(page.width * zoom), int(page.height * zoom), QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  paintPage(p, page, zoom);
  return img;
}

}  // namespace report
