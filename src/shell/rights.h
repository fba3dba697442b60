// Access rights: one KULLANICILAR row per user, module and company. Every guarded window
// uses these helpers; none writes the rights statements itself.
#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>

namespace login {

// Looks up one right (a KULLANICILAR column, any letter case) of the session user in the
// session company; the answer is left in gy_durumu ("H" when missing or empty).
void yetkibul(const QString& modul, const QString& yetki);
// yetkibul plus the caller's protocol: on anything but "E" shows
// module + " modülünde " + right + " yetkisine sahip değilsiniz." and returns false.
bool yetkiVar(const QString& modul, const QString& yetki);
// The main window's row check: a row whose FORMGIRISI is set and not "H". On refusal shows
// "Bu Ekrana Girmeye Yetkili Değilsiniz.(" + module + ")" and returns false.
bool ekranGirisiVar(const QString& modul, bool showRefusal = true);

// The rights row a window reads when it is shown. Flags hold the stored values; a missing
// row leaves them empty, which refuses every command.
struct Yetkiler {
  QString yetki_post, yetki_insert, yetki_edit, yetki_delete, yetki_show, yetki_print, yetki_ozel1, yetki_ozel2;
  QString yetki_ozel3, yetki_ozel4, yetki_val, yetki_vver, yetki_kkgor, yetki_agor, yetki_evgir, yetki_eiyap,
      yetki_netuyg, yetki_aguyg, yetki_cbgor, yetki_ctgor, yetki_ekrankapgel, yetki_tam;

  void load(const QString& modul);
  // Before a command: true when the flag is "E"; otherwise shows
  // "Bu İşlem İçin Yetkili Değilsiniz" and returns false.
  static bool izin(const QString& flag);
  // Own-rows rule: the condition lists and pickers append when KENDIKAYDINIGOR is "E".
  QString kendiKayitlari(const QString& column = QStringLiteral("KULLANICI")) const;
  // Locked-record rule: a record with KILIT "E" changes or goes only with full rights.
  bool kilitAcik(const QString& kilit) const;
};

// The twenty-two yes/no columns of a rights row, in table order.
const QStringList& yetkiKolonlari();

enum class HakTuru { Yetkisiz, Yetkili, Ozel };
// Replaces the user's rights rows in a company with one row per MODULLER row: "Yetkisiz"
// all "H"; "Yetkili" all "E" but own-rows-only and screen-closed; "Ozel" "E" only in the
// named columns. Joins the caller's transaction. Returns the rows written.
int hakTanimla(const QVariant& kullaniciKodu, const QString& sirket, HakTuru tur, const QStringList& ozel = {});

}  // namespace login
