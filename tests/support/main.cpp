#include "shell/dm.h"
#include "support/testdb.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>

int main(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
  ::testing::InitGoogleTest(&argc, argv);
  TDM1 dm;
  DM1 = &dm;
  support::startDatabase(QFileInfo(QString::fromLocal8Bit(argv[0])).baseName());
  const int rc = RUN_ALL_TESTS();
  support::stopDatabase();
  DM1 = nullptr;
  return rc;
}
