// Rights administration: grant a user rights in a company for every module at once, edit
// single rights rows, copy a user's rights to another company, keep the module list.
#pragma once
#include "grid/grid.h"
#include "shell/rights.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

class Tfrm_module : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrm_module(QWidget* parent = nullptr);

  QTabWidget* PageControl1;
  // "Yeni Hak Tanımla"
  QLineEdit* edt_kullanici;
  QLineEdit* edt_kullanici_kodu;
  QPushButton* btn_kullaniciara;
  QLineEdit* edt_sirketkodu;
  QPushButton* btn_sirketara;
  QRadioButton* rb_yetkisiz;
  QRadioButton* rb_yetkili;
  QRadioButton* rb_ozel;
  QCheckBox* chk_formgirisi;
  QCheckBox* chk_kayit;
  QCheckBox* chk_yenikayit;
  QCheckBox* chk_degistirme;
  QCheckBox* chk_silme;
  QCheckBox* chk_yazdir;
  QCheckBox* chk_ozel1;
  QCheckBox* chk_ozel2;
  QPushButton* btn_haktanimla;
  grid::DBGrid* grd_haklar1;
  // "Olan Hakları Değiştir"
  QLineEdit* Edit2;
  QLineEdit* Edit1;
  QPushButton* btn_kullaniciara2;
  QLineEdit* Edit3;
  QPushButton* btn_sirketara2;
  QComboBox* edt_moduladi;
  QPushButton* btn_listele;
  grid::DBGrid* grd_haklar2;
  QPushButton* btn_hakkaydet;
  QPushButton* btn_hakyeni;
  QPushButton* btn_haksil;
  QPushButton* btn_hakvazgec;
  QLineEdit* edt_kopya;
  QPushButton* btn_kopyaara;
  QPushButton* btn_kopyala;
  // "Moduller"
  grid::DBGrid* grd_moduller;
  QPushButton* btn_modulkaydet;
  QPushButton* btn_modulyeni;
  QPushButton* btn_modulsil;
  QPushButton* btn_modulvazgec;
  QPushButton* btn_kapat;

  login::Yetkiler yetki;

 public slots:
  void FormShow();
  void btn_haktanimlaClick();
  void btn_listeleClick();
  void btn_kopyalaClick();

 protected:
  void closeEvent(QCloseEvent* e) override;
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void listRights(grid::DBGrid* g, const QString& orderBy = {});
  void listModules(const QString& orderBy = {});
  void pickUser(QLineEdit* name, QLineEdit* code, bool clearFirst);
  void pickCompany(QLineEdit* into);
  void setupRightsGrid(grid::DBGrid* g, bool editable);
  bool shown_ = false;
};
