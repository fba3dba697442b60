// The main window's reminder list: its probes, the listing of a category in the grid and
// the quick actions that settle a listed row.
#pragma once
#include <QDate>
#include <QString>

class Tfrm_menu;

namespace hatirlatma {

// The reminder date: the calendar's date.
QDate tarih(const Tfrm_menu& w);
void Yenile(Tfrm_menu& w);
void Listele(Tfrm_menu& w);  // the selected line's rows in the grid
void TakvimCiftTik(Tfrm_menu& w);
// How many statements the last rebuild ran (for the benchmark).
int sonSorguSayisi();

void Kasadan(Tfrm_menu& w);
void Bankadan(Tfrm_menu& w);
void SenediTahsilEt(Tfrm_menu& w);
void OdemePlaniTamamlandi(Tfrm_menu& w);
void NotTamamlandi(Tfrm_menu& w);
void GorevTamamlandi(Tfrm_menu& w);

}  // namespace hatirlatma
