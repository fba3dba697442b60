#include "sys/sys.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkInterface>
#include <QProcess>
#include <QSaveFile>
#include <QSettings>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QUrl>

namespace sys {

QString programFolder() {
  const QByteArray home = qgetenv("ORDAVIN_HOME");
  if (!home.isEmpty()) return QDir(QString::fromLocal8Bit(home)).absolutePath();
  return QCoreApplication::applicationDirPath();
}

QString localPath(const QString& stored) {
  QString p = stored;
  p.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return p;
}

QString programFile(const QString& name) { return programFolder() + QLatin1Char('/') + localPath(name); }

TextEncoding detectEncoding(const QByteArray& bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) return TextEncoding::Utf8Bom;
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = utf8.decode(bytes);  // the decoder only runs when converted
  (void)decoded;
  return utf8.hasError() ? TextEncoding::Windows1254 : TextEncoding::Utf8;
}

// Windows-1254 differs from Latin-1 in 0x80-0x9F and six Turkish letters; decode by hand
// so we need no ICU codec at run time.
static QString decode1254(const QByteArray& bytes) {
  static const char16_t high[32] = {
      0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0xFFFD, 0x0178};
  QString out;
  out.reserve(bytes.size());
  for (unsigned char c : bytes) {
    char16_t u = c;
    if (c >= 0x80 && c < 0xA0) u = high[c - 0x80];
    else if (c == 0xD0) u = 0x011E;
    else if (c == 0xDD) u = 0x0130;
    else if (c == 0xDE) u = 0x015E;
    else if (c == 0xF0) u = 0x011F;
    else if (c == 0xFD) u = 0x0131;
    else if (c == 0xFE) u = 0x015F;
    out.append(QChar(u));
  }
  return out;
}

static QByteArray encode1254(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (QChar ch : text) {
    const char16_t u = ch.unicode();
    switch (u) {
      case 0x011E: out.append(char(0xD0)); continue;
      case 0x0130: out.append(char(0xDD)); continue;
      case 0x015E: out.append(char(0xDE)); continue;
      case 0x011F: out.append(char(0xF0)); continue;
      case 0x0131: out.append(char(0xFD)); continue;
      case 0x015F: out.append(char(0xFE)); continue;
      default: break;
    }
    out.append(u < 0x100 ? char(u) : '?');
  }
  return out;
}

QByteArray encodeText(const QString& text, TextEncoding enc) {
  switch (enc) {
    case TextEncoding::Windows1254: return encode1254(text);
    case TextEncoding::Utf8: return text.toUtf8();
    case TextEncoding::Utf8Bom: break;
  }
  return text.toUtf8();
}

QStringList readTextLines(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QByteArray bytes = f.readAll();
  QString text;
  switch (detectEncoding(bytes)) {
    case TextEncoding::Utf8Bom: text = QString::fromUtf8(bytes.mid(3)); break;
    case TextEncoding::Utf8: text = QString::fromUtf8(bytes); break;
    case TextEncoding::Windows1254: text = decode1254(bytes); break;
  }
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QStringList lines = text.split(QLatin1Char('\n'));
  // A final line break ends the last line; it does not start another one.
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

QString line(const QStringList& lines, int i) { return i >= 0 && i < lines.size() ? lines.at(i) : QString(); }

bool writeTextLines(const QString& path, const QStringList& lines, QString* error) {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) {
    if (error) *error = f.errorString();
    return false;
  }
  QByteArray bytes("\xEF\xBB\xBF");
  for (const QString& l : lines) bytes += l.toUtf8() + "\r\n";
  f.write(bytes);
  if (!f.commit()) {
    if (error) *error = f.errorString();
    return false;
  }
  return true;
}

bool appendTextLines(const QString& path, const QStringList& lines, QString* error) {
  QFile f(path);
  TextEncoding enc = TextEncoding::Utf8Bom;
  const bool existed = f.exists();
  if (existed && f.open(QIODevice::ReadOnly)) {
    const QByteArray bytes = f.readAll();
    f.close();
    if (!bytes.isEmpty()) enc = detectEncoding(bytes);
  }
  if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) {
    if (error) *error = f.errorString();
    return false;
  }
  QByteArray bytes;
  if (f.size() == 0 && enc == TextEncoding::Utf8Bom) bytes = "\xEF\xBB\xBF";
  for (const QString& l : lines) bytes += encodeText(l, enc) + "\r\n";
  if (f.write(bytes) != bytes.size()) {
    if (error) *error = f.errorString();
    return false;
  }
  return true;
}

static std::optional<QString>& addressOverride() {
  static std::optional<QString> a;
  return a;
}
void overrideWorkstationAddress(std::optional<QString> address) { addressOverride() = std::move(address); }

QString workstationAddress() {
  if (addressOverride()) return *addressOverride();
  QList<QNetworkInterface> all = QNetworkInterface::allInterfaces();
  std::sort(all.begin(), all.end(),
            [](const QNetworkInterface& a, const QNetworkInterface& b) { return a.index() < b.index(); });
  auto usable = [](const QNetworkInterface& i) {
    const auto flags = i.flags();
    if (!(flags & QNetworkInterface::IsUp) || (flags & QNetworkInterface::IsLoopBack)) return false;
    QString hw = i.hardwareAddress();
    hw.remove(QLatin1Char(':'));
    return hw.size() == 12 && hw != QLatin1String("000000000000");
  };
  auto format = [](const QNetworkInterface& i) {
    return i.hardwareAddress().toUpper().replace(QLatin1Char(':'), QLatin1Char('-'));
  };
  for (const auto& i : all)
    if (usable(i) && (i.type() == QNetworkInterface::Ethernet || i.type() == QNetworkInterface::Wifi))
      return format(i);
  for (const auto& i : all)
    if (usable(i)) return format(i);
  return {};
}

QString serviceUrl(const QString& key, const QString& fallback) {
  const QString file = programFile(QStringLiteral("servisler.ini"));
  if (!QFileInfo::exists(file)) return fallback;
  const QString v = QSettings(file, QSettings::IniFormat).value(key).toString();
  return v.isEmpty() ? fallback : v;
}

static std::function<void(const ShellCall&)>& recorder() {
  static std::function<void(const ShellCall&)> r;
  return r;
}

void setShellRecorder(std::function<void(const ShellCall&)> r) { recorder() = std::move(r); }

bool shellOpen(const QString& path) {
  if (recorder()) {
    recorder()({QStringLiteral("open"), path});
    return true;
  }
  const QUrl url = path.contains(QStringLiteral("://")) ? QUrl(path) : QUrl::fromLocalFile(localPath(path));
  return QDesktopServices::openUrl(url);
}

bool startProgram(const QString& path, const QStringList& args) {
  if (recorder()) {
    recorder()({QStringLiteral("start"), path});
    return true;
  }
  return QProcess::startDetached(localPath(path), args);
}

}  // namespace sys
