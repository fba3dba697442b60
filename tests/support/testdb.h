// Test support: one private MariaDB per test run (or the one scripts/test started), a
// database per test binary loaded from schema/, tables emptied between tests, a fresh
// program folder per test, and the scripted dialogs.
#pragma once
#include <QSqlRecord>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace support {

// Runs one statement on the test's own side connection (not the program's); fails the
// test on error. Returns the rows of a select.
std::vector<QSqlRecord> sql(const QString& statement);
QVariant scalar(const QString& statement);
// Kills the program connection's server thread, as a dropped network link would.
void killProgramConnection();
QString databaseName();
int serverPort();
// Writes a text file into the program folder (UTF-8, CRLF line ends).
void writeProgramFile(const QString& name, const QStringList& lines);
QString programFolder();
// The mysqlbilgisi.txt lines that reach the test database.
QStringList connectionLines();

// Types text into a widget as key presses; non-ASCII letters go as key events carrying
// their text (QTest::keyClicks cannot send them).
void typeText(QWidget* w, const QString& text);

// Base fixture: scripted dialogs, a fresh program folder, emptied tables, an open connection.
class DbTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::unique_ptr<QTemporaryDir> home_;
};

// Called by the test main.
void startDatabase(const QString& binaryName);
void stopDatabase();

}  // namespace support
