// Operating-system services the windows need: the program folder, the settings text
// files, the workstation's adapter address, and writing text files others read too.
#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace sys {

// The folder of the executable, or ORDAVIN_HOME when set (tests, several installations).
QString programFolder();
// A file of the program folder. A "\" inside a stored name is a folder separator.
QString programFile(const QString& name);
// Turns a stored Windows-style path into one this platform opens.
QString localPath(const QString& stored);

// Settings text file: UTF-8 with or without BOM, otherwise Windows-1254; lines split on
// CR LF, LF or CR; values are not trimmed.
QStringList readTextLines(const QString& path);
// Line i (0-based) of `lines`, empty when missing.
QString line(const QStringList& lines, int i);

enum class TextEncoding { Utf8Bom, Utf8, Windows1254 };
TextEncoding detectEncoding(const QByteArray& bytes);
QByteArray encodeText(const QString& text, TextEncoding enc);

// Replaces a text file as a whole (UTF-8 with BOM, CRLF line ends) through QSaveFile.
// Returns false and fills *error when it cannot be written.
bool writeTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);
// Appends lines (CRLF ends) keeping the existing file's encoding; a new file is UTF-8 with BOM.
bool appendTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// The first up, non-loopback Ethernet or Wi-Fi adapter (by index) with a non-zero hardware
// address, else any other such adapter: six bytes as upper-case hex joined by "-", or empty.
QString workstationAddress();
// The address of an outside service or web page: servisler.ini in the program folder
// (key = service) over the built-in default.
QString serviceUrl(const QString& key, const QString& fallback);

// Scripted backend for tests: pretend to be this workstation (nullopt = the real adapter).
void overrideWorkstationAddress(std::optional<QString> address);

// Shell services with a scripted backend for tests.
struct ShellCall { QString verb; QString path; };
void setShellRecorder(std::function<void(const ShellCall&)> recorder);  // null = real shell
bool shellOpen(const QString& path);
bool startProgram(const QString& path, const QStringList& args = {});

}  // namespace sys
