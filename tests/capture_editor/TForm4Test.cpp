#include <QColorDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>

#include "EditorFixture.h"
#include "EraserCursor.h"

namespace {

struct Tool {
    const char* button;
    int code;
};
void PrintTo(const Tool& tool, std::ostream* os) {
    *os << tool.button;
}

class TForm4ToolTest : public EditorFixture, public ::testing::WithParamInterface<Tool> {};

TEST_P(TForm4ToolTest, ButtonsAreOneRadioGroup) {
    auto* pressed = Child<QToolButton>(GetParam().button);
    QTest::mouseClick(pressed, Qt::LeftButton);
    EXPECT_EQ(editor.State().FTool, GetParam().code);
    for (const char* name : {"ToolButton2", "ToolButton3", "ToolButton4", "ToolButton5", "ToolButton6"}) {
        EXPECT_EQ(Child<QToolButton>(name)->isChecked(), Child<QToolButton>(name) == pressed) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Tools, TForm4ToolTest,
                         ::testing::Values(Tool{"ToolButton2", CaptureTool::kLine},
                                           Tool{"ToolButton3", CaptureTool::kRectangle},
                                           Tool{"ToolButton4", CaptureTool::kEllipse},
                                           Tool{"ToolButton6", CaptureTool::kEraser},
                                           Tool{"ToolButton5", CaptureTool::kText}));

// Every button of the tool bar shows its picture beside its text.
class TForm4PictureTest : public EditorFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(TForm4PictureTest, ButtonShowsPictureAndText) {
    auto* button = Child<QToolButton>(GetParam());
    EXPECT_FALSE(button->icon().pixmap(20, 20).isNull());
    EXPECT_FALSE(button->text().isEmpty());
    EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
}

INSTANTIATE_TEST_SUITE_P(Buttons, TForm4PictureTest,
                         ::testing::Values("ToolButton1", "ToolButton2", "ToolButton3", "ToolButton4",
                                           "ToolButton6", "ToolButton7", "ToolButton12", "ToolButton5",
                                           "ToolButton8", "ToolButton9"));

struct Size {
    const char* item;
    int penWidth;
    int eraserWidth;
    const char* cursor;
};
void PrintTo(const Size& size, std::ostream* os) {
    *os << size.item;
}

class TForm4PenSizeTest : public EditorFixture, public ::testing::WithParamInterface<Size> {};

TEST_P(TForm4PenSizeTest, SizeSetsBothWidthsAndTheEraserCursorAtOnce) {
    Action("Erase1")->trigger();
    Action(GetParam().item)->trigger();
    EXPECT_EQ(editor.State().FPenWidth, GetParam().penWidth);
    EXPECT_EQ(editor.State().FEraserWidth, GetParam().eraserWidth);
    EXPECT_TRUE(Action(GetParam().item)->isChecked());
    EXPECT_EQ(Overlay()->cursor().pixmap().width(),
              EraserCursor::Diameter(QString::fromLatin1(GetParam().cursor)) + 4);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TForm4PenSizeTest,
                         ::testing::Values(Size{"Small1", 1, 8, "C3"}, Size{"Medium1", 3, 13, "C2"},
                                           Size{"Larger1", 5, 20, "C1"}));

// The cursor shows the width in force: 5 px after showing though "Small" is
// marked, "C3" once it is chosen.
TEST_F(EditorFixture, EraserIsFivePixelsUntilSmallIsChosen) {
    Action("Larger1")->trigger();
    editor.hide();
    editor.show();
    EXPECT_EQ(editor.State().FTool, CaptureTool::kLine);
    EXPECT_TRUE(Action("Line")->isChecked());
    EXPECT_EQ(editor.State().FEraserWidth, 5);
    EXPECT_TRUE(Action("Small1")->isChecked());
    Action("Erase1")->trigger();
    EXPECT_EQ(Overlay()->cursor().pixmap().width(), 5 + 4);
    Action("Small1")->trigger();
    EXPECT_EQ(editor.State().FEraserWidth, 8);
    EXPECT_EQ(Overlay()->cursor().pixmap().width(), EraserCursor::Diameter(QStringLiteral("C3")) + 4);
}

// The box looks the same with the keyboard focus as without: no caret is
// painted beside the number, yet the arrows and the keys still set it.
TEST_F(EditorFixture, FontSizeBoxShowsNoCaret) {
    auto* box = Child<QSpinBox>("SpinEdit1");
    auto* edit = box->findChild<QLineEdit*>();
    editor.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
    const QImage unfocused = edit->grab().toImage();
    box->setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(edit->hasFocus());
    EXPECT_EQ(edit->grab().toImage(), unfocused);
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(box->value(), 9);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, QStringLiteral("24"));
    EXPECT_EQ(box->value(), 24);
}

TEST_F(EditorFixture, ColourPickerTakesOnlyAConfirmedColour) {
    const QColor before = editor.State().FPenColor;
    Answer<QColorDialog>([&] { Action("SelectColor1")->trigger(); },
                         [](QColorDialog* dialog) {
                             dialog->setCurrentColor(Qt::blue);
                             dialog->reject();
                         });
    EXPECT_EQ(editor.State().FPenColor, before);
    Answer<QColorDialog>([&] { Action("SelectColor1")->trigger(); },
                         [](QColorDialog* dialog) {
                             dialog->setCurrentColor(Qt::blue);
                             dialog->accept();
                         });
    EXPECT_EQ(editor.State().FPenColor, QColor(Qt::blue));
    EXPECT_EQ(Child<QWidget>("Panel1")->palette().color(QPalette::Window), QColor(Qt::blue));
}

TEST_F(EditorFixture, ClosingReleasesTheToolsAndEmptiesTheHistory) {
    Drag({20, 20}, {120, 80});
    ASSERT_TRUE(Action("Undo1")->isEnabled());
    Answers([&] { editor.close(); },
            {[](QWidget* query) { qobject_cast<QMessageBox*>(query)->button(QMessageBox::No)->click(); }});
    EXPECT_EQ(editor.History().HistoryCount(), 0);
    EXPECT_FALSE(Child<QToolButton>("ToolButton8")->isEnabled());
    EXPECT_FALSE(Child<QToolButton>("ToolButton2")->isChecked());
}

}  // namespace
