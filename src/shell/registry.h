// How a window reaches a window that another part of the program builds: each subsystem
// registers its openers and pickers when the program starts (tests register what they
// need). A command whose target is not registered opens nothing.
#pragma once
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <functional>
#include <map>

namespace registry {

struct OpenArgs {
  QString recordNo;  // empty: a new record
  // Attachment context of notes, documents and pictures.
  QString ownerKind, ownerNo, cariKod, cariUnvan, aciklama;
  // Caller-list mode of the cash, bank, note and cheque lists.
  QString accountCode, listSql;
  QString title;
  std::map<QString, QVariant> flags;  // window-specific presets
};

struct PickResult {
  QString value = QStringLiteral("-1");  // "-1" on cancel
  QSqlRecord row;                        // the chosen row, for further columns
};

using Opener = std::function<void(QWidget* owner, const OpenArgs&)>;
using Picker = std::function<PickResult(QWidget* owner, const OpenArgs&)>;

void registerWindow(const QString& name, Opener opener);
void registerPicker(const QString& name, Picker picker);
bool hasWindow(const QString& name);
// Opens the window; false when nothing is registered under the name.
bool open(const QString& name, QWidget* owner, const OpenArgs& args = {});
PickResult pick(const QString& name, QWidget* owner, const OpenArgs& args = {});
void clear();

}  // namespace registry
