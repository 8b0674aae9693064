#include "TForm4.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScrollArea>
#include <QVBoxLayout>

#include "CaptureView.h"

TForm4::TForm4(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Screen Capture"));
    resize(1336, 610);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* menus = new QMenuBar(this);
    QMenu* edit = menus->addMenu(tr("Edit"));
    edit->setObjectName(QStringLiteral("Edit4"));
    const std::pair<const char*, void (TForm4::*)()> tools[] = {
        {"Line", &TForm4::LineClick},
        {"Rectangle", &TForm4::RectangleClick},
        {"Ellipse", &TForm4::EllipseClick},
        {"Erase1", &TForm4::Erase1Click},
    };
    const char* captions[] = {QT_TR_NOOP("Line"), QT_TR_NOOP("Rectangle"), QT_TR_NOOP("Ellipse"),
                              QT_TR_NOOP("Eraser")};
    for (std::size_t i = 0; i < std::size(tools); ++i) {
        QAction* action = edit->addAction(tr(captions[i]));
        action->setObjectName(QString::fromLatin1(tools[i].first));
        connect(action, &QAction::triggered, this, tools[i].second);
    }
    Undo1 = edit->addAction(tr("Undo"));
    Undo1->setObjectName(QStringLiteral("Undo1"));
    connect(Undo1, &QAction::triggered, this, &TForm4::Undo1Click);
    Redo1 = edit->addAction(tr("Redo"));
    Redo1->setObjectName(QStringLiteral("Redo1"));
    connect(Redo1, &QAction::triggered, this, &TForm4::Redo1Click);
    SetUndoRedo(false, false);
    layout->setMenuBar(menus);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setBackgroundRole(QPalette::Base);
    Image1 = new CaptureView(*this);
    Image1->resize(1600, 1050);
    ScrollBox1->setWidget(Image1);
    layout->addWidget(ScrollBox1);
}

TForm4::~TForm4() = default;

void TForm4::EditCapture(const QImage& picture, const QRect& clear) {
    canvas_.SetPicture(picture);
    canvas_.ClearOverlay(clear);
    Image1->update();
    show();
    raise();
    activateWindow();
}

void TForm4::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TForm4::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TForm4::FormShow() {
    history_.Snapshot(canvas_.Overlay());
    SetUndoRedo(false, false);
    LineClick();
    FPenWidth = 1;
    FEraserWidth = 5;
    FPenSizeCode = 1;
}

void TForm4::FormClose() {
    history_.Clear();
    SetUndoRedo(false, false);
}

void TForm4::SetUndoRedo(bool undo, bool redo) {
    Undo1->setEnabled(undo);
    Redo1->setEnabled(redo);
}

void TForm4::SelectTool(int tool, Qt::CursorShape cursor) {
    FTool = tool;
    Image1->setCursor(cursor);
}

void TForm4::LineClick() {
    SelectTool(CaptureTool::kLine, Qt::CrossCursor);
}
void TForm4::RectangleClick() {
    SelectTool(CaptureTool::kRectangle, Qt::CrossCursor);
}
void TForm4::EllipseClick() {
    SelectTool(CaptureTool::kEllipse, Qt::CrossCursor);
}
void TForm4::Erase1Click() {
    SelectTool(CaptureTool::kEraser, Qt::PointingHandCursor);
}

void TForm4::Image1MouseDown(QPoint p) {
    Apply(mouse_.Press(p));
}
void TForm4::Image1MouseMove(QPoint p, bool leftHeld) {
    Apply(mouse_.Move(p, leftHeld));
}
void TForm4::Image1MouseUp(QPoint p) {
    Apply(mouse_.Release(p));
}

void TForm4::Apply(const CaptureMouse::Outcome& outcome) {
    if (outcome.snapshot) {
        history_.Snapshot(canvas_.Overlay());
    }
    if (outcome.enableUndo) {
        Undo1->setEnabled(true);
    }
    Image1->update();
}

void TForm4::Undo1Click() {
    const bool undone = history_.Undo(canvas_.Overlay());
    Undo1->setEnabled(undone && history_.HistoryCount() > 1);
    if (undone) {
        Redo1->setEnabled(true);
    }
    Image1->update();
}

void TForm4::Redo1Click() {
    const bool redone = history_.Redo(canvas_.Overlay());
    Redo1->setEnabled(redone && history_.RedoCount() > 0);
    if (redone) {
        Undo1->setEnabled(true);
    }
    Image1->update();
}
