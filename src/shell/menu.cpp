#include "shell/menu.h"

#include "db/db.h"
#include "i18n/i18n.h"
#include "sheet/sheet.h"
#include "shell/dm.h"
#include "shell/hatirlatma.h"
#include "shell/kur.h"
#include "shell/rakamlar.h"
#include "shell/login.h"
#include "shell/rights.h"
#include "shell/session.h"
#include "shell/sirket_ara.h"
#include "sys/sys.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The command table: component name, check ('L' lookup, 'R' row check, '-' none), module,
// right, the window it opens (a registry name, or '@' for the window's own commands), and
// the customer-list kind it presets.
struct Command {
  const char* name;
  char check;
  const char* module;
  const char* right;
  const char* window;
  const char* kayitturu;
};

const Command kCommands[] = {
    {"btn_isemri", 'L', "police", "formgirisi", "policeler2", "MÜŞTERİ"},
    {"btn_cari", 'R', "cari", "", "firmalar2", "MÜŞTERİ"},
    {"Cari1", 'R', "cari", "", "firmalar2", "MÜŞTERİ"},
    {"btn_ruduzazer", 'R', "arac", "", "arac2", ""},
    {"AraBilgisi1", 'R', "arac", "", "arac2", ""},
    {"btn_kasa", 'R', "kasa", "", "kasa2", ""},
    {"Kasa1", 'R', "kasa", "", "kasa2", ""},
    {"btn_banka", 'R', "banka", "", "banka2", ""},
    {"Banka1", 'R', "banka", "", "banka2", ""},
    {"btn_cek", 'R', "cek", "", "cekler2", ""},
    {"ek1", 'R', "cek", "", "cekler2", ""},
    {"btn_senet", 'R', "senet", "", "senetler2", ""},
    {"Senet1", 'R', "senet", "", "senetler2", ""},
    {"Police1", '-', "", "", "", ""},
    {"PoliceBilgisi1", 'L', "police bilgisi", "formgirisi", "policebilgisi", ""},
    {"Sigortairketleri1", 'L', "cari", "formgirisi", "firmalar2", "SİGORTA ŞİRKETİ"},
    {"aliAcenteler1", 'L', "cari", "formgirisi", "firmalar2", "TALİ ACENTE"},
    {"demePlan1", 'R', "ödeme planı", "", "odemeplani", ""},
    {"Grevler1", 'L', "görevler", "formgirisi", "gorevler", ""},
    {"AcklamaNotlar1", 'L', "notlar", "formgirisi", "notlar", ""},
    {"DosyaDkmenYnetimi1", 'L', "dokuman", "formgirisi", "dosyayonetimi", ""},
    {"SMS1", 'R', "sms", "", "sms1", ""},
    {"cKimlikNoSorgulama1", '-', "", "", "tckimlikno", ""},
    {"Kurlar1", 'R', "kurlar", "", "kurtakibi", ""},
    {"Mesajlama1", 'L', "mesaj", "formgirisi", "mesajlar", ""},
    {"Cari3", 'R', "cari rapor", "", "firmalarrapor", ""},
    {"CariHareket1", 'R', "cari hareket rapor", "", "carihareketrapor", ""},
    {"Kasa2", 'R', "kasa rapor", "", "kasarapor", ""},
    {"Banka2", 'R', "banka rapor", "", "bankarapor", ""},
    {"ek2", 'R', "cek rapor", "", "cekrapor", ""},
    {"Senet2", 'R', "senet rapor", "", "senetrapor", ""},
    {"RaporBalklar1", 'L', "parametreler", "formgirisi", "raporbaslik", ""},
    {"gNL1", 'L', "cari hareket rapor", "formgirisi", "gunlukrapor", ""},
    {"Kullanclar1", 'R', "kullanicilar", "", "kullanici", ""},
    {"KullancYetkileri1", 'R', "moduller", "", "module", ""},
    {"EkranParametreleri1", 'R', "parametreler", "", "formparametreleri", ""},
    {"Sirketler1", 'R', "sirketler", "", "sirketgirisi", ""},
    {"Devirlemi1", 'R', "devir", "", "", ""},
    {"VeriKontrollemleri1", 'R', "select", "", "select", ""},
    {"Raporlama1", '-', "", "", "@designer", ""},
    {"Anamenu1", '-', "", "", "@clear", ""},
    {"Hatrlatma1", 'R', "uyari", "", "@reminders", ""},
    {"Hakkimizda1", '-', "", "", "about", ""},
    {"irketDeitir1", '-', "", "", "@company", ""},
    {"Kapat1", '-', "", "", "@close", ""},
};

// Names of the main menu's items and where they sit.
struct Item {
  const char* name;
  const char* text;
  const char* parent;  // "" top level
};
const Item kMenu[] = {
    {"Cari1", "Müşteri", ""},
    {"AraBilgisi1", "Araç", ""},
    {"Kasa1", "Kasa", ""},
    {"Banka1", "Banka", ""},
    {"ek1", "Çek", ""},
    {"Senet1", "Taksit", ""},
    {"Police1", "Police", ""},
    {"Tanmlar1", "Tanımlar", ""},
    {"PoliceBilgisi1", "Police Bilgisi", "Tanmlar1"},
    {"Sigortairketleri1", "Sigorta Şirketleri", "Tanmlar1"},
    {"aliAcenteler1", "Tali Acenteler", "Tanmlar1"},
    {"demePlan1", "Ödeme Planı", ""},
    {"ERP1", "ERP", ""},
    {"Grevler1", "Görevler", "ERP1"},
    {"AcklamaNotlar1", "Acıklama-Notlar", "ERP1"},
    {"DosyaDkmenYnetimi1", "Dosya Dökümen Yönetimi", "ERP1"},
    {"SMS1", "SMS", "ERP1"},
    {"cKimlikNoSorgulama1", "TcKimlikNo Sorgulama", "ERP1"},
    {"Kurlar1", "Kurlar", "ERP1"},
    {"Mesajlama1", "Mesajlaşma", "ERP1"},
    {"Raporlar1", "Raporlar", ""},
    {"Cari2", "Müşteri", "Raporlar1"},
    {"Cari3", "Müşteri", "Cari2"},
    {"CariHareket1", "Müşteri Cari Hareket", "Cari2"},
    {"Kasa2", "Kasa", "Raporlar1"},
    {"Banka2", "Banka", "Raporlar1"},
    {"ek2", "Çek", "Raporlar1"},
    {"Senet2", "Senet", "Raporlar1"},
    {"RaporBalklar1", "Rapor Başlıkları", "Raporlar1"},
    {"gNL1", "Günlük Rapor", "Raporlar1"},
    {"Sistem1", "Sistem", ""},
    {"Kullanclar1", "Kullanıcılar", "Sistem1"},
    {"KullancYetkileri1", "Kullanıcı Yetkileri", "Sistem1"},
    {"EkranParametreleri1", "Ekran Parametreleri", "Sistem1"},
    {"Sirketler1", "Sirketler", "Sistem1"},
    {"Devirlemi1", "Devir İşlemi", "Sistem1"},
    {"VeriKontrollemleri1", "Veri Kontrol İşlemleri", "Sistem1"},
    {"Raporlama1", "Raporlama", "Sistem1"},
    {"Anamenu1", "AnaMenu Tüm Hatırlatmaları Kapat", "Sistem1"},
    {"Hatrlatma1", "Hatırlatma", "Sistem1"},
    {"Hakkimizda1", "Kaltrex Yazılım- Hakkımızda - Bilgi", "Sistem1"},
    {"irketDeitir1", "Şirket Değiştir", ""},
    {"Kapat1", "Kapat", ""},
};

const char* kQuickItems[] = {"  Yeni Police Kaydı", "  Cari Kart Oluştur", "  Yeni Kasa Kaydı", "  Banka Kaydı Aç",
                             "  Yeni Dekont Gir",   "  Görev Oluştur",     "  Yeni Not"};

QIcon trayIcon() {
  const QString file = sys::programFile(QStringLiteral("kaltrex.ico"));
  QIcon icon(QFileInfo::exists(file) ? file : QStringLiteral(":/ordavin.png"));
  return icon.isNull() ? QIcon(QStringLiteral(":/ordavin.png")) : icon;
}
}  // namespace

Tfrm_menu::Tfrm_menu(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("frm_menu"));
  build();
  buildMenus();
  // Tray: only where the desktop has one; elsewhere minimising is ordinary.
  if (QSystemTrayIcon::isSystemTrayAvailable()) {
    TrayIcon1 = new QSystemTrayIcon(trayIcon(), this);
    TrayIcon1->setObjectName(QStringLiteral("TrayIcon1"));
    TrayIcon1->setToolTip(QStringLiteral("Kaltrex Yazılım"));
    TrayIcon1->setContextMenu(PopupMenu2);
    connect(TrayIcon1, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason) {
      showMaximized();
      raise();
      activateWindow();
    });
    // The tray "animation" cycles frames that are all the same picture, so the icon is
    // simply shown: no timer waking five times a second for nothing.
    TrayIcon1->show();
  }
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(300000);
  connect(Timer1, &QTimer::timeout, this, [this] { MesajKontrol(); });
  Timer1->start();
}

Tfrm_menu::~Tfrm_menu() {
  if (menu::frm_menu == this) menu::frm_menu = nullptr;
}

void Tfrm_menu::build() {
  auto* central = new QWidget(this);
  auto* outer = new QVBoxLayout(central);
  Panel1 = new QWidget(central);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  auto* buttons = new QHBoxLayout(Panel1);
  auto bigButton = [&](QPushButton*& b, const char* name, const QString& text) {
    b = new QPushButton(text, Panel1);
    b->setObjectName(QString::fromLatin1(name));
    b->setMinimumSize(110, 44);
    QFont f = b->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 1);
    b->setFont(f);
    buttons->addWidget(b);
    connect(b, &QPushButton::clicked, this, [this, n = QString::fromLatin1(name)] { command(n); });
  };
  bigButton(btn_isemri, "btn_isemri", QStringLiteral("Police"));
  bigButton(btn_cari, "btn_cari", QStringLiteral("&Müşteri"));
  bigButton(btn_ruduzazer, "btn_ruduzazer", QStringLiteral("Arac"));
  bigButton(btn_kasa, "btn_kasa", QStringLiteral("&Kasa"));
  bigButton(btn_banka, "btn_banka", QStringLiteral("&Banka"));
  bigButton(btn_cek, "btn_cek", QStringLiteral("&Çek"));
  bigButton(btn_senet, "btn_senet", QStringLiteral("Tak&sit"));
  buttons->addStretch();
  outer->addWidget(Panel1);

  auto* body = new QHBoxLayout;
  outer->addLayout(body, 1);
  // Left column.
  auto* left = new QVBoxLayout;
  GroupBox1 = new QGroupBox(QStringLiteral("Günlük Durum"), central);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  auto* g1 = new QVBoxLayout(GroupBox1);
  cxDateEdit1 = new QDateEdit(GroupBox1);
  cxDateEdit1->setObjectName(QStringLiteral("cxDateEdit1"));
  cxDateEdit1->setCalendarPopup(true);
  cxDateEdit1->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  ListBox3 = new QListWidget(GroupBox1);
  ListBox3->setObjectName(QStringLiteral("ListBox3"));
  g1->addWidget(cxDateEdit1);
  g1->addWidget(ListBox3);
  left->addWidget(GroupBox1, 2);
  GroupBox2 = new QGroupBox(central);
  GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
  auto* g2 = new QVBoxLayout(GroupBox2);
  Label23 = new QLabel(QStringLiteral("Hızlı Cari Durum "), GroupBox2);
  Label23->setObjectName(QStringLiteral("Label23"));
  Edit1 = new QLineEdit(GroupBox2);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setPlaceholderText(QStringLiteral("CariUnvandan Ara"));
  LBL_BULUNAN = new QLabel(GroupBox2);
  LBL_BULUNAN->setObjectName(QStringLiteral("LBL_BULUNAN"));
  LBL_BULUNAN->setToolTip(QStringLiteral("Cari Analiz Görmek için Cift Tıklayınız"));
  LBL_BULUNAN->setWordWrap(true);
  g2->addWidget(Label23);
  g2->addWidget(Edit1);
  g2->addWidget(LBL_BULUNAN);
  left->addWidget(GroupBox2);
  ListBox2 = new QListWidget(central);
  ListBox2->setObjectName(QStringLiteral("ListBox2"));
  for (const char* item : kQuickItems) ListBox2->addItem(QString::fromUtf8(item));
  ListBox2->setStyleSheet(QStringLiteral("QListWidget::item:selected { background: black; color: white; font-weight: bold; }"));
  ListBox2->setMinimumHeight(7 * ListBox2->fontMetrics().height() + 16);
  left->addWidget(ListBox2, 1);
  Label24 = new QLabel(QStringLiteral(" Online Destek"), central);
  Label24->setObjectName(QStringLiteral("Label24"));
  Label24->setCursor(Qt::PointingHandCursor);
  Image1 = new QLabel(central);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setPixmap(QPixmap(QStringLiteral(":/ordavin.png")));
  auto* brand = new QHBoxLayout;
  brand->addWidget(Image1);
  brand->addWidget(Label24);
  brand->addStretch();
  left->addLayout(brand);
  auto* leftWidget = new QWidget(central);
  leftWidget->setLayout(left);
  leftWidget->setFixedWidth(250);
  body->addWidget(leftWidget);

  // Middle column.
  GroupBox5 = new QGroupBox(QStringLiteral("Hatırlatmalar"), central);
  GroupBox5->setObjectName(QStringLiteral("GroupBox5"));
  GroupBox5->setFixedWidth(300);
  auto* g5 = new QVBoxLayout(GroupBox5);
  ListBox1 = new QListWidget(GroupBox5);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  g5->addWidget(ListBox1, 1);
  Calendar1 = new QCalendarWidget(GroupBox5);
  Calendar1->setObjectName(QStringLiteral("Calendar1"));
  Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  Calendar1->hide();
  g5->addWidget(Calendar1);
  auto* rates = new QHBoxLayout;
  auto label = [&](QLabel*& l, const char* name, const QString& text) {
    l = new QLabel(text, GroupBox5);
    l->setObjectName(QString::fromLatin1(name));
    rates->addWidget(l);
  };
  label(Label2, "Label2", QStringLiteral("Güncelle"));
  Label2->setToolTip(QStringLiteral("Güncellemesi İçin Tıklayın"));
  Label2->setCursor(Qt::PointingHandCursor);
  label(Label3, "Label3", QStringLiteral("$ :"));
  label(lbl_usd, "lbl_usd", QStringLiteral("1"));
  label(Label1, "Label1", QStringLiteral("€ :"));
  label(lbl_euro, "lbl_euro", QStringLiteral("1"));
  rates->addStretch();
  g5->addLayout(rates);
  body->addWidget(GroupBox5);

  // Right.
  grb_tablo = new QGroupBox(central);
  grb_tablo->setObjectName(QStringLiteral("grb_tablo"));
  auto* gt = new QVBoxLayout(grb_tablo);
  DBGrid1 = new grid::DBGrid(grb_tablo);
  DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
  DBGrid1->view()->setEditTriggers(QAbstractItemView::NoEditTriggers);
  DBGrid1->hide();
  ListView1 = new QTreeWidget(grb_tablo);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setRootIsDecorated(false);
  ListView1->hide();
  gt->addWidget(DBGrid1);
  gt->addWidget(ListView1);
  body->addWidget(grb_tablo, 1);
  setCentralWidget(central);

  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  for (const QString& t : {QStringLiteral("Ordavin Yazılım"), QStringLiteral("Destek: 0850 000 00 00"),
                           QStringLiteral("destek@ordavin.com.tr"), QStringLiteral("Versiyon : 10042017")}) {
    auto* l = new QLabel(t, StatusBar1);
    StatusBar1->addPermanentWidget(l, 1);
  }
  setStatusBar(StatusBar1);

  connect(ListBox2, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    HizliYeniKayit(ListBox2->row(item));
  });
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { hatirlatma::Listele(*this); });
  connect(Calendar1, &QCalendarWidget::activated, this, [this] { hatirlatma::TakvimCiftTik(*this); });
  connect(cxDateEdit1, &QDateEdit::dateChanged, this, [this] {
    if (menu::rakamlar) menu::rakamlar(*this);
  });
  connect(ListBox3, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    rakamlar::Detay(*this, ListBox3->row(item));
  });
  connect(Edit1, &QLineEdit::textChanged, this, [this](const QString& t) { rakamlar::HizliArama(*this, t); });
  LBL_BULUNAN->installEventFilter(this);
  Label2->installEventFilter(this);
  Label24->installEventFilter(this);
  Image1->installEventFilter(this);
}

void Tfrm_menu::buildMenus() {
  MainMenu1 = new QMenuBar(this);
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  setMenuBar(MainMenu1);
  std::map<QString, QMenu*> submenus;
  for (const Item& it : kMenu) {
    const QString name = QString::fromLatin1(it.name);
    const QString text = QString::fromUtf8(it.text);
    const QString parent = QString::fromLatin1(it.parent);
    const bool isParent = std::any_of(std::begin(kMenu), std::end(kMenu),
                                      [&](const Item& o) { return QString::fromLatin1(o.parent) == name; });
    QMenu* into = parent.isEmpty() ? nullptr : submenus[parent];
    if (isParent) {
      QMenu* m = into ? into->addMenu(text) : MainMenu1->addMenu(text);
      m->setObjectName(name);
      m->menuAction()->setObjectName(name);
      submenus[name] = m;
      actions_[name] = m->menuAction();
      continue;
    }
    QAction* a = into ? into->addAction(text) : MainMenu1->addAction(text);
    a->setObjectName(name);
    actions_[name] = a;
    connect(a, &QAction::triggered, this, [this, name] { command(name); });
  }
  actions_[QStringLiteral("Mesajlama1")]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
  actions_[QStringLiteral("Hatrlatma1")]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  auto popup = [&](QMenu* m, const char* name, const QString& text, std::function<void()> fn) {
    QAction* a = m->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    actions_[a->objectName()] = a;
    connect(a, &QAction::triggered, this, std::move(fn));
    return a;
  };
  QMenu* kapat = PopupMenu1->addMenu(QStringLiteral("Cari Bakiyeyi Kapat"));
  kapat->setObjectName(QStringLiteral("CariBakiyeyiKapat1"));
  actions_[QStringLiteral("CariBakiyeyiKapat1")] = kapat->menuAction();
  popup(kapat, "Kasadan1", QStringLiteral("Kasadan "), [this] { hatirlatma::Kasadan(*this); });
  popup(kapat, "Bankadan1", QStringLiteral("Bankadan"), [this] { hatirlatma::Bankadan(*this); });
  popup(PopupMenu1, "SenediTahsilEt1", QStringLiteral("Senedi Tahsil Et"), [this] { hatirlatma::SenediTahsilEt(*this); });
  popup(PopupMenu1, "OdemePlanTamamland1", QStringLiteral("Ödeme Planı Tamamlandı"),
        [this] { hatirlatma::OdemePlaniTamamlandi(*this); });
  popup(PopupMenu1, "AcklamaNotuKapat1", QStringLiteral("Acıklama-Not Tamamlandı"), [this] { hatirlatma::NotTamamlandi(*this); });
  popup(PopupMenu1, "GrevTamamland1", QStringLiteral("Görev Tamamlandı"), [this] { hatirlatma::GorevTamamlandi(*this); });
  popup(PopupMenu1, "ExceleAktar1", QStringLiteral("Excele Aktar"), [this] { ExceleAktar(); });
  popup(PopupMenu1, "CariBilgisi1", QStringLiteral("Cari Kart Bilgisi"), [this] {
    // Lists without an account code (notes, vehicles) have no card to open.
    if (DBGrid1->columnIndex(QStringLiteral("CARIKOD")) < 0 && DBGrid1->record().indexOf(QStringLiteral("CARIKOD")) < 0) return;
    CariKartBilgisi(DBGrid1->value(QStringLiteral("CARIKOD")).toString());
  });
  popup(PopupMenu1, "CariHareketi1", QStringLiteral("Cari Hareketi"), [this] {
    if (DBGrid1->record().indexOf(QStringLiteral("CARIKOD")) < 0) return;
    CariHareketi(DBGrid1->value(QStringLiteral("CARIKOD")).toString());
  });
  popup(PopupMenu1, "FaturayGrntle1", QStringLiteral("Faturayı Görüntüle"), [] {});
  popup(PopupMenu1, "Kapat2", QStringLiteral("Kapat"), [this] { DBGrid1->hide(); });
  DBGrid1->view()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(DBGrid1->view(), &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { PopupMenu1->popup(DBGrid1->view()->viewport()->mapToGlobal(p)); });

  PopupMenu2 = new QMenu(this);
  PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
  popup(PopupMenu2, "EkranaGetir1", QStringLiteral("Ekrana Getir"), [this] {
    showMaximized();
    raise();
    activateWindow();
  });
  popup(PopupMenu2, "ProgramKapat1", QStringLiteral("Programı Kapat"), [this] { ProgramiKapat(); });

  PopupMenu3 = new QMenu(this);
  PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
  popup(PopupMenu3, "MenuItem2", QStringLiteral("Cari Kart Bilgisi"), [this] { CariKartBilgisi(menu::MenuCA_CARIKODU); });
  ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ListView1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { PopupMenu3->popup(ListView1->viewport()->mapToGlobal(p)); });
}

QAction* Tfrm_menu::action(const QString& name) const {
  auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

QString Tfrm_menu::title(int gap1, int gap2) {
  return QStringLiteral("Ordavin") + QString(gap1, QLatin1Char(' ')) + QStringLiteral("Kaltrex Yazılım - Sigorta Police Takip Programı") +
         QString(gap2, QLatin1Char(' ')) + QStringLiteral("ŞİRKET : ") + login::SIRKET + QString(7, QLatin1Char(' ')) +
         QStringLiteral("KULLANICI : ") + login::userim;
}

void Tfrm_menu::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (shown_) return;
  shown_ = true;
  FormShow();
  activate();
}

void Tfrm_menu::FormShow() {
  ui::runHandler([this] {
    if (login::dilkodu == QLatin1String("en") || login::dilkodu == QLatin1String("de")) i18n::setLanguage(login::dilkodu);
    retranslate();
    db::Query& q = DM1->qry_formparemetreleri;
    q.setSql(QStringLiteral("select * from FORMPAREMETRELERI where 1=1  and FORMADI = :f and SIRKETKODU = :s order by 1 "));
    q.bind(QStringLiteral("f"), db::sqlTextValue(QStringLiteral("menu")));
    q.bind(QStringLiteral("s"), db::sqlTextValue(QStringLiteral("SISTEM")));
    q.exec();
    login::ana_param1 = q.text(QStringLiteral("PARAMETREDEGERI"));
    if (login::ana_param1.isEmpty()) login::ana_param1 = QStringLiteral("E");
    // Without a window manager "maximised" means nothing: take the screen ourselves.
    if (QScreen* sc = screen()) setGeometry(sc->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    setWindowTitle(title(7, 28));
    Calendar1->setSelectedDate(QDate::currentDate());
    cxDateEdit1->setDate(QDate::currentDate());
    if (login::ana_param1 == QLatin1String("E")) {
      // A failed fetch is reported; the rest of the window still gets ready.
      if (menu::kurbilgileri) ui::runHandler([this] { menu::kurbilgileri(*this); });
    } else {
      login::kur_usd = 1;
      login::kur_euro = 1;
    }
    ListView1->clear();
    ListView1->setHeaderLabels({QStringLiteral("No"), QStringLiteral("Cari Bilgi"), QStringLiteral("Son Police"),
                                QStringLiteral("Son Stok Hareketi"), QStringLiteral("Son Kasa/Banka Ödemesi"),
                                QStringLiteral("Son İşEmri"), QStringLiteral("."), QStringLiteral(".")});
    const int widths[] = {20, 155, 150, 150, 150, 150, 150, 150};
    for (int i = 0; i < 8; ++i) ListView1->setColumnWidth(i, widths[i]);
    ListView1->hide();
    DBGrid1->hide();
  });
}

void Tfrm_menu::activate() {
  // Message boxes shown here must not start another activation.
  if (activating_) return;
  activating_ = true;
  ui::runHandler([this] {
    if (!login::yetkiVar(QStringLiteral("uyari"), QStringLiteral("formgirisi"))) return;
    if (menu::Yenile) menu::Yenile(*this);
  });
  activating_ = false;
}

void Tfrm_menu::openWindow(const QString& window, const registry::OpenArgs& args) {
  registry::open(window, this, args);
  db::Query& rights = DM1->qry_kullanicilar;
  rights.close();
  activate();  // every return from a window opened here
}

void Tfrm_menu::command(const QString& name) {
  const Command* c = nullptr;
  for (const Command& k : kCommands)
    if (QLatin1String(k.name) == name) c = &k;
  if (!c) return;
  ui::runHandler([&] {
    const QString module = QString::fromUtf8(c->module);
    const QString window = QString::fromLatin1(c->window);
    // These first show the grid in place of the list view.
    if ((name == QLatin1String("Grevler1") || name == QLatin1String("AcklamaNotlar1") ||
         name == QLatin1String("DosyaDkmenYnetimi1")) &&
        ListView1->isVisible()) {
      ListView1->hide();
      DBGrid1->show();
    }
    if (c->check == 'L' && !login::yetkiVar(module, QString::fromLatin1(c->right))) return;
    if (c->check == 'R' && !login::ekranGirisiVar(module)) return;
    if (window.isEmpty()) return;
    if (window == QLatin1String("@designer")) {
      sys::startProgram(login::PROGRAMINCALISMAYERI + QStringLiteral("/OrdavinRaporDizayn"));
      return;
    }
    if (window == QLatin1String("@clear")) return TumHatirlatmalariKapat();
    if (window == QLatin1String("@reminders")) {
      if (menu::Yenile) menu::Yenile(*this);
      return;
    }
    if (window == QLatin1String("@company")) return SirketDegistir();
    if (window == QLatin1String("@close")) {
      closeWithoutQuestion_ = true;
      if (login::frm_login) login::frm_login->close();
      close();
      return;
    }
    registry::OpenArgs args;
    if (*c->kayitturu) args.flags[QStringLiteral("firmalar_kayitturu")] = QString::fromUtf8(c->kayitturu);
    openWindow(window, args);
  });
}

void Tfrm_menu::SirketDegistir() {
  Tfrm_sirket_ara picker(this);
  if (picker.dosya_ara_modal() == QLatin1String("-1")) return;
  const QSqlRecord r = picker.current();
  login::SIRKET = r.value(QStringLiteral("SIRKETKODU")).toString();
  login::sirketunvani = r.value(QStringLiteral("SIRKETUNVANI")).toString();
  setWindowTitle(title(10, 35));
  if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
  if (menu::Yenile) menu::Yenile(*this);
  if (menu::rakamlar) menu::rakamlar(*this);
}

void Tfrm_menu::TumHatirlatmalariKapat() {
  Timer1->stop();
  for (QWidget* w : std::initializer_list<QWidget*>{ListBox1, ListBox3, Calendar1, grb_tablo, GroupBox1, GroupBox2, GroupBox5,
                                                    cxDateEdit1})
    w->hide();
  Query1.close();
}

void Tfrm_menu::MesajKontrol() {
  ui::runHandler([this] {
    // Already announced: nothing to ask the server.
    for (int i = 0; i < ListBox1->count(); ++i)
      if (ListBox1->item(i)->text().contains(QStringLiteral("Mesajınız"))) return;
    // Messages are per user: no company condition.
    db::Query q(QStringLiteral("qry_mesaj"));
    q.setSql(QStringLiteral("select COUNT(*) N from MESAJLAR where 1=1  and ALICIKODU = :kod and OKUNDUMU = :h"));
    q.bind(QStringLiteral("kod"), db::sqlTextValue(login::kul_kod));
    q.bind(QStringLiteral("h"), QStringLiteral("H"));
    q.exec();
    const int n = q.value(QStringLiteral("N")).toInt();
    if (n > 0) ListBox1->addItem(QStringLiteral("Yeni Mesajınız Var (%1 Adet)").arg(n));
  });
}

void Tfrm_menu::showGrid(const QString& sql, const std::map<QString, QVariant>& binds) {
  listeKategori.clear();
  Query1.setSql(sql);
  for (const auto& [k, v] : binds) Query1.bind(k, v);
  Query1.exec();
  DBGrid1->load(Query1);
  ListView1->hide();
  DBGrid1->show();
}

void Tfrm_menu::refreshGrid() {
  ui::runHandler([this] {
    Query1.exec();  // the same statement and values
    DBGrid1->load(Query1);
  });
}

void Tfrm_menu::ExceleAktar() {
  ui::runHandler([this] {
    sheet::Table t = DBGrid1->exportTable();
    for (size_t c = 0; c < t.columns.size(); ++c) {
      sheet::Column& col = t.columns[c];
      if (col.kind == sheet::Kind::Date) col.dateFormat = QStringLiteral("dd/mm/yyyy");
      if (col.kind == sheet::Kind::Number) {
        bool whole = true;
        for (const auto& row : t.rows)
          if (c < row.size() && row[c].typeId() == QMetaType::Double) whole = false;
        col.numberFormat = whole ? QStringLiteral("#,###,##0") : QStringLiteral("#,###,##0.00");
      }
    }
    t.sheetName = QStringLiteral("Sheet 1");
    const QString requested = sys::programFile(QStringLiteral("RAPOR.xls"));
    QString error;
    if (!sheet::write(requested, t, &error)) throw std::runtime_error(error.toStdString());
    const QString file = sheet::realPath(requested);
    ui::Dialogs::message(QStringLiteral("Dosya Konumu ve Adı: ") + file + QStringLiteral("  olan Excel Dosyası Oluşturuldu."));
    sys::shellOpen(file);
  });
}

void Tfrm_menu::CariKartBilgisi(const QString& cariKod) {
  ui::runHandler([&] {
    if (!login::yetkiVar(QStringLiteral("cari"), QStringLiteral("formgirisi"))) return;
    db::Query& q = DM1->qry_uyari;
    q.setSql(QStringLiteral("select KAYITNO from FIRMALAR where 1=1  and CARIKOD = :kod and SIRKETKODU = :sirket order by 1 "));
    q.bind(QStringLiteral("kod"), db::sqlTextValue(cariKod));
    q.bind(QStringLiteral("sirket"), db::sqlTextValue(login::SIRKET));
    q.exec();
    if (q.isEmpty()) return;
    registry::OpenArgs args;
    args.recordNo = q.text(QStringLiteral("KAYITNO"));
    openWindow(QStringLiteral("carikayit"), args);
  });
}

void Tfrm_menu::CariHareketi(const QString& cariKod) {
  ui::runHandler([&] {
    if (!login::yetkiVar(QStringLiteral("cari hareket"), QStringLiteral("formgirisi"))) return;
    registry::OpenArgs args;
    args.accountCode = cariKod;
    args.listSql = QStringLiteral("select * from CARI_HAREKET where 1=1  and CARIKOD =") + db::sqlQuote(cariKod) +
                   QStringLiteral(" and SIRKETKODU =") + db::sqlQuote(login::SIRKET) +
                   QStringLiteral("  order by ISLEMTARIHI, KAYITNO");
    args.title = QStringLiteral("Cari Hareket") + QString(15, QLatin1Char(' ')) + QStringLiteral("Carı Kodu :") + cariKod;
    openWindow(QStringLiteral("carihareket"), args);
  });
}

void Tfrm_menu::HizliYeniKayit(int position) {
  if (position < 0 || position > 6) return;
  menu::secilenhizligiris = position;
  struct Quick {
    const char* module;
    const char* window;
  };
  static const Quick quick[] = {{"", ""},           {"cari", "carikayit"},          {"kasa", "kasakayit"},
                                {"banka", "bankakayit"}, {"cari hareket", "dekontkaydi"}, {"görevler", "gorevkaydi"},
                                {"", "notlar"}};
  const Quick& q = quick[position];
  ui::runHandler([&] {
    if (position == 0) return;  // new policies are entered from the policy list
    if (*q.module && !login::yetkiVar(QString::fromUtf8(q.module), QStringLiteral("yenikayit"))) return;
    registry::OpenArgs args;
    if (position == 6) {
      DBGrid1->hide();
      args.flags[QStringLiteral("gizliYerlesim")] = true;
      args.flags[QStringLiteral("yukseklik")] = 385;
    }
    openWindow(QString::fromLatin1(q.window), args);
  });
}

void Tfrm_menu::ProgramiKapat() {
  db::Connection::instance().close();
  closeWithoutQuestion_ = true;
  if (login::frm_login) login::frm_login->close();
  close();
}

void Tfrm_menu::closeEvent(QCloseEvent* e) {
  if (!closeWithoutQuestion_) {
    if (!ui::Dialogs::question(QStringLiteral("Programı Kapatmak mi İstiyorsunuz?"))) {
      e->ignore();
      return;
    }
    db::Connection::instance().close();
    closeWithoutQuestion_ = true;
    if (login::frm_login) login::frm_login->close();
  }
  Timer1->stop();
  e->accept();
}

void Tfrm_menu::changeEvent(QEvent* e) {
  if (e->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized) && TrayIcon1) {
    hide();
    TrayIcon1->show();
    TrayIcon1->showMessage(QStringLiteral("Kaltrex Yazılım Burda Çalışıyor."),
                           QStringLiteral("Programın masaüstüne gelip ekranı kaplaması için cift tıkayınız."),
                           QSystemTrayIcon::Information);
  }
  if (e->type() == QEvent::LanguageChange) retranslate();
  QMainWindow::changeEvent(e);
}

bool Tfrm_menu::eventFilter(QObject* o, QEvent* e) {
  if (o == Label24 && e->type() == QEvent::MouseButtonRelease)
    sys::shellOpen(sys::serviceUrl(QStringLiteral("destek"), QStringLiteral("https://www.ordavin.com.tr/destek")));
  if (o == LBL_BULUNAN && e->type() == QEvent::MouseButtonDblClick) rakamlar::CariAnaliz2(*this);
  if (o == Label2 && e->type() == QEvent::MouseButtonDblClick) ui::runHandler([this] { kur::guncelle(*this); });
  if (o == Image1 && e->type() == QEvent::MouseButtonDblClick)
    sys::shellOpen(sys::serviceUrl(QStringLiteral("web"), QStringLiteral("https://www.ordavin.com.tr")));
  return QMainWindow::eventFilter(o, e);
}

void Tfrm_menu::retranslate() {
  auto set = [this](const char* name, const QString& text) {
    if (QAction* a = action(QString::fromLatin1(name))) a->setText(text);
  };
  btn_isemri->setText(tr("Police"));
  btn_cari->setText(tr("&Müşteri"));
  btn_ruduzazer->setText(tr("Arac"));
  btn_kasa->setText(tr("&Kasa"));
  btn_banka->setText(tr("&Banka"));
  btn_cek->setText(tr("&Çek"));
  btn_senet->setText(tr("Tak&sit"));
  Label23->setText(tr("Hızlı Cari Durum "));
  Label24->setText(tr(" Online Destek"));
  Edit1->setPlaceholderText(tr("CariUnvandan Ara"));
  if (TrayIcon1) TrayIcon1->setToolTip(tr("Kaltrex Yazılım"));
  for (const Item& it : kMenu) set(it.name, tr(it.text));
  set("ExceleAktar1", tr("Excele Aktar"));
  set("CariBilgisi1", tr("Cari Kart Bilgisi"));
  set("MenuItem2", tr("Cari Kart Bilgisi"));
  set("CariHareketi1", tr("Cari Hareketi"));
  set("Kapat2", tr("Kapat"));
  set("EkranaGetir1", tr("Ekrana Getir"));
  set("ProgramKapat1", tr("Programı Kapat"));
}

