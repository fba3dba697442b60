// The list view every list, picker and editor window uses: one model and one view over
// the rows of a query, with column lookup by field name, display formats, drop-down cells,
// per-cell colours, a client-side row filter, title-click sorting (or the window's own
// re-query), footer and group-footer summaries, grouping by a column, multi-row selection,
// columns the user may hide, incremental search, layouts kept in the window's .ini file,
// export of the rows shown, and editing of one base table through bound statements.
#pragma once
#include "db/db.h"
#include "sheet/sheet.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QSqlRecord>
#include <QTableView>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

class QTableWidget;

namespace grid {

struct Column {
  QString field;
  QString caption;        // empty: the field name
  int width = 0;          // pixels; 0 fits the contents
  bool visible = true;
  int decimals = -1;      // numbers: fixed decimals with Turkish separators; -1 as stored
  QString dateFormat = QStringLiteral("dd.MM.yyyy");
  QStringList items;      // drop-down cell with fixed items
  QString itemsSql;       // drop-down cell with the first column of this statement
  bool readOnly = false;
};

// Columns from (field, caption) pairs, captions in UTF-8.
std::vector<Column> columns(std::initializer_list<std::pair<const char*, const char*>> spec);

enum class SummaryKind { Sum, Count };
struct Summary {
  QString field;
  SummaryKind kind = SummaryKind::Sum;
  int decimals = 2;
  QString text = QStringLiteral("%1");  // "%1" is replaced by the formatted value
};

enum class State { Browse, Insert, Edit };

class GridModel;

class DBGrid : public QWidget {
  Q_OBJECT
 public:
  explicit DBGrid(QWidget* parent = nullptr);
  ~DBGrid() override;
  QTableView* view() const { return view_; }

  // --- rows ---
  // Columns to show, in order; without a call every field of the query is shown.
  void setColumns(std::vector<Column> columns);
  // Shows the rows of an executed query (keeps the column set).
  void load(const db::Query& query);
  void clear();
  int rowCount() const;  // data rows that pass the filter
  int currentRow() const;  // index into the loaded rows, -1 when none
  void setCurrentRow(int row);
  QSqlRecord record(int row = -1) const;  // -1: the current row
  QVariant value(const QString& field, int row = -1) const;
  std::vector<int> selectedRows() const;  // loaded-row indices, in display order
  std::vector<int> shownRows() const;     // loaded-row indices, in display order

  // --- columns ---
  int columnIndex(const QString& field) const;  // -1 when the grid has no such column
  Column* column(const QString& field);
  std::vector<Column> columns() const;
  QString fieldAt(int viewColumn) const;

  // --- look ---
  std::function<QColor(const QSqlRecord&, const QString& field)> cellColor;
  void setRowFilter(std::function<bool(const QSqlRecord&)> filter);
  void setGroupBy(const QString& field);  // empty: no grouping
  void setFooter(std::vector<Summary> summaries);
  QVariant footerValue(const QString& field) const;
  QVariant groupFooterValue(const QString& group, const QString& field) const;
  // When set, a title click calls it (the window re-queries) instead of sorting here.
  std::function<void(const QString& field)> onTitleClick;
  void sortBy(const QString& field, Qt::SortOrder order);

  // --- editing over one base table ---
  // `scope` adds equality conditions to updates and deletes (the session's company).
  void setEditable(const QString& table, const QString& keyField, std::map<QString, QVariant> scope = {});
  bool editable() const;
  void setReadOnly(bool readOnly);
  State state() const;
  void append(const std::map<QString, QVariant>& defaults = {});
  void setValue(const QString& field, const QVariant& value, int row = -1);
  // Writes every added or changed row in one transaction; throws db::Error on failure.
  void post();
  void cancel();
  // Deletes the current row in the database and from the list.
  void deleteCurrent();

  // --- layout ---
  // Our own [OrdavinGrid] group; a file without it is ignored and left alone.
  bool restoreLayout(const QString& iniPath);
  bool saveLayout(const QString& iniPath) const;

  // --- export ---
  sheet::Table exportTable() const;
  bool exportTo(const QString& path, QString* error) const;

 signals:
  void currentRowChanged(int row);
  void rowDoubleClicked(int row);

 private:
  void syncFooter();
  void rebuild();
  QTableView* view_;
  QTableWidget* footer_;
  GridModel* model_;
};

}  // namespace grid
