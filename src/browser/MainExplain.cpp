// The ability panel explains itself, and the tip line answers the mouse:
// its whole text as a tool tip, the recommended characters on a left click,
// a copy of the text on a right click.

#include "Main.h"

#include "AbilityExplanations.h"
#include "ClickLabel.h"
#include "MessageBox.h"
#include "TipLineTexts.h"
#include "Units.h"
#include "Versions.h"
#include "mIni.h"
#include "zrc_version.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTextDocument>

namespace {

// The caption handlers, in the order of the explanations.
constexpr std::array<void (Main::*)(), ExplanationCount> CaptionHandlers{
    &Main::Label_PD_Click, &Main::Label_TT_Click, &Main::Label_DK_Click, &Main::Label_CQ_Click,
    &Main::Label_YQ_Click, &Main::Label_LB_Click, &Main::Label_GM_Click, &Main::Label_QD_Click,
    &Main::Label_ZT_Click, &Main::Label_SF_Click, &Main::Label_GL_Click, &Main::Label_JT_Click,
    &Main::label_ZH_Click};

// Fver in plain form; the project's version until the start-up has set it.
QString programVersion()
{
    const VersionNumber fver = Versions::run().Fver();
    return fver > 0 ? VersionText::plain(fver) : QStringLiteral(ZRC_VERSION_STRING);
}

} // namespace

void Main::wireExplanations()
{
    for (int i = 0; i < ExplanationCount; ++i) {
        auto *caption = findChild<ClickLabel *>(AbilityExplanations[i].captionLabel.toString());
        caption->setToolTip(CaptionToolTip.toString());
        connect(caption, &ClickLabel::clicked, this, CaptionHandlers[i]);
    }
    Tip->setToolTip(TipLineTexts::ToolTip.toString());
    Tip->installEventFilter(this);
}

void Main::explain(int row)
{
    m_engine.setTip(AbilityExplanations[row].text.toString());
    render(); // writes Tip and restarts the line
}

void Main::Label_PD_Click() { explain(0); }
void Main::Label_TT_Click() { explain(1); }
void Main::Label_DK_Click() { explain(2); }
void Main::Label_CQ_Click() { explain(3); }
void Main::Label_YQ_Click() { explain(4); }
void Main::Label_LB_Click() { explain(5); }
void Main::Label_GM_Click() { explain(6); }
void Main::Label_QD_Click() { explain(7); }
void Main::Label_ZT_Click() { explain(8); }
void Main::Label_SF_Click() { explain(9); }
void Main::Label_GL_Click() { explain(10); }
void Main::Label_JT_Click() { explain(11); }
void Main::label_ZH_Click() { explain(12); }

bool Main::tipEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        Tip_MouseMove();
        return false; // on to the strip, which holds still under the pointer
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        Tip_MouseDown(static_cast<QMouseEvent *>(event)->button());
        return true;
    case QEvent::MouseButtonRelease:
        Tip_MouseUp(static_cast<QMouseEvent *>(event)->button());
        return true;
    default:
        return false;
    }
}

void Main::Tip_MouseMove()
{
    // Tool tips read markup; the line holds database names, so it is escaped.
    Tip->setToolTip(Qt::convertFromPlainText(TipLineTexts::hoverToolTip(Tip->text())));
}

void Main::Tip_MouseDown(Qt::MouseButton button)
{
    setTipBold(true);
    if (button == Qt::LeftButton) {
        const TipLineTexts::DatabaseRead read = [this](const QString &section, const QString &key) {
            return m_database.value(section, key);
        };
        m_database.select();
        mIni::ReadGroup group; // one look at the file for the twenty reads
        const QString summary = TipLineTexts::positionSummary(m_engine.positionClass(), m_engine.gender(),
                                                              m_engine.recommendedPosition(), read);
        MessageBox::show(summary, MessageBox::Icon::Information);
    } else if (button == Qt::RightButton) {
        QClipboard *clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setText(TipLineTexts::copyText(Tip->text(), programVersion()));
        MessageBox::show(TipLineTexts::Copied.toString(), MessageBox::Icon::Information);
    } else {
        return; // normal again when the button comes up
    }
    setTipBold(false);
}

void Main::Tip_MouseUp(Qt::MouseButton button)
{
    if (button != Qt::LeftButton && button != Qt::RightButton)
        setTipBold(false);
}

void Main::setTipBold(bool bold)
{
    QFont font = Tip->font();
    if (font.bold() == bold)
        return;
    font.setBold(bold);
    Tip->setFont(font);
    // The strip is as wide as its text, bold or not.
    Tip->adjustSize();
    m_strip.place(m_strip.left(), pixelsToTwips(Tip->width()));
    placeStrip();
}
