#include "shell/freeMainForm.h"

#include "report/designer.h"
#include "sys/sys.h"
#include "ui/dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QStorageInfo>
#include <QVBoxLayout>

Tfrm_freeMainForm::Tfrm_freeMainForm(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frm_freeMainForm"));
  setWindowTitle(QStringLiteral("Kaltrex Rapor Dizayn"));
  auto* lay = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  DriveComboBox1 = new QComboBox(this);
  DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
  QStringList roots{QStringLiteral("/")};
  for (const QStorageInfo& s : QStorageInfo::mountedVolumes())
    if (s.isValid() && s.isReady() && !roots.contains(s.rootPath())) roots << s.rootPath();
  DriveComboBox1->addItems(roots);
  top->addWidget(new QLabel(QStringLiteral("Sürücü"), this));
  top->addWidget(DriveComboBox1, 1);
  FilterComboBox1 = new QComboBox(this);
  FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
  FilterComboBox1->addItem(QStringLiteral("FastReport"), QStringLiteral("*.fr3"));
  FilterComboBox1->addItem(QStringLiteral("Free Report"), QStringLiteral("*.frf"));
  FilterComboBox1->addItem(QStringLiteral("Rave Raport"), QStringLiteral("*.rav"));
  top->addWidget(FilterComboBox1);
  lay->addLayout(top);
  auto* lists = new QHBoxLayout;
  DirectoryListBox1 = new QListWidget(this);
  DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
  FileListBox1 = new QListWidget(this);
  FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
  lists->addWidget(DirectoryListBox1, 1);
  lists->addWidget(FileListBox1, 1);
  lay->addLayout(lists, 1);
  auto* loc = new QHBoxLayout;
  edt_konum = new QLineEdit(this);
  edt_konum->setObjectName(QStringLiteral("edt_konum"));
  btn_konum = new QPushButton(QStringLiteral("..."), this);
  btn_konum->setObjectName(QStringLiteral("btn_konum"));
  loc->addWidget(new QLabel(QStringLiteral("Konum"), this));
  loc->addWidget(edt_konum, 1);
  loc->addWidget(btn_konum);
  lay->addLayout(loc);
  auto* buttons = new QHBoxLayout;
  btn_fr3duzenle = new QPushButton(QStringLiteral("FR3 Düzenle"), this);
  btn_fr3duzenle->setObjectName(QStringLiteral("btn_fr3duzenle"));
  btn_kapat = new QPushButton(QStringLiteral("Kapat"), this);
  btn_kapat->setObjectName(QStringLiteral("btn_kapat"));
  buttons->addWidget(btn_fr3duzenle);
  buttons->addStretch();
  buttons->addWidget(btn_kapat);
  lay->addLayout(buttons);

  connect(DriveComboBox1, &QComboBox::currentTextChanged, this, [this](const QString& root) { setFolder(root); });
  connect(DirectoryListBox1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    setFolder(QDir(folder_).absoluteFilePath(item->text()));
  });
  connect(FilterComboBox1, &QComboBox::currentIndexChanged, this, [this] { fillFiles(); });
  connect(btn_fr3duzenle, &QPushButton::clicked, this, &Tfrm_freeMainForm::btn_fr3duzenleClick);
  connect(btn_konum, &QPushButton::clicked, this, &Tfrm_freeMainForm::btn_konumClick);
  connect(btn_kapat, &QPushButton::clicked, this, &QDialog::accept);
  setFolder(sys::programFolder());
  resize(760, 520);
}

void Tfrm_freeMainForm::setFolder(const QString& folder) {
  folder_ = QDir(folder).absolutePath();
  DirectoryListBox1->clear();
  QDir dir(folder_);
  if (!dir.isRoot()) DirectoryListBox1->addItem(QStringLiteral(".."));
  DirectoryListBox1->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
  fillFiles();
}

void Tfrm_freeMainForm::fillFiles() {
  FileListBox1->clear();
  FileListBox1->addItems(
      QDir(folder_).entryList({FilterComboBox1->currentData().toString()}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

bool Tfrm_freeMainForm::edit(const QString& path) {
  if (!path.endsWith(QStringLiteral(".fr3"), Qt::CaseInsensitive)) {
    ui::Dialogs::message(QStringLiteral("Bu şablon biçimi desteklenmiyor. Yalnızca .fr3 şablonları düzenlenebilir."));
    return false;
  }
  report::Template t;
  QString error;
  if (!report::load(sys::localPath(path), &t, &error)) {
    ui::Dialogs::message(path + QStringLiteral(" isimli rapor dosyası okunamadı.") + QStringLiteral(" (") + error + QLatin1Char(')'));
    return false;
  }
  report::Designer designer(std::move(t), {}, this);
  ui::showModal(designer);
  return true;
}

void Tfrm_freeMainForm::btn_fr3duzenleClick() {
  ui::runHandler([this] {
    QListWidgetItem* item = FileListBox1->currentItem();
    if (!item) return;
    edit(QDir(folder_).absoluteFilePath(item->text()));
  });
}

void Tfrm_freeMainForm::btn_konumClick() {
  ui::runHandler([this] {
    const QString chosen = ui::Dialogs::openFile(QStringLiteral("Rapor Şablonu Seçiniz"),
                                                 QStringLiteral("FastReport (*.fr3);;Free Report (*.frf);;Rave Raport (*.rav)"),
                                                 folder_);
    if (!chosen.isEmpty()) edt_konum->setText(chosen);
    // A location the opener preset is edited even when the choice was cancelled.
    if (!edt_konum->text().isEmpty()) edit(edt_konum->text());
  });
}
