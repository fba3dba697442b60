// The preview window of a prepared report: page navigation, zoom, find, print, page
// setup, export to PDF and to a spreadsheet, and the status line naming what the engine
// read past.
#pragma once
#include "report/report.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <memory>

class QPrinter;

namespace report {

class PreviewWindow : public QDialog {
  Q_OBJECT
 public:
  explicit PreviewWindow(Prepared prepared, QWidget* parent = nullptr);
  ~PreviewWindow() override;

  const Prepared& prepared() const { return prepared_; }
  int currentPage() const { return page_; }
  double zoom() const { return zoom_; }
  void showPage(int index);
  void setZoom(double zoom);
  // Moves to the next page holding the text; false when no page holds it.
  bool find(const QString& text);
  bool savePdf(const QString& path, QString* error) const;
  bool saveSheet(const QString& path, QString* error) const;

  QPushButton *btn_first, *btn_prev, *btn_next, *btn_last, *btn_find, *btn_print, *btn_pagesetup, *btn_pdf, *btn_excel,
      *btn_close;
  QLabel* lbl_page;
  QLabel* lbl_status;
  QComboBox* cmb_zoom;
  QLineEdit* edt_find;

 private:
  void print();
  Prepared prepared_;
  int page_ = 0;
  double zoom_ = 1.0;
  QScrollArea* area_;
  QLabel* canvas_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace report
