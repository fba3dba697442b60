// Recomputing one account's stored totals: one account with 100 000 ledger rows among
// 2 000 000, next to a plain SELECT SUM over the same rows.
#include "db/db.h"
#include "generator.h"
#include "shell/ledger.h"
#include "shell/session.h"
#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QProcess>
#include <benchmark/benchmark.h>

namespace {
void BM_Bakiyeguncelle(benchmark::State& state) {
  for (auto _ : state) login::bakiyeguncelle(QStringLiteral("HOT"));
}
void BM_PlainSum(benchmark::State& state) {
  db::Query q(QStringLiteral("bench"), QStringLiteral("SELECT SUM(BORC), SUM(ALACAK) FROM CARI_HAREKET "
                                                      "WHERE SIRKETKODU='01' AND CARIKOD='HOT'"));
  for (auto _ : state) q.exec();
}
BENCHMARK(BM_Bakiyeguncelle)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PlainSum)->Unit(benchmark::kMillisecond)->MinTime(2.0);
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ui::Dialogs::useScripted(true);
  const int port = qEnvironmentVariableIntValue("ORDAVIN_BENCH_PORT");
  const QString database = QStringLiteral("ordavin_bench");
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
  login::SIRKET = QStringLiteral("01");
  login::mydata = database;

  bench::AgencySize size;
  size.movements = 1900000;
  size.hotAccountMovements = 100000;
  bench::generate(size);
  db::Query(QStringLiteral("bench"), QStringLiteral("ANALYZE TABLE CARI_HAREKET")).exec();

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
