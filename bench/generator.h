// Fills a database with an agency of a chosen size, for benchmarks: companies, accounts of
// each kind, policies, ledger, cash and bank rows, notes, cheques and promissory notes, in
// several currencies, with the skew real books have (a few accounts carry most movements).
// Rows are made by the server from its sequence tables, so millions take seconds.
#pragma once
#include <QString>

namespace bench {

struct AgencySize {
  int companies = 3;
  int accountsPerCompany = 2000;
  long movements = 200000;  // CARI_HAREKET rows over all companies
  int policies = 20000;
  int cashRows = 20000;
  int bankRows = 20000;
  int notes = 5000;
  int cheques = 3000;
  int promissoryNotes = 3000;
  // One account "HOT" of company "01" with this many extra movements (0: none).
  long hotAccountMovements = 0;
};

// Runs on the program's connection (db::Connection), which must be open on an empty schema.
void generate(const AgencySize& size);

}  // namespace bench
