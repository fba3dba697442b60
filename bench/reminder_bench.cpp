// The reminder rebuild that runs on every activation of the main window, on an agency with
// 50 000 accounts, 500 000 policies and 2 000 000 ledger rows.
#include "db/db.h"
#include "generator.h"
#include "shell/dm.h"
#include "shell/hatirlatma.h"
#include "shell/menu.h"
#include "shell/session.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QProcess>
#include <benchmark/benchmark.h>

namespace {
Tfrm_menu* g_menu = nullptr;

void BM_ReminderRebuild(benchmark::State& state) {
  for (auto _ : state) hatirlatma::Yenile(*g_menu);
  state.counters["statements"] = hatirlatma::sonSorguSayisi();
  state.counters["lines"] = g_menu->ListBox1->count();
}
BENCHMARK(BM_ReminderRebuild)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
}  // namespace

int main(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ui::Dialogs::useScripted(true);
  const int port = qEnvironmentVariableIntValue("ORDAVIN_BENCH_PORT");
  const QString database = QStringLiteral("ordavin_bench_reminders");
  QProcess::execute(QStringLiteral("mariadb"),
                    {QStringLiteral("--no-defaults"), QStringLiteral("-h127.0.0.1"), QStringLiteral("-P%1").arg(port),
                     QStringLiteral("-uroot"), QStringLiteral("-e"),
                     QStringLiteral("DROP DATABASE IF EXISTS %1; CREATE DATABASE %1").arg(database)});
  QProcess load;
  load.setStandardInputFile(QStringLiteral(ORDAVIN_SOURCE_DIR "/schema/ordavin.sql"));
  load.start(QStringLiteral("mariadb"), {QStringLiteral("--no-defaults"), QStringLiteral("-h127.0.0.1"),
                                         QStringLiteral("-P%1").arg(port), QStringLiteral("-uroot"), database});
  load.waitForFinished(-1);
  db::Connection::instance().configure({QStringLiteral("127.0.0.1"), database, QStringLiteral("root"), QString(), port});
  db::Connection::instance().open();
  TDM1 dm;
  DM1 = &dm;
  login::SIRKET = QStringLiteral("01");
  login::kul_kod = QStringLiteral("1");
  login::mydata = database;

  bench::AgencySize size;
  size.companies = 3;
  size.accountsPerCompany = 16667;  // 50 000 accounts
  size.movements = 2000000;
  size.policies = 500000;
  size.notes = 20000;
  bench::generate(size);
  for (const char* t : {"FIRMALAR", "POLICE", "CARI_HAREKET", "ACIKLAMALAR"})
    db::Query(QStringLiteral("bench"), QStringLiteral("ANALYZE TABLE %1").arg(QString::fromLatin1(t))).exec();

  Tfrm_menu w;
  g_menu = &w;
  w.Calendar1->setSelectedDate(QDate(2026, 12, 1));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  g_menu = nullptr;
  DM1 = nullptr;
  return 0;
}
