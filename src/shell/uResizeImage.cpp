#include "shell/uResizeImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFormLayout>
#include <stdexcept>

Tfrm_ResizeImage::Tfrm_ResizeImage(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frm_ResizeImage"));
  setWindowTitle(QStringLiteral(".:: Resize İmage ::."));
  auto* form = new QFormLayout(this);
  auto edit = [&](QLineEdit*& e, const char* name, const QString& label, const QString& value) {
    e = new QLineEdit(value, this);
    e->setObjectName(QString::fromLatin1(name));
    form->addRow(label, e);
  };
  edit(InputFileEdit, "InputFileEdit", QStringLiteral("Input image file:"), QStringLiteral("InputImage.jpg"));
  edit(OutputFileEdit, "OutputFileEdit", QStringLiteral("Output image file:"), QStringLiteral("OutputImage.png"));
  edit(WidthEdit, "WidthEdit", QStringLiteral("New width:"), QStringLiteral("250"));
  edit(HeightEdit, "HeightEdit", QStringLiteral("New height:"), QStringLiteral("250"));
  EncoderTypeComboBox = new QComboBox(this);
  EncoderTypeComboBox->setObjectName(QStringLiteral("EncoderTypeComboBox"));
  EncoderTypeComboBox->addItems({QStringLiteral("BMP"), QStringLiteral("GIF"), QStringLiteral("PNG"), QStringLiteral("JPEG")});
  EncoderTypeComboBox->setCurrentIndex(-1);
  form->addRow(QStringLiteral("Encoder type:"), EncoderTypeComboBox);
  InterpolationModeComboBox = new QComboBox(this);
  InterpolationModeComboBox->setObjectName(QStringLiteral("InterpolationModeComboBox"));
  InterpolationModeComboBox->addItems(
      {QStringLiteral("Nearest neighbour"), QStringLiteral("Linear"), QStringLiteral("Cubic"), QStringLiteral("Fant")});
  InterpolationModeComboBox->setCurrentIndex(-1);
  form->addRow(QStringLiteral("Interpolation mode:"), InterpolationModeComboBox);
  ProcessButton = new QPushButton(QStringLiteral("Resize and convert"), this);
  ProcessButton->setObjectName(QStringLiteral("ProcessButton"));
  form->addRow(ProcessButton);
}

void Tfrm_ResizeImage::ProcessButtonClick() {
  struct CloseAfter {
    QDialog* d;
    ~CloseAfter() { d->close(); }
  } closer{this};
  bool okW = false, okH = false;
  const uint w = WidthEdit->text().toUInt(&okW), h = HeightEdit->text().toUInt(&okH);
  if (!okW || !okH) return;
  if (EncoderTypeComboBox->currentIndex() < 0) throw std::runtime_error("Resim biçimi seçilmedi.");
  std::optional<image::Interpolation> mode;
  if (InterpolationModeComboBox->currentIndex() >= 0) mode = image::Interpolation(InterpolationModeComboBox->currentIndex());
  image::ResizeImage(InputFileEdit->text(), OutputFileEdit->text(), w, h, image::Encoder(EncoderTypeComboBox->currentIndex()),
                     mode);
}

namespace login {
QString resimHazirla(const QString& chosenFile) {
  const auto encoder = image::encoderFor(chosenFile);
  if (!encoder)
    throw std::runtime_error(QStringLiteral("%1 desteklenen bir resim dosyası değil (bmp, gif, png, jpg, jpeg).")
                                 .arg(chosenFile)
                                 .toStdString());
  // Each program instance resizes into its own work file, so two workstations sharing a
  // program folder never swap pictures.
  const QString work = QDir::temp().filePath(QStringLiteral("ordavin-%1-resim.JPG").arg(QCoreApplication::applicationPid()));
  Tfrm_ResizeImage tool;
  tool.EncoderTypeComboBox->setCurrentIndex(int(*encoder));
  tool.InputFileEdit->setText(chosenFile);
  tool.OutputFileEdit->setText(work);
  tool.ProcessButtonClick();
  return work;
}
}  // namespace login
