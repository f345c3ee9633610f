#include "GuideWindow.h"

#include "BesideWindow.h"
#include "ClickLabel.h"
#include "NoticeTexts.h"
#include "RegularFile.h"
#include "ShareWindowOpen.h"
#include "StartUp.h"
#include "Units.h"
#include "Versions.h"

#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int TextMargin = 120;    // twips around the readme box
constexpr int ButtonWidth = 1500;  // the start button, twips
constexpr int ButtonHeight = 450;

// Null when missing, unreadable or not a regular file (a FIFO in a
// picture's place would block the reader for good).
QPixmap tourPicture(int n)
{
    const RegularFile::Contents file = RegularFile::read(StartUp::tourPicturePath(n));
    if (!file.ok())
        return {};
    return QPixmap::fromImage(QImage::fromData(file.bytes));
}

} // namespace

GuideWindow::GuideWindow(std::function<void()> showMain, QWidget *parent)
    : QWidget(parent, Qt::Window), m_showMain(std::move(showMain))
{
    setObjectName(QStringLiteral("News"));
    setWindowTitle(NoticeTexts::GuideTitle);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(3000);
    connect(Timer2, &QTimer::timeout, this, &GuideWindow::Timer2_Timer);
}

// The controls are made only when the tour shows: a returning user's
// start-up does not pay for them.
void GuideWindow::buildControls()
{
    ClickLabel **pictures[] = {&Picture1, &Picture2, &Picture3};
    for (int i = 0; i < 3; ++i) {
        auto *picture = new ClickLabel(QString(), this);
        picture->setObjectName(QStringLiteral("Picture") + QString::number(i + 1));
        picture->hide();
        picture->setAccessibleName(QStringLiteral("新功能介绍第%1页，点击看下一页").arg(i + 1));
        *pictures[i] = picture;
    }
    connect(Picture1, &ClickLabel::clicked, this, &GuideWindow::Picture1_Click);
    connect(Picture2, &ClickLabel::clicked, this, &GuideWindow::Picture2_Click);
    connect(Picture3, &ClickLabel::clicked, this, &GuideWindow::Picture3_Click);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setAccessibleName(QStringLiteral("说明文档"));
    Text1->setGeometry(twipsToPixels(TextMargin), twipsToPixels(TextMargin), twipsToPixels(TextWidthTwips),
                       twipsToPixels(TextHeightTwips));
    Text1->hide();

    Command1 = new QPushButton(NoticeTexts::StartButton, this);
    Command1->setObjectName(QStringLiteral("Command1"));
    // In the readme box's lower right corner, clear of its scroll bar.
    Command1->setGeometry(twipsToPixels(TextMargin + TextWidthTwips - ButtonWidth - 420),
                          twipsToPixels(TextMargin + TextHeightTwips - ButtonHeight - 180),
                          twipsToPixels(ButtonWidth), twipsToPixels(ButtonHeight));
    Command1->hide();
    connect(Command1, &QPushButton::clicked, this, &GuideWindow::Command1_Click);
}

GuideWindow::~GuideWindow() = default;

void GuideWindow::Form_Load()
{
    StartUp::checkDatabase();
    StartUp::ensureConfiguration();
    StartUp::fixVersions();
    if (StartUp::tourSeen()) {
        openMain();
        return;
    }
    // The first run of this version. Without its first picture (missing or
    // not a picture) there is no tour, and it is offered again next time.
    const QPixmap first = tourPicture(1);
    if (first.isNull()) {
        openMain();
        return;
    }
    buildControls();
    Picture1->setPixmap(first);
    Picture2->setPixmap(tourPicture(2));
    Picture3->setPixmap(tourPicture(3));
    m_touring = true;
    showPicture(1);
    show();
}

void GuideWindow::openMain()
{
    m_touring = false;
    if (m_showMain)
        m_showMain();
}

void GuideWindow::showPicture(int n)
{
    if (!Picture1)
        return; // no tour
    ClickLabel *pictures[] = {Picture1, Picture2, Picture3};
    for (ClickLabel *picture : pictures)
        picture->hide();
    // A picture that could not be read is stepped past: never an empty window.
    while (n <= 3 && pictures[n - 1]->pixmap().isNull())
        ++n;
    if (n > 3) {
        showReadme();
        return;
    }
    ClickLabel *picture = pictures[n - 1];
    picture->setGeometry(QRect(QPoint(0, 0), picture->pixmap().deviceIndependentSize().toSize()));
    picture->show();
    sizeTo(picture->size());
}

void GuideWindow::Picture1_Click() { showPicture(2); }
void GuideWindow::Picture2_Click() { showPicture(3); }
void GuideWindow::Picture3_Click() { showPicture(4); }

void GuideWindow::showReadme()
{
    Text1->show();
    sizeTo(QSize(twipsToPixels(TextWidthTwips + 2 * TextMargin), twipsToPixels(TextHeightTwips + 2 * TextMargin)));
    Text1->setPlainText(StartUp::readmeText());
    Timer2->start();
    StartUp::recordTourSeen();
}

void GuideWindow::Timer2_Timer()
{
    if (!Command1)
        return;
    Command1->show();
    Command1->raise();
    Timer2->stop();
}

void GuideWindow::Command1_Click()
{
    hide();
    openMain();
    const VersionNumber fver = Versions::run().Fver();
    ShareWindowOpen(NoticeTexts::guidePost(fver), NoticeTexts::GuideShareTitle);
    close();
}

void GuideWindow::sizeTo(const QSize &size)
{
    setFixedSize(size);
}

void GuideWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void GuideWindow::Form_Resize()
{
    // Centred on the screen's available area, frame included; a picture
    // larger than the area keeps its top-left corner on it.
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    BesideWindow::moveOuterTo(this, Placement::centred(BesideWindow::outerGeometry(this).size(),
                                                        screen->availableGeometry()));
}
