#include "report/expr.h"
#include "report/report.h"

#include <QFile>
#include <QFontMetricsF>
#include <QTextOption>
#include <unordered_map>

namespace report {
namespace {

const double kPxPerMm = 96.0 / 25.4;

// A data band with the bands that belong to it.
struct Block {
  const Band* header = nullptr;
  std::vector<const Band*> groupHeaders;  // outermost first
  const Band* master = nullptr;
  std::vector<const Band*> details;
  std::vector<const Band*> groupFooters;  // innermost first
  const Band* footer = nullptr;
};

class Engine {
 public:
  Engine(const Template& t, const Datasets& d) : t_(t) { ctx_.data = &d; }

  Prepared run() {
    ctx_.aggregate = [this](const QString& fn, const expr::NodePtr& arg, const QString& band) {
      return aggregate(fn, arg, band);
    };
    for (const QString& u : t_.unsupported) out_.notes << u;
    for (const Page& page : t_.pages) runPage(page);
    const QString total = QString::number(out_.pages.size());
    for (OutPage& p : out_.pages)
      for (Item& i : p.items)
        if (i.text.contains(expr::kTotalPagesMarker)) i.text.replace(expr::kTotalPagesMarker, total);
    out_.notes.removeDuplicates();
    return std::move(out_);
  }

 private:
  // ---- structure -------------------------------------------------------------------
  static std::vector<Block> blocks(const Page& page) {
    std::vector<Block> out;
    Block pending;
    std::vector<const Band*> footers;
    auto flush = [&] {
      if (pending.master) out.push_back(pending);
      pending = Block{};
    };
    for (const Band& b : page.bands) {
      switch (b.kind) {
        case BandKind::Header:
          if (pending.master) flush();
          pending.header = &b;
          break;
        case BandKind::GroupHeader:
          if (pending.master) flush();
          pending.groupHeaders.push_back(&b);
          break;
        case BandKind::MasterData:
          if (pending.master) flush();
          pending.master = &b;
          break;
        case BandKind::DetailData:
          if (pending.master) pending.details.push_back(&b);
          break;
        case BandKind::GroupFooter:
          if (pending.master) pending.groupFooters.push_back(&b);
          break;
        case BandKind::Footer:
          if (pending.master) {
            pending.footer = &b;
            flush();
          }
          break;
        default:
          break;
      }
    }
    flush();
    return out;
  }

  int rowsOf(const Band& b) const {
    if (b.dataSet.isEmpty()) return b.rowCount;
    auto it = ctx_.data->find(b.dataSet);
    if (it == ctx_.data->end() || !it->second) return 0;
    return int(it->second->rows.size());
  }

  // ---- pages -----------------------------------------------------------------------
  void runPage(const Page& page) {
    page_ = &page;
    pageHeaders_.clear();
    pageFooters_.clear();
    footerHeight_ = 0;
    for (const Band& b : page.bands) {
      if (b.kind == BandKind::PageHeader) pageHeaders_.push_back(&b);
      if (b.kind == BandKind::PageFooter) {
        pageFooters_.push_back(&b);
        footerHeight_ += b.height;
      }
    }
    newPage();
    for (const Band& b : page.bands)
      if (b.kind == BandKind::ReportTitle) print(b);
    for (const Block& block : blocks(page)) runBlock(block);
    for (const Band& b : page.bands)
      if (b.kind == BandKind::ReportSummary) print(b);
    finishPage();
  }

  double bottomLimit() const { return page_->heightPx() - page_->bottomMm * kPxPerMm - footerHeight_; }

  void newPage() {
    if (cur_) finishPage();
    out_.pages.push_back(OutPage{page_->widthPx(), page_->heightPx(), {}});
    cur_ = &out_.pages.back();
    ctx_.page = int(out_.pages.size());
    y_ = page_->topMm * kPxPerMm;
    pageRows_.clear();
    for (const Band* h : pageHeaders_) place(*h, measure(*h));
  }

  void finishPage() {
    if (!cur_) return;
    y_ = bottomLimit();
    for (const Band* f : pageFooters_) place(*f, f->height);
    cur_ = nullptr;
  }

  // ---- data ------------------------------------------------------------------------
  void runBlock(const Block& b) {
    const Band& m = *b.master;
    const int rows = rowsOf(m);
    if (!m.dataSet.isEmpty() && ctx_.data->find(m.dataSet) == ctx_.data->end())
      out_.notes << QStringLiteral("%1: %2 veri kümesi bağlı değil").arg(m.name, m.dataSet);
    allRows_.clear();
    if (b.header) print(*b.header);
    const size_t levels = b.groupHeaders.size();
    std::vector<QVariant> groupValue(levels);
    groupRows_.assign(levels, {});
    bool first = true;
    int line = 0;
    for (int r = 0; r < rows; ++r) {
      ctx_.row[m.dataSet] = r;
      if (!passes(m)) continue;
      // The outermost group whose condition changed closes every group inside it.
      size_t changed = levels;
      for (size_t g = 0; g < levels; ++g) {
        const QVariant v = value(b.groupHeaders[g]->condition);
        if (first || v != groupValue[g]) {
          changed = g;
          break;
        }
      }
      if (!first && changed < levels) closeGroups(b, changed, r);
      for (size_t g = changed; g < levels; ++g) {
        groupValue[g] = value(b.groupHeaders[g]->condition);
        groupRows_[g].clear();
        ctx_.row[m.dataSet] = r;
        print(*b.groupHeaders[g]);
      }
      first = false;
      ctx_.line = ++line;
      record(m.name);
      print(m, true);
      for (const Band* d : b.details) runDetail(*d);
    }
    if (!first) closeGroups(b, 0, rows);
    if (b.footer) print(*b.footer);
  }

  // Prints the footers of groups `from`.. (innermost first) for the rows before `nextRow`.
  void closeGroups(const Block& b, size_t from, int nextRow) {
    const size_t levels = b.groupHeaders.size();
    for (size_t g = levels; g-- > from;) {
      activeGroup_ = int(g);
      // Footers show values of the group's last row.
      if (nextRow > 0) ctx_.row[b.master->dataSet] = lastRowOf(g, b.master->name, nextRow - 1);
      const size_t footerIndex = levels - 1 - g;
      if (footerIndex < b.groupFooters.size()) print(*b.groupFooters[footerIndex]);
      activeGroup_ = -1;
    }
  }
  int lastRowOf(size_t g, const QString& band, int fallback) const {
    if (g < groupRows_.size()) {
      auto it = groupRows_[g].find(band);
      if (it != groupRows_[g].end() && !it->second.empty()) return it->second.back().at(masterSet(band));
    }
    return fallback;
  }
  QString masterSet(const QString& band) const {
    for (const Page& p : t_.pages)
      for (const Band& b : p.bands)
        if (b.name == band) return b.dataSet;
    return {};
  }

  void runDetail(const Band& d) {
    const int rows = rowsOf(d);
    int line = 0;
    for (int r = 0; r < rows; ++r) {
      ctx_.row[d.dataSet] = r;
      if (!passes(d)) continue;
      ctx_.line = ++line;
      record(d.name);
      print(d, true);
    }
  }

  bool passes(const Band& b) {
    if (b.filter.trimmed().isEmpty()) return true;
    return expr::truthy(value(b.filter));
  }

  void record(const QString& band) {
    allRows_[band].push_back(ctx_.row);
    pageRows_[band].push_back(ctx_.row);
    for (auto& g : groupRows_) g[band].push_back(ctx_.row);
  }

  // ---- expressions -----------------------------------------------------------------
  expr::NodePtr compiled(const QString& text) {
    auto it = cache_.find(text);
    if (it != cache_.end()) return it->second;
    QString error;
    expr::NodePtr n = expr::parse(text, &error);
    if (!n) out_.notes << QStringLiteral("İfade okunamadı: %1 (%2)").arg(text, error);
    cache_.emplace(text, n);
    return n;
  }
  QVariant value(const QString& text) {
    QString e = text.trimmed();
    if (e.startsWith(QLatin1Char('[')) && e.endsWith(QLatin1Char(']'))) e = e.mid(1, e.size() - 2);
    return expr::eval(compiled(e), ctx_);
  }

  QVariant aggregate(const QString& fn, const expr::NodePtr& arg, const QString& bandName) {
    QString band = bandName;
    if (band.isEmpty() && !allRows_.empty()) band = allRows_.begin()->first;
    const std::vector<expr::RowContext>* rows = nullptr;
    static const std::vector<expr::RowContext> none;
    if (printing_ && printing_->kind == BandKind::GroupFooter && activeGroup_ >= 0) {
      auto it = groupRows_[size_t(activeGroup_)].find(band);
      rows = it == groupRows_[size_t(activeGroup_)].end() ? &none : &it->second;
    } else if (printing_ && printing_->kind == BandKind::PageFooter) {
      auto it = pageRows_.find(band);
      rows = it == pageRows_.end() ? &none : &it->second;
    } else {
      auto it = allRows_.find(band);
      rows = it == allRows_.end() ? &none : &it->second;
    }
    if (fn == QLatin1String("COUNT")) return int(rows->size());
    const expr::RowContext saved = ctx_.row;
    double sum = 0, mn = 0, mx = 0;
    int n = 0;
    for (const auto& r : *rows) {
      ctx_.row = r;
      const QVariant v = expr::eval(arg, ctx_);
      if (v.isNull()) continue;
      const double d = v.toDouble();
      if (n == 0 || d < mn) mn = d;
      if (n == 0 || d > mx) mx = d;
      sum += d;
      ++n;
    }
    ctx_.row = saved;
    if (fn == QLatin1String("SUM")) return sum;
    if (n == 0) return QVariant();
    if (fn == QLatin1String("MIN")) return mn;
    if (fn == QLatin1String("MAX")) return mx;
    return sum / n;
  }

  // Memo text with each [expression] replaced by its formatted value.
  QString memoText(const Obj& o) {
    if (o.text.isEmpty() && !o.dataField.isEmpty())
      return expr::format(value(o.dataSet + QStringLiteral(".\"") + o.dataField + QLatin1Char('"')), o.formatKind, o.formatStr);
    QString out;
    const QString& s = o.text;
    qsizetype i = 0;
    while (i < s.size()) {
      if (s[i] != QLatin1Char('[')) {
        out += s[i++];
        continue;
      }
      int depth = 0;
      qsizetype j = i;
      bool quote = false;
      for (; j < s.size(); ++j) {
        const QChar c = s[j];
        if (c == QLatin1Char('\'')) quote = !quote;
        if (quote) continue;
        if (c == QLatin1Char('[')) ++depth;
        if (c == QLatin1Char(']') && --depth == 0) break;
      }
      if (j >= s.size()) {
        out += s.mid(i);
        break;
      }
      out += expr::format(value(s.mid(i + 1, j - i - 1)), o.formatKind, o.formatStr);
      i = j + 1;
    }
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
  }

  // ---- bands -----------------------------------------------------------------------
  double textHeight(const Obj& o, const QString& text) const {
    QFontMetricsF fm(o.font);
    const double w = std::max(1.0, o.rect.width() - 4);
    const QRectF r = fm.boundingRect(QRectF(0, 0, w, 1e6), (o.wordWrap ? Qt::TextWordWrap : 0) | Qt::AlignLeft, text);
    return r.height() + 4;
  }

  // The band's height with stretching memos grown to their text.
  double measure(const Band& b) {
    if (!b.stretched) return b.height;
    double h = b.height;
    printing_ = &b;
    for (const Obj& o : b.objs)
      if (o.kind == ObjKind::Memo && o.stretch) h = std::max(h, o.rect.top() + textHeight(o, memoText(o)));
    printing_ = nullptr;
    return h;
  }

  void print(const Band& b, bool dataLine = false) {
    printing_ = &b;
    const double h = measure(b);
    printing_ = &b;
    const bool onFreshPage = cur_->items.empty() || y_ <= page_->topMm * kPxPerMm + 0.5;
    if ((b.startNewPage && !onFreshPage) || (y_ + h > bottomLimit() && !onFreshPage)) {
      const auto rows = ctx_.row;
      newPage();
      ctx_.row = rows;
      printing_ = &b;
    }
    QStringList line = place(b, h);
    if (dataLine) out_.lines.push_back(line);
    printing_ = nullptr;
  }

  QStringList place(const Band& b, double h) {
    const Band* saved = printing_;
    printing_ = &b;
    const double x0 = page_->leftMm * kPxPerMm;
    std::vector<std::pair<double, QString>> texts;
    for (const Obj& o : b.objs) {
      Item it;
      it.kind = o.kind;
      it.rect = o.rect.translated(x0, y_);
      it.font = o.font;
      it.color = o.color;
      it.fill = o.fill;
      it.align = o.align;
      it.justify = o.justify;
      it.wordWrap = o.wordWrap;
      it.frameTyp = o.frameTyp;
      it.frameWidth = o.frameWidth;
      it.frameColor = o.frameColor;
      it.shape = o.shape;
      it.diagonal = o.diagonal;
      if (o.kind == ObjKind::Memo) {
        it.text = memoText(o);
        if (o.stretch && b.stretched) it.rect.setHeight(std::max(o.rect.height(), h - o.rect.top()));
        texts.emplace_back(o.rect.left(), it.text);
      } else if (o.kind == ObjKind::Picture) {
        it.picture = picture(o);
      }
      cur_->items.push_back(std::move(it));
    }
    y_ += h;
    printing_ = saved;
    std::sort(texts.begin(), texts.end(), [](const auto& a, const auto& c) { return a.first < c.first; });
    QStringList line;
    for (const auto& t : texts) line << t.second;
    return line;
  }

  QImage picture(const Obj& o) {
    if (!o.dataField.isEmpty()) {
      const QVariant v = value(o.dataSet + QStringLiteral(".\"") + o.dataField + QLatin1Char('"'));
      QImage img;
      img.loadFromData(v.toByteArray());
      return img;
    }
    if (o.fileLink.isEmpty()) return {};
    QString path = o.fileLink;
    if (path.contains(QLatin1Char('['))) {
      Obj tmp = o;
      tmp.text = path;
      tmp.formatKind.clear();
      path = memoText(tmp);
    }
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QImage(path);
  }

  const Template& t_;
  Prepared out_;
  expr::Context ctx_;
  const Page* page_ = nullptr;
  OutPage* cur_ = nullptr;
  double y_ = 0;
  double footerHeight_ = 0;
  std::vector<const Band*> pageHeaders_, pageFooters_;
  const Band* printing_ = nullptr;
  int activeGroup_ = -1;
  std::map<QString, std::vector<expr::RowContext>> allRows_, pageRows_;
  std::vector<std::map<QString, std::vector<expr::RowContext>>> groupRows_;
  std::unordered_map<QString, expr::NodePtr> cache_;
};

}  // namespace

Prepared prepare(const Template& t, const Datasets& data) { return Engine(t, data).run(); }

}  // namespace report
