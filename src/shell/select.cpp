#include "shell/select.h"

#include "db/db.h"
#include "sheet/sheet.h"
#include "shell/Utils.h"
#include "shell/session.h"
#include "sys/sys.h"
#include "ui/dialogs.h"
#include "ui/menukeys.h"
#include "ui/widgets.h"

#include <QCloseEvent>
#include <QDate>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>

namespace {
const char* kPlaceholder = "Aktarmak istesiginiz Tabloyu Secin";
const QString kNoFull = QStringLiteral("Bu İşlem İçin Yetkili Değilsiniz.(TamYetki)");
}  // namespace

Tfrm_select::Tfrm_select(QWidget* parent, bool unscreened) : QDialog(parent), unscreened_(unscreened) {
  setObjectName(QStringLiteral("frm_select"));
  setWindowTitle(QStringLiteral("Veri Kontrol Paneli"));
  auto* lay = new QVBoxLayout(this);
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  lay->addWidget(PageControl1, 1);

  auto* p1 = new QWidget;
  auto* l1 = new QVBoxLayout(p1);
  auto* bar = new QHBoxLayout;
  btn_listele = ui::button(p1, "btn_listele", QStringLiteral("Listele (F7)   "), bar);
  btn_islemler = ui::button(p1, "btn_islemler", QStringLiteral("İşlemler"), bar);
  mnu_islemler = new QMenu(this);
  mnu_duzenleme = mnu_islemler->addAction(QStringLiteral("Düzenleme Yapmayı  Etkinleştir"));
  mnu_kaydet = mnu_islemler->addAction(QStringLiteral("Kaydet"));
  mnu_sil = mnu_islemler->addAction(QStringLiteral("Sil"));
  mnu_excel = mnu_islemler->addAction(QStringLiteral("Excele Aktar"));
  btn_islemler->setMenu(mnu_islemler);
  bar->addStretch();
  l1->addLayout(bar);
  Memo1 = new QPlainTextEdit(p1);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setMaximumHeight(140);
  Memo1->setFont(QFont(QStringLiteral("DejaVu Sans Mono")));
  l1->addWidget(Memo1);
  DBGrid1 = new grid::DBGrid(p1);
  DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
  DBGrid1->setReadOnly(true);
  l1->addWidget(DBGrid1, 1);
  PageControl1->addTab(p1, QStringLiteral("Veri İşlemleri"));

  auto* p2 = new QWidget;
  auto* l2 = new QVBoxLayout(p2);
  btn_carikodubos = ui::button(p2, "btn_carikodubos", QStringLiteral("Carı Kodu Boş Kartları Sil"), l2);
  btn_stokkodubos = ui::button(p2, "btn_stokkodubos", QStringLiteral("Stok Kodu Boş Kartları Sil"), l2);
  btn_sirketkodubos = ui::button(p2, "btn_sirketkodubos", QStringLiteral("Sirket Kodu Boş Kartları Sil"), l2);
  btn_tarihdoldur = ui::button(p2, "btn_tarihdoldur", QStringLiteral("Vade yada İşlem Tarihi Boşsa Doldur"), l2);
  l2->addStretch();
  PageControl1->addTab(p2, QStringLiteral("Bakım"));

  auto* p3 = new QWidget;
  auto* l3 = new QVBoxLayout(p3);
  for (const char* t : {"Aktarmada excel dosyası acık olmalı. ilk sutun dolu olmalı. ",
                        "Aktarma işlemini içinde bulunduğunuz şirket koduna göre yapacaktır.",
                        "Excel Dosyasındakı satır adetiniz kayıt sayısıdır. 3000 yazan yere elle giriniz.",
                        "Örnek tablolardaki sütunların yerini değiştirmeyiniz, sütun silmeyiniz."})
    l3->addWidget(new QLabel(QString::fromUtf8(t), p3));
  auto* count = new QHBoxLayout;
  count->addWidget(new QLabel(QStringLiteral("Aktarmak İstediğiniz Kayıt Sayısı :"), p3));
  edt_kayitsayisi = new QLineEdit(QStringLiteral("3000"), p3);
  edt_kayitsayisi->setObjectName(QStringLiteral("edt_kayitsayisi"));
  count->addWidget(edt_kayitsayisi);
  count->addStretch();
  l3->addLayout(count);
  auto* rowCari = new QHBoxLayout;
  btn_cariexcel = ui::button(p3, "btn_cariexcel", QStringLiteral("Cari Kartları Excelden Al"), rowCari);
  btn_ornekcari = ui::button(p3, "btn_ornekcari", QStringLiteral("Örnek Cari Excel Dosyası"), rowCari);
  l3->addLayout(rowCari);
  auto* rowStok = new QHBoxLayout;
  btn_stokexcel = ui::button(p3, "btn_stokexcel", QStringLiteral("Stok Kartlarını Excelden Al"), rowStok);
  btn_ornekstok = ui::button(p3, "btn_ornekstok", QStringLiteral("Örnek Stok Excel Dosyası"), rowStok);
  l3->addLayout(rowStok);
  auto* rowTable = new QHBoxLayout;
  ComboBox1 = new QComboBox(p3);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  ComboBox1->setPlaceholderText(QString::fromUtf8(kPlaceholder));
  ComboBox1->addItems({"KASA", "KASALAR", "BANKALAR", "BANKA", "CEKLER", "SENETLER", "ODEMEPLANI", "ISPROGRAMI", "GOREVLER",
                       "CALLLIST", "ACIKLAMALAR", "FORMPAREMETRELERI", "MODULLER", "RESIMLER", "TERCUME", "TERCUMANLAR",
                       "SOZLESME", "NAKLIYE", "MASRAFLAR", "ARACLAR"});
  ComboBox1->setCurrentIndex(-1);
  rowTable->addWidget(new QLabel(QStringLiteral("Tablo"), p3));
  rowTable->addWidget(ComboBox1);
  btn_tabloexcel = ui::button(p3, "btn_tabloexcel", QStringLiteral("Secili Tablo için Kayıtları Excelden Al"), rowTable);
  btn_ornektablo = ui::button(p3, "btn_ornektablo", QStringLiteral("Örnek Excel Dosyası"), rowTable);
  l3->addLayout(rowTable);
  ProgressBar1 = new QProgressBar(p3);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->hide();
  l3->addWidget(ProgressBar1);
  l3->addStretch();
  PageControl1->addTab(p3, QStringLiteral("Veri Al"));

  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  btn_kapat = ui::button(this, "btn_kapat", QStringLiteral("Kapat"), bottom);
  lay->addLayout(bottom);

  connect(btn_listele, &QPushButton::clicked, this, &Tfrm_select::Listele);
  connect(mnu_duzenleme, &QAction::triggered, this, &Tfrm_select::DuzenlemeyiEtkinlestir);
  connect(mnu_kaydet, &QAction::triggered, this, &Tfrm_select::Kaydet);
  connect(mnu_sil, &QAction::triggered, this, &Tfrm_select::Sil);
  connect(mnu_excel, &QAction::triggered, this, &Tfrm_select::ExceleAktar);
  connect(btn_carikodubos, &QPushButton::clicked, this, [this] { Bakim(1); });
  connect(btn_stokkodubos, &QPushButton::clicked, this, [this] { Bakim(2); });
  connect(btn_sirketkodubos, &QPushButton::clicked, this, [this] { Bakim(3); });
  connect(btn_tarihdoldur, &QPushButton::clicked, this, [this] { Bakim(4); });
  connect(btn_cariexcel, &QPushButton::clicked, this, [this] { Aktar(QStringLiteral("FIRMALAR")); });
  connect(btn_stokexcel, &QPushButton::clicked, this, [this] { Aktar(QStringLiteral("STOK")); });
  connect(btn_tabloexcel, &QPushButton::clicked, this, [this] {
    if (ComboBox1->currentIndex() >= 0) Aktar(ComboBox1->currentText());
  });
  connect(btn_ornekcari, &QPushButton::clicked, this, [this] { Ornek(QStringLiteral("FIRMALAR")); });
  connect(btn_ornekstok, &QPushButton::clicked, this, [this] { Ornek(QStringLiteral("STOK")); });
  connect(btn_ornektablo, &QPushButton::clicked, this, [this] {
    if (ComboBox1->currentIndex() >= 0) Ornek(ComboBox1->currentText());
  });
  connect(btn_kapat, &QPushButton::clicked, this, &QDialog::close);
  ui::MenuKeys keys;
  keys.listele = [this] { Listele(); };
  keys.kapat = [this] { close(); };
  ui::bindMenuKeys(this, keys);
  resize(1100, 700);
}

void Tfrm_select::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
}

void Tfrm_select::FormShow() {
  ui::runHandler([this] { yetki.load(QStringLiteral("select")); });
}

bool Tfrm_select::fullRight() {
  if (yetki.yetki_tam == QLatin1String("E")) return true;
  ui::Dialogs::message(kNoFull);
  return false;
}

void Tfrm_select::Listele() {
  ui::runHandler([this] {
    const QString sqlText = Memo1->toPlainText();
    const db::Statement st = db::classify(sqlText);
    if (st.several) {
      ui::Dialogs::message(QStringLiteral("Bu SQL kodda birden fazla işlem var. Tek tek çalıştırınız."));
      return;
    }
    if (!unscreened_) {
      switch (st.kind) {
        case db::Statement::Read:
          if (st.versioned && !yetki.izin(yetki.yetki_tam)) return;
          break;
        case db::Statement::Delete:
          ui::Dialogs::message(QStringLiteral("Bu SQL kod silme işlemi içeriyor. "));
          if (!yetki.izin(yetki.yetki_delete) || (st.versioned && !yetki.izin(yetki.yetki_tam))) return;
          break;
        case db::Statement::Update:
          if (!yetki.izin(yetki.yetki_edit) || (st.versioned && !yetki.izin(yetki.yetki_tam))) return;
          ui::Dialogs::message(QStringLiteral("Bu SQL kod değiştirme işlemi içeriyor. "));
          break;
        case db::Statement::Insert:
          if (!yetki.izin(yetki.yetki_insert) || (st.versioned && !yetki.izin(yetki.yetki_tam))) return;
          ui::Dialogs::message(QStringLiteral("Bu SQL kod kayit ekleme işlemi içeriyor. "));
          break;
        case db::Statement::Other:
          if (!yetki.izin(yetki.yetki_tam)) return;
          if (st.keyword == QLatin1String("DROP")) ui::Dialogs::message(QStringLiteral("Bu SQL kod tablo kaldırma işlemi içeriyor. "));
          if (st.keyword == QLatin1String("ALTER"))
            ui::Dialogs::message(QStringLiteral("Bu SQL kod tabloda alan özelliği değiştirme yada alan ekleme işlemi içeriyor. "));
          break;
      }
    }
    if (!ui::Dialogs::question(QStringLiteral("Bu SQL kod ile işlem yapmak istiyor musunuz ? "))) return;
    QRY_DATA.setSql(sqlText);  // run as typed: no parameters are read out of it
    QRY_DATA.exec();
    lastSql_ = sqlText;
    DBGrid1->setEditable(QString(), QString());
    DBGrid1->setReadOnly(true);
    DBGrid1->load(QRY_DATA);
    if (QRY_DATA.rowCount() > 0) ui::Dialogs::message(QString::number(QRY_DATA.rowCount()) + QStringLiteral(" adet kayıt bulundu."));
  });
}

void Tfrm_select::DuzenlemeyiEtkinlestir() {
  ui::runHandler([this] {
    if (!fullRight()) return;
    // Only the rows of one base table can be written back.
    static const QRegularExpression single(
        QStringLiteral("^\\s*select\\s+.+?\\s+from\\s+`?([A-Za-z_][A-Za-z0-9_]*)`?(\\s+(where|order|limit|group)\\b.*)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const auto m = single.match(lastSql_);
    if (!m.hasMatch() || lastSql_.contains(QRegularExpression(QStringLiteral("\\bjoin\\b"), QRegularExpression::CaseInsensitiveOption))) {
      ui::Dialogs::message(QStringLiteral("Düzenleme yalnızca tek tablodan yapılan listelemelerde yapılabilir."));
      return;
    }
    const QString table = m.captured(1).toUpper();
    db::Query q(QStringLiteral("Query3"));
    q.setSql(QStringLiteral("SELECT COLUMN_NAME FROM information_schema.KEY_COLUMN_USAGE WHERE TABLE_SCHEMA = DATABASE() "
                            "AND TABLE_NAME = :t AND CONSTRAINT_NAME = 'PRIMARY'"));
    q.bind(QStringLiteral("t"), table);
    q.exec();
    if (q.isEmpty() || DBGrid1->columnIndex(q.text(QStringLiteral("COLUMN_NAME"))) < 0) {
      ui::Dialogs::message(QStringLiteral("Düzenleme yalnızca tek tablodan yapılan listelemelerde yapılabilir."));
      return;
    }
    DBGrid1->setEditable(table, q.text(QStringLiteral("COLUMN_NAME")));
    DBGrid1->setReadOnly(false);
  });
}

void Tfrm_select::Kaydet() {
  ui::runHandler([this] {
    if (!fullRight()) return;
    if (DBGrid1->editable()) DBGrid1->post();
  });
}

void Tfrm_select::Sil() {
  ui::runHandler([this] {
    if (!fullRight()) return;
    if (DBGrid1->editable()) DBGrid1->deleteCurrent();
  });
}

void Tfrm_select::ExceleAktar() {
  ui::runHandler([this] {
    if (!yetki.izin(yetki.yetki_vver)) return;
    const QString requested = sys::programFile(QStringLiteral("SQL.xls"));
    QString error;
    if (!DBGrid1->exportTo(requested, &error)) throw std::runtime_error(error.toStdString());
    const QString file = sheet::realPath(requested);
    ui::Dialogs::message(QStringLiteral("Dosya Konumu ve Adı: ") + file + QStringLiteral("  olan Excel Dosyası Oluşturuldu."));
    sys::shellOpen(file);
  });
}

namespace {
struct Repair {
  const char* table;
  const char* where;
  const char* set;  // empty: delete the rows
};
}  // namespace

void Tfrm_select::Bakim(int command) {
  ui::runHandler([&] {
    if (!fullRight()) return;
    static const Repair accountCodes[] = {
        {"FIRMALAR", "FIRMA_KODU is null", ""},
        {"FIRMALAR", "carikod is null or carikod = ''", ""},
        {"FATURA", "carikod is null or carikod = ''", ""},
        {"FATURA", "kayitno is null", ""},
        {"FATURAHAREKETI", "carikod is null or carikod = ''", ""},
        {"FATURAHAREKETI", "kayitno is null", ""},
        {"IRSALIYE", "carikod is null or carikod = ''", ""},
        {"IRSALIYEHAREKETI", "carikod is null or carikod = ''", ""},
        {"SIPARIS", "carikod is null or carikod = ''", ""},
        {"SIPARISHAREKETI", "carikod is null or carikod = ''", ""},
        {"STOKHAREKETI", "(carikodu is null or carikodu = '') and coalesce(islemcinsi, '') <> 'DEVİR'", ""},
        {"KASA", "carikod is null or carikod = ''", ""},
        {"BANKA", "carikod is null or carikod = ''", ""},
        {"CEKLER", "giriscarikodu is null or giriscarikodu = ''", ""},
        {"SENETLER", "giriscarikodu is null or giriscarikodu = ''", ""},
        {"CARI_HAREKET", "carikod is null or carikod = ''", ""},
        {"CARI_HAREKET", "kayitno is null", ""},
        {"CARI_HAREKET", "cariunvan is null and borc is null and alacak is null and evrakcinsi is null", ""}};
    static const Repair stockCodes[] = {
        {"FATURAHAREKETI", "stokkodu is null or stokkodu = ''", ""},
        {"IRSALIYEHAREKETI", "stokkodu is null or stokkodu = ''", ""},
        {"SIPARISHAREKETI", "stokkodu is null or stokkodu = ''", ""},
        {"STOKHAREKETI", "stokno is null or stokno = ''", ""},
        {"STOK", "stokno is null or stokno = ''", ""},
        {"STOKHAREKETI", "GIRISMIKTAR is null", "GIRISMIKTAR"},
        {"STOKHAREKETI", "GIRISIBIRIMFIYAT is null", "GIRISIBIRIMFIYAT"},
        {"STOKHAREKETI", "GIRISTUTAR is null", "GIRISTUTAR"},
        {"STOKHAREKETI", "CIKISMIKTAR is null", "CIKISMIKTAR"},
        {"STOKHAREKETI", "CIKISBIRIMFIYAT is null", "CIKISBIRIMFIYAT"},
        {"STOKHAREKETI", "CIKISTUTAR is null", "CIKISTUTAR"}};
    static const Repair companyCodes[] = {
        {"FIRMALAR", "sirketkodu is null or sirketkodu = ''", ""},         {"FATURA", "sirketkodu is null or sirketkodu = ''", ""},
        {"FATURAHAREKETI", "sirketkodu is null or sirketkodu = ''", ""},   {"IRSALIYE", "sirketkodu is null or sirketkodu = ''", ""},
        {"IRSALIYEHAREKETI", "sirketkodu is null or sirketkodu = ''", ""}, {"SIPARIS", "sirketkodu is null or sirketkodu = ''", ""},
        {"SIPARISHAREKETI", "sirketkodu is null or sirketkodu = ''", ""},  {"STOKHAREKETI", "sirketkodu is null or sirketkodu = ''", ""},
        {"KASA", "sirketkodu is null or sirketkodu = ''", ""},             {"BANKA", "sirketkodu is null or sirketkodu = ''", ""},
        {"CEKLER", "sirketkodu is null or sirketkodu = ''", ""},           {"SENETLER", "sirketkodu is null or sirketkodu = ''", ""},
        {"CARI_HAREKET", "sirketkodu is null or sirketkodu = ''", ""}};
    static const Repair dates[] = {{"SENETLER", "tarihi is null", "tarihi"},
                                   {"CEKLER", "tarihi is null", "tarihi"},
                                   {"ODEMEPLANI", "vadetarihi is null", "vadetarihi"},
                                   {"CARI_HAREKET", "vadetarihi is null", "vadetarihi"},
                                   {"CARI_HAREKET", "islemtarihi is null", "islemtarihi"},
                                   {"KASA", "islemtarihi is null", "islemtarihi"},
                                   {"BANKA", "islemtarihi is null", "islemtarihi"}};
    const Repair* begin = nullptr;
    size_t n = 0;
    QString done;
    switch (command) {
      case 1: begin = accountCodes, n = std::size(accountCodes), done = QStringLiteral("Carı Kodu Boş Olan Tüm Kayıtlar Silindi"); break;
      case 2:
        begin = stockCodes, n = std::size(stockCodes);
        done = QStringLiteral("Stok Kodu Boş Olan Tüm Kayıtlar Silindi ve Stok Harekette Boş Tutarlar 0 Yapıldı.");
        break;
      case 3: begin = companyCodes, n = std::size(companyCodes), done = QStringLiteral("Şirket Kodu Boş Olan Tüm Kayıtlar Silindi"); break;
      case 4:
        begin = dates, n = std::size(dates);
        done = QStringLiteral("BOŞ OLAN VADE VE İLEM TARİHLERİ BUGÜNÜN TARİHİYLE BAŞARIYLA DOLDURULDU ");
        break;
      default: return;
    }
    // Rows with an empty company code belong to no company; the others act in this one.
    const bool scoped = command != 3;
    const QStringList present = db::tables();
    auto where = [&](const Repair& r) {
      return QStringLiteral("(%1)").arg(QString::fromUtf8(r.where)) + (scoped ? QStringLiteral(" AND SIRKETKODU = :sirket") : QString());
    };
    std::vector<const Repair*> steps;
    QStringList lines;
    for (size_t i = 0; i < n; ++i) {
      const Repair& r = begin[i];
      if (!present.contains(QString::fromLatin1(r.table))) continue;  // a peer program not installed
      db::Query c(QStringLiteral("Query3"), QStringLiteral("SELECT COUNT(*) N FROM %1 WHERE %2").arg(QString::fromLatin1(r.table), where(r)));
      if (scoped) c.bind(QStringLiteral("sirket"), login::SIRKET);
      c.exec();
      steps.push_back(&r);
      lines << QStringLiteral("%1: %2").arg(QString::fromLatin1(r.table)).arg(c.value(QStringLiteral("N")).toLongLong());
    }
    const QString scope = scoped ? login::SIRKET + QStringLiteral(" şirketinde") : QStringLiteral("tüm şirketlerde");
    if (!ui::Dialogs::question(QStringLiteral("Bu işlem %1 şu kayıtları etkileyecek:\n%2\nDevam etmek istiyor musunuz ?")
                                   .arg(scope, lines.join(QLatin1Char('\n')))))
      return;
    db::runDocument([&] {
      for (const Repair* r : steps) {
        db::Query q(QStringLiteral("Query3"));
        if (*r->set) {
          const bool date = command == 4;
          q.setSql(QStringLiteral("UPDATE %1 SET %2 = :v WHERE %3").arg(QString::fromLatin1(r->table), QString::fromLatin1(r->set), where(*r)));
          if (date) q.bind(QStringLiteral("v"), QDate::currentDate());
          else q.bind(QStringLiteral("v"), 0);
        } else {
          q.setSql(QStringLiteral("DELETE FROM %1 WHERE %2").arg(QString::fromLatin1(r->table), where(*r)));
        }
        if (scoped) q.bind(QStringLiteral("sirket"), login::SIRKET);
        q.exec();
      }
    });
    ui::Dialogs::message(done);
  });
}

void Tfrm_select::Aktar(const QString& table) {
  ui::runHandler([&] {
    if (!fullRight()) return;
    bool ok = false;
    const int last = edt_kayitsayisi->text().toInt(&ok);
    if (!ok) throw std::runtime_error(QStringLiteral("'%1' geçerli bir tam sayı değil.").arg(edt_kayitsayisi->text()).toStdString());
    const QString t = table.toUpper();
    const bool cari = t == QLatin1String("FIRMALAR"), stok = t == QLatin1String("STOK");
    db::Query existing(QStringLiteral("Query3"), QStringLiteral("select 1 from %1 WHERE sirketkodu = :s LIMIT 1").arg(t));
    existing.bind(QStringLiteral("s"), login::SIRKET);
    existing.exec();
    if (!existing.isEmpty())
      ui::Dialogs::message(login::SIRKET + (cari   ? QStringLiteral(" Şirketinde Cari Kayıtlar Var. Aynı cari kodundan mükerrer atmadığınızdan emin olunuz. ")
                                            : stok ? QStringLiteral(" Şirketinde Stok Kayıtlar Var. Aynı stok kodundan mükerrer atmadığınızdan emin olunuz. ")
                                                   : QStringLiteral(" Şirketinde Kayıtlar Var. Mükerrer atmadığınızdan emin olunuz. ")));
    if (!ui::Dialogs::question(cari   ? QStringLiteral("Cari Kartları Aktarmak İstiyor musunuz ? ")
                               : stok ? QStringLiteral("Stok Kartları Aktarmak İstiyor musunuz ? ")
                                      : QStringLiteral("Kayıtları Aktarmak İstiyor musunuz ? ")))
      return;
    const QString path = ui::Dialogs::openFile(QStringLiteral("Excel Dosyası Seçiniz"), QStringLiteral("Excel Dosyaları (*.xls *.xlsx)"));
    if (path.isEmpty()) return;
    sheet::Sheet book;
    QString error;
    if (!sheet::read(path, &book, &error)) throw std::runtime_error(error.toStdString());
    // The header row must name the table's stored columns in order.
    const QStringList columns = db::storedColumns(t);
    const std::vector<QVariant> header = book.rows.empty() ? std::vector<QVariant>{} : book.rows.front();
    for (int c = 0; c < columns.size(); ++c) {
      const QString got = size_t(c) < header.size() ? header[size_t(c)].toString().trimmed() : QString();
      if (got.compare(columns[c], Qt::CaseInsensitive) != 0) {
        ui::Dialogs::message(QStringLiteral("Excel dosyasının başlık satırı tabloya uymuyor: %1. sütun %2 olmalı, %3 bulundu. "
                                            "Hiçbir kayıt aktarılmadı.")
                                 .arg(c + 1)
                                 .arg(columns[c], got.isEmpty() ? QStringLiteral("boş") : got));
        return;
      }
    }
    auto cell = [](const std::vector<QVariant>& row, size_t c) -> QVariant {
      if (c >= row.size() || !row[c].isValid() || row[c].isNull()) return QVariant(QMetaType::fromType<QString>());
      if (row[c].typeId() == QMetaType::QDate) return row[c].toDate().toString(QStringLiteral("yyyy-MM-dd"));
      return row[c];
    };
    struct Line {
      int sheetRow;
      const std::vector<QVariant>* cells;
    };
    std::vector<Line> lines;
    int skipped = 0;
    for (int r = 2; r <= last && size_t(r) <= book.rows.size(); ++r) {
      const auto& row = book.rows[size_t(r - 1)];
      const bool first = !row.empty() && row[0].isValid() && !row[0].isNull() && !row[0].toString().isEmpty();
      if (first) lines.push_back({r, &row});
      else if (std::any_of(row.begin(), row.end(), [](const QVariant& v) { return v.isValid() && !v.isNull(); })) ++skipped;
    }
    ProgressBar1->setRange(0, last);
    ProgressBar1->show();
    struct HideBar {
      QProgressBar* bar;
      ~HideBar() { bar->hide(); }
    } hideBar{ProgressBar1};
    Utils::excelAktar([&](int& failedRow) {
      db::Query ins(QStringLiteral("Query3"));
      QStringList names = columns.mid(1), params;  // the key column is left to the server
      for (int c = 0; c < names.size(); ++c) params << QStringLiteral(":c%1").arg(c);
      for (const Line& line : lines) {
        failedRow = line.sheetRow;
        ins.setSql(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(t, names.join(QLatin1Char(',')), params.join(QLatin1Char(','))));
        for (int c = 0; c < names.size(); ++c) {
          QVariant v = cell(*line.cells, size_t(c + 1));
          if (names[c].compare(QStringLiteral("SIRKETKODU"), Qt::CaseInsensitive) == 0) v = login::SIRKET;
          if (cari && names[c].compare(QStringLiteral("KAYITTARIHI"), Qt::CaseInsensitive) == 0) v = QDate::currentDate();
          ins.bind(QStringLiteral("c%1").arg(c), v);
        }
        ins.exec();
        ProgressBar1->setValue(line.sheetRow);
        ui::keepPainting();
      }
    });
    QString msg = QString::number(lines.size()) + (cari   ? QStringLiteral(" Adet Cari Kartı Excelden Başarı ile Aktarıldı")
                                                   : stok ? QStringLiteral(" Adet Stok Kartı Excelden Başarı ile Aktarıldı")
                                                          : QStringLiteral(" Adet Kayıt Excelden Başarı ile Aktarıldı"));
    if (skipped > 0) msg += QStringLiteral(" (%1 satır atlandı)").arg(skipped);
    ui::Dialogs::message(msg);
  });
}

void Tfrm_select::Ornek(const QString& table) {
  ui::runHandler([&] {
    const QString t = table.toUpper();
    const QStringList columns = db::storedColumns(t);
    if (columns.isEmpty()) throw std::runtime_error(QStringLiteral("%1 tablosu bulunamadı.").arg(t).toStdString());
    db::Query q(QStringLiteral("Query3"), QStringLiteral("select %1 from %2 LIMIT 1 ").arg(columns.join(QLatin1Char(',')), t));
    q.exec();
    grid::DBGrid sample;
    sample.load(q);
    const QString name = t == QLatin1String("FIRMALAR") ? QStringLiteral("CARI") : t;
    const QString requested = sys::programFile(QStringLiteral("ORNEK_%1_TAPBLOSU.xls").arg(name));
    QString error;
    if (!sample.exportTo(requested, &error)) throw std::runtime_error(error.toStdString());
    const QString file = sheet::realPath(requested);
    ui::Dialogs::message(QStringLiteral("Dosya Konumu ve Adı: ") + file + QStringLiteral("  olan Excel Dosyası Oluşturuldu."));
    sys::shellOpen(file);
  });
}

void Tfrm_select::closeEvent(QCloseEvent* e) {
  QRY_DATA.close();
  QDialog::closeEvent(e);
}

// ----------------------------------------------------------------------------------------

Tfrm_about::Tfrm_about(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frm_about"));
  setWindowTitle(QStringLiteral("Hakkımızda"));
  auto* lay = new QVBoxLayout(this);
  auto* logo = new QLabel(this);
  logo->setPixmap(QPixmap(QStringLiteral(":/ordavin.png")));
  lay->addWidget(logo, 0, Qt::AlignHCenter);
  auto* text = new QLabel(QStringLiteral("<h3>Ordavin</h3><p>Sigorta acenteleri için cari, poliçe, kasa, banka, çek ve senet "
                                         "takibi.</p><p>Versiyon : 10042017</p>"),
                          this);
  text->setAlignment(Qt::AlignCenter);
  lay->addWidget(text);
  lbl_gizli = new QLabel(QStringLiteral(" . "), this);
  lbl_gizli->setObjectName(QStringLiteral("lbl_gizli"));
  lbl_gizli->installEventFilter(this);
  lay->addWidget(lbl_gizli, 0, Qt::AlignRight);
  auto* close = new QPushButton(QStringLiteral("Kapat"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  lay->addWidget(close, 0, Qt::AlignHCenter);
}

bool Tfrm_about::eventFilter(QObject* o, QEvent* e) {
  if (o == lbl_gizli && e->type() == QEvent::MouseButtonDblClick) gizliGiris();
  return QDialog::eventFilter(o, e);
}

void Tfrm_about::gizliGiris() {
  ui::runHandler([this] {
    // No built-in code opens it: only a logged-in user with full rights on "select".
    login::Yetkiler y;
    if (!login::kul_kod.isEmpty() && db::Connection::instance().isOpen()) y.load(QStringLiteral("select"));
    if (y.yetki_tam != QLatin1String("E")) {
      ui::Dialogs::message(QStringLiteral("Yönetici Kodunu Yanlış Girdiniz"));
      return;
    }
    Tfrm_select panel(this, true);
    ui::showModal(panel);
  });
}
