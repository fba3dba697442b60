// User administration: the users every company shares, edited one at a time, and the
// rights rows a new user gets in the session's company.
#pragma once
#include "grid/grid.h"
#include "shell/rights.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class Tfrm_kullanici : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrm_kullanici(QWidget* parent = nullptr);

  grid::DBGrid* cxGrid1;
  QLineEdit* edt_sifre;
  QLineEdit* edt_adi;
  QLineEdit* edt_soyadi;
  QLineEdit* edt_kodu;
  QLineEdit* edt_depertman;
  QLineEdit* edt_gorevi;
  QLineEdit* edt_unvani;
  QLineEdit* edt_username;
  QLineEdit* edt_carikod;
  QPushButton* btn_cariara;
  QLineEdit* edt_email;
  QLineEdit* edt_macno;
  QComboBox* edt_aktif;
  QLineEdit* edt_cepno;
  QRadioButton* rb_yetkisiz;
  QRadioButton* rb_tamyetkili;
  QPushButton* btn_kaydet;
  QPushButton* btn_yeni;
  QPushButton* btn_sil;
  QPushButton* btn_kapat;
  QPushButton* btn_iptal;
  login::Yetkiler yetki;

  enum class Durum { Gozat, Yeni, Degistir };
  Durum durum() const { return durum_; }

 public slots:
  void FormShow();
  void btn_yeniClick();
  void btn_kaydetClick();
  void btn_silClick();
  void btn_iptalClick();
  void btn_cariaraClick();
  void edt_macnoDblClick();

 protected:
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void listele(const QVariant& selectKey = {});
  void showCurrent();
  void startChange();
  void kaydet();
  bool loading_ = false;
  bool shown_ = false;
  Durum durum_ = Durum::Gozat;
  std::vector<std::pair<QLineEdit*, QString>> fields_;
};
