#pragma once

#include <QWidget>

#include "ui_TForm6.h"

// The About window: product name, picture and version line. It is shown
// without blocking the main window and hidden, never destroyed, by OK.
class TForm6 : public QWidget, private Ui::TForm6 {
    Q_OBJECT

public:
    explicit TForm6(QWidget* parent = nullptr);

    // "Oscilloscope/Spectrum Analyzer", a tab, "V3.03", a blank and the maker
    // line; the same in every language.
    static QString VersionLine();

    void FormActivate();
    void Button1Click();

protected:
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool centred_ = false;
};
