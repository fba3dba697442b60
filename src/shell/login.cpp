#include "shell/login.h"

#include "db/db.h"
#include "i18n/i18n.h"
#include "shell/farkliolan.h"
#include "shell/menu.h"
#include "shell/registry.h"
#include "shell/session.h"
#include "sys/sys.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLocale>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>

namespace {
QLabel* captionPanel(const QString& name, const QString& text, QWidget* parent) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setFrameShape(QFrame::Panel);
  l->setFrameShadow(QFrame::Raised);
  l->setMinimumWidth(110);
  l->setAutoFillBackground(true);
  return l;
}
QLineEdit* field(const QString& name, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMinimumWidth(200);
  return e;
}
}  // namespace

Tfrm_login::Tfrm_login(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frm_login"));
  setWindowTitle(QStringLiteral("KALTREX YAZILIM"));

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  Image1 = new QFrame(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setStyleSheet(QStringLiteral(
      "#Image1 { background: qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #1f4e79, stop:1 #6fa8dc); }"
      "#Image1 QLabel#lbl_durum { color: white; font-weight: bold; }"));
  outer->addWidget(Image1);

  auto* grid = new QGridLayout(Image1);
  grid->setContentsMargins(40, 30, 40, 30);
  grid->setVerticalSpacing(8);
  lbl_durum = new QLabel(QStringLiteral("Bağlanmadı"), Image1);
  lbl_durum->setObjectName(QStringLiteral("lbl_durum"));
  grid->addWidget(lbl_durum, 0, 0, 1, 2);

  pnl_firmakodu = captionPanel(QStringLiteral("pnl_firmakodu"), QStringLiteral("  Firma Kodu"), Image1);
  EDT_firmakodu = field(QStringLiteral("EDT_firmakodu"), Image1);
  EDT_firmakodu->setToolTip(QStringLiteral("Opsiyonel"));
  pnl_sube = captionPanel(QStringLiteral("pnl_sube"), QStringLiteral("  Şube Kodu"), Image1);
  edt_sube = field(QStringLiteral("edt_sube"), Image1);
  edt_sube->setText(QStringLiteral("MERKEZ"));
  edt_sube->setToolTip(QStringLiteral("Opsiyonel"));
  pnl_sirket = captionPanel(QStringLiteral("pnl_sirket"), QStringLiteral("  Şirket"), Image1);
  edt_sirketkodu = field(QStringLiteral("edt_sirketkodu"), Image1);
  pnl_user = captionPanel(QStringLiteral("pnl_user"), QStringLiteral("  Kullanıcı"), Image1);
  edt_user = field(QStringLiteral("edt_user"), Image1);
  pnl_pass = captionPanel(QStringLiteral("pnl_pass"), QStringLiteral("  Sifre"), Image1);
  edt_pass = field(QStringLiteral("edt_pass"), Image1);
  edt_pass->setEchoMode(QLineEdit::Password);

  const std::pair<QLabel*, QLineEdit*> rows[] = {{pnl_firmakodu, EDT_firmakodu},
                                                 {pnl_sube, edt_sube},
                                                 {pnl_sirket, edt_sirketkodu},
                                                 {pnl_user, edt_user},
                                                 {pnl_pass, edt_pass}};
  int r = 1;
  for (auto [cap, edit] : rows) {
    grid->addWidget(cap, r, 0);
    grid->addWidget(edit, r, 1);
    ++r;
  }
  btn_baglan = new QPushButton(QStringLiteral("Bağlan"), Image1);
  btn_baglan->setObjectName(QStringLiteral("btn_baglan"));
  btn_baglan->setDefault(true);
  grid->addWidget(btn_baglan, r, 1);
  setTabOrder(EDT_firmakodu, edt_sube);
  setTabOrder(edt_sube, edt_sirketkodu);
  setTabOrder(edt_sirketkodu, edt_user);
  setTabOrder(edt_user, edt_pass);
  setTabOrder(edt_pass, btn_baglan);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  auto action = [](QMenu* m, const char* name) {
    QAction* a = m->addAction(QString());
    a->setObjectName(QString::fromLatin1(name));
    return a;
  };
  mnu_ayarlarikaydet = action(PopupMenu1, "mnu_ayarlarikaydet");
  mnu_diller = PopupMenu1->addMenu(QString());
  mnu_diller->setObjectName(QStringLiteral("mnu_diller"));
  mnu_tr = action(mnu_diller, "mnu_tr");
  mnu_en = action(mnu_diller, "mnu_en");
  mnu_de = action(mnu_diller, "mnu_de");
  mnu_ar = action(mnu_diller, "mnu_ar");
  mnu_sektor = PopupMenu1->addMenu(QString());
  mnu_sektor->setObjectName(QStringLiteral("mnu_sektor"));
  mnu_ruduzazer = action(mnu_sektor, "mnu_ruduzazer");
  mnu_tercume = action(mnu_sektor, "mnu_tercume");
  mnu_dogalgaz = action(mnu_sektor, "mnu_dogalgaz");
  mnu_nakliye = action(mnu_sektor, "mnu_nakliye");
  mnu_yenifatura = action(mnu_sektor, "mnu_yenifatura");
  mnu_hicbiri = action(mnu_sektor, "mnu_hicbiri");
  mnu_hakkimizda = action(PopupMenu1, "mnu_hakkimizda");
  connect(mnu_ayarlarikaydet, &QAction::triggered, this, &Tfrm_login::AyarlariKaydetClick);
  const std::pair<QAction*, const char*> languages[] = {{mnu_tr, "tr"}, {mnu_en, "en"}, {mnu_de, "de"}, {mnu_ar, "ar"}};
  for (auto [a, code] : languages)
    connect(a, &QAction::triggered, this, [this, c = QString::fromLatin1(code)] { DilSecClick(c); });
  const std::pair<QAction*, QString> sectors[] = {{mnu_ruduzazer, QStringLiteral("ruduzazer")},
                                                  {mnu_tercume, QStringLiteral("tercüme")},
                                                  {mnu_dogalgaz, QStringLiteral("dogalgaz")},
                                                  {mnu_nakliye, QStringLiteral("nakliye")},
                                                  {mnu_yenifatura, QStringLiteral("yenifatura")},
                                                  {mnu_hicbiri, QString()}};
  for (const auto& [a, word] : sectors) connect(a, &QAction::triggered, this, [this, w = word] { SektorClick(w); });
  connect(mnu_hakkimizda, &QAction::triggered, this, &Tfrm_login::HakkimizdaClick);
  Image1->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Image1, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { PopupMenu1->popup(Image1->mapToGlobal(p)); });

  edt_sirketkodu->installEventFilter(this);
  edt_user->installEventFilter(this);
  connect(btn_baglan, &QPushButton::clicked, this, &Tfrm_login::btn_baglanClick);
  connect(edt_pass, &QLineEdit::returnPressed, this, &Tfrm_login::btn_baglanClick);

  retranslate();
  db::Connection::instance().onStatus = [this](const QString& s) {
    lbl_durum->setText(s);
    lbl_durum->repaint();
  };
  resize(420, 300);
}

void Tfrm_login::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (shown_) return;
  shown_ = true;
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  FormShow();
}

void Tfrm_login::FormShow() {
  ui::runHandler([this] { startUp(); });
}

void Tfrm_login::startUp() {
  login::BOS.clear();
  login::dilkodu = QStringLiteral("tr");
  login::PROGRAMINCALISMAYERI = sys::programFolder();

  const QString settingsPath = sys::programFile(QStringLiteral("mysqlbilgisi.txt"));
  if (!QFileInfo::exists(settingsPath)) {
    lbl_durum->setText(QStringLiteral("Veritabanı ayar dosyası program dizininde yok!"));
    EDT_firmakodu->setFocus();
    return;
  }
  const QStringList my = sys::readTextLines(settingsPath);
  login::myhost = sys::line(my, 0);
  login::mydatabase = sys::line(my, 1);
  login::mydata = sys::line(my, 1);
  login::myuser = sys::line(my, 2);
  login::mypass = sys::line(my, 3);
  bool portOk = false;
  const QString portText = sys::line(my, 4);
  const int port = portText.toInt(&portOk);
  if (!portOk) throw std::runtime_error(QStringLiteral("'%1' geçerli bir tam sayı değil.").arg(portText).toStdString());
  login::myport = port;

  const QStringList sms = sys::readTextLines(sys::programFile(QStringLiteral("smsbilgisi.txt")));
  login::smsoperator = sys::line(sms, 0);
  login::smskullaniciadi = sys::line(sms, 1);
  login::smssifre = sys::line(sms, 2);

  const QString userInfo = sys::programFile(QStringLiteral("USERINFO.txt"));
  if (QFileInfo::exists(userInfo)) {
    const QStringList u = sys::readTextLines(userInfo);
    EDT_firmakodu->setText(sys::line(u, 0));
    edt_sirketkodu->setText(sys::line(u, 1));
    edt_user->setText(sys::line(u, 2));
    edt_pass->setText(sys::line(u, 3));
    login::dilkodu = sys::line(u, 4).isEmpty() ? QStringLiteral("tr") : sys::line(u, 4);
    login::sektortusu = sys::line(u, 5);
  }

  const QString efatura = sys::programFile(QStringLiteral("efaturabilgisi.txt"));
  if (QFileInfo::exists(efatura)) {
    const QStringList e = sys::readTextLines(efatura);
    QString* targets[] = {&login::EFatura_entagrator, &login::EFatura_vergino,   &login::EFatura_kullanici,
                          &login::EFatura_sifre,      &login::EFatura_faturano,  &login::EFatura_webadresi,
                          &login::EFatura_unvan,      &login::EFatura_adres,     &login::EFatura_ilce,
                          &login::EFatura_il,         &login::EFatura_ulke,      &login::EFatura_ulkekodu,
                          &login::EFatura_vergidairesi};
    for (int i = 0; i < 13; ++i) *targets[i] = sys::line(e, i);
  }

  db::Connection& c = db::Connection::instance();
  c.configure({login::myhost, login::mydatabase, login::myuser, login::mypass, login::myport});
  try {
    c.open();
  } catch (const db::Error& e) {
    if (!e.suppressed) throw;
  }
  if (c.isOpen()) {
    lbl_durum->setText(QStringLiteral("Veritabanına Bağlantı Sağlandı.[") + login::mydata + QStringLiteral("]"));
  } else {
    lbl_durum->setText(QStringLiteral("Bağlantı Yok."));
    return;
  }
  EDT_firmakodu->setFocus();
}

void Tfrm_login::retranslate() {
  setWindowTitle(tr("KALTREX YAZILIM"));
  pnl_firmakodu->setText(tr("  Firma Kodu"));
  pnl_sirket->setText(tr("  Şirket"));
  pnl_user->setText(tr("  Kullanıcı"));
  pnl_pass->setText(tr("  Sifre"));
  btn_baglan->setText(tr("Bağlan"));
  // Status texts set at run time stay Turkish; only the design text is translated.
  static const QStringList designTexts{QStringLiteral("Bağlanmadı"), QStringLiteral("Disconneted"),
                                       QStringLiteral("Nicht angeschlossen"), QStringLiteral("انقطع الاتصال")};
  if (designTexts.contains(lbl_durum->text())) lbl_durum->setText(tr("Bağlanmadı"));
  mnu_ayarlarikaydet->setText(tr("Ayarları Kaydet"));
  mnu_diller->setTitle(tr("Diller"));
  mnu_tr->setText(tr("Türkçe - tr"));
  mnu_en->setText(tr("English - en"));
  mnu_de->setText(QStringLiteral("Deutsch - de"));
  mnu_ar->setText(QStringLiteral("ar - العربية"));
  mnu_sektor->setTitle(tr("Sektören Tuş"));
  mnu_ruduzazer->setText(tr("Ruduzazer"));
  mnu_tercume->setText(tr("Tercüme"));
  mnu_dogalgaz->setText(tr("Dogalgaz"));
  mnu_nakliye->setText(tr("Nakliye"));
  mnu_yenifatura->setText(QStringLiteral("YeniFatura"));
  mnu_hicbiri->setText(tr("Hiçbiri"));
  mnu_hakkimizda->setText(tr("Hakkımızda"));
}

void Tfrm_login::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) retranslate();
  QWidget::changeEvent(e);
}

void Tfrm_login::DilSecClick(const QString& code) {
  i18n::setLanguage(code);
  login::dilkodu = code;
  // Right-to-left applies to this window only, and only while Arabic is chosen.
  setLayoutDirection(code == QLatin1String("ar") ? Qt::RightToLeft : Qt::LeftToRight);
  retranslate();
}

QStringList Tfrm_login::userInfoBlock(const QString& sector) const {
  return {EDT_firmakodu->text(), edt_sirketkodu->text(), edt_user->text(), edt_pass->text(), QStringLiteral("tr"), sector};
}

void Tfrm_login::AyarlariKaydetClick() {
  ui::runHandler([this] {
    QString error;
    if (!sys::writeTextLines(sys::programFile(QStringLiteral("USERINFO.txt")), userInfoBlock(QString()), &error))
      throw std::runtime_error(error.toStdString());
  });
}

void Tfrm_login::SektorClick(const QString& word) {
  ui::runHandler([&] {
    const QString path = sys::programFile(QStringLiteral("USERINFO.txt"));
    if (!QFileInfo::exists(path)) return;
    QString error;
    if (!sys::appendTextLines(path, userInfoBlock(word), &error)) throw std::runtime_error(error.toStdString());
  });
}

void Tfrm_login::HakkimizdaClick() { registry::open(QStringLiteral("about"), this); }

bool Tfrm_login::eventFilter(QObject* o, QEvent* e) {
  if (e->type() == QEvent::MouseButtonDblClick) {
    if (o == edt_sirketkodu) pickInto(edt_sirketkodu, QStringLiteral("SIRKETLER"), QStringLiteral("SIRKETKODU"));
    if (o == edt_user) pickInto(edt_user, QStringLiteral("ELEMANLAR"), QStringLiteral("KULLANICI_ADI"));
  }
  return QWidget::eventFilter(o, e);
}

void Tfrm_login::pickInto(QLineEdit* field, const QString& table, const QString& column) {
  ui::runHandler([&] {
    Tfrm_farkliolan picker(this);
    farkliolan::tabloadi = table;
    farkliolan::alanadi = column;
    const QString v = picker.dosya_ara_modal();
    if (v != QLatin1String("-1")) field->setText(v);
  });
}

void Tfrm_login::btn_baglanClick() {
  ui::runHandler([this] { baglan(); });
}

namespace {
QString compactAddress(QString a) {
  a.remove(QLatin1Char('-'));
  a.remove(QLatin1Char(':'));
  a.remove(QRegularExpression(QStringLiteral("\\s")));
  return QLocale(QLocale::Turkish).toUpper(a);
}
}  // namespace

QString login::GetMACAdress() { return sys::workstationAddress(); }

void Tfrm_login::baglan() {
  const QString mac = compactAddress(login::GetMACAdress());
  auto refuse = [](const char* text) {
    ui::Dialogs::message(QString::fromUtf8(text));
    throw ui::Silent{};
  };
  if (edt_sirketkodu->text().isEmpty()) refuse("Şirket Kodu Boş Olamaz");
  if (edt_user->text().isEmpty()) refuse("Kullanıcı Adı Boş Olamaz");
  if (edt_pass->text().isEmpty()) refuse("Şifre Boş Olamaz");

  // Bound values, compared under the columns' Turkish collation; the password is a
  // condition only and never read back.
  db::Query q(QStringLiteral("Query1"));
  q.setSql(QStringLiteral("SELECT KULLANICI_KODU, KULLANICI_ADI, KULLANICI_SOYADI, CARIKOD, MACNO, AKTIF from ELEMANLAR "
                          "Where 1=1  and KULLANICI_ADI = :ad and SIFRE = :sifre order by KAYIT_NO"));
  q.bind(QStringLiteral("ad"), edt_user->text());
  q.bind(QStringLiteral("sifre"), edt_pass->text());
  q.exec();
  if (q.isEmpty()) refuse("Kullanıcı Adı ile Şifre Uyuşmuyor");
  if (q.text(QStringLiteral("AKTIF")) == QLatin1String("H")) refuse("Kullanıcı Aktif Değil");

  login::SIRKET = edt_sirketkodu->text();
  login::userim = edt_user->text();
  login::sube = edt_sube->text().isEmpty() ? QStringLiteral("MERKEZ") : edt_sube->text();
  login::firmakodu = EDT_firmakodu->text();
  login::kullanici1 = q.text(QStringLiteral("KULLANICI_ADI")) + QLatin1Char(' ') + q.text(QStringLiteral("KULLANICI_SOYADI"));
  const QVariant kod = q.value(QStringLiteral("KULLANICI_KODU"));
  login::kul_kod = kod.isNull() ? QString() : QString::number(kod.toDouble(), 'g', 15);
  login::GLB_PERSONELCARIKOD = q.text(QStringLiteral("CARIKOD"));

  const QString bound = compactAddress(q.text(QStringLiteral("MACNO")));
  if (!bound.isEmpty() && bound != mac) refuse("Kullanıcıya tanımlı cihaz ile giriş yapmayı denediğiniz cihaz aynı değil.");
  login::usermacid = mac;

  q.setSql(QStringLiteral("SELECT SIRKETUNVANI from SIRKETLER Where 1=1  and SIRKETKODU = :kod order by KAYITNO"));
  q.bind(QStringLiteral("kod"), edt_sirketkodu->text());
  q.exec();
  login::sirketunvani = q.text(QStringLiteral("SIRKETUNVANI"));
  q.close();

  auto* frm = new Tfrm_menu;
  frm->setAttribute(Qt::WA_DeleteOnClose, false);
  menu::frm_menu = frm;
  hide();
  ui::showModal(*frm);
  // The session has ended: the main window closed the login window (and the program).
  menu::frm_menu = nullptr;
  delete frm;
}

void Tfrm_login::closeEvent(QCloseEvent* e) {
  db::Connection::instance().close();
  e->accept();
  QApplication::quit();
}
