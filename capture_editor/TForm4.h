#pragma once

#include <QWidget>

#include "CaptureCanvas.h"
#include "CaptureHistory.h"
#include "CaptureMouse.h"
#include "TForm4State.h"
#include "ui_TForm4.h"

class QActionGroup;
class QPlainTextEdit;
class CaptureView;

// The capture editor, in which the user annotates a picture of the main
// window. Closing hides it; the overlay and the pen colour stay for the
// next showing.
class TForm4 : public QWidget, protected TForm4State, private Ui::TForm4 {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);
    ~TForm4() override;

    // Edit Capture: picture becomes the captured layer and the overlay is
    // cleared over clear (its annotations go); then the window is shown, or
    // brought to the front with its history when already open.
    void EditCapture(const QImage& picture, const QRect& clear);

    const TForm4State& State() const { return *this; }
    const CaptureCanvas& Canvas() const { return canvas_; }
    const CaptureHistory& History() const { return history_; }

    void Undo1Click();
    void Redo1Click();
    void LineClick();
    void RectangleClick();
    void EllipseClick();
    void Erase1Click();
    void Text1Click();
    void Small1Click();
    void Medium1Click();
    void Larger1Click();
    void SelectColor1Click();
    void SpinEdit1Change(int value);
    // File > Save Picture As: the annotated capture itself, at its own size.
    void saveas1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class CaptureView;
    void FormShow();
    void FormClose();
    void FormResize();
    void SelectTool(int tool, QAction* command, const QCursor& cursor);
    void SetPenSize(int code);
    void Image1MouseDown(QPoint p);
    void Image1MouseMove(QPoint p, bool leftHeld);
    void Image1MouseUp(QPoint p);
    void Apply(const CaptureMouse::Outcome& outcome);
    void SetUndoRedo(bool undo, bool redo);
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The text tool (TForm4Text.cpp).
    QPlainTextEdit* NewTextBox();
    void OpenTextBox(QPoint p);
    void GrowTextBox();
    void Memo1Exit(QPlainTextEdit* box);
    // Commits the text being edited, if any.
    void CommitEditing();
    void ShowProblem(const QString& text);

    CaptureCanvas canvas_;
    CaptureHistory history_;
    CaptureMouse mouse_{*this, canvas_};
    CaptureView* Image1 = nullptr;
    QActionGroup* tools_ = nullptr;
    QPlainTextEdit* FTextBox = nullptr;
};
