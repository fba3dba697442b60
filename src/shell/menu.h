// The main window. The session runs inside it, shown modally by the login.
#pragma once
#include <QMainWindow>

class Tfrm_menu : public QMainWindow {
  Q_OBJECT
 public:
  explicit Tfrm_menu(QWidget* parent = nullptr);

 protected:
  void closeEvent(QCloseEvent* e) override;
};

namespace menu {
inline Tfrm_menu* frm_menu = nullptr;
}
