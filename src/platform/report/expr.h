// Expressions of report templates (see report.h for the language).
#pragma once
#include "report/report.h"

#include <QVariant>
#include <functional>
#include <memory>

namespace report::expr {

struct Node;
using NodePtr = std::shared_ptr<const Node>;

// Row of each dataset the expression reads (dataset name -> row index).
using RowContext = std::map<QString, int>;

struct Context {
  const Datasets* data = nullptr;
  RowContext row;
  int page = 1;
  int line = 0;
  // Aggregates: SUM/MIN/MAX/AVG/COUNT over a data band's rows in the current scope.
  std::function<QVariant(const QString& fn, const NodePtr& arg, const QString& band)> aggregate;
};

// Parsed once, evaluated many times; an unparsable text gives nullptr and *error.
NodePtr parse(const QString& text, QString* error);
QVariant eval(const NodePtr& n, Context& c);

// The marker that stands for TotalPages# until every page is laid out.
inline const QString kTotalPagesMarker = QStringLiteral("\x01TP\x01");

// A value as a memo shows it, with an optional Delphi display format.
QString format(const QVariant& v, const QString& kind, const QString& formatStr);
bool truthy(const QVariant& v);

}  // namespace report::expr
