// The value-picker protocol shared by every picker window: a list in a grid, a search box
// edt_ara, "Evet" (OKBtn) and "Hayır" (CancelBtn). dosya_ara_modal shows the window
// modally and returns the chosen row's return column as text, or "-1" on cancel.
#pragma once
#include "db/db.h"
#include "grid/grid.h"
#include "shell/registry.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

class PickerWindow : public QDialog {
  Q_OBJECT
 public:
  explicit PickerWindow(QWidget* owner, const QString& objectName, const QString& caption);

  grid::DBGrid* cxGrid1;
  QLineEdit* edt_ara;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
  db::Query qry;

  QString dosya_ara_modal();
  // The chosen row (valid after dosya_ara_modal while the window lives).
  QSqlRecord current() const { return cxGrid1->record(); }
  // Runs the search for a typed text (what a change of edt_ara does).
  void search(const QString& text) { runSearch(text); }

 protected:
  // Lists the rows when the window is shown; true when it should close with OK at once.
  virtual bool FormShow() = 0;
  virtual void applySearch(const QString& text) = 0;
  virtual QString returnColumn() const = 0;
  virtual void FormClose() {}
  // Runs the list statement and shows its rows.
  void list(const QString& sql, const std::map<QString, QVariant>& binds = {});
  // After a search: to the grid when the current value equals the text, else the box
  // when the list is empty.
  void focusAfterSearch(const QString& column, const QString& text);
  QVBoxLayout* body;

 private:
  void runSearch(const QString& text);
  bool ready_ = false;
};

// A picker window as the registry opens it: modal, under the opener's caption when it gives one.
template <class Picker>
registry::PickResult runPicker(QWidget* owner, const registry::OpenArgs& args) {
  Picker p(owner);
  if (!args.title.isEmpty()) p.setWindowTitle(args.title);
  registry::PickResult r;
  r.value = p.dosya_ara_modal();
  r.row = p.current();
  return r;
}
