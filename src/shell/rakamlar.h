// The main window's left column: the figures of the chosen date with their drill-down,
// the quick customer lookup and the customer analysis list.
#pragma once
#include <QString>

class Tfrm_menu;

namespace rakamlar {
void hedefhesabi(Tfrm_menu& w);           // the twelve figure lines
void Detay(Tfrm_menu& w, int line);       // the policies or movements behind a line
void HizliArama(Tfrm_menu& w, const QString& text);
void CariAnaliz2(Tfrm_menu& w);
}  // namespace rakamlar
