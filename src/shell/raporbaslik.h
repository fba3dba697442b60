// The report catalogue: report names per screen with their template files.
#pragma once
#include "grid/grid.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

class Tfrm_raporbaslik : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrm_raporbaslik(QWidget* parent = nullptr);

  QLineEdit* edt_sirket;
  QComboBox* ComboBox1;
  QPushButton* btn_listele;
  QPushButton* btn_raporyolu;
  grid::DBGrid* cxGrid1;
  QPushButton* btn_yeni;
  QPushButton* btn_kaydet;
  QPushButton* btn_sil;
  QPushButton* btn_iptal;
  QPushButton* btn_kapat;
  QPushButton* btn_islemler;
  QMenu* mnu_islemler;

 public slots:
  void FormShow();
  void btn_listeleClick();
  void btn_yeniClick();
  void btn_kaydetClick();
  void btn_silClick();
  void btn_raporyoluClick();
  void ComboBox1DblClick();

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void listele();
  bool shown_ = false;
};
