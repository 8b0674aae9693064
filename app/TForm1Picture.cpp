// Pictures of the main window: File > Save Picture As, Capture > Save
// Capture and Capture > Edit Capture.

#include <QFileDialog>
#include <QImageWriter>

#include "PictureFile.h"
#include "TForm1.h"
#include "TForm4.h"
#include "WindowPicture.h"

namespace {

constexpr int kSaveDelayMs = 200;
constexpr int kEditDelayMs = 300;
constexpr int kEditShiftX = 10;
// Edit Capture clears this much of the overlay beyond the window's size.
constexpr int kClearMargin = 1000;

}  // namespace

void TForm1::saveas1Click() {
    const QImage picture = WindowPicture::ForPlatform()->Take(this, kSaveDelayMs, 0);
    FPictureFileName.clear();
    if (picture.isNull()) {
        return;
    }
    QFileDialog dialog(this, tr("Save Picture As"));
    dialog.setObjectName(QStringLiteral("SavePictureDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters = PictureFile::NameFilters();
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(1));
    dialog.setDefaultSuffix(QStringLiteral("png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    // Kept as typed: the name is UTF-8 here, never squeezed into 8 bits.
    const QString fileName = PictureFile::Completed(dialog.selectedFiles().constFirst());
    FPictureFileName = fileName.toStdString();
    const QString why = PictureFile::Save(picture, fileName);
    if (!why.isEmpty()) {
        ShowMessage(tr("Cannot save the picture \"%1\": %2").arg(fileName, why));
    }
}

void TForm1::SaveCapture1Click() {
    saveas1->trigger();
}

void TForm1::Screenshot1Click() {
    const QImage picture = WindowPicture::ForPlatform()->Take(this, kEditDelayMs, kEditShiftX);
    if (picture.isNull() || Form4 == nullptr) {
        return;
    }
    Form4->EditCapture(picture, QRect(QPoint(0, 0), picture.size() + QSize(kClearMargin, kClearMargin)));
}
