#include "shell/menu.h"

#include "shell/login.h"
#include "shell/session.h"

#include <QCloseEvent>
#include <QLabel>

Tfrm_menu::Tfrm_menu(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("frm_menu"));
  setWindowTitle(QStringLiteral("Ordavin - ") + login::SIRKET + QStringLiteral(" - ") + login::userim);
  auto* l = new QLabel(login::sirketunvani, this);
  l->setAlignment(Qt::AlignCenter);
  setCentralWidget(l);
  resize(1024, 700);
}

void Tfrm_menu::closeEvent(QCloseEvent* e) {
  e->accept();
  // Ending the session ends the program: the login window's close disconnects and quits.
  if (login::frm_login) login::frm_login->close();
}
