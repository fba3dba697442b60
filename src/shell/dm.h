// The data module: shared statements many windows use instead of their own.
#pragma once
#include "db/db.h"

class TDM1 {
 public:
  db::Query qry_kullanicilar{QStringLiteral("qry_kullanicilar")};
  db::Query qry_formparemetreleri{QStringLiteral("qry_formparemetreleri")};
  db::Query qry_moduller{QStringLiteral("qry_moduller"), QStringLiteral("select * from MODULLER")};
  db::Query qry_firmalar{QStringLiteral("qry_firmalar")};
  db::Query qry_cari_hareket{QStringLiteral("qry_cari_hareket"), QStringLiteral("select * from CARI_HAREKET")};
  db::Query qry_CARIBAZLISARTLAR{QStringLiteral("qry_CARIBAZLISARTLAR"), QStringLiteral("SELECT * FROM CARIBAZLISARTLAR")};
  db::Query qry_bankalar{QStringLiteral("qry_bankalar"), QStringLiteral("SELECT * FROM BANKALAR")};
  db::Query qry_kasalar{QStringLiteral("qry_kasalar"), QStringLiteral("SELECT * FROM KASALAR")};
  db::Query Query1{QStringLiteral("Query1")};
  db::Query Query2{QStringLiteral("Query2")};
  db::Query Query3{QStringLiteral("Query3")};
  db::Query QRY_CH{QStringLiteral("QRY_CH")};
  db::Query qry_toplam{QStringLiteral("qry_toplam")};
  db::Query qry_uyari{QStringLiteral("qry_uyari")};
  db::Query qry_uyari1{QStringLiteral("qry_uyari1")};
  db::Query IBQuery1{QStringLiteral("IBQuery1")};
  db::Query IBQuery2{QStringLiteral("IBQuery2")};
  db::Query IBQuery3{QStringLiteral("IBQuery3")};
  db::Query IBQuery4{QStringLiteral("IBQuery4")};
  db::Query IBQuery5{QStringLiteral("IBQuery5")};
  db::Query IBQuery6{QStringLiteral("IBQuery6")};
};

inline TDM1* DM1 = nullptr;
