#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

// A front-panel picture button. It shows the PNG named by SetPicture from the
// program's resources (":/panel/NAME.png", the name matched without regard to
// case), stretched to the button. While a picture is missing it draws a
// plain caption button instead, lit or dark, so the panel stays usable before
// the picture set exists. A left click released over the button emits Clicked.
class TImage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString picture READ Picture WRITE SetPicture)
    Q_PROPERTY(QString caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool lit READ Lit WRITE SetLit)
    Q_PROPERTY(QColor accent READ Accent WRITE SetAccent)
    Q_PROPERTY(QString glyph READ Glyph WRITE SetGlyph)

public:
    explicit TImage(QWidget* parent = nullptr);

    QString Picture() const { return picture_; }
    void SetPicture(const QString& name);
    bool HasPicture() const { return !pixmap_.isNull(); }

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool Lit() const { return lit_; }
    void SetLit(bool lit);
    QColor Accent() const { return accent_; }
    void SetAccent(const QColor& accent);
    // "rise" or "fall" draws a trigger-edge symbol instead of the caption.
    QString Glyph() const { return glyph_; }
    void SetGlyph(const QString& glyph);

    // Resource path of a panel picture, or empty when there is none.
    static QString FindPicture(const QString& name);

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void PaintFallback(class QPainter& painter) const;

    QString picture_;
    QPixmap pixmap_;
    QString caption_;
    bool lit_ = false;
    QColor accent_{0x2e, 0x9e, 0x5b};
    QString glyph_;
    bool pressed_ = false;
};
