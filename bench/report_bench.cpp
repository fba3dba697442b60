// Rendering 10 000 detail rows to PDF through the report engine; reports pages per second.
#include "report/report.h"

#include <QGuiApplication>
#include <QSqlField>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
report::Dataset rows(int n) {
  report::Dataset d;
  for (int i = 1; i <= n; ++i) {
    QSqlRecord r;
    QSqlField kod(QStringLiteral("KOD"), QMetaType::fromType<QString>());
    kod.setValue(QStringLiteral("K%1").arg(i));
    QSqlField tutar(QStringLiteral("TUTAR"), QMetaType::fromType<double>());
    tutar.setValue(i * 1.25);
    r.append(kod);
    r.append(tutar);
    d.rows.push_back(r);
  }
  return d;
}

void BM_RenderPdf(benchmark::State& state) {
  report::Template t;
  QString error;
  if (!report::load(QStringLiteral(ORDAVIN_SOURCE_DIR "/tests/fixtures/reports/liste.fr3"), &t, &error)) {
    state.SkipWithError(error.toStdString().c_str());
    return;
  }
  const report::Dataset d = rows(int(state.range(0)));
  QTemporaryDir dir;
  size_t pages = 0;
  for (auto _ : state) {
    const report::Prepared p = report::prepare(t, {{QStringLiteral("frxDBDataset1"), &d}});
    report::exportPdf(p, dir.filePath(QStringLiteral("b.pdf")), &error);
    pages += p.pages.size();
  }
  state.counters["pages/s"] = benchmark::Counter(double(pages), benchmark::Counter::kIsRate);
  state.counters["pages"] = double(pages) / double(state.iterations());
}
BENCHMARK(BM_RenderPdf)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();
}  // namespace

int main(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
