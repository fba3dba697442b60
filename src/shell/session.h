// Session globals of the login unit: set when the login window is shown and at login,
// read by every window.
#pragma once
#include <QString>

namespace login {

// Connection settings read from mysqlbilgisi.txt.
inline QString myhost;
inline QString mydatabase;
inline QString mydata;  // schema name for the next-record-number lookup and the status text
inline QString myuser;
inline QString mypass;
inline int myport = 3306;

inline QString PROGRAMINCALISMAYERI;  // program folder
inline QString BOS;                   // always empty
inline QString dilkodu = QStringLiteral("tr");
inline QString sektortusu;

// smsbilgisi.txt
inline QString smsoperator;
inline QString smskullaniciadi;
inline QString smssifre;

// efaturabilgisi.txt (kept for the session; no window reads them)
inline QString EFatura_entagrator, EFatura_vergino, EFatura_kullanici, EFatura_sifre, EFatura_faturano,
    EFatura_webadresi, EFatura_unvan, EFatura_adres, EFatura_ilce, EFatura_il, EFatura_ulke, EFatura_ulkekodu,
    EFatura_vergidairesi;

// Set at login.
inline QString SIRKET;
inline QString userim;
inline QString kul_kod;
inline QString kullanici1;
inline QString GLB_PERSONELCARIKOD;
inline QString usermacid;
inline QString sirketunvani;
inline QString firmakodu;
inline QString sube;

// Set by later windows and routines.
inline double kur_usd = 0;
inline double kur_euro = 0;
inline double KAYITNO_ID = 0;
inline QString gy_durumu, gy_modul, gy_yetki;
inline QString GLB_MESAJ;
inline QString raporbul_raporyolu;

}  // namespace login
