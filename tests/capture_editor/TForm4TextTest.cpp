#include <QFileDialog>
#include <QFontInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTemporaryDir>

#include "EditorFixture.h"

namespace {

class TForm4TextTest : public EditorFixture {
protected:
    void Type(const QStringList& lines) {
        for (int i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                QTest::keyClick(Box(), Qt::Key_Return);
            }
            QTest::keyClicks(Box(), lines[i]);
        }
    }
    QPlainTextEdit* Box() {
        for (auto* box : Overlay()->findChildren<QPlainTextEdit*>()) {
            if (box->isVisible()) {
                return box;
            }
        }
        return nullptr;
    }
    void Place(int fontSize, QPoint from, QPoint to) {
        Child<QSpinBox>("SpinEdit1")->setValue(fontSize);
        Action("Text1")->trigger();
        if (from == to) {
            QTest::mouseClick(Overlay(), Qt::LeftButton, {}, from);
        } else {
            Drag(from, to);
        }
        ASSERT_NE(Box(), nullptr);
    }
    // First rows of the runs of rows that hold painted pixels.
    std::vector<int> LineTops() {
        std::vector<int> tops;
        bool inside = false;
        const QImage& overlay = editor.Canvas().Overlay();
        for (int y = 0; y < 400; ++y) {
            bool painted = false;
            for (int x = 0; x < 400 && !painted; ++x) {
                painted = overlay.pixel(x, y) != 0xffffffffu;
            }
            if (painted && !inside) {
                tops.push_back(y);
            }
            inside = painted;
        }
        return tops;
    }
};

TEST_F(TForm4TextTest, ThreeLinesAtTwentyArePaintedThirtyPixelsApart) {
    Place(20, {50, 50}, {50, 50});
    EXPECT_EQ(Box()->geometry(), QRect(50, 50, 60, 60));
    Type({"I", "I", "I"});
    QTest::mouseClick(Overlay(), Qt::LeftButton, {}, {300, 300});
    EXPECT_EQ(Box(), nullptr) << "a committed box is hidden";
    const std::vector<int> tops = LineTops();
    ASSERT_EQ(tops.size(), 3u);
    EXPECT_EQ(tops[1] - tops[0], 30);
    EXPECT_EQ(tops[2] - tops[1], 30);
    EXPECT_EQ(editor.History().HistoryCount(), 2);
}

TEST_F(TForm4TextTest, TwoLinesAtTenGrowAFortyPixelBoxToFiftyOne) {
    Place(10, {100, 100}, {162, 142});
    EXPECT_EQ(Box()->geometry(), QRect(101, 101, 60, 40));
    Type({"a", "b"});
    EXPECT_EQ(Box()->height(), 51);
}

TEST_F(TForm4TextTest, AnEmptyBoxAddsNoHistoryEntryButPlacingEnablesUndo) {
    Place(8, {50, 50}, {50, 50});
    EXPECT_TRUE(Action("Undo1")->isEnabled());
    Action("Line")->trigger();
    EXPECT_EQ(Box(), nullptr);
    EXPECT_EQ(editor.History().HistoryCount(), 1);
    EXPECT_EQ(LineTops().size(), 0u);
}

TEST_F(TForm4TextTest, TheTextFontIsACjkSerif) {
    EXPECT_TRUE(QFontInfo(QFont(QStringLiteral(u"宋体"))).family().contains(QStringLiteral("CJK")))
        << QFontInfo(QFont(QStringLiteral(u"宋体"))).family().toStdString();
}

TEST_F(EditorFixture, UndoDrawRedoBringsTheUndoneStateBack) {
    EXPECT_FALSE(Action("Undo1")->isEnabled());
    EXPECT_FALSE(Action("Redo1")->isEnabled());
    const QImage cleared = editor.Canvas().Overlay().copy();
    Drag({20, 20}, {120, 80});
    const QImage line = editor.Canvas().Overlay().copy();
    Action("Undo1")->trigger();
    EXPECT_EQ(editor.Canvas().Overlay(), cleared);
    EXPECT_FALSE(Action("Undo1")->isEnabled());
    EXPECT_TRUE(Action("Redo1")->isEnabled());
    Action("Rectangle")->trigger();
    Drag({200, 200}, {260, 240});
    Action("Redo1")->trigger();
    EXPECT_EQ(editor.Canvas().Overlay(), line);
    EXPECT_FALSE(Action("Redo1")->isEnabled());
}

struct Closing {
    const char* what;
    QMessageBox::StandardButton answer;
    const char* fileName;  // answers the save dialog; "" cancels it
    bool closes;
};
void PrintTo(const Closing& closing, std::ostream* os) {
    *os << closing.what;
}

class TForm4CloseTest : public EditorFixture, public ::testing::WithParamInterface<Closing> {
protected:
    QTemporaryDir dir;
};

TEST_P(TForm4CloseTest, AsksWhetherToSave) {
    // Scrolled out of view in a small window, still part of the picture.
    editor.resize(300, 200);
    Drag({330, 250}, {390, 290});
    std::vector<std::function<void(QWidget*)>> answers{[&](QWidget* query) {
        EXPECT_EQ(qobject_cast<QMessageBox*>(query)->text(),
                  QStringLiteral("Do you want to save the image?"));
        qobject_cast<QMessageBox*>(query)->button(GetParam().answer)->click();
    }};
    const QString name = dir.filePath(QString::fromUtf8(GetParam().fileName));
    if (GetParam().answer == QMessageBox::Yes) {
        answers.push_back([&](QWidget* window) {
            auto* dialog = qobject_cast<QFileDialog*>(window);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("PNG (*.png)"));
            if (*GetParam().fileName == '\0') {
                dialog->reject();
                return;
            }
            // Typed as a user types it: selectFile() races with the dialog
            // reading the folder it moves to.
            auto* typed = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(typed, nullptr);
            typed->setText(name);
            static_cast<QDialog*>(dialog)->accept();
        });
    }
    Answers([&] { editor.close(); }, answers);
    EXPECT_EQ(editor.isVisible(), !GetParam().closes);
    const QStringList written = QDir(dir.path()).entryList(QDir::Files);
    if (*GetParam().fileName == '\0') {
        EXPECT_TRUE(written.isEmpty());
        return;
    }
    ASSERT_EQ(written, QStringList{QStringLiteral("notes.png")});
    QImageReader reader(dir.filePath(QStringLiteral("notes.png")), "png");
    reader.setDecideFormatFromContent(false);
    const QImage saved = reader.read();
    EXPECT_EQ(saved.size(), QSize(400, 300));
    EXPECT_EQ(saved.pixel(330, 250), qRgb(255, 255, 0)) << "the line's start, in the pen colour";
    EXPECT_EQ(saved.pixel(10, 10), QColor(Qt::gray).rgb());
}

INSTANTIATE_TEST_SUITE_P(Answers, TForm4CloseTest,
                         ::testing::Values(Closing{"cancel", QMessageBox::Cancel, "", false},
                                           Closing{"no", QMessageBox::No, "", true},
                                           Closing{"yes then cancelled dialog", QMessageBox::Yes, "", true},
                                           Closing{"yes", QMessageBox::Yes, "notes", true}));

}  // namespace
