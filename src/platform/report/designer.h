// The template designer: bands and objects of a template on a page canvas; select, move
// and resize objects with the mouse or the property panel, add and delete objects and
// bands, edit text, font, alignment and display format, preview from the opener's
// datasets, and save back to the same file (atomically, keeping what it does not edit).
#pragma once
#include "report/report.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace report {

class Designer : public QDialog {
  Q_OBJECT
 public:
  Designer(Template tmpl, Datasets data = {}, QWidget* parent = nullptr);

  Template& templ() { return t_; }
  // Selection: band and object index on the first page (object -1: the band itself).
  void select(int band, int object);
  int selectedBand() const { return band_; }
  int selectedObject() const { return obj_; }
  // Moves / resizes the selected object (pixels), as a drag does.
  void moveSelected(double dx, double dy);
  void resizeSelected(double dw, double dh);
  void addMemo(const QString& text);
  void addBand(BandKind kind);
  void deleteSelected();
  bool save(QString* error);
  void preview();

  QGraphicsView* canvas;
  QPushButton *btn_metin, *btn_bant, *btn_sil, *btn_onizle, *btn_kaydet, *btn_kapat;
  QComboBox* cmb_bant;
  QLabel* lbl_secili;
  QPlainTextEdit* edt_text;
  QFontComboBox* cmb_font;
  QSpinBox* spn_fontsize;
  QCheckBox* chk_bold;
  QCheckBox* chk_italic;
  QComboBox* cmb_halign;
  QComboBox* cmb_valign;
  QComboBox* cmb_formatkind;
  QLineEdit* edt_formatstr;
  QDoubleSpinBox *spn_left, *spn_top, *spn_width, *spn_height;

  // Called by the canvas items.
  void itemMoved(int band, int object, const QRectF& rect);

 private:
  void rebuild();
  void loadPanel();
  void applyPanel();
  Obj* current();
  Page& page() { return t_.pages.front(); }
  double bandY(int band) const;

  Template t_;
  Datasets data_;
  QGraphicsScene* scene_;
  int band_ = -1, obj_ = -1;
  bool loading_ = false;
};

}  // namespace report
