// The editor's text tool: a box on the scroll box to type into, which grows
// as lines are added and is painted into the overlay on commit.

#include <QEvent>
#include <QPlainTextEdit>

#include "CaptureView.h"
#include "TForm4.h"

namespace {

// Substituted by a CJK serif face present on this system.
const QString kTextFamily = QStringLiteral(u"宋体");

QFont TextFont(int size) {
    QFont font(kTextFamily);
    font.setPointSize(size);
    return font;
}

}  // namespace

QPlainTextEdit* TForm4::NewTextBox() {
    // On the overlay control, which is the scroll box's content: the box
    // sits in overlay coordinates and scrolls with the picture.
    auto* box = new QPlainTextEdit(Image1);
    box->setObjectName(QStringLiteral("Memo1"));
    box->setFont(TextFont(FFontSize));
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->document()->setDocumentMargin(0);
    box->setGeometry(0, 0, 0, 0);
    box->hide();
    return box;
}

void TForm4::OpenTextBox(QPoint p) {
    FTextBox = NewTextBox();
    FTextBox->move(p);
    // Typed in the colour it will be painted in.
    QPalette palette = FTextBox->palette();
    palette.setColor(QPalette::Text, FPenColor);
    FTextBox->setPalette(palette);
    FTextBox->viewport()->installEventFilter(this);
    connect(FTextBox, &QPlainTextEdit::textChanged, this, &TForm4::GrowTextBox);
    FTextBox->show();
    FTextBox->setFocus();
    FEditingText = true;
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && FTextBox != nullptr && watched == FTextBox->viewport()) {
        FTextBox->setFocus();
        FTool = CaptureTool::kText;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm4::GrowTextBox() {
    FGrowing = false;
    FTextBox->setFont(TextFont(FFontSize));
    if (FTextBox->blockCount() * 2 * FFontSize >= FTextBox->height()) {
        FGrowing = true;
        FTextBox->resize(FTextBox->width(), FTextBox->height() + FFontSize + 1);
    }
    FGrowing = false;
}

void TForm4::SpinEdit1Change(int value) {
    FFontSize = value;
    FTextBox->setFont(TextFont(FFontSize));
}

void TForm4::Memo1Exit(QPlainTextEdit* box) {
    const QString text = box->toPlainText();
    canvas_.SetPen(FPenColor, canvas_.PenWidth());
    canvas_.SetRasterMode(CaptureCanvas::RasterMode::Copy);
    canvas_.PaintText(text.split(QLatin1Char('\n')), QPointF(box->x() - 1, box->y() - 1), FFontSize,
                      kTextFamily);
    box->setFrameShape(QFrame::NoFrame);
    box->hide();
    Image1->update();
    if (!text.isEmpty()) {
        history_.Snapshot(canvas_.Overlay());
    }
}

void TForm4::CommitEditing() {
    if (FEditingText) {
        Memo1Exit(FTextBox);
        FEditingText = false;
    }
}
