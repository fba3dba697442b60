// The daily report: the account movements of a date range in one currency, grouped by
// movement type with totals, exported into the YEDEK folder.
#pragma once
#include "grid/grid.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

class Tfrm_gunlukrapor : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrm_gunlukrapor(QWidget* parent = nullptr);
  QLineEdit* edt_islemtarihi1;
  QLineEdit* edt_islemtarihi2;
  QComboBox* edt_parabirimi;
  QPushButton* btn_listele;
  QPushButton* btn_aktar;
  QPushButton* btn_kapat;
  grid::DBGrid* cxGrid1;

 public slots:
  void FormShow();
  void btn_listeleClick();
  void btn_aktarClick();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void listele();
  bool shown_ = false;
};
