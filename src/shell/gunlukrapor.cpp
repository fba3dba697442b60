#include "shell/gunlukrapor.h"

#include "db/db.h"
#include "shell/Utils.h"
#include "shell/session.h"
#include "sys/sys.h"
#include "ui/dialogs.h"

#include <QDate>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <stdexcept>

Tfrm_gunlukrapor::Tfrm_gunlukrapor(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frm_gunlukrapor"));
  setWindowTitle(QStringLiteral("Günlük Rapor"));
  auto* lay = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(QStringLiteral("İşlem Tarihi"), this));
  edt_islemtarihi1 = new QLineEdit(this);
  edt_islemtarihi1->setObjectName(QStringLiteral("edt_islemtarihi1"));
  edt_islemtarihi2 = new QLineEdit(this);
  edt_islemtarihi2->setObjectName(QStringLiteral("edt_islemtarihi2"));
  for (QLineEdit* e : {edt_islemtarihi1, edt_islemtarihi2}) {
    e->setPlaceholderText(QStringLiteral("gg.aa.yyyy"));
    e->setMaximumWidth(110);
    top->addWidget(e);
  }
  edt_parabirimi = new QComboBox(this);
  edt_parabirimi->setObjectName(QStringLiteral("edt_parabirimi"));
  edt_parabirimi->setEditable(true);
  edt_parabirimi->addItems({QStringLiteral("TL"), QStringLiteral("USD"), QStringLiteral("EURO")});
  top->addWidget(edt_parabirimi);
  btn_listele = new QPushButton(QStringLiteral("Listele"), this);
  btn_listele->setObjectName(QStringLiteral("btn_listele"));
  btn_aktar = new QPushButton(QStringLiteral("Aktar"), this);
  btn_aktar->setObjectName(QStringLiteral("btn_aktar"));
  btn_kapat = new QPushButton(QStringLiteral("Kapat"), this);
  btn_kapat->setObjectName(QStringLiteral("btn_kapat"));
  top->addWidget(btn_listele);
  top->addWidget(btn_aktar);
  top->addStretch();
  top->addWidget(btn_kapat);
  lay->addLayout(top);

  cxGrid1 = new grid::DBGrid(this);
  cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
  cxGrid1->view()->setEditTriggers(QAbstractItemView::NoEditTriggers);
  std::vector<grid::Column> cols;
  for (auto [f, c] : {std::pair{"ISLEMTURU", "ISLEMTURU"}, {"CARIUNVAN", "CARI UNVAN"}, {"EVRAKNO", "EVRAK NO"},
                      {"BORC", "BORC"}, {"ALACAK", "ALACAK"}, {"PARABIRIMI", "P.B"}, {"ACIKLAMA", "ACIKLAMA"},
                      {"EKACIKLAMA", "EK ACIKLAMA"}, {"VADETARIHI", "VADE"}, {"SATISTEMSILCISI", "S.TEMSİLCİSİ"},
                      {"EVRAKCINSI", "EVRAK"}, {"KULLANICI", "KULLANICI"}, {"ISLEMTARIHI", "TARIHI"}}) {
    grid::Column col;
    col.field = QString::fromLatin1(f);
    col.caption = QString::fromUtf8(c);
    if (col.field == QLatin1String("BORC") || col.field == QLatin1String("ALACAK")) col.decimals = 2;
    if (col.field == QLatin1String("ISLEMTURU")) col.visible = false;  // the grouping column
    cols.push_back(col);
  }
  cxGrid1->setColumns(cols);
  cxGrid1->setGroupBy(QStringLiteral("ISLEMTURU"));
  cxGrid1->setFooter({{QStringLiteral("BORC"), grid::SummaryKind::Sum, 2},
                      {QStringLiteral("ALACAK"), grid::SummaryKind::Sum, 2},
                      {QStringLiteral("CARIUNVAN"), grid::SummaryKind::Count, 0}});
  lay->addWidget(cxGrid1, 1);
  connect(btn_listele, &QPushButton::clicked, this, &Tfrm_gunlukrapor::btn_listeleClick);
  connect(btn_aktar, &QPushButton::clicked, this, &Tfrm_gunlukrapor::btn_aktarClick);
  connect(btn_kapat, &QPushButton::clicked, this, &QDialog::close);
  resize(1200, 700);
}

void Tfrm_gunlukrapor::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

void Tfrm_gunlukrapor::FormShow() {
  const QString today = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
  edt_islemtarihi1->setText(today);
  edt_islemtarihi2->setText(today);
  ui::runHandler([this] { listele(); });
}

void Tfrm_gunlukrapor::btn_listeleClick() {
  ui::runHandler([this] { listele(); });
}

void Tfrm_gunlukrapor::listele() {
  QString f = QStringLiteral(" and sirketkodu = :sirket");
  std::map<QString, QVariant> binds{{QStringLiteral("sirket"), login::SIRKET}};
  auto date = [](const QLineEdit* e) {
    const QDate d = QDate::fromString(e->text().trimmed(), QStringLiteral("dd.MM.yyyy"));
    if (!d.isValid())
      throw std::runtime_error(QStringLiteral("'%1' geçerli bir tarih değil.").arg(e->text()).toStdString());
    return DateForMySql(d);
  };
  if (!edt_islemtarihi1->text().trimmed().isEmpty()) {
    f += QStringLiteral(" and islemtarihi >= :t1");
    binds[QStringLiteral("t1")] = date(edt_islemtarihi1);
  }
  if (!edt_islemtarihi2->text().trimmed().isEmpty()) {
    f += QStringLiteral(" and islemtarihi <= :t2");
    binds[QStringLiteral("t2")] = date(edt_islemtarihi2);
  }
  if (!edt_parabirimi->currentText().isEmpty()) {
    f += QStringLiteral(" and parabirimi = :pb");
    binds[QStringLiteral("pb")] = edt_parabirimi->currentText();
  }
  db::Query q(QStringLiteral("qry_gunluk"));
  q.setSql(QStringLiteral("select * from CARI_HAREKET where 1=1 %1  order by islemtarihi,borc,cariunvan").arg(f));
  for (const auto& [k, v] : binds) q.bind(k, v);
  q.exec();
  cxGrid1->load(q);
}

void Tfrm_gunlukrapor::btn_aktarClick() {
  ui::runHandler([this] {
    const QString folder = sys::programFile(QStringLiteral("YEDEK"));
    QDir().mkpath(folder);  // a missing backup folder is made, not an error
    const QString requested =
        folder + QLatin1Char('/') + QDate::currentDate().toString(QStringLiteral("ddMMyyyy")) + QStringLiteral("RAPORU.xls");
    QString error;
    if (!cxGrid1->exportTo(requested, &error)) throw std::runtime_error(error.toStdString());
    sys::shellOpen(sheet::realPath(requested));
  });
}
