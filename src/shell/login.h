// The login window: the application's main window for the whole run. It owns the start
// sequence (settings files, the connection) and the login itself.
#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QWidget>

class Tfrm_login : public QWidget {
  Q_OBJECT
 public:
  explicit Tfrm_login(QWidget* parent = nullptr);

  QFrame* Image1;  // background carrying the popup menu
  QLabel* lbl_durum;
  QLabel* pnl_firmakodu;
  QLabel* pnl_sube;
  QLabel* pnl_sirket;
  QLabel* pnl_user;
  QLabel* pnl_pass;
  QLineEdit* EDT_firmakodu;
  QLineEdit* edt_sube;
  QLineEdit* edt_sirketkodu;
  QLineEdit* edt_user;
  QLineEdit* edt_pass;
  QPushButton* btn_baglan;
  QMenu* PopupMenu1;
  QAction* mnu_ayarlarikaydet;
  QMenu* mnu_diller;
  QAction* mnu_tr;
  QAction* mnu_en;
  QAction* mnu_de;
  QAction* mnu_ar;
  QMenu* mnu_sektor;
  QAction* mnu_ruduzazer;
  QAction* mnu_tercume;
  QAction* mnu_dogalgaz;
  QAction* mnu_nakliye;
  QAction* mnu_yenifatura;
  QAction* mnu_hicbiri;
  QAction* mnu_hakkimizda;

 public slots:
  void FormShow();
  void btn_baglanClick();
  void AyarlariKaydetClick();
  void DilSecClick(const QString& code);
  void SektorClick(const QString& word);
  void HakkimizdaClick();
  // Double-click on the company or user field: the values entered before.
  void pickInto(QLineEdit* field, const QString& table, const QString& column);

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void startUp();
  void baglan();
  void retranslate();
  QStringList userInfoBlock(const QString& sector) const;
  bool shown_ = false;
};

namespace login {
inline Tfrm_login* frm_login = nullptr;
// This workstation's adapter address: six bytes as upper-case hex joined by "-", or empty.
QString GetMACAdress();
}
