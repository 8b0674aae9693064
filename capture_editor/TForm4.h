#pragma once

#include <QWidget>

// The capture editor, in which the user annotates a picture of the main window.
class TForm4 : public QWidget {
    Q_OBJECT

public:
    explicit TForm4(QWidget* parent = nullptr);
};
