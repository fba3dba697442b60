#include "shell/dosyayonetimi.h"

#include "db/db.h"
#include "shell/Utils.h"
#include "shell/firmaadi_ara.h"
#include "shell/session.h"
#include "sys/sys.h"
#include "ui/dialogs.h"
#include "ui/widgets.h"
#include "ui/menukeys.h"

#include <QCloseEvent>
#include <QDate>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QVBoxLayout>

Tfrm_dosyayonetimi::Tfrm_dosyayonetimi(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frm_dosyayonetimi"));
  setWindowTitle(QStringLiteral("Dosya-Evrak Yönetimi"));
  auto* lay = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  btn_yeni = ui::button(this, "btn_yeni", QStringLiteral("Yeni"), bar);
  btn_kaydet = ui::button(this, "btn_kaydet", QStringLiteral("Kaydet"), bar);
  btn_sil = ui::button(this, "btn_sil", QStringLiteral("Sil"), bar);
  btn_iptal = ui::button(this, "btn_iptal", QStringLiteral("İptal"), bar);
  btn_islemler = ui::button(this, "btn_islemler", QStringLiteral("İşlemler"), bar);
  mnu_islemler = new QMenu(this);
  mnu_tumunulistele = mnu_islemler->addAction(QStringLiteral("Tümünü Listele"));
  mnu_excel = mnu_islemler->addAction(QStringLiteral("Excele Aktar"));
  btn_islemler->setMenu(mnu_islemler);
  bar->addStretch();
  btn_kapat = ui::button(this, "btn_kapat", QStringLiteral("Kapat"), bar);
  lay->addLayout(bar);

  auto* top = new QHBoxLayout;
  auto* form = new QFormLayout;
  cxGrid1 = new grid::DBGrid(this);
  cxGrid1->setObjectName(QStringLiteral("cxGrid1"));
  cxGrid1->view()->setEditTriggers(QAbstractItemView::NoEditTriggers);
  cxGrid1->setColumns(grid::columns({{"KAYITNO", "K.NO"}, {"KAYITTARIHI", "K.TARIHI"}, {"EVRAKTURU", "E.TURU"},
                      {"EVRAKKAYITNO", "E.K.NO"}, {"CARIKOD", "C.KOD"}, {"CARIUNVAN", "CARI UNVAN"},
                      {"ACIKLAMA1", "ACIKLAMA1"}, {"KONUM", "KONUM"}, {"ACIKLAMA2", "ACIKLAMA2"}, {"PCADI", "PCADI"},
                      {"SONUC", "SONUC"}, {"KILIT", "KILIT"}, {"KULLANICI", "KULLANICI"}}));
  binder = new grid::Binder(cxGrid1);
  auto line = [&](QLineEdit*& e, const char* name, const QString& caption, const char* field, int width) {
    e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    binder->bind(e, QString::fromLatin1(field), width);
    form->addRow(caption, e);
  };
  line(edt_carikod, "edt_carikod", QStringLiteral("Carı Kod"), "CARIKOD", 20);
  line(edt_cariunvan, "edt_cariunvan", QStringLiteral("Cari Ünvan"), "CARIUNVAN", 120);
  line(edt_aciklama1, "edt_aciklama1", QStringLiteral("Acıklama 1"), "ACIKLAMA1", 60);
  line(edt_aciklama2, "edt_aciklama2", QStringLiteral("Acıklama 2"), "ACIKLAMA2", 60);
  line(edt_konum, "edt_konum", QStringLiteral("Konum"), "KONUM", 250);
  line(edt_pcadi, "edt_pcadi", QStringLiteral("Pc Adı"), "PCADI", 20);
  line(edt_kilit, "edt_kilit", QStringLiteral("Kilit"), "KILIT", 1);
  auto* fileButtons = new QHBoxLayout;
  btn_dosyabul = ui::button(this, "btn_dosyabul", QStringLiteral("Dosyayı Bul"), fileButtons);
  btn_dosyaac = ui::button(this, "btn_dosyaac", QStringLiteral("Dosyayı Ac"), fileButtons);
  btn_cariara = ui::button(this, "btn_cariara", QStringLiteral("Carı Kart Arama"), fileButtons);
  form->addRow(fileButtons);
  auto* listButtons = new QHBoxLayout;
  btn_buCari = ui::button(this, "btn_buCari", QStringLiteral("Bu Cariye Ait Tüm Dosyalar"), listButtons);
  btn_buEvrakTuru = ui::button(this, "btn_buEvrakTuru", QStringLiteral("Bu Evrak Türüne Ait Tüm Dosyalar"), listButtons);
  btn_tumDosyalar = ui::button(this, "btn_tumDosyalar", QStringLiteral("Tüm Dosyalar"), listButtons);
  form->addRow(listButtons);
  top->addLayout(form, 2);
  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setFixedSize(260, 200);
  Image1->setFrameShape(QFrame::StyledPanel);
  Image1->setScaledContents(true);
  top->addWidget(Image1);
  lay->addLayout(top);
  lay->addWidget(cxGrid1, 1);

  connect(btn_yeni, &QPushButton::clicked, this, &Tfrm_dosyayonetimi::btn_yeniClick);
  connect(btn_kaydet, &QPushButton::clicked, this, &Tfrm_dosyayonetimi::btn_kaydetClick);
  connect(btn_sil, &QPushButton::clicked, this, &Tfrm_dosyayonetimi::btn_silClick);
  connect(btn_iptal, &QPushButton::clicked, this, [this] {
    cxGrid1->cancel();
    binder->load();
  });
  connect(btn_kapat, &QPushButton::clicked, this, &QDialog::close);
  connect(btn_dosyabul, &QPushButton::clicked, this, &Tfrm_dosyayonetimi::btn_dosyabulClick);
  connect(btn_dosyaac, &QPushButton::clicked, this, &Tfrm_dosyayonetimi::btn_dosyaacClick);
  connect(btn_cariara, &QPushButton::clicked, this, &Tfrm_dosyayonetimi::btn_cariaraClick);
  connect(btn_buCari, &QPushButton::clicked, this, [this] { listCommand(0); });
  connect(btn_buEvrakTuru, &QPushButton::clicked, this, [this] { listCommand(1); });
  connect(btn_tumDosyalar, &QPushButton::clicked, this, [this] { listCommand(2); });
  connect(mnu_tumunulistele, &QAction::triggered, this, [this] { listCommand(2); });
  connect(mnu_excel, &QAction::triggered, this, &Tfrm_dosyayonetimi::ExceleAktarClick);
  connect(cxGrid1, &grid::DBGrid::rowDoubleClicked, this, [this](int) { btn_dosyaacClick(); });
  connect(cxGrid1, &grid::DBGrid::currentRowChanged, this, [this](int) { preview(); });
  ui::MenuKeys keys;
  keys.yeni = [this] { btn_yeniClick(); };
  keys.kaydet = [this] { btn_kaydetClick(); };
  keys.sil = [this] { btn_silClick(); };
  keys.iptal = [this] { btn_iptal->click(); };
  keys.excel = [this] { ExceleAktarClick(); };
  keys.kapat = [this] { close(); };
  ui::bindMenuKeys(this, keys);
  binder->load();
  resize(1100, 700);
}

void Tfrm_dosyayonetimi::ac(QWidget* owner, const registry::OpenArgs& a) {
  Tfrm_dosyayonetimi w(owner);
  dosyayonetimi::dosyaevrakkayitno = a.ownerNo.toInt();
  dosyayonetimi::dosyaevrakkayitturu = a.ownerKind;
  dosyayonetimi::dosyacarikod = a.cariKod;
  dosyayonetimi::dosyacariunvan = a.cariUnvan;
  dosyayonetimi::dosyaaciklama2 = a.aciklama;
  if (!a.ownerKind.isEmpty()) ui::runHandler([&] { w.listOwner(); });
  ui::showModal(w);
  w.close();
}

void Tfrm_dosyayonetimi::listOwner() {
  list(QStringLiteral(" and Evrakkayitno = :no and Evrakturu = :tur "),
       {{QStringLiteral("no"), dosyayonetimi::dosyaevrakkayitno},
        {QStringLiteral("tur"), db::sqlTextValue(dosyayonetimi::dosyaevrakkayitturu)}});
}

void Tfrm_dosyayonetimi::list(const QString& condition, const std::map<QString, QVariant>& binds) {
  db::Query q(QStringLiteral("qry_dokumanlar"));
  q.setSql(QStringLiteral("select * from DOKUMANLAR where 1=1  and sirketkodu = :sirket") + condition);
  q.bind(QStringLiteral("sirket"), db::sqlTextValue(login::SIRKET));
  for (const auto& [k, v] : binds) q.bind(k, v);
  q.exec();
  cxGrid1->setEditable(QStringLiteral("DOKUMANLAR"), QStringLiteral("KAYITNO"), {{QStringLiteral("SIRKETKODU"), login::SIRKET}});
  cxGrid1->load(q);
  binder->load();
  preview();
}

void Tfrm_dosyayonetimi::listCommand(int which) {
  ui::runHandler([&] {
    if (which == 2) list(QString(), {});
    else if (which == 0)
      list(QStringLiteral(" and CARIKOD = :v "), {{QStringLiteral("v"), db::sqlTextValue(cxGrid1->value(QStringLiteral("CARIKOD")).toString())}});
    else
      list(QStringLiteral(" and EVRAKTURU = :v "),
           {{QStringLiteral("v"), db::sqlTextValue(cxGrid1->value(QStringLiteral("EVRAKTURU")).toString())}});
  });
}

void Tfrm_dosyayonetimi::btn_yeniClick() {
  ui::runHandler([this] {
    if (!cxGrid1->editable()) {
      ui::Dialogs::message(QStringLiteral("Liste açık değil. Önce bir listeleme yapınız."));
      return;
    }
    cxGrid1->append({{QStringLiteral("EVRAKKAYITNO"), dosyayonetimi::dosyaevrakkayitno},
                     {QStringLiteral("EVRAKTURU"), Utils::fit(dosyayonetimi::dosyaevrakkayitturu, 20)},
                     {QStringLiteral("CARIKOD"), Utils::fit(dosyayonetimi::dosyacarikod, 20)},
                     {QStringLiteral("CARIUNVAN"), Utils::fit(dosyayonetimi::dosyacariunvan, 120)},
                     {QStringLiteral("ACIKLAMA2"), Utils::fit(dosyayonetimi::dosyaaciklama2, 60)},
                     {QStringLiteral("SIRKETKODU"), login::SIRKET},
                     {QStringLiteral("KAYITTARIHI"), QDate::currentDate()},
                     {QStringLiteral("KULLANICI"), Utils::fit(login::userim, 10)},
                     {QStringLiteral("SONUC"), QStringLiteral("EKLENMEDİ")}});
    binder->load();
  });
}

void Tfrm_dosyayonetimi::btn_kaydetClick() {
  ui::runHandler([this] {
    cxGrid1->post();
    binder->load();
  });
}

void Tfrm_dosyayonetimi::btn_silClick() {
  ui::runHandler([this] {
    if (cxGrid1->rowCount() == 0) return;
    if (!ui::Dialogs::question(QStringLiteral("Bu Kaydı Silmek İstiyormusunuz ? "))) return;
    cxGrid1->deleteCurrent();  // the file itself stays on disk
    binder->load();
    ui::Dialogs::message(QStringLiteral(" Kayıt  Silindi "));
  });
}

void Tfrm_dosyayonetimi::btn_dosyabulClick() {
  ui::runHandler([this] {
    if (cxGrid1->currentRow() < 0) return;
    const QString path = ui::Dialogs::openFile(QStringLiteral("Dosya Seçiniz"), QStringLiteral("Tüm Dosyalar (*)"));
    if (path.isEmpty()) return;
    binder->set(QStringLiteral("KONUM"), path.left(250));
    binder->set(QStringLiteral("SONUC"), QStringLiteral("EKLENDİ"));
    preview();
  });
}

void Tfrm_dosyayonetimi::btn_dosyaacClick() {
  // What the system's program does with the file (or a missing one) is its own business.
  if (!edt_konum->text().isEmpty()) sys::shellOpen(edt_konum->text());
}

void Tfrm_dosyayonetimi::btn_cariaraClick() {
  ui::runHandler([this] {
    if (cxGrid1->currentRow() < 0) return;
    Tfrm_firmaadi_ara picker(this);
    if (picker.dosya_ara_modal() == QLatin1String("-1")) return;
    const QSqlRecord r = picker.current();
    const QString kod = r.value(QStringLiteral("CARIKOD")).toString();
    const QString unvan = r.value(QStringLiteral("CARIUNVAN")).toString();
    binder->set(QStringLiteral("CARIKOD"), kod);
    binder->set(QStringLiteral("CARIUNVAN"), unvan);
    dosyayonetimi::dosyacarikod = kod;  // further new rows inherit the customer
    dosyayonetimi::dosyacariunvan = unvan;
  });
}

void Tfrm_dosyayonetimi::preview() {
  const QString konum = cxGrid1->currentRow() < 0 ? QString() : cxGrid1->value(QStringLiteral("KONUM")).toString();
  const QString path = sys::localPath(konum);
  if (konum.isEmpty() || !QFileInfo::exists(path)) return;  // the pane keeps its last picture
  QImageReader reader(path);
  QImage img = reader.read();
  if (img.isNull()) img = QImage(sys::programFile(QStringLiteral("RESIMLER/bos.jpg")));
  Image1->setPixmap(QPixmap::fromImage(img));
}

void Tfrm_dosyayonetimi::ExceleAktarClick() {
  ui::runHandler([this] {
    const QString requested = sys::programFile(QStringLiteral("DOSYA.xls"));
    QString error;
    if (!cxGrid1->exportTo(requested, &error)) throw std::runtime_error(error.toStdString());
    ui::Dialogs::message(QStringLiteral("Dosya Konumu ve Adı: ") + sheet::realPath(requested) +
                         QStringLiteral("  olan Excel Dosyası Oluşturuldu."));
  });
}

Tfrm_dosyayonetimi::~Tfrm_dosyayonetimi() { clearContext(); }

void Tfrm_dosyayonetimi::clearContext() {
  dosyayonetimi::dosyaevrakkayitno = 0;
  dosyayonetimi::dosyaevrakkayitturu.clear();
  dosyayonetimi::dosyacarikod.clear();
  dosyayonetimi::dosyacariunvan.clear();
  dosyayonetimi::dosyaaciklama2.clear();
}

void Tfrm_dosyayonetimi::closeEvent(QCloseEvent* e) {
  clearContext();
  QDialog::closeEvent(e);
}
