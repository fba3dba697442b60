#include "grid/grid.h"

#include <QCollator>
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QFont>
#include <QHeaderView>
#include <QLocale>
#include <QApplication>
#include <QMenu>
#include <QScrollBar>
#include <QSet>
#include <QSettings>
#include <QSqlField>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

namespace grid {

namespace {
const QString kLayoutGroup = QStringLiteral("OrdavinGrid");

bool isNumber(const QVariant& v) {
  switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      return true;
    default:
      return false;
  }
}
bool isNumericType(QMetaType t) {
  switch (t.id()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
      return true;
    default:
      return false;
  }
}
QLocale turkish() { return QLocale(QLocale::Turkish, QLocale::Turkey); }

QString formatNumber(double v, int decimals) {
  if (decimals < 0) return turkish().toString(v, 'f', QLocale::FloatingPointShortest);
  return turkish().toString(v, 'f', decimals);
}
}  // namespace

std::vector<Column> columns(std::initializer_list<std::pair<const char*, const char*>> spec) {
  std::vector<Column> out;
  for (auto [field, caption] : spec) {
    Column c;
    c.field = QString::fromLatin1(field);
    c.caption = QString::fromUtf8(caption);
    out.push_back(c);
  }
  return out;
}

// ----------------------------------------------------------------------------------------
class GridModel : public QAbstractTableModel {
 public:
  enum class RowState { Clean, New, Dirty };
  struct Row {
    QSqlRecord rec;
    QSqlRecord orig;
    RowState st = RowState::Clean;
  };
  enum class DispKind { Data, GroupHead, GroupFoot };
  struct Disp {
    DispKind kind;
    int row;  // data row, or -1
    QString group;
  };

  DBGrid* grid = nullptr;
  QSqlRecord fields;
  std::vector<Row> rows;
  std::vector<Column> columns;
  bool explicitColumns = false;
  std::vector<Disp> display;
  std::function<bool(const QSqlRecord&)> filter;
  QString groupBy;
  std::vector<Summary> summaries;
  QString sortField;
  Qt::SortOrder sortOrder = Qt::AscendingOrder;
  // editing
  QString table, keyField;
  std::map<QString, QVariant> scope;
  bool readOnly = false;
  QSet<QString> writable;  // upper-case stored columns, filled on first post

  void setColumns(std::vector<Column> c) {
    beginResetModel();
    columns = std::move(c);
    explicitColumns = true;
    endResetModel();
  }

  int rowCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : int(display.size()); }
  int columnCount(const QModelIndex& p = {}) const override { return p.isValid() ? 0 : int(columns.size()); }

  QVariant headerData(int section, Qt::Orientation o, int role) const override {
    if (o != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || size_t(section) >= columns.size()) return {};
    const Column& c = columns[size_t(section)];
    return c.caption.isEmpty() ? c.field : c.caption;
  }

  QVariant raw(int row, const QString& field) const {
    if (row < 0 || size_t(row) >= rows.size()) return {};
    return rows[size_t(row)].rec.value(field);
  }

  int firstVisible() const {
    for (size_t i = 0; i < columns.size(); ++i)
      if (columns[i].visible) return int(i);
    return 0;
  }

  QString groupKey(int row) const { return raw(row, groupBy).toString(); }

  QString formatCell(const Column& c, const QVariant& v) const {
    if (v.isNull() || !v.isValid()) return {};
    if (v.typeId() == QMetaType::QDate) return v.toDate().toString(c.dateFormat);
    if (v.typeId() == QMetaType::QDateTime) return v.toDateTime().toString(c.dateFormat);
    if (isNumber(v)) {
      if (v.typeId() != QMetaType::Double && v.typeId() != QMetaType::Float && c.decimals < 0) return v.toString();
      return formatNumber(v.toDouble(), c.decimals);
    }
    return v.toString();
  }

  QVariant summaryValue(const Summary& s, const std::vector<int>& over) const {
    if (s.kind == SummaryKind::Count) return int(over.size());
    double sum = 0;
    for (int r : over) sum += raw(r, s.field).toDouble();
    return sum;
  }
  QString summaryText(const Summary& s, const std::vector<int>& over) const {
    const QVariant v = summaryValue(s, over);
    const QString n = s.kind == SummaryKind::Count ? QString::number(v.toInt()) : formatNumber(v.toDouble(), s.decimals);
    QString t = s.text;
    return t.replace(QStringLiteral("%1"), n);
  }
  std::vector<int> groupRows(const QString& group) const {
    std::vector<int> out;
    for (const Disp& d : display)
      if (d.kind == DispKind::Data && d.group == group) out.push_back(d.row);
    return out;
  }
  std::vector<int> dataRows() const {
    std::vector<int> out;
    for (const Disp& d : display)
      if (d.kind == DispKind::Data) out.push_back(d.row);
    return out;
  }

  QVariant data(const QModelIndex& idx, int role) const override {
    if (!idx.isValid()) return {};
    const Disp& d = display[size_t(idx.row())];
    const Column& c = columns[size_t(idx.column())];
    if (d.kind != DispKind::Data) {
      if (role == Qt::FontRole) {
        QFont f;
        f.setBold(true);
        return f;
      }
      if (role == Qt::BackgroundRole) return QColor(235, 235, 235);
      if (role != Qt::DisplayRole) return {};
      if (d.kind == DispKind::GroupHead) return idx.column() == firstVisible() ? d.group : QVariant();
      for (const Summary& s : summaries)
        if (s.field == c.field) return summaryText(s, groupRows(d.group));
      return {};
    }
    const QVariant v = raw(d.row, c.field);
    switch (role) {
      case Qt::DisplayRole: return formatCell(c, v);
      case Qt::EditRole: return v;
      case Qt::TextAlignmentRole:
        return isNumber(v) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
      case Qt::BackgroundRole:
        if (grid->cellColor) {
          const QColor col = grid->cellColor(rows[size_t(d.row)].rec, c.field);
          if (col.isValid()) return col;
        }
        return {};
      default: return {};
    }
  }

  Qt::ItemFlags flags(const QModelIndex& idx) const override {
    if (!idx.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const Disp& d = display[size_t(idx.row())];
    if (d.kind == DispKind::Data && !table.isEmpty() && !readOnly && !columns[size_t(idx.column())].readOnly &&
        columns[size_t(idx.column())].field.compare(keyField, Qt::CaseInsensitive) != 0)
      f |= Qt::ItemIsEditable;
    return f;
  }

  bool setData(const QModelIndex& idx, const QVariant& value, int role) override {
    if (!idx.isValid() || role != Qt::EditRole) return false;
    const Disp& d = display[size_t(idx.row())];
    if (d.kind != DispKind::Data) return false;
    setValue(d.row, columns[size_t(idx.column())].field, value);
    emit dataChanged(idx, idx);
    return true;
  }

  void setValue(int row, const QString& field, const QVariant& value) {
    Row& r = rows[size_t(row)];
    if (r.rec.indexOf(field) < 0) return;
    QVariant v = value;
    const QMetaType type = r.rec.field(field).metaType();
    if (v.typeId() == QMetaType::QString && v.toString().isEmpty() && type.id() != QMetaType::QString)
      v = QVariant(type);  // an empty text in a date or number column is no value
    r.rec.setValue(field, v);
    if (r.st == RowState::Clean) r.st = RowState::Dirty;
  }

  void rebuild() {
    beginResetModel();
    std::vector<int> order;
    for (size_t i = 0; i < rows.size(); ++i)
      if (!filter || rows[i].st == RowState::New || filter(rows[i].rec)) order.push_back(int(i));
    if (!sortField.isEmpty()) {
      QCollator coll(turkish());
      coll.setNumericMode(true);
      std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const QVariant va = raw(a, sortField), vb = raw(b, sortField);
        int c = 0;
        if (isNumber(va) || isNumber(vb)) c = va.toDouble() < vb.toDouble() ? -1 : (va.toDouble() > vb.toDouble() ? 1 : 0);
        else if (va.typeId() == QMetaType::QDate || vb.typeId() == QMetaType::QDate)
          c = va.toDate() < vb.toDate() ? -1 : (va.toDate() > vb.toDate() ? 1 : 0);
        else c = coll.compare(va.toString(), vb.toString());
        return sortOrder == Qt::AscendingOrder ? c < 0 : c > 0;
      });
    }
    display.clear();
    if (groupBy.isEmpty()) {
      for (int r : order) display.push_back({DispKind::Data, r, QString()});
    } else {
      // Groups in order of first appearance.
      std::vector<QString> groups;
      std::map<QString, std::vector<int>> members;
      for (int r : order) {
        const QString g = groupKey(r);
        if (!members.count(g)) groups.push_back(g);
        members[g].push_back(r);
      }
      for (const QString& g : groups) {
        display.push_back({DispKind::GroupHead, -1, g});
        for (int r : members[g]) display.push_back({DispKind::Data, r, g});
        display.push_back({DispKind::GroupFoot, -1, g});
      }
    }
    endResetModel();
  }

  void loadWritable() {
    if (!writable.isEmpty()) return;
    for (const QString& f : db::storedColumns(table, false)) writable.insert(f.toUpper());
  }
  bool isWritable(const QString& f) const {
    return writable.contains(f.toUpper()) && f.compare(keyField, Qt::CaseInsensitive) != 0;
  }
};

// ----------------------------------------------------------------------------------------
namespace {
class Delegate : public QStyledItemDelegate {
 public:
  Delegate(GridModel* m, QObject* parent) : QStyledItemDelegate(parent), model_(m) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& opt, const QModelIndex& idx) const override {
    const Column& c = model_->columns[size_t(idx.column())];
    if (c.items.isEmpty() && c.itemsSql.isEmpty()) return QStyledItemDelegate::createEditor(parent, opt, idx);
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    QStringList items = c.items;
    if (!c.itemsSql.isEmpty()) {
      db::Query q(QStringLiteral("grid_items"), c.itemsSql);
      q.exec();
      for (const QSqlRecord& r : q.rows()) items << r.value(0).toString();
    }
    box->addItems(items);
    return box;
  }
  void setEditorData(QWidget* editor, const QModelIndex& idx) const override {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
      box->setCurrentText(idx.data(Qt::EditRole).toString());
      return;
    }
    QStyledItemDelegate::setEditorData(editor, idx);
  }
  void setModelData(QWidget* editor, QAbstractItemModel* m, const QModelIndex& idx) const override {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
      m->setData(idx, box->currentText(), Qt::EditRole);
      return;
    }
    QStyledItemDelegate::setModelData(editor, m, idx);
  }

 private:
  GridModel* model_;
};
}  // namespace

// A table view that can finish the cell being edited when the window saves or cancels.
class GridView : public QTableView {
 public:
  using QTableView::QTableView;
  void finishEditing(bool keep) {
    if (state() != EditingState) return;
    QWidget* editor = QApplication::focusWidget();
    while (editor && editor->parentWidget() != viewport()) editor = editor->parentWidget();
    if (!editor) return;
    if (keep) commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
};

// ----------------------------------------------------------------------------------------
DBGrid::DBGrid(QWidget* parent) : QWidget(parent) {
  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->setSpacing(0);
  view_ = new GridView(this);
  view_->setObjectName(QStringLiteral("view"));
  model_ = new GridModel;
  model_->setParent(this);
  model_->grid = this;
  view_->setModel(model_);
  view_->setItemDelegate(new Delegate(model_, view_));
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view_->setAlternatingRowColors(true);
  view_->verticalHeader()->setDefaultSectionSize(22);
  view_->verticalHeader()->hide();
  view_->horizontalHeader()->setSectionsMovable(true);
  view_->horizontalHeader()->setHighlightSections(false);
  view_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                         QAbstractItemView::AnyKeyPressed);
  lay->addWidget(view_);

  footer_ = new QTableWidget(this);
  footer_->setObjectName(QStringLiteral("footer"));
  footer_->setRowCount(1);
  footer_->horizontalHeader()->hide();
  footer_->verticalHeader()->hide();
  footer_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  footer_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  footer_->setFixedHeight(24);
  footer_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  footer_->setFocusPolicy(Qt::NoFocus);
  footer_->hide();
  lay->addWidget(footer_);

  auto* header = view_->horizontalHeader();
  connect(header, &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
    if (logical < footer_->columnCount()) footer_->setColumnWidth(logical, size);
  });
  connect(view_->horizontalScrollBar(), &QScrollBar::valueChanged, footer_->horizontalScrollBar(), &QScrollBar::setValue);
  connect(header, &QHeaderView::sectionClicked, this, [this](int logical) {
    const QString f = fieldAt(logical);
    if (f.isEmpty()) return;
    if (onTitleClick) {
      onTitleClick(f);
      return;
    }
    const Qt::SortOrder o = (model_->sortField == f && model_->sortOrder == Qt::AscendingOrder) ? Qt::DescendingOrder
                                                                                                : Qt::AscendingOrder;
    sortBy(f, o);
  });
  header->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(header, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
    QMenu menu(this);
    for (int i = 0; i < model_->columnCount(); ++i) {
      QAction* a = menu.addAction(model_->headerData(i, Qt::Horizontal, Qt::DisplayRole).toString());
      a->setCheckable(true);
      a->setChecked(!view_->isColumnHidden(i));
      connect(a, &QAction::toggled, this, [this, i](bool on) {
        view_->setColumnHidden(i, !on);
        model_->columns[size_t(i)].visible = on;
        syncFooter();
      });
    }
    menu.exec(view_->horizontalHeader()->mapToGlobal(p));
  });
  connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& idx) {
    if (!idx.isValid() || size_t(idx.row()) >= model_->display.size()) return;
    const auto& d = model_->display[size_t(idx.row())];
    if (d.kind == GridModel::DispKind::Data) emit currentRowChanged(d.row);
  });
  connect(view_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& idx) {
    const auto& d = model_->display[size_t(idx.row())];
    if (d.kind == GridModel::DispKind::Data && !(model_->flags(idx) & Qt::ItemIsEditable)) emit rowDoubleClicked(d.row);
  });
}

DBGrid::~DBGrid() = default;

void DBGrid::setColumns(std::vector<Column> columns) {
  model_->setColumns(std::move(columns));
  rebuild();
}

void DBGrid::load(const db::Query& query) {
  model_->fields = query.fields();
  model_->rows.clear();
  model_->rows.reserve(size_t(query.rowCount()));
  for (const QSqlRecord& r : query.rows()) model_->rows.push_back({r, r, GridModel::RowState::Clean});
  if (!model_->explicitColumns) {
    model_->columns.clear();
    for (int i = 0; i < model_->fields.count(); ++i) {
      Column c;
      c.field = model_->fields.fieldName(i);
      model_->columns.push_back(c);
    }
  }
  rebuild();
  if (rowCount() > 0) setCurrentRow(shownRows().front());
}

void DBGrid::clear() {
  model_->rows.clear();
  rebuild();
}

void DBGrid::rebuild() {
  const int current = currentRow();
  model_->rebuild();
  for (size_t i = 0; i < model_->columns.size(); ++i) {
    const Column& c = model_->columns[i];
    view_->setColumnHidden(int(i), !c.visible);
    if (c.width > 0) view_->setColumnWidth(int(i), c.width);
  }
  if (model_->rows.size() < 2000) view_->resizeColumnsToContents();
  for (size_t i = 0; i < model_->columns.size(); ++i)
    if (model_->columns[i].width > 0) view_->setColumnWidth(int(i), model_->columns[i].width);
  syncFooter();
  if (current >= 0) setCurrentRow(current);
}

void DBGrid::syncFooter() {
  const bool show = !model_->summaries.empty();
  footer_->setVisible(show);
  if (!show) return;
  footer_->setColumnCount(model_->columnCount());
  const std::vector<int> rows = model_->dataRows();
  for (int i = 0; i < model_->columnCount(); ++i) {
    footer_->setColumnHidden(i, view_->isColumnHidden(i));
    footer_->setColumnWidth(i, view_->columnWidth(i));
    QString text;
    for (const Summary& s : model_->summaries)
      if (s.field == model_->columns[size_t(i)].field) text = model_->summaryText(s, rows);
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont f = item->font();
    f.setBold(true);
    item->setFont(f);
    footer_->setItem(0, i, item);
  }
}

int DBGrid::rowCount() const { return int(model_->dataRows().size()); }

int DBGrid::currentRow() const {
  const QModelIndex idx = view_->currentIndex();
  if (!idx.isValid() || size_t(idx.row()) >= model_->display.size()) return -1;
  return model_->display[size_t(idx.row())].row;
}

void DBGrid::setCurrentRow(int row) {
  for (size_t i = 0; i < model_->display.size(); ++i)
    if (model_->display[i].kind == GridModel::DispKind::Data && model_->display[i].row == row) {
      int col = view_->currentIndex().isValid() ? view_->currentIndex().column() : 0;
      while (col < model_->columnCount() - 1 && view_->isColumnHidden(col)) ++col;
      const QModelIndex target = model_->index(int(i), col);
      if (view_->currentIndex() == target) emit currentRowChanged(row);  // shown again after a reload
      else view_->setCurrentIndex(target);
      return;
    }
}

QSqlRecord DBGrid::record(int row) const {
  if (row < 0) row = currentRow();
  if (row < 0 || size_t(row) >= model_->rows.size()) return model_->fields;
  return model_->rows[size_t(row)].rec;
}

QVariant DBGrid::value(const QString& field, int row) const {
  if (row < 0) row = currentRow();
  return model_->raw(row, field);
}

std::vector<int> DBGrid::selectedRows() const {
  std::set<int> picked;
  for (const QModelIndex& idx : view_->selectionModel()->selectedRows())
    picked.insert(idx.row());
  std::vector<int> out;
  for (int dispRow : picked) {
    const auto& d = model_->display[size_t(dispRow)];
    if (d.kind == GridModel::DispKind::Data) out.push_back(d.row);
  }
  return out;
}

std::vector<int> DBGrid::shownRows() const { return model_->dataRows(); }

int DBGrid::columnIndex(const QString& field) const {
  for (size_t i = 0; i < model_->columns.size(); ++i)
    if (model_->columns[i].field.compare(field, Qt::CaseInsensitive) == 0) return int(i);
  return -1;
}

Column* DBGrid::column(const QString& field) {
  const int i = columnIndex(field);
  return i < 0 ? nullptr : &model_->columns[size_t(i)];
}

std::vector<Column> DBGrid::columns() const { return model_->columns; }

QString DBGrid::fieldAt(int viewColumn) const {
  if (viewColumn < 0 || size_t(viewColumn) >= model_->columns.size()) return {};
  return model_->columns[size_t(viewColumn)].field;
}

void DBGrid::setRowFilter(std::function<bool(const QSqlRecord&)> filter) {
  model_->filter = std::move(filter);
  rebuild();
}

void DBGrid::setGroupBy(const QString& field) {
  model_->groupBy = field;
  rebuild();
}

void DBGrid::setFooter(std::vector<Summary> summaries) {
  model_->summaries = std::move(summaries);
  syncFooter();
}

QVariant DBGrid::footerValue(const QString& field) const {
  for (const Summary& s : model_->summaries)
    if (s.field == field) return model_->summaryValue(s, model_->dataRows());
  return {};
}

QVariant DBGrid::groupFooterValue(const QString& group, const QString& field) const {
  for (const Summary& s : model_->summaries)
    if (s.field == field) return model_->summaryValue(s, model_->groupRows(group));
  return {};
}

void DBGrid::sortBy(const QString& field, Qt::SortOrder order) {
  model_->sortField = field;
  model_->sortOrder = order;
  view_->horizontalHeader()->setSortIndicatorShown(true);
  view_->horizontalHeader()->setSortIndicator(columnIndex(field), order);
  rebuild();
}

// --- editing ---------------------------------------------------------------------------

void DBGrid::setEditable(const QString& table, const QString& keyField, std::map<QString, QVariant> scope) {
  model_->table = table;
  model_->keyField = keyField;
  model_->scope = std::move(scope);
  model_->writable.clear();
}

bool DBGrid::editable() const { return !model_->table.isEmpty() && !model_->readOnly; }

void DBGrid::setReadOnly(bool readOnly) { model_->readOnly = readOnly; }

State DBGrid::state() const {
  State s = State::Browse;
  for (const auto& r : model_->rows) {
    if (r.st == GridModel::RowState::New) return State::Insert;
    if (r.st == GridModel::RowState::Dirty) s = State::Edit;
  }
  return s;
}

void DBGrid::append(const std::map<QString, QVariant>& defaults) {
  QSqlRecord rec = model_->fields;
  for (int i = 0; i < rec.count(); ++i) rec.setValue(i, QVariant(rec.field(i).metaType()));
  for (const auto& [f, v] : defaults) rec.setValue(f, v);
  model_->rows.push_back({rec, rec, GridModel::RowState::New});
  rebuild();
  setCurrentRow(int(model_->rows.size()) - 1);
}

void DBGrid::setValue(const QString& field, const QVariant& value, int row) {
  if (row < 0) row = currentRow();
  if (row < 0 || size_t(row) >= model_->rows.size()) return;
  model_->setValue(row, field, value);
  emit model_->dataChanged(model_->index(0, 0), model_->index(model_->rowCount() - 1, model_->columnCount() - 1));
  syncFooter();
}

void DBGrid::post() {
  if (model_->table.isEmpty()) return;
  static_cast<GridView*>(view_)->finishEditing(true);  // what is being typed is part of the save
  model_->loadWritable();
  std::vector<std::pair<int, QVariant>> newKeys;
  db::runDocument([&] {
    newKeys.clear();
    for (size_t i = 0; i < model_->rows.size(); ++i) {
      GridModel::Row& r = model_->rows[i];
      if (r.st == GridModel::RowState::Clean) continue;
      db::Query q(model_->table);
      QStringList names, params;
      std::vector<std::pair<QString, QVariant>> values;
      for (int f = 0; f < r.rec.count(); ++f) {
        const QString name = r.rec.fieldName(f);
        if (!model_->isWritable(name)) continue;
        if (r.st == GridModel::RowState::Dirty && r.rec.value(f) == r.orig.value(f) &&
            r.rec.value(f).isNull() == r.orig.value(f).isNull())
          continue;
        names << name;
        params << QStringLiteral(":v%1").arg(f);
        values.emplace_back(QStringLiteral("v%1").arg(f), r.rec.value(f));
      }
      if (r.st == GridModel::RowState::New) {
        q.setSql(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                     .arg(model_->table, names.join(QLatin1Char(',')), params.join(QLatin1Char(','))));
      } else {
        if (names.isEmpty()) continue;
        QStringList sets;
        for (int k = 0; k < names.size(); ++k) sets << names[k] + QLatin1Char('=') + params[k];
        QString where = model_->keyField + QStringLiteral(" = :key");
        for (const auto& [col, v] : model_->scope) where += QStringLiteral(" AND %1 = :s_%1").arg(col);
        q.setSql(QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(model_->table, sets.join(QLatin1Char(',')), where));
        q.bind(QStringLiteral("key"), r.orig.value(model_->keyField));
        for (const auto& [col, v] : model_->scope) q.bind(QStringLiteral("s_") + col, v);
      }
      for (const auto& [p, v] : values) q.bind(p, v);
      q.exec();
      if (r.st == GridModel::RowState::New) newKeys.emplace_back(int(i), q.lastInsertId().toLongLong());
    }
  });
  for (const auto& [i, key] : newKeys) model_->rows[size_t(i)].rec.setValue(model_->keyField, key);
  for (auto& r : model_->rows) {
    r.st = GridModel::RowState::Clean;
    r.orig = r.rec;
  }
  rebuild();
}

void DBGrid::cancel() {
  static_cast<GridView*>(view_)->finishEditing(false);
  std::vector<GridModel::Row> kept;
  for (auto& r : model_->rows) {
    if (r.st == GridModel::RowState::New) continue;
    r.rec = r.orig;
    r.st = GridModel::RowState::Clean;
    kept.push_back(r);
  }
  model_->rows = std::move(kept);
  rebuild();
}

void DBGrid::deleteCurrent() {
  const int row = currentRow();
  if (row < 0) return;
  GridModel::Row& r = model_->rows[size_t(row)];
  if (r.st != GridModel::RowState::New && !model_->table.isEmpty()) {
    db::Query q(model_->table);
    QString where = model_->keyField + QStringLiteral(" = :key");
    for (const auto& [col, v] : model_->scope) where += QStringLiteral(" AND %1 = :s_%1").arg(col);
    q.setSql(QStringLiteral("DELETE FROM %1 WHERE %2").arg(model_->table, where));
    q.bind(QStringLiteral("key"), r.orig.value(model_->keyField));
    for (const auto& [col, v] : model_->scope) q.bind(QStringLiteral("s_") + col, v);
    q.exec();
  }
  model_->rows.erase(model_->rows.begin() + row);
  rebuild();
  if (!model_->rows.empty()) setCurrentRow(std::min<int>(row, int(model_->rows.size()) - 1));
}

// --- layout ----------------------------------------------------------------------------

bool DBGrid::restoreLayout(const QString& iniPath) {
  if (!QFileInfo::exists(iniPath)) return false;
  QSettings s(iniPath, QSettings::IniFormat);
  if (!s.childGroups().contains(kLayoutGroup)) return false;
  s.beginGroup(kLayoutGroup);
  const QStringList order = s.value(QStringLiteral("order")).toStringList();
  const QStringList widths = s.value(QStringLiteral("widths")).toStringList();
  const QStringList hidden = s.value(QStringLiteral("hidden")).toStringList();
  s.endGroup();
  auto* header = view_->horizontalHeader();
  for (int target = 0; target < order.size(); ++target) {
    const int logical = columnIndex(order[target]);
    if (logical < 0) continue;
    header->moveSection(header->visualIndex(logical), std::min(target, header->count() - 1));
    const int w = widths.value(target).toInt();
    if (w > 0) {
      view_->setColumnWidth(logical, w);
      model_->columns[size_t(logical)].width = w;
    }
  }
  for (size_t i = 0; i < model_->columns.size(); ++i) {
    const bool hide = hidden.contains(model_->columns[i].field, Qt::CaseInsensitive);
    model_->columns[i].visible = !hide;
    view_->setColumnHidden(int(i), hide);
  }
  syncFooter();
  return true;
}

bool DBGrid::saveLayout(const QString& iniPath) const {
  QSettings s(iniPath, QSettings::IniFormat);
  auto* header = view_->horizontalHeader();
  QStringList order, widths, hidden;
  for (int v = 0; v < header->count(); ++v) {
    const int logical = header->logicalIndex(v);
    order << model_->columns[size_t(logical)].field;
    widths << QString::number(view_->columnWidth(logical));
    if (view_->isColumnHidden(logical)) hidden << model_->columns[size_t(logical)].field;
  }
  s.beginGroup(kLayoutGroup);
  s.setValue(QStringLiteral("order"), order);
  s.setValue(QStringLiteral("widths"), widths);
  s.setValue(QStringLiteral("hidden"), hidden);
  s.endGroup();
  s.sync();
  return s.status() == QSettings::NoError;
}

// --- export ----------------------------------------------------------------------------

sheet::Table DBGrid::exportTable() const {
  sheet::Table t;
  std::vector<int> cols;
  auto* header = view_->horizontalHeader();
  for (int v = 0; v < header->count(); ++v) {
    const int logical = header->logicalIndex(v);
    if (!view_->isColumnHidden(logical)) cols.push_back(logical);
  }
  for (int c : cols) {
    const Column& col = model_->columns[size_t(c)];
    sheet::Column sc;
    sc.caption = col.caption.isEmpty() ? col.field : col.caption;
    const QMetaType type = model_->fields.field(col.field).metaType();
    if (isNumericType(type)) {
      sc.kind = sheet::Kind::Number;
      const int d = col.decimals < 0 ? (type.id() == QMetaType::Double ? 2 : 0) : col.decimals;
      sc.numberFormat = d > 0 ? QStringLiteral("#,##0.") + QString(d, QLatin1Char('0')) : QStringLiteral("#,##0");
    } else if (type.id() == QMetaType::QDate || type.id() == QMetaType::QDateTime) {
      sc.kind = sheet::Kind::Date;
    }
    t.columns.push_back(sc);
  }
  auto dataRow = [&](int r) {
    std::vector<QVariant> out;
    for (int c : cols) out.push_back(model_->raw(r, model_->columns[size_t(c)].field));
    return out;
  };
  auto summaryRow = [&](const QString& label, const std::vector<int>& over) {
    std::vector<QVariant> out(cols.size());
    for (size_t k = 0; k < cols.size(); ++k)
      for (const Summary& s : model_->summaries)
        if (s.field == model_->columns[size_t(cols[k])].field) out[k] = model_->summaryValue(s, over);
    if (!out.empty() && (out[0].isNull() || !out[0].isValid()))
      out[0] = label + QStringLiteral(" (") + QString::number(over.size()) + QLatin1Char(')');
    return out;
  };
  if (model_->groupBy.isEmpty()) {
    for (int r : model_->dataRows()) {
      t.rows.push_back(dataRow(r));
      t.bold.push_back(false);
    }
    return t;
  }
  for (const auto& d : model_->display) {
    if (d.kind == GridModel::DispKind::GroupHead) {
      std::vector<QVariant> head(cols.size());
      if (!head.empty()) head[0] = d.group;
      t.rows.push_back(head);
      t.bold.push_back(true);
    } else if (d.kind == GridModel::DispKind::Data) {
      t.rows.push_back(dataRow(d.row));
      t.bold.push_back(false);
    } else {
      t.rows.push_back(summaryRow(d.group, model_->groupRows(d.group)));
      t.bold.push_back(true);
    }
  }
  t.rows.push_back(summaryRow(QStringLiteral("Toplam"), model_->dataRows()));
  t.bold.push_back(true);
  return t;
}

bool DBGrid::exportTo(const QString& path, QString* error) const { return sheet::write(path, exportTable(), error); }

}  // namespace grid
