#include "db/db.h"
#include "shell/login.h"
#include "shell/menu.h"
#include "shell/session.h"
#include "support/testdb.h"
#include "sys/sys.h"
#include "ui/dialogs.h"

#include <QTest>

using support::sql;
using ui::Dialogs;

namespace {
const char* kHere = "AA-BB-CC-DD-EE-01";

class Login : public support::DbTest {
 protected:
  void SetUp() override {
    support::DbTest::SetUp();
    sys::overrideWorkstationAddress(QString::fromLatin1(kHere));
    sql(QStringLiteral("INSERT INTO SIRKETLER (SIRKETKODU, SIRKETUNVANI) VALUES ('01', 'ACENTE A.Ş.')"));
    addUser(7, QStringLiteral("ali"), QStringLiteral("gizli"), QStringLiteral("E"), QString());
    login::SIRKET.clear();
    login::userim.clear();
    login::kul_kod.clear();
    frm = std::make_unique<Tfrm_login>();
  }
  void TearDown() override {
    frm.reset();
    sys::overrideWorkstationAddress(std::nullopt);
    support::DbTest::TearDown();
  }
  static void addUser(int code, const QString& name, const QString& pass, const QString& aktif, const QString& mac) {
    db::Query q(QStringLiteral("t"), QStringLiteral("INSERT INTO ELEMANLAR (KULLANICI_KODU, KULLANICI_ADI, KULLANICI_SOYADI, "
                                                    "SIFRE, CARIKOD, MACNO, AKTIF) VALUES (:k, :a, 'Veli', :s, 'P-1', :m, :ak)"));
    q.bind(QStringLiteral("k"), code);
    q.bind(QStringLiteral("a"), name);
    q.bind(QStringLiteral("s"), pass);
    q.bind(QStringLiteral("m"), mac);
    q.bind(QStringLiteral("ak"), aktif.isNull() ? QVariant(QMetaType::fromType<QString>()) : QVariant(aktif));
    q.exec();
  }
  // Fills the fields and presses "Bağlan"; true when the main window was shown.
  bool connectAs(const QString& company, const QString& user, const QString& pass) {
    frm->edt_sirketkodu->setText(company);
    frm->edt_user->setText(user);
    frm->edt_pass->setText(pass);
    bool shown = false;
    ui::pushModalDriver([&](QWidget& w) {
      shown = qobject_cast<Tfrm_menu*>(&w) != nullptr && menu::frm_menu == &w && frm->isHidden();
    });
    QTest::mouseClick(frm->btn_baglan, Qt::LeftButton);
    ui::clearModalDrivers();
    return shown;
  }
  std::unique_ptr<Tfrm_login> frm;
};
}  // namespace

TEST_F(Login, RefusalsComeInOrder) {
  struct Case { QString company, user, pass, message; };
  const Case cases[] = {
      {QString(), QString(), QString(), QStringLiteral("Şirket Kodu Boş Olamaz")},
      {QStringLiteral("01"), QString(), QString(), QStringLiteral("Kullanıcı Adı Boş Olamaz")},
      {QStringLiteral("01"), QStringLiteral("ali"), QString(), QStringLiteral("Şifre Boş Olamaz")},
      {QStringLiteral("01"), QStringLiteral("ali"), QStringLiteral("yanlis"), QStringLiteral("Kullanıcı Adı ile Şifre Uyuşmuyor")},
      {QStringLiteral("01"), QStringLiteral("veli"), QStringLiteral("gizli"), QStringLiteral("Kullanıcı Adı ile Şifre Uyuşmuyor")},
  };
  for (const auto& c : cases) {
    Dialogs::clearShown();
    EXPECT_FALSE(connectAs(c.company, c.user, c.pass));
    EXPECT_EQ(Dialogs::shownTexts(), QStringList{c.message});
    EXPECT_TRUE(login::SIRKET.isEmpty());
  }
}

TEST_F(Login, SuccessfulLoginFillsTheSession) {
  EXPECT_TRUE(connectAs(QStringLiteral("01"), QStringLiteral("ali"), QStringLiteral("gizli")));
  EXPECT_TRUE(Dialogs::shown().empty()) << Dialogs::shownTexts().join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(login::SIRKET, QStringLiteral("01"));
  EXPECT_EQ(login::userim, QStringLiteral("ali"));
  EXPECT_EQ(login::kul_kod, QStringLiteral("7"));
  EXPECT_EQ(login::kullanici1, QStringLiteral("ali Veli"));
  EXPECT_EQ(login::GLB_PERSONELCARIKOD, QStringLiteral("P-1"));
  EXPECT_EQ(login::usermacid, QStringLiteral("AABBCCDDEE01"));
  EXPECT_EQ(login::sirketunvani, QStringLiteral("ACENTE A.Ş."));
  EXPECT_EQ(login::sube, QStringLiteral("MERKEZ"));
}

TEST_F(Login, CompanyIsNotPartOfTheMatch) {
  EXPECT_TRUE(connectAs(QStringLiteral("99"), QStringLiteral("ali"), QStringLiteral("gizli")));
  EXPECT_EQ(login::SIRKET, QStringLiteral("99"));
  EXPECT_TRUE(login::sirketunvani.isEmpty());
}

TEST_F(Login, ApostropheInUserName) {
  addUser(8, QStringLiteral("O'Neil"), QStringLiteral("p'w"), QStringLiteral("E"), QString());
  EXPECT_TRUE(connectAs(QStringLiteral("01"), QStringLiteral("O'Neil"), QStringLiteral("p'w")));
  EXPECT_EQ(login::kul_kod, QStringLiteral("8"));
}

TEST_F(Login, HostilePasswordsMatchNobody) {
  const QString hostile[] = {QStringLiteral("\\' OR 1=1 #"), QStringLiteral("' OR '1'='1"), QStringLiteral("\\"),
                             QStringLiteral("' OR 1=1 -- "), QStringLiteral("\\' OR 1=1 -- "), QStringLiteral("%")};
  for (const QString& p : hostile) {
    SCOPED_TRACE(p.toStdString());
    Dialogs::clearShown();
    EXPECT_FALSE(connectAs(QStringLiteral("01"), QStringLiteral("ali"), p));
    EXPECT_FALSE(connectAs(QStringLiteral("01"), p, p));
    EXPECT_EQ(Dialogs::shownTexts(), (QStringList{QStringLiteral("Kullanıcı Adı ile Şifre Uyuşmuyor"),
                                                  QStringLiteral("Kullanıcı Adı ile Şifre Uyuşmuyor")}));
  }
}

TEST_F(Login, OnlyExactHRefusesAnInactiveUser) {
  const std::pair<QString, bool> cases[] = {{QStringLiteral("H"), false}, {QStringLiteral("E"), true}, {QString(""), true},
                                            {QString(), true}, {QStringLiteral("X"), true}};
  int code = 20;
  for (const auto& [aktif, logsIn] : cases) {
    SCOPED_TRACE(aktif.isNull() ? "NULL" : aktif.toStdString());
    const QString name = QStringLiteral("u%1").arg(++code);
    addUser(code, name, QStringLiteral("pw"), aktif, QString());
    Dialogs::clearShown();
    login::SIRKET.clear();
    EXPECT_EQ(connectAs(QStringLiteral("01"), name, QStringLiteral("pw")), logsIn);
    if (!logsIn) {
      EXPECT_EQ(Dialogs::shownTexts(), QStringList{QStringLiteral("Kullanıcı Aktif Değil")});
      EXPECT_TRUE(login::SIRKET.isEmpty());  // refused before any session value was set
    }
  }
}

TEST_F(Login, DeviceBinding) {
  addUser(30, QStringLiteral("bound"), QStringLiteral("pw"), QStringLiteral("E"), QStringLiteral("aa:bb:cc:dd:ee:01"));
  addUser(31, QStringLiteral("here"), QStringLiteral("pw"), QStringLiteral("E"), QStringLiteral("AABBCCDDEE01"));
  addUser(32, QStringLiteral("elsewhere"), QStringLiteral("pw"), QStringLiteral("E"), QStringLiteral("112233445566"));
  EXPECT_TRUE(connectAs(QStringLiteral("01"), QStringLiteral("bound"), QStringLiteral("pw")));
  EXPECT_TRUE(connectAs(QStringLiteral("01"), QStringLiteral("here"), QStringLiteral("pw")));
  Dialogs::clearShown();
  EXPECT_FALSE(connectAs(QStringLiteral("02"), QStringLiteral("elsewhere"), QStringLiteral("pw")));
  EXPECT_EQ(Dialogs::shownTexts(),
            QStringList{QStringLiteral("Kullanıcıya tanımlı cihaz ile giriş yapmayı denediğiniz cihaz aynı değil.")});
  // The values of the match were already taken; the main window never opened.
  EXPECT_EQ(login::SIRKET, QStringLiteral("02"));
  EXPECT_EQ(login::kul_kod, QStringLiteral("32"));
}

namespace {
QStringList userInfo() { return sys::readTextLines(support::programFolder() + QStringLiteral("/USERINFO.txt")); }
}  // namespace

TEST_F(Login, SaveSettingsAlwaysWritesTurkish) {
  frm->DilSecClick(QStringLiteral("en"));
  frm->EDT_firmakodu->setText(QStringLiteral("F"));
  frm->edt_sirketkodu->setText(QStringLiteral("01"));
  frm->edt_user->setText(QStringLiteral("ali"));
  frm->edt_pass->setText(QStringLiteral("gizli"));
  frm->mnu_ayarlarikaydet->trigger();
  EXPECT_EQ(userInfo(), (QStringList{QStringLiteral("F"), QStringLiteral("01"), QStringLiteral("ali"), QStringLiteral("gizli"),
                                     QStringLiteral("tr"), QString()}));
  EXPECT_EQ(login::dilkodu, QStringLiteral("en"));
  frm->DilSecClick(QStringLiteral("tr"));
}

TEST_F(Login, SectorItemsAppendBlocks) {
  frm->mnu_tercume->trigger();  // no file: nothing happens
  EXPECT_TRUE(userInfo().isEmpty());
  const QStringList first{QStringLiteral("F"), QStringLiteral("01"), QStringLiteral("ali"), QStringLiteral("x"),
                          QStringLiteral("tr"), QString()};
  support::writeProgramFile(QStringLiteral("USERINFO.txt"), first);
  frm->edt_user->setText(QStringLiteral("veli"));
  frm->mnu_tercume->trigger();
  frm->mnu_tercume->trigger();
  const QStringList lines = userInfo();
  ASSERT_EQ(lines.size(), 18);
  EXPECT_EQ(lines.mid(0, 6), first);
  EXPECT_EQ(lines[8], QStringLiteral("veli"));
  EXPECT_EQ(lines[11], QStringLiteral("tercüme"));
  EXPECT_EQ(lines[17], QStringLiteral("tercüme"));
}

TEST_F(Login, LanguageSwitchesTheWindowTexts) {
  struct Case { const char* code; const char* button; const char* firm; const char* title; Qt::LayoutDirection dir; };
  const Case cases[] = {
      {"en", "Connect", "Company Code", "KALTREX SOFTWARE", Qt::LeftToRight},
      {"de", "Verbunden", "Buchungskreis ", "KALTREX SOFTWARE", Qt::LeftToRight},
      {"ar", "الاتصال", "رمز الشركة", "كالتركس البرمجيات", Qt::RightToLeft},
      {"tr", "Bağlan", "  Firma Kodu", "KALTREX YAZILIM", Qt::LeftToRight},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    frm->DilSecClick(QString::fromLatin1(c.code));
    EXPECT_EQ(login::dilkodu, QString::fromLatin1(c.code));
    EXPECT_EQ(frm->btn_baglan->text(), QString::fromUtf8(c.button));
    EXPECT_EQ(frm->pnl_firmakodu->text(), QString::fromUtf8(c.firm));
    EXPECT_EQ(frm->windowTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(frm->layoutDirection(), c.dir);
    EXPECT_EQ(frm->pnl_sube->text(), QStringLiteral("  Şube Kodu"));
  }
  frm->DilSecClick(QStringLiteral("en"));
  EXPECT_EQ(frm->mnu_tr->text(), QStringLiteral("Türkçe -tr"));
  EXPECT_EQ(frm->lbl_durum->text(), QStringLiteral("Disconneted"));
  frm->lbl_durum->setText(QStringLiteral("Bağlantı Yok."));  // a status text stays Turkish
  frm->DilSecClick(QStringLiteral("de"));
  EXPECT_EQ(frm->lbl_durum->text(), QStringLiteral("Bağlantı Yok."));
  frm->DilSecClick(QStringLiteral("tr"));
}
