#include "db/db.h"
#include "shell/dm.h"
#include "shell/login.h"
#include "shell/session.h"
#include "support/testdb.h"
#include "ui/dialogs.h"

using support::connectionLines;
using support::writeProgramFile;
using ui::Dialogs;

namespace {
class LoginStart : public support::DbTest {
 protected:
  void SetUp() override {
    support::DbTest::SetUp();
    db::Connection::instance().close();
    frm = std::make_unique<Tfrm_login>();
  }
  void TearDown() override {
    frm.reset();
    db::Connection::instance().onStatus = nullptr;
    support::DbTest::TearDown();
  }
  std::unique_ptr<Tfrm_login> frm;
};
}  // namespace

TEST_F(LoginStart, MissingConnectionFileReadsNothingElse) {
  writeProgramFile(QStringLiteral("USERINFO.txt"), {QStringLiteral("F"), QStringLiteral("01"), QStringLiteral("admin")});
  frm->FormShow();
  EXPECT_EQ(frm->lbl_durum->text(), QStringLiteral("Veritabanı ayar dosyası program dizininde yok!"));
  EXPECT_TRUE(frm->edt_user->text().isEmpty());
  EXPECT_FALSE(db::Connection::instance().isOpen());
  EXPECT_TRUE(Dialogs::shown().empty());
  EXPECT_EQ(login::PROGRAMINCALISMAYERI, support::programFolder());
}

TEST_F(LoginStart, FourLineConnectionFileStopsWithErrorBox) {
  QStringList lines = connectionLines();
  lines.removeLast();
  writeProgramFile(QStringLiteral("mysqlbilgisi.txt"), lines);
  writeProgramFile(QStringLiteral("USERINFO.txt"), {QStringLiteral("F"), QStringLiteral("01"), QStringLiteral("admin")});
  frm->FormShow();
  ASSERT_EQ(Dialogs::shown().size(), 1u);
  EXPECT_EQ(Dialogs::shown()[0].kind, ui::BoxKind::Error);
  EXPECT_TRUE(frm->edt_sirketkodu->text().isEmpty());
  EXPECT_TRUE(frm->edt_user->text().isEmpty());
  EXPECT_FALSE(db::Connection::instance().isOpen());
}

TEST_F(LoginStart, ConnectsAndFillsRememberedEntries) {
  writeProgramFile(QStringLiteral("mysqlbilgisi.txt"), connectionLines());
  writeProgramFile(QStringLiteral("smsbilgisi.txt"), {QStringLiteral("OP"), QStringLiteral("smsuser")});
  writeProgramFile(QStringLiteral("USERINFO.txt"), {QStringLiteral("F1"), QStringLiteral("01"), QStringLiteral("admin")});
  QStringList statuses;
  db::Connection::instance().onStatus = [&](const QString& s) {
    statuses << s;
    frm->lbl_durum->setText(s);
  };
  frm->FormShow();
  EXPECT_TRUE(Dialogs::shown().empty()) << Dialogs::shownTexts().join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(statuses, QStringList{QStringLiteral("Baglantı saglaniyor.....")});
  EXPECT_EQ(frm->lbl_durum->text(), QStringLiteral("Veritabanına Bağlantı Sağlandı.[") + support::databaseName() + QStringLiteral("]"));
  EXPECT_EQ(frm->EDT_firmakodu->text(), QStringLiteral("F1"));
  EXPECT_EQ(frm->edt_sirketkodu->text(), QStringLiteral("01"));
  EXPECT_EQ(frm->edt_user->text(), QStringLiteral("admin"));
  EXPECT_TRUE(frm->edt_pass->text().isEmpty());
  EXPECT_EQ(login::dilkodu, QStringLiteral("tr"));
  EXPECT_TRUE(login::sektortusu.isEmpty());
  EXPECT_EQ(login::smsoperator, QStringLiteral("OP"));
  EXPECT_EQ(login::smskullaniciadi, QStringLiteral("smsuser"));
  EXPECT_TRUE(login::smssifre.isEmpty());
  EXPECT_EQ(login::mydata, support::databaseName());
}

TEST_F(LoginStart, UnreachableServerSaysNoConnection) {
  QStringList lines = connectionLines();
  lines[4] = QStringLiteral("1");  // nothing listens there
  writeProgramFile(QStringLiteral("mysqlbilgisi.txt"), lines);
  frm->FormShow();
  EXPECT_EQ(Dialogs::shownTexts(), QStringList{QString::fromUtf8(db::kLostLinkText)});
  EXPECT_EQ(frm->lbl_durum->text(), QStringLiteral("Bağlantı Yok."));
}

TEST_F(LoginStart, SharedQueriesReopenAClosedConnection) {
  writeProgramFile(QStringLiteral("mysqlbilgisi.txt"), connectionLines());
  frm->FormShow();
  ASSERT_TRUE(db::Connection::instance().isOpen());
  // An administration window closes the connection when it closes ...
  db::Connection::instance().close();
  // ... and the next window's first statement opens it again with the settings read at start.
  DM1->qry_moduller.exec();
  EXPECT_TRUE(db::Connection::instance().isOpen());
  EXPECT_TRUE(Dialogs::shown().empty());
}

TEST_F(LoginStart, MisspeltColumnShowsTwoBoxes) {
  writeProgramFile(QStringLiteral("mysqlbilgisi.txt"), connectionLines());
  frm->FormShow();
  ui::runHandler([] { DM1->qry_kullanicilar.exec(QStringLiteral("select * from KULLANICILAR where MODULADII='cari'")); });
  ASSERT_EQ(Dialogs::shown().size(), 2u);
  EXPECT_EQ(Dialogs::shown()[0].text, QStringLiteral("qry_kullanicilar"));
  EXPECT_TRUE(Dialogs::shown()[1].text.contains(QStringLiteral("MODULADII")));
}
