// Program entry: the login window first (the application's main window for the whole
// run), then the data module, then the message loop.
#include "cashbank/banka_ara.h"
#include "shell/dm.h"
#include "shell/login.h"
#include "shell/windows.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Ordavin"));
  QApplication::setApplicationDisplayName(QStringLiteral("Ordavin"));
  // Numbers and dates are Turkish on every workstation, whatever the system locale.
  QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
  // The program ends only through the login window's close.
  QApplication::setQuitOnLastWindowClosed(false);

  shell::registerWindows();
  cashbank::registerWindows();

  Tfrm_login frm;
  login::frm_login = &frm;
  TDM1 dm;
  DM1 = &dm;
  frm.show();
  const int rc = app.exec();
  DM1 = nullptr;
  login::frm_login = nullptr;
  return rc;
}
