// Stored totals of customer cards, cash boxes and bank accounts, recomputed from their
// movements after every posting, and the closing of an open invoice a payment matches.
// Each routine joins the caller's transaction (or runs in its own), locks the totals row
// first so concurrent workstations never lose each other's postings, and is two statements.
#pragma once
#include <QString>

namespace login {

// An empty code ends the caller's handler silently (ui::Silent).
void bakiyeguncelle(const QString& cariKod);
void kasaguncelle(const QString& kasaKodu);
void bankaguncelle(const QString& bankaKodu);

// Closes the oldest open invoice of the account and currency whose total, rounded to two
// decimals, equals the amount; sets GLB_MESAJ (empty when nothing was closed). Without the
// invoicing programs' FATURA table there is nothing to close.
void faturakapama(const QString& cariKod, const QString& paraBirimi, double tutar);

// Forgets what is known about the database's tables (after a change of connection).
void forgetCatalogue();

}  // namespace login
