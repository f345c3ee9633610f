#include "SettingsPages.h"

#include "BonusTables.h"

#include "ClickLabel.h"
#include "FirstPaint.h"
#include "MessageBox.h"
#include "PickListKeys.h"
#include "Units.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace {

// Geometry in twips.
constexpr int PageWidth = 5000;
constexpr int PageHeight = 3600;
constexpr int TitleTop = 60;
constexpr int RowTop = 480;
constexpr int RowPitch = 540;
constexpr int CaptionLeft = 240;
constexpr int CaptionWidth = 900;
constexpr int ComboLeft = 1260;
constexpr int ComboWidth = 3420;
constexpr int RowHeight = 330;
constexpr int LinkTop = 3180;
constexpr int LinkWidth = 660;
constexpr int LinkLeft[2] = {3000, 4020};

constexpr quint32 LinkHover = 0xFF0000; // blue, as 0xBBGGRR
constexpr quint32 LinkNormal = 0x000000;

const QString HeightHint = QStringLiteral("比如170-173表示偏矮，174-176表示中等，177-180表示偏高。");

// What a screen reader says for a caption whose text says it differently;
// the others read as their text without the spacing blanks.
struct SpokenCaption {
    ListId list;
    QStringView name;
};
constexpr std::array<SpokenCaption, 5> SpokenCaptions{{
    {ListId::Vip, u"VIP"},
    {ListId::DuiyouA1, u"队友A角"},
    {ListId::DuiyouA2, u"队友A龙头"},
    {ListId::DuiyouB1, u"队友B角"},
    {ListId::DuiyouB2, u"队友B龙头"},
}};

} // namespace

SettingsPages::SettingsPages(BuildEngine &engine, QWidget *parent)
    : QWidget(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("SettingsPages"));
    setFixedSize(twipsToPixels(PageWidth), twipsToPixels(PageHeight));

    Frame2 = makePage(QStringLiteral("Frame2"));
    Frame2_2 = makePage(QStringLiteral("Frame2_2"));
    Frame2_3 = makePage(QStringLiteral("Frame2_3"));
    Frame2_4 = makePage(QStringLiteral("Frame2_4"));
    m_pages = {Frame2, Frame2_2, Frame2_3, Frame2_4};

    // First page.
    ZYe = addRow(Frame2, 0, QStringLiteral("职 业"), ListId::ZYe);
    Sgao = addRow(Frame2, 1, QStringLiteral("身 高"), ListId::Sgao);
    Dji = addRow(Frame2, 2, QStringLiteral("等 级"), ListId::Dji);
    Xlian = addRow(Frame2, 3, QStringLiteral("训 练"), ListId::Xlian);
    Vip = addRow(Frame2, 4, QStringLiteral("V I P"), ListId::Vip);
    Sgao->setToolTip(HeightHint);

    // Page links: the first digit of the name is the page a link shows.
    d2y1 = addLink(Frame2, QStringLiteral("d2y1"), QStringLiteral("下 页"), 0);
    d4y1 = addLink(Frame2, QStringLiteral("d4y1"), QStringLiteral("末 页"), 1);

    m_focusSerial = engine.focusSerial();
    render(engine);
    // The hidden pages wait until the window has painted once.
    afterFirstPaint(this, [this] { buildHiddenPages(); });
}

void SettingsPages::buildHiddenPages()
{
    if (m_hiddenBuilt)
        return;
    m_hiddenBuilt = true;
    // The item lists too: ready before the first pick, built after the paint.
    Catalogue::instance();

    // Outfit page: second lists and result labels lie over their first lists.
    Youxie1 = addRow(Frame2_2, 0, QStringLiteral("有鞋装"), ListId::Youxie1);
    Youxie2 = addRow(Frame2_2, 0, QString(), ListId::Youxie2);
    Youxie = addResult(Frame2_2, 0, ResultId::Youxie);
    Wuxie = addRow(Frame2_2, 1, QStringLiteral("无鞋装"), ListId::Wuxie);
    Shangyi1 = addRow(Frame2_2, 2, QStringLiteral("上  衣"), ListId::Shangyi1);
    Shangyi2 = addRow(Frame2_2, 2, QString(), ListId::Shangyi2);
    Shangyi = addResult(Frame2_2, 2, ResultId::Shangyi);
    Xiayi1 = addRow(Frame2_2, 3, QStringLiteral("下  衣"), ListId::Xiayi1);
    Xiayi2 = addRow(Frame2_2, 3, QString(), ListId::Xiayi2);
    Xiayi = addResult(Frame2_2, 3, ResultId::Xiayi);
    Xiezi1 = addRow(Frame2_2, 4, QStringLiteral("鞋  子"), ListId::Xiezi1);
    Xiezi2 = addRow(Frame2_2, 4, QString(), ListId::Xiezi2);
    Xiezi = addResult(Frame2_2, 4, ResultId::Xiezi);

    // Decoration page.
    Jiaqiangbao1 = addRow(Frame2_3, 0, QStringLiteral("加强包"), ListId::Jiaqiangbao1);
    Jiaqiangbao2 = addRow(Frame2_3, 0, QString(), ListId::Jiaqiangbao2);
    Jiaqiangbao = addResult(Frame2_3, 0, ResultId::Jiaqiangbao);
    Xinshouzhuang = addRow(Frame2_3, 1, QStringLiteral("新手装"), ListId::Xinshouzhuang);
    Faxing = addRow(Frame2_3, 2, QStringLiteral("发  型"), ListId::Faxing);
    Toubeibu = addRow(Frame2_3, 3, QStringLiteral("装饰一"), ListId::Toubeibu);
    Shoujianbu = addRow(Frame2_3, 4, QStringLiteral("装饰二"), ListId::Shoujianbu);

    // Teammate page.
    Tuijiaobu = addRow(Frame2_4, 0, QStringLiteral("装饰三"), ListId::Tuijiaobu);
    DuiyouA1 = addRow(Frame2_4, 1, QStringLiteral("队友A1"), ListId::DuiyouA1);
    DuiyouA2 = addRow(Frame2_4, 2, QStringLiteral("队友A2"), ListId::DuiyouA2);
    DuiyouB1 = addRow(Frame2_4, 3, QStringLiteral("队友B1"), ListId::DuiyouB1);
    DuiyouB2 = addRow(Frame2_4, 4, QStringLiteral("队友B2"), ListId::DuiyouB2);

    d1y2 = addLink(Frame2_2, QStringLiteral("d1y2"), QStringLiteral("上 页"), 0);
    d3y2 = addLink(Frame2_2, QStringLiteral("d3y2"), QStringLiteral("下 页"), 1);
    d2y2 = addLink(Frame2_3, QStringLiteral("d2y2"), QStringLiteral("上 页"), 0);
    d4y2 = addLink(Frame2_3, QStringLiteral("d4y2"), QStringLiteral("下 页"), 1);
    d1y1 = addLink(Frame2_4, QStringLiteral("d1y1"), QStringLiteral("首 页"), 0);
    d3y1 = addLink(Frame2_4, QStringLiteral("d3y1"), QStringLiteral("上 页"), 1);

    // Tab goes on from the first page's last link through the new pages'
    // lists and links, page by page, as it did when they were built with it.
    QWidget *previous = d4y1;
    for (QFrame *page : {Frame2_2, Frame2_3, Frame2_4})
        for (QWidget *w : page->findChildren<QWidget *>())
            if (qobject_cast<QComboBox *>(w) || qobject_cast<ClickLabel *>(w)) {
                setTabOrder(previous, w);
                previous = w;
            }
    render(m_engine);
}

QFrame *SettingsPages::makePage(const QString &name)
{
    auto *page = new QFrame(this);
    page->setObjectName(name);
    page->setFrameShape(QFrame::StyledPanel);
    page->setGeometry(twipsRect(0, 0, PageWidth, PageHeight));
    page->setMouseTracking(true);
    page->installEventFilter(this);
    auto *title = new QLabel(QStringLiteral("角色能力设定"), page);
    title->setObjectName(QStringLiteral("PageCaption"));
    title->setGeometry(twipsRect(CaptionLeft, TitleTop, 2400, RowHeight));
    // A double-click on the caption shows the next page, round.
    title->installEventFilter(this);
    QFont f = title->font();
    f.setBold(true);
    title->setFont(f);
    return page;
}

QComboBox *SettingsPages::addRow(QFrame *page, int row, const QString &caption, ListId id)
{
    const int top = RowTop + row * RowPitch;
    if (!caption.isEmpty()) {
        auto *label = new QLabel(caption, page);
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(twipsRect(CaptionLeft, top, CaptionWidth, RowHeight));
        label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        if (id == ListId::Sgao)
            label->setToolTip(HeightHint);
        QString spoken = spokenText(caption);
        for (const SpokenCaption &s : SpokenCaptions)
            if (s.list == id)
                spoken = s.name.toString();
        label->setAccessibleName(spoken);
        m_rowCaption = label;
    }
    // A second list lies over the first one of its row. A caption can be the
    // buddy of one list only: the first keeps it, the second has a name of
    // its own, "上衣（第二项）".
    auto *combo = new QComboBox(page);
    if (caption.isEmpty())
        combo->setAccessibleName(m_rowCaption->accessibleName() + QStringLiteral("（第二项）"));
    combo->setObjectName(listName(id));
    combo->setEditable(false);
    combo->setGeometry(twipsRect(ComboLeft, top, ComboWidth, RowHeight));
    combo->setMaxVisibleItems(16);
    combo->setEnabled(false);
    if (!caption.isEmpty())
        m_rowCaption->setBuddy(combo);
    pickOnlyWhenOpen(combo);
    // Only a user's pick runs a handler; rendering changes the index silently.
    connect(combo, &QComboBox::activated, this, [this, id](int index) { userPicked(id, index); });
    m_combos[int(id)] = combo;
    return combo;
}

QLabel *SettingsPages::addResult(QFrame *page, int row, ResultId id)
{
    auto *label = new QLabel(page);
    label->setObjectName(resultName(id));
    label->setTextFormat(Qt::PlainText); // results name database fields
    label->setGeometry(twipsRect(ComboLeft, RowTop + row * RowPitch, ComboWidth, RowHeight));
    label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    label->hide();
    m_results[int(id)] = label;
    return label;
}

QLabel *SettingsPages::addLink(QFrame *page, const QString &name, const QString &caption, int slot)
{
    auto *link = new ClickLabel(caption, page);
    link->setObjectName(name);
    link->setGeometry(twipsRect(LinkLeft[slot], LinkTop, LinkWidth, RowHeight));
    link->setCursor(Qt::PointingHandCursor);
    link->setMouseTracking(true);
    link->installEventFilter(this);
    setLinkColour(link, LinkNormal);
    // The mouse clicks through the filter below; the keyboard and assistive
    // tools click through the label, and its focus shows the hover colour.
    connect(link, &ClickLabel::clicked, this, [this, link] { linkClicked(link); });
    connect(link, &ClickLabel::hovered, this, [this, link] { setLinkColour(link, LinkHover); });
    connect(link, &ClickLabel::focusLeft, this, [this, link] { setLinkColour(link, LinkNormal); });
    return link;
}

void SettingsPages::setLinkColour(QLabel *link, quint32 bgr)
{
    QPalette p = link->palette();
    const QColor c = fromBgr(bgr);
    if (p.color(QPalette::WindowText) == c)
        return;
    p.setColor(QPalette::WindowText, c);
    link->setPalette(p);
}

bool SettingsPages::eventFilter(QObject *watched, QEvent *event)
{
    if (watched->objectName() == u"PageCaption") {
        if (event->type() != QEvent::MouseButtonDblClick
            || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return QWidget::eventFilter(watched, event);
        showNextPage();
        return true;
    }
    if (auto *link = qobject_cast<QLabel *>(watched)) {
        if (event->type() == QEvent::MouseMove) {
            setLinkColour(link, LinkHover);
            return true; // the page under the link must not see it and reset the colour
        }
        if (event->type() == QEvent::Enter)
            setLinkColour(link, LinkHover);
        else if (event->type() == QEvent::MouseButtonRelease) {
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton
                && link->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
                linkClicked(link);
            return true;
        }
    } else if (event->type() == QEvent::MouseMove) {
        // Moving over a page returns its two links to black.
        for (QLabel *link : watched->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
            if (link->objectName().startsWith(u'd'))
                setLinkColour(link, LinkNormal);
    }
    return QWidget::eventFilter(watched, event);
}

void SettingsPages::linkClicked(QLabel *link)
{
    const QString &n = link->objectName();
    if (n == u"d1y1") m_engine.d1y1_Click();
    else if (n == u"d1y2") m_engine.d1y2_Click();
    else if (n == u"d2y1") m_engine.d2y1_Click();
    else if (n == u"d2y2") m_engine.d2y2_Click();
    else if (n == u"d3y1") m_engine.d3y1_Click();
    else if (n == u"d3y2") m_engine.d3y2_Click();
    else if (n == u"d4y1") m_engine.d4y1_Click();
    else if (n == u"d4y2") m_engine.d4y2_Click();
    render(m_engine);
    Q_EMIT changed();
}

void SettingsPages::showNextPage()
{
    // The links that show each page, in page order; the next one after the
    // last page is the first.
    static constexpr std::array<void (BuildEngine::*)(), 4> show{
        &BuildEngine::d1y1_Click, &BuildEngine::d2y1_Click, &BuildEngine::d3y1_Click, &BuildEngine::d4y1_Click};
    (m_engine.*show[(int(m_engine.page()) + 1) % 4])();
    render(m_engine);
    Q_EMIT changed();
}

void SettingsPages::userPicked(ListId id, int index)
{
    QComboBox *c = m_combos[int(id)];
    const int refusedBefore = m_engine.refused();
    m_engine.pick(id, c->itemText(index));
    for (int i = refusedBefore; i < m_engine.refused(); ++i)
        MessageBox::show(BuildEngine::RefusalText, MessageBox::Icon::Warning);
    render(m_engine);
    applyFocus();
    Q_EMIT changed();
}

void SettingsPages::applyFocus()
{
    if (m_engine.focusSerial() == m_focusSerial)
        return;
    m_focusSerial = m_engine.focusSerial();
    if (auto opt = listByName(m_engine.focus()))
        combo(*opt)->setFocus(Qt::OtherFocusReason);
}

void SettingsPages::render(const BuildEngine &engine)
{
    if (engine.page() != Page::Frame2)
        buildHiddenPages();
    for (int i = 0; i < ListCount; ++i) {
        QComboBox *c = m_combos[i];
        if (!c)
            continue; // rendered once built
        const OptionList &l = engine.list(ListId(i));
        if (m_shownItems[i] != l.items) {
            const QSignalBlocker block(c);
            c->clear();
            c->addItems(l.items);
            m_shownItems[i] = l.items;
        }
        // A pick-only list shows nothing until something is picked.
        const int index = l.text.isEmpty() ? -1 : int(l.items.indexOf(l.text));
        if (c->currentIndex() != index) {
            const QSignalBlocker block(c);
            c->setCurrentIndex(index);
        }
        if (c->isEnabled() != l.enabled)
            c->setEnabled(l.enabled);
        if (c->isHidden() == l.visible)
            c->setHidden(!l.visible);
    }
    for (int i = 0; i < ResultCount; ++i) {
        QLabel *label = m_results[i];
        if (!label)
            continue;
        const ResultLabel &r = engine.result(ResultId(i));
        if (label->text() != r.text)
            label->setText(r.text);
        if (label->isHidden() == r.visible)
            label->setHidden(!r.visible);
    }
    for (int p = 0; p < 4; ++p) {
        const bool shown = engine.page() == Page(p);
        if (m_pages[p]->isHidden() == shown)
            m_pages[p]->setHidden(!shown);
    }
}
