// The data control panel: an SQL console screened by the user's rights, maintenance
// commands and spreadsheet imports with sample templates.
#pragma once
#include "grid/grid.h"
#include "shell/rights.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

class Tfrm_select : public QDialog {
  Q_OBJECT
 public:
  // `unscreened`: the console checks no rights (offered from the about box to full-right users).
  explicit Tfrm_select(QWidget* parent = nullptr, bool unscreened = false);

  QTabWidget* PageControl1;
  QPlainTextEdit* Memo1;
  QPushButton* btn_listele;
  QPushButton* btn_islemler;
  QMenu* mnu_islemler;
  QAction *mnu_duzenleme, *mnu_kaydet, *mnu_sil, *mnu_excel;
  grid::DBGrid* DBGrid1;
  QPushButton *btn_carikodubos, *btn_stokkodubos, *btn_sirketkodubos, *btn_tarihdoldur;
  QLineEdit* edt_kayitsayisi;
  QComboBox* ComboBox1;
  QPushButton *btn_cariexcel, *btn_stokexcel, *btn_tabloexcel;
  QPushButton *btn_ornekcari, *btn_ornekstok, *btn_ornektablo;
  QProgressBar* ProgressBar1;
  QPushButton* btn_kapat;
  login::Yetkiler yetki;
  bool unscreened() const { return unscreened_; }

 public slots:
  void FormShow();
  void Listele();
  void DuzenlemeyiEtkinlestir();
  void Kaydet();
  void Sil();
  void ExceleAktar();
  void Bakim(int command);  // 1 account codes, 2 stock codes, 3 company codes, 4 dates
  void Aktar(const QString& table);
  void Ornek(const QString& table);

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  bool fullRight();
  bool shown_ = false;
  bool unscreened_ = false;
  db::Query QRY_DATA{QStringLiteral("QRY_DATA")};
  QString lastSql_;
};

class Tfrm_about : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrm_about(QWidget* parent = nullptr);
  QLabel* lbl_gizli;  // " . "
  // The hidden entry: full-right users of "select" get the unscreened console.
  void gizliGiris();

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;
};
