// Saving the annotated capture, and the question on closing.

#include <QCloseEvent>
#include <QFileDialog>
#include <QMessageBox>

#include "PictureFile.h"
#include "TForm4.h"

void TForm4::saveas1Click() {
    CommitEditing();
    // The capture with its annotations, not the editor's window: nothing
    // scrolled out of view is lost and no tool bar is saved with it.
    const QImage picture = canvas_.Composed();
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
    const QString fileName = PictureFile::Completed(dialog.selectedFiles().constFirst());
    const QString why = PictureFile::Save(picture, fileName);
    if (!why.isEmpty()) {
        ShowProblem(tr("Cannot save the picture \"%1\": %2").arg(fileName, why));
    }
}

void TForm4::ShowProblem(const QString& text) {
    // Not modal: it must not hold up a closing editor.
    auto* box = new QMessageBox(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("Problem"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void TForm4::closeEvent(QCloseEvent* event) {
    QMessageBox query(QMessageBox::Question, windowTitle(), tr("Do you want to save the image?"),
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    query.setObjectName(QStringLiteral("CloseQuery"));
    const int answer = query.exec();
    if (answer == QMessageBox::Cancel) {
        event->ignore();
        return;
    }
    if (answer == QMessageBox::Yes) {
        // Closes afterwards even when its dialog was cancelled.
        saveas1Click();
    }
    FormClose();
    event->accept();
}
