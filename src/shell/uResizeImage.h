// The picture resize tool the record windows drive (never shown), and the one call they
// make before storing a chosen picture.
#pragma once
#include "image/image.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

class Tfrm_ResizeImage : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrm_ResizeImage(QWidget* parent = nullptr);
  QLineEdit* InputFileEdit;
  QLineEdit* OutputFileEdit;
  QLineEdit* WidthEdit;
  QLineEdit* HeightEdit;
  QComboBox* EncoderTypeComboBox;
  QComboBox* InterpolationModeComboBox;
  QPushButton* ProcessButton;

 public slots:
  // Resizes when width and height are whole numbers; throws the resize error; always closes.
  void ProcessButtonClick();
};

namespace login {
// Resizes a chosen picture file to 250 x 250 into this process's own work file and returns
// its path; throws when the file is no picture of a known kind.
QString resimHazirla(const QString& chosenFile);
}  // namespace login
