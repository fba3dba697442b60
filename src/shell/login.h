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

 public slots:
  void FormShow();
  void btn_baglanClick();

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void startUp();
  bool shown_ = false;
};

namespace login {
inline Tfrm_login* frm_login = nullptr;
}
