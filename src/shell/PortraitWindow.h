#pragma once

#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class ClickLabel;
class FrameWatch;

// The portrait window XsTx beside the main window: the character's picture at
// the top, below it the twelve abilities as value labels, captions and bars.
// The main window places it, gives it its picture, and the calculator mirrors
// values and bars into it. Positions are in twips.
class PortraitWindow : public QWidget {
    Q_OBJECT
public:
    explicit PortraitWindow(QWidget *parent = nullptr);
    ~PortraitWindow() override;

    // Picture: false (and no picture) if the file can't be read as an image.
    bool setPicture(const QString &jpegPath);
    // No picture: the notice "无头像，请检查客户端完整性！" is printed on the surface.
    void showMissingPicture();
    bool hasPicture() const;
    const QImage &picture() const { return m_picture; }
    // The notice printed on the surface, empty while a picture is shown.
    QString noticeText() const;

    // Ability i in the shared ability order (0 … 11).
    QLabel *valueLabel(int i) const;    // Paodong …
    QLabel *captionLabel(int i) const;  // Label_PD …
    double barX1(int i) const;          // Lpd … : fixed left end
    double barX2(int i) const;          // right end
    void setBarX2(int i, double twips);
    // Left edge of value label i (the calculator puts it just right of the bar).
    void setValueLeftTwips(int i, double twips);

    // Not minimised and not maximised.
    bool isNormalState() const;

    // Outer geometry in twips, as the main window places it.
    int leftTwips() const;
    int topTwips() const;
    int widthTwips() const;
    int heightTwips() const;
    void moveTwips(int left, int top);
    // The outer height, title bar included. Kept when the window manager
    // frames the window later: the client area shrinks by the frame.
    void setHeightTwips(int twips);
    // Outer left edge at the main window's outer left minus own outer width
    // minus 200 twips, top at the main window's outer top. Made again when
    // this window gets its frame, which changes its outer width.
    void placeBeside(const QWidget *mainWindow);

    // The name shown in the main window's character box, for the DKLJ post.
    void setCharacterNameProvider(std::function<QString()> provider);

    // Hides GuanBi and DKLJ a second after the pointer last moved over the window.
    QTimer Timer1;
    void Timer1_Timer();

    ClickLabel *GuanBi = nullptr;  // "关闭头像"
    ClickLabel *DKLJ = nullptr;    // "我有话要说..."

    void GuanBi_Click();
    void DKLJ_Click();

Q_SIGNALS:
    // The player closed the portrait (GuanBi or the title bar): the main
    // window enables Label_XSTX again.
    void portraitClosed();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_MouseMove();
    void GuanBi_MouseMove();
    void layoutPicture();
    void frameChanged();

    QImage m_picture;
    QString m_notice;
    std::array<QLabel *, 12> m_values{};
    std::array<QLabel *, 12> m_captions{};
    std::array<double, 12> m_barX2{};
    std::function<QString()> m_characterName;
    FrameWatch *m_frame = nullptr;
    int m_outerHeightTwips = 3000;
    QPointer<const QWidget> m_besideOf;
};
