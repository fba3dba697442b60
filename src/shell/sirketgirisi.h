// Companies (sets of books): create, change, delete, grant the creating user full rights in
// a new company, and delete all of a company's rows from the shared tables.
#pragma once
#include "grid/grid.h"
#include "shell/rights.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

class Tfrm_sirketgirisi : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrm_sirketgirisi(QWidget* parent = nullptr);

  grid::DBGrid* cxGrid1;
  QMenu* PopupMenu1;
  QAction* mnu_tumunugoster;
  QLineEdit* edt_sirketkodu;
  QLineEdit* edt_sirketadi;
  QLineEdit* edt_aciklama;
  QLineEdit* edt_sirketunvani;
  QLineEdit* edt_sirketadresi;
  QLineEdit* edt_vdairesi;
  QLineEdit* edt_vno;
  QLabel* lbl_datayolu;
  QCheckBox* chk_haktanimla;
  QCheckBox* chk_haksilme;
  QPushButton* btn_tumkayitlarisil;
  QPushButton* btn_kaydet;
  QPushButton* btn_yeni;
  QPushButton* btn_sil;
  QPushButton* btn_iptal;
  QPushButton* btn_degistir;
  QPushButton* btn_ozel;
  QMenu* mnu_ozel;
  QAction* mnu_tumbilgilerisil;
  QAction* mnu_excele;
  QPushButton* btn_kapat;
  login::Yetkiler yetki;

 public slots:
  void FormShow();
  void btn_kaydetClick();
  void btn_yeniClick();
  void btn_silClick();
  void btn_iptalClick();
  void btn_degistirClick();
  void btn_tumkayitlarisilClick();

 protected:
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  enum class Durum { Gozat, Yeni, Degistir };
  void listele(bool all, const QVariant& selectKey = {});
  void showCurrent();
  void setEditing(bool on);
  void kaydet();
  // Tables "Şirketin Tüm Kayıtlarını Sil" empties, in its order, that this database has.
  QStringList companyTables() const;
  Durum durum_ = Durum::Gozat;
  bool shown_ = false;
  std::vector<std::pair<QLineEdit*, QString>> fields_;
};
