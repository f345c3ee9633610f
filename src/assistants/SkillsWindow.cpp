#include "SkillsWindow.h"

#include "AppPaths.h"
#include "BuildEngine.h"
#include "GameDatabase.h"
#include "SkillsCatalog.h"
#include "Units.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace {

const QString NothingSelected = QStringLiteral("未选中技能或花式动作");
const QString NoStars = QStringLiteral("☆☆☆☆☆");
constexpr quint32 DarkGrey = 0x404040;
constexpr quint32 Black = 0x000000;

QColor colourOf(const SkillPosition &pos) { return QColor(pos.red, pos.green, pos.blue); }

void setBackground(QWidget *w, const QColor &colour, QPalette::ColorRole role)
{
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

void setTextColour(QWidget *w, quint32 bgr)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, fromBgr(bgr));
    p.setColor(QPalette::ButtonText, fromBgr(bgr));
    w->setPalette(p);
}

QLabel *newLabel(QWidget *parent, const QString &name, const QString &text, QRect rect)
{
    // The details come from the skills database: shown as written.
    auto *l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    if (!name.isEmpty())
        l->setObjectName(name);
    l->setGeometry(rect);
    return l;
}

// The detail rows of the panel: caption, label name, height in twips.
struct DetailRow {
    QStringView caption;
    QStringView name;
    int height;
};
constexpr std::array<DetailRow, 7> DetailRows{{
    {u"必备指数：", u"BiBeiZhiShu",   300},
    {u"类型：",     u"Leixing",       300},
    {u"职业：",     u"Zhiye",         300},
    {u"等级：",     u"Dengji",        300},
    {u"价格：",     u"Jiage",         300},
    {u"触发条件：", u"Chufatiaojian", 840},
    {u"其他说明：", u"Qitashuoming",  1200},
}};

} // namespace

SkillsWindow::SkillsWindow(const BuildEngine &build, QWidget *mainWindow)
    : QWidget(nullptr, Qt::Window), m_build(build), m_main(mainWindow)
{
    setObjectName(QStringLiteral("JNzs"));
    setWindowTitle(QStringLiteral("技能助手 - ZR角色助手"));
    setFixedSize(twipsToPixels(WidthTwips), twipsToPixels(HeightTwips));
    buildControls();
}

SkillsWindow::~SkillsWindow() = default;

void SkillsWindow::buildControls()
{
    Frame_ZY = new QGroupBox(QStringLiteral("职业"), this);
    Frame_ZY->setObjectName(QStringLiteral("Frame_ZY"));
    Frame_ZY->setGeometry(twipsRect(120, 60, 9360, 720));
    auto *group = new QButtonGroup(this);
    for (int i = 0; i < int(SkillPositions.size()); ++i) {
        const SkillPosition &pos = SkillPositions[i];
        auto *button = new QRadioButton(pos.caption.toString(), Frame_ZY);
        button->setObjectName(pos.code.toString());
        button->setGeometry(twipsRect(180 + i * 1830, 270, 1740, 360));
        button->setAutoFillBackground(true);
        setBackground(button, colourOf(pos), QPalette::Window);
        setBackground(button, colourOf(pos), QPalette::Button);
        button->setBackgroundRole(QPalette::Window);
        setTextColour(button, DarkGrey);
        group->addButton(button, i);
        positions[i] = button;
        connect(button, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Position_Click(i);
        });
    }

    Frame_JN = new QGroupBox(QStringLiteral("技能"), this);
    Frame_JN->setObjectName(QStringLiteral("Frame_JN"));
    Frame_JN->setGeometry(twipsRect(120, 840, 2640, 4740));
    Skill = new QListWidget(Frame_JN);
    Skill->setObjectName(QStringLiteral("Skill"));
    Skill->setGeometry(twipsRect(120, 300, 2400, 4320));

    Frame_DZ = new QGroupBox(QStringLiteral("花式动作"), this);
    Frame_DZ->setObjectName(QStringLiteral("Frame_DZ"));
    Frame_DZ->setGeometry(twipsRect(2840, 840, 2640, 4740));
    Hooprix = new QListWidget(Frame_DZ);
    Hooprix->setObjectName(QStringLiteral("Hooprix"));
    Hooprix->setGeometry(twipsRect(120, 300, 2400, 4320));

    Frame_JS = new QGroupBox(QStringLiteral("技能/花式动作 介绍"), this);
    Frame_JS->setObjectName(QStringLiteral("Frame_JS"));
    Frame_JS->setGeometry(twipsRect(5560, 840, 3920, 4740));
    Jieshao = new QWidget(Frame_JS);
    Jieshao->setObjectName(QStringLiteral("Jieshao"));
    Jieshao->setGeometry(twipsRect(120, 300, 3680, 4320));
    Jieshao->setAutoFillBackground(true);

    Mingcheng = newLabel(Jieshao, QStringLiteral("Mingcheng"), NothingSelected, twipsRect(90, 60, 3500, 420));
    Mingcheng->setAlignment(Qt::AlignCenter);
    QFont title = Mingcheng->font();
    title.setBold(true);
    title.setPointSize(title.pointSize() + 3);
    Mingcheng->setFont(title);
    int top = 600;
    std::array<QLabel *, 7> values{};
    for (size_t i = 0; i < DetailRows.size(); ++i) {
        const DetailRow &row = DetailRows[i];
        newLabel(Jieshao, QString(), row.caption.toString(), twipsRect(90, top, 1000, 300));
        QLabel *value = newLabel(Jieshao, row.name.toString(), QString(), twipsRect(1090, top, 2500, row.height));
        value->setWordWrap(true);
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        values[i] = value;
        top += row.height + 60;
    }
    BiBeiZhiShu = values[0];
    Leixing = values[1];
    Zhiye = values[2];
    Dengji = values[3];
    Jiage = values[4];
    Chufatiaojian = values[5];
    Qitashuoming = values[6];
    BiBeiZhiShu->setText(NoStars);
    setTextColour(BiBeiZhiShu, 0x0000C0);

    Label8 = newLabel(this, QStringLiteral("Label8"),
                      QStringLiteral("★★★★★必须装 ★★★★☆最好装 ★★★☆☆娱乐装 ★★☆☆☆随便装 ★☆☆☆☆可不装 ☆☆☆☆☆不能装"),
                      twipsRect(120, 5700, 9360, 600));
    Label8->setWordWrap(true);

    connect(Skill, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            Skill_Click();
    });
    connect(Hooprix, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            Hooprix_Click();
    });
    // A click on the entry already selected shows it again (after the
    // other list's entry was shown).
    connect(Skill, &QListWidget::itemClicked, this, &SkillsWindow::Skill_Click);
    connect(Hooprix, &QListWidget::itemClicked, this, &SkillsWindow::Hooprix_Click);
}

void SkillsWindow::Form_Load()
{
    if (m_main)
        m_main->showMinimized();
    // Opened afresh: no position, empty lists, the design captions.
    for (QRadioButton *b : positions) {
        const QSignalBlocker quiet(b);
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
        setTextColour(b, DarkGrey);
    }
    Skill->clear();
    Hooprix->clear();
    Frame_JN->setTitle(QStringLiteral("技能"));
    Frame_DZ->setTitle(QStringLiteral("花式动作"));
    clearDetails();

    const std::optional<QString> start =
        startingSkillPosition(m_build.positionClass(), m_build.list(ListId::ZYe).text);
    if (start)
        choose(skillPositionIndex(*start));
}

void SkillsWindow::Form_Unload()
{
    if (m_main && m_main->isMinimized())
        m_main->showNormal();
}

void SkillsWindow::choose(int index)
{
    if (index < 0)
        return;
    if (positions[index]->isChecked())
        Position_Click(index);
    else
        positions[index]->setChecked(true); // runs Position_Click
}

void SkillsWindow::Position_Click(int index)
{
    const SkillPosition &pos = SkillPositions[index];
    const GameDatabase db(AppPaths::databasePath());
    const PositionEntries entries = readPositionEntries(db, pos.code.toString());
    Skill->clear();
    Hooprix->clear();
    Skill->addItems(entries.skills);
    Hooprix->addItems(entries.moves);
    Frame_JN->setTitle(u"技能（共计" + QString::number(Skill->count()) + u"个）");
    Frame_DZ->setTitle(u"花式动作（共计" + QString::number(Hooprix->count()) + u"个）");
    clearDetails();
    for (int i = 0; i < int(positions.size()); ++i)
        setTextColour(positions[i], i == index ? Black : DarkGrey);
    setBackground(Skill, colourOf(pos), QPalette::Base);
    setBackground(Hooprix, colourOf(pos), QPalette::Base);
    setBackground(Jieshao, colourOf(pos), QPalette::Window);
}

void SkillsWindow::Skill_Click()
{
    if (QListWidgetItem *item = Skill->currentItem())
        showDetails(item->text());
}

void SkillsWindow::Hooprix_Click()
{
    if (QListWidgetItem *item = Hooprix->currentItem())
        showDetails(item->text());
}

void SkillsWindow::clearDetails()
{
    Mingcheng->setText(NothingSelected);
    BiBeiZhiShu->setText(NoStars);
    for (QLabel *l : {Leixing, Zhiye, Dengji, Jiage, Chufatiaojian, Qitashuoming})
        l->clear();
}

void SkillsWindow::showDetails(const QString &name)
{
    const GameDatabase db(AppPaths::databasePath());
    const std::array<QString, 7> details = readSkillDetails(db, name);
    Mingcheng->setText(name);
    const std::array<QLabel *, 7> labels{BiBeiZhiShu, Leixing, Zhiye, Dengji, Jiage, Chufatiaojian, Qitashuoming};
    for (size_t i = 0; i < labels.size(); ++i)
        labels[i]->setText(details[i]);
}

void SkillsWindow::showEvent(QShowEvent *event)
{
    if (!m_loaded && !event->spontaneous()) {
        m_loaded = true;
        Form_Load();
    }
    QWidget::showEvent(event);
}

void SkillsWindow::closeEvent(QCloseEvent *event)
{
    if (m_loaded) {
        m_loaded = false;
        Form_Unload();
    }
    QWidget::closeEvent(event);
}
