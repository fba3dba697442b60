#include "support/testdb.h"
#include "sys/sys.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {
QByteArray readAll(const QString& p) {
  QFile f(p);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}
void writeBytes(const QString& p, const QByteArray& b) {
  QFile f(p);
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  f.write(b);
}
}  // namespace

TEST(SettingsFiles, EncodingsAndLineEnds) {
  QTemporaryDir dir;
  const QString p = dir.filePath(QStringLiteral("a.txt"));
  struct Case { QByteArray bytes; QStringList lines; };
  const Case cases[] = {
      {"\xEF\xBB\xBF" "host\r\n  db \r\n", {QStringLiteral("host"), QStringLiteral("  db ")}},
      {"\xC5\x9Firket\nx", {QStringLiteral("şirket"), QStringLiteral("x")}},
      {"\xFEirket\r\xDDSTANBUL\r\n", {QStringLiteral("şirket"), QStringLiteral("İSTANBUL")}},
      {"a\r\n\r\nc\r\n", {QStringLiteral("a"), QString(), QStringLiteral("c")}},
  };
  for (const auto& c : cases) {
    writeBytes(p, c.bytes);
    EXPECT_EQ(sys::readTextLines(p), c.lines);
  }
  EXPECT_EQ(sys::line(sys::readTextLines(p), 7), QString());
  EXPECT_TRUE(sys::readTextLines(dir.filePath(QStringLiteral("missing.txt"))).isEmpty());
}

TEST(SettingsFiles, WritingAndAppendingKeepTheEncoding) {
  QTemporaryDir dir;
  const QString p = dir.filePath(QStringLiteral("u.txt"));
  ASSERT_TRUE(sys::writeTextLines(p, {QStringLiteral("ş"), QString()}));
  EXPECT_EQ(readAll(p), QByteArray("\xEF\xBB\xBF\xC5\x9F\r\n\r\n"));
  ASSERT_TRUE(sys::appendTextLines(p, {QStringLiteral("ğ")}));
  EXPECT_EQ(sys::readTextLines(p), (QStringList{QStringLiteral("ş"), QString(), QStringLiteral("ğ")}));

  const QString old = dir.filePath(QStringLiteral("old.txt"));
  writeBytes(old, "\xFE\r\n");  // written by the old program in Windows-1254
  ASSERT_TRUE(sys::appendTextLines(old, {QStringLiteral("ğİ")}));
  EXPECT_EQ(readAll(old), QByteArray("\xFE\r\n\xF0\xDD\r\n"));
}

TEST(SettingsFiles, StoredBackslashPathsOpenHere) {
  EXPECT_EQ(sys::localPath(QStringLiteral("RESIMLER\\bos.jpg")), QStringLiteral("RESIMLER/bos.jpg"));
  qputenv("ORDAVIN_HOME", "/tmp/ordavin-home");
  EXPECT_EQ(sys::programFile(QStringLiteral("RESIMLER\\bos.jpg")), QStringLiteral("/tmp/ordavin-home/RESIMLER/bos.jpg"));
  qunsetenv("ORDAVIN_HOME");
}

TEST(Workstation, AddressHasTheStoredForm) {
  const QString a = sys::workstationAddress();
  if (a.isEmpty()) GTEST_SKIP() << "no network adapter with a hardware address";
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^([0-9A-F]{2}-){5}[0-9A-F]{2}$")).match(a).hasMatch()) << a.toStdString();
  EXPECT_NE(a, QStringLiteral("00-00-00-00-00-00"));
}
