#include "TForm4.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QColorDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProxyStyle>

#include "CaptureView.h"
#include "EraserCursor.h"

namespace {

struct PenSize {
    int penWidth;
    int eraserWidth;
};
// By pen size code, 1 Small to 3 Larger; the eraser's cursors "C3", "C2"
// and "C1" have these widths.
constexpr PenSize kPenSizes[] = {{1, 8}, {3, 13}, {5, 20}};

QIcon EditorPicture(const char* name) {
    return QIcon(QStringLiteral(":/editor/%1.png").arg(QLatin1String(name)));
}

// The font-size box is typed into without a caret: the blinking bar beside
// the number reads as a stray mark on the tool bar. A caret of no width is
// never painted, while typing and the arrows work as before.
class NoCaretStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_TextCursorWidth) {
            return 0;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

TForm4::TForm4(QWidget* parent) : QWidget(parent, Qt::Window) {
    // The text font's Windows name; Chinese text needs a CJK face here.
    QFont::insertSubstitutions(QStringLiteral(u"宋体"),
                               {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")});
    setupUi(this);

    auto* file = new QMenu(this);
    file->setObjectName(QStringLiteral("File1"));
    file->addActions({saveas1, Exit1});
    ToolButton10->setMenu(file);
    ToolButton10->setPopupMode(QToolButton::InstantPopup);
    auto* edit = new QMenu(this);
    edit->setObjectName(QStringLiteral("Edit4"));
    edit->addActions({Line, Rectangle, Ellipse, Text1, Erase1, SelectColor1, Undo1, Redo1});
    ToolButton11->setMenu(edit);
    ToolButton11->setPopupMode(QToolButton::InstantPopup);
    auto* sizes = new QMenu(this);
    sizes->setObjectName(QStringLiteral("PenSizeMenu"));
    sizes->addActions({Small1, Medium1, Larger1});
    ToolButton7->setMenu(sizes);
    ToolButton7->setPopupMode(QToolButton::InstantPopup);
    auto* sizeMarks = new QActionGroup(this);
    for (QAction* size : {Small1, Medium1, Larger1}) {
        sizeMarks->addAction(size);
    }

    // The five tools are one radio group, in the menu and on the tool bar
    // alike; optional, because a closed editor shows none pressed.
    tools_ = new QActionGroup(this);
    tools_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const std::pair<QToolButton*, QAction*> bound[] = {
        {ToolButton1, saveas1}, {ToolButton2, Line},   {ToolButton3, Rectangle},
        {ToolButton4, Ellipse}, {ToolButton6, Erase1}, {ToolButton12, SelectColor1},
        {ToolButton5, Text1},   {ToolButton8, Undo1},  {ToolButton9, Redo1},
    };
    // The tools' pictures, in the menu and on the buttons beside their text.
    const std::pair<QAction*, const char*> pictures[] = {
        {saveas1, "save"},    {Line, "line"},     {Rectangle, "rectangle"},
        {Ellipse, "ellipse"}, {Erase1, "eraser"}, {SelectColor1, "color-picker"},
        {Text1, "text"},      {Undo1, "undo"},    {Redo1, "redo"},
    };
    for (const auto& [command, picture] : pictures) {
        command->setIcon(EditorPicture(picture));
    }
    ToolButton7->setIcon(EditorPicture("pen-size"));
    ToolButton7->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    for (const auto& [button, command] : bound) {
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setDefaultAction(command);
        if (command->isCheckable()) {
            tools_->addAction(command);
        }
    }

    auto* noCaret = new NoCaretStyle;
    noCaret->setParent(this);
    SpinEdit1->findChild<QLineEdit*>()->setStyle(noCaret);

    connect(saveas1, &QAction::triggered, this, &TForm4::saveas1Click);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TForm4::SpinEdit1Change);
    connect(Exit1, &QAction::triggered, this, &QWidget::close);
    connect(Line, &QAction::triggered, this, &TForm4::LineClick);
    connect(Rectangle, &QAction::triggered, this, &TForm4::RectangleClick);
    connect(Ellipse, &QAction::triggered, this, &TForm4::EllipseClick);
    connect(Erase1, &QAction::triggered, this, &TForm4::Erase1Click);
    connect(Text1, &QAction::triggered, this, &TForm4::Text1Click);
    connect(SelectColor1, &QAction::triggered, this, &TForm4::SelectColor1Click);
    connect(Undo1, &QAction::triggered, this, &TForm4::Undo1Click);
    connect(Redo1, &QAction::triggered, this, &TForm4::Redo1Click);
    connect(Small1, &QAction::triggered, this, &TForm4::Small1Click);
    connect(Medium1, &QAction::triggered, this, &TForm4::Medium1Click);
    connect(Larger1, &QAction::triggered, this, &TForm4::Larger1Click);
    SetUndoRedo(false, false);

    Image1 = new CaptureView(*this);
    Image1->resize(1600, 1050);
    ScrollBox1->setWidget(Image1);
    FTextBox = NewTextBox();
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

void TForm4::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void TForm4::FormShow() {
    history_.Snapshot(canvas_.Overlay());
    SetUndoRedo(false, false);
    FFontSize = SpinEdit1->value();
    LineClick();
    SetPenSize(1);
    // Until a size is chosen the eraser is narrower than "Small".
    FEraserWidth = 5;
    // Font-size changes need a box to act on before the first placement.
    FTextBox = NewTextBox();
}

void TForm4::FormClose() {
    history_.Clear();
    SetUndoRedo(false, false);
    for (QAction* tool : tools_->actions()) {
        tool->setChecked(false);
    }
}

void TForm4::FormResize() {
    Image1->update();
}

void TForm4::SetUndoRedo(bool undo, bool redo) {
    Undo1->setEnabled(undo);
    Redo1->setEnabled(redo);
}

void TForm4::SelectTool(int tool, QAction* command, const QCursor& cursor) {
    FTool = tool;
    command->setChecked(true);
    Image1->setCursor(cursor);
    if (tool != CaptureTool::kText) {
        CommitEditing();
    }
}

void TForm4::LineClick() {
    SelectTool(CaptureTool::kLine, Line, Qt::CrossCursor);
}
void TForm4::RectangleClick() {
    SelectTool(CaptureTool::kRectangle, Rectangle, Qt::CrossCursor);
}
void TForm4::EllipseClick() {
    SelectTool(CaptureTool::kEllipse, Ellipse, Qt::CrossCursor);
}
void TForm4::Erase1Click() {
    // The outline of the width in force: 5 px after showing, though "Small"
    // is marked, until a size is chosen.
    SelectTool(CaptureTool::kEraser, Erase1, EraserCursor::Make(FEraserWidth));
}

void TForm4::Text1Click() {
    SelectTool(CaptureTool::kText, Text1, Qt::IBeamCursor);
    FGrowing = false;
}

void TForm4::SetPenSize(int code) {
    const PenSize& size = kPenSizes[code - 1];
    FPenSizeCode = code;
    FPenWidth = size.penWidth;
    FEraserWidth = size.eraserWidth;
    QAction* marks[] = {Small1, Medium1, Larger1};
    marks[code - 1]->setChecked(true);
    if (FTool == CaptureTool::kEraser) {
        Image1->setCursor(EraserCursor::Make(FEraserWidth));
    }
}

void TForm4::Small1Click() {
    SetPenSize(1);
}
void TForm4::Medium1Click() {
    SetPenSize(2);
}
void TForm4::Larger1Click() {
    SetPenSize(3);
}

void TForm4::SelectColor1Click() {
    QColorDialog dialog(FPenColor, this);
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    FPenColor = dialog.selectedColor();
    QPalette palette = Panel1->palette();
    palette.setColor(QPalette::Window, FPenColor);
    Panel1->setPalette(palette);
}

void TForm4::Image1MouseDown(QPoint p) {
    if (FEditingText) {
        CommitEditing();
        return;
    }
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
    if (outcome.openTextBox) {
        OpenTextBox(FStartPoint);
    }
    if (outcome.textBox) {
        FTextBox->setGeometry(*outcome.textBox);
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

void TForm4::changeEvent(QEvent* event) {
    // Texts only: the picture, the tool in force and an open text box stay.
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
    }
    QWidget::changeEvent(event);
}
