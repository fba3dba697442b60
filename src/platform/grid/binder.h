// Entry fields bound to the current row of a grid: they show the row's values, and what
// the user types goes into the row (the grid then posts it with the window's save).
#pragma once
#include "grid/grid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <vector>

namespace grid {

class Binder : public QObject {
  Q_OBJECT
 public:
  enum class Kind { Text, Date, Time };
  explicit Binder(DBGrid* g);
  // `width` holds typed text to the column's width (0: no limit).
  void bind(QLineEdit* e, const QString& field, int width = 0, Kind kind = Kind::Text);
  void bind(QComboBox* c, const QString& field, int width = 0);
  void bind(QPlainTextEdit* t, const QString& field, int width = 0);
  // Shows the current row's values.
  void load();
  // Writes one value into the current row and the bound field.
  void set(const QString& field, const QVariant& value);

 private:
  struct Field {
    QWidget* w;
    QString field;
    int width;
    Kind kind;
  };
  void store(const Field& f);
  DBGrid* g_;
  std::vector<Field> fields_;
  bool loading_ = false;
};

}  // namespace grid
