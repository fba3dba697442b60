// The day's exchange rates of the main window: fetched from the central bank's daily file.
#pragma once
#include <QString>

class Tfrm_menu;

namespace kur {

struct Kurlar {
  QString usd, euro;  // as written in the file, C locale ("3.525")
};
// Reads both banknote buying rates; false with *error when either is missing or not a number.
bool oku(const QString& text, Kurlar* out, QString* error);
// A rate as the labels show it: decimal comma, at least four decimals.
QString goster(const QString& rate);

// How long a fetch may wait for the bank's server.
inline int zamanAsimiMs = 15000;

// Fetches and shows the rates (the main window's show).
void kurbilgileri(Tfrm_menu& w);
// "Güncelle": fetches, shows and stores both rates in KURTAKIBI.
void guncelle(Tfrm_menu& w);

}  // namespace kur
