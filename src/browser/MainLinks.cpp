// The links that end in the share window or the desktop: the ability sheet
// (复制分享), feedback, sharing the program, the update link and the readme
// behind the frame "软件信息".

#include "Main.h"

#include "AbilitySheet.h"
#include "AppPaths.h"
#include "ClickLabel.h"
#include "CodePage936.h"
#include "Endpoints.h"
#include "MessageBox.h"
#include "RegularFile.h"
#include "OpenPage.h"
#include "ShareWindowOpen.h"
#include "Versions.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// The author's page as the endpoints file writes it, for texts.
QString authorPageText() { return Endpoints::text(QStringLiteral("pages"), QStringLiteral("author")); }

// A left click anywhere on a frame's own surface (its links take their own).
class FrameClick : public QObject {
public:
    FrameClick(QWidget *frame, std::function<void()> click) : QObject(frame), m_click(std::move(click))
    {
        frame->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
            auto *e = static_cast<QMouseEvent *>(event);
            if (e->button() == Qt::LeftButton) {
                const bool inside = static_cast<QWidget *>(watched)->rect().contains(e->position().toPoint());
                if (event->type() == QEvent::MouseButtonPress)
                    m_down = true;
                else if (std::exchange(m_down, false) && inside)
                    m_click();
            }
        }
        return false;
    }

private:
    std::function<void()> m_click;
    bool m_down = false;
};

// The readme is GBK; the desktop's text viewer gets a UTF-8 copy in the
// cache folder (with a byte-order mark, which every viewer reads). Without
// a copy the original is handed over as it is.
QString readmeForViewer(const QString &readme)
{
    const RegularFile::Contents in = RegularFile::read(readme);
    if (!in.ok())
        return readme;
    const QString text = CodePage936::decode(in.bytes);
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (dir.isEmpty() || !QDir().mkpath(dir))
        return readme;
    QSaveFile out(QDir(dir).filePath(QFileInfo(readme).fileName()));
    if (!out.open(QIODevice::WriteOnly))
        return readme;
    out.write("\xEF\xBB\xBF");
    out.write(text.toUtf8());
    return out.commit() ? out.fileName() : readme;
}

} // namespace

void Main::wireLinks()
{
    connect(Label_FZNL, &ClickLabel::clicked, this, &Main::Label_FZNL_Click);
    connect(Fankui, &ClickLabel::clicked, this, &Main::Fankui_Click);
    connect(fenxiang, &ClickLabel::clicked, this, &Main::fenxiang_Click);
    connect(L_update, &ClickLabel::clicked, this, &Main::L_update_Click);
    Frame5->setToolTip(QStringLiteral("点击查看说明文档"));
    new FrameClick(Frame5, [this] { Frame5_Click(); });
    wirePictureMenu();
}

void Main::Label_FZNL_Click()
{
    const AbilitySheet sheet = makeAbilitySheet(m_engine, Versions::run().Fver(), authorPageText());
    if (QClipboard *clipboard = QGuiApplication::clipboard()) {
        clipboard->clear();
        clipboard->setText(sheet.text());
    }
    MessageBox::show(AbilitySheetTexts::Copied, MessageBox::Icon::Information);
    ShareWindowOpen(sheet.post, AbilitySheetTexts::ShareTitle);
}

void Main::Fankui_Click()
{
    const Versions &v = Versions::run();
    ShareWindowOpen(u"@QUILON，你好！我正在使用你的%23ZR角色助手%23软件（版本V" + VersionText::oneDecimal(v.Fver())
                        + u"，数据" + VersionText::oneDecimal(v.Sver()) + u"）。这是我的意见和建议：",
                    QStringLiteral("问题反馈 - ZR角色助手"));
}

void Main::fenxiang_Click()
{
    ShareWindowOpen(QStringLiteral("Hello！我正在使用%23ZR角色助手%23软件，这个软件不是挂哦，只是用来查询游戏资料的工具，"
                                   "它包括能力助手、升级助手、技能助手、选区助手等……作者是@QUILON，进入他的微博主页，"
                                   "查看置顶微博就能找到ZR角色助手的下载链接了。作为%23Hoopra%23爱好者的你，"
                                   "如果还没用过，那必须得赶紧试试了！/呲牙"),
                    QStringLiteral("分享软件 - ZR角色助手"));
}

void Main::L_update_Click()
{
    MessageBox::show(QStringLiteral("请查看置顶微博！"), MessageBox::Icon::Warning);
    openPage(Endpoints::page(QStringLiteral("author")));
    showMinimized();
}

void Main::Frame5_Click()
{
    const QString readme = AppPaths::readmePath();
    if (RegularFile::kind(readme) == RegularFile::Problem::None) {
        openPageQuietly(QUrl::fromLocalFile(readmeForViewer(readme)));
        return;
    }
    MessageBox::show(QStringLiteral("作者：Quillon\r\n\r\n") + authorPageText(), MessageBox::Icon::Warning,
                     QStringLiteral("ZR角色助手“说明文档”丢失！"));
}
