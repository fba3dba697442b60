#include "shell/rapor.h"

#include "report/preview.h"
#include "shell/session.h"
#include "sys/sys.h"
#include "ui/dialogs.h"

#include <QFileInfo>

namespace login {

report::Dataset dataset(const db::Query& q) { return report::Dataset{q.rows()}; }

void Raporlaolustur(const QString& sql1, const QString& sql2) {
  const QString none = QStringLiteral("BOŞ");
  if (sql1.isEmpty() || sql1 == none) throw ui::Silent{};
  const QString path = PROGRAMINCALISMAYERI + QLatin1Char('/') + sys::localPath(raporbul_raporyolu);
  if (!QFileInfo(path).isFile()) {
    ui::Dialogs::message(path + QStringLiteral(" isimli rapor dosyası bulunamıyor. Kontrol Ediniz..."));
    throw ui::Silent{};
  }
  // Both report queries are closed however the preview ends.
  struct CloseQueries {
    ~CloseQueries() {
      qry_rapor1.close();
      qry_rapor2.close();
    }
  } closer;
  qry_rapor1.exec(sql1);
  const bool second = !sql2.isEmpty() && sql2 != none;
  if (second) qry_rapor2.exec(sql2);
  report::Template t;
  QString error;
  if (!report::load(path, &t, &error)) {
    ui::Dialogs::message(path + QStringLiteral(" isimli rapor dosyası okunamadı.") + QStringLiteral(" (") + error + QLatin1Char(')'));
    throw ui::Silent{};
  }
  const report::Dataset d1 = dataset(qry_rapor1);
  const report::Dataset d2 = second ? dataset(qry_rapor2) : report::Dataset{};
  report::Datasets data{{QStringLiteral("frxDBDataset1"), &d1}};
  if (second) data[QStringLiteral("frxDBDataset2")] = &d2;
  report::PreviewWindow preview(report::prepare(t, data));
  ui::showModal(preview);
}

}  // namespace login
