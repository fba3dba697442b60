// The shared report runner: names a template, fills the report datasets from one or two
// statements and shows the preview.
#pragma once
#include "db/db.h"
#include "report/report.h"

namespace login {

inline db::Query qry_rapor1{QStringLiteral("qry_rapor1")};
inline db::Query qry_rapor2{QStringLiteral("qry_rapor2")};
inline db::Query qry_rapor3{QStringLiteral("qry_rapor3")};
inline db::Query qry_rapor4{QStringLiteral("qry_rapor4")};

// Runs the template named in raporbul_raporyolu (relative to the program folder) over
// sql1 (frxDBDataset1) and sql2 (frxDBDataset2; "BOŞ" for none) and shows the preview.
// An empty or "BOŞ" sql1, or a missing template, ends the caller's handler (ui::Silent).
void Raporlaolustur(const QString& sql1, const QString& sql2);

// The rows of a query as a report dataset.
report::Dataset dataset(const db::Query& q);

}  // namespace login
